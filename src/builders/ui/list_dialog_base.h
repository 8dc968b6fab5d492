#pragma once
#include "builders/list_builders.h"
#include "builders/ui/builder_dialog.h"
#include "editor/insertion.h"

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace quillane {

class DocumentView;

// What the numbered, bulleted and descriptive list dialogs share: the Start,
// Add and Cancel/Done buttons and the state they walk through. Each button
// writes into the document at once and the dialog stays open for the next
// item until Done; EditTagMode is cleared however the dialog closes.
class ListDialogBase : public BuilderDialog {
    Q_OBJECT

public:
    ListDialogBase(AppContext& ctx, DocumentView& view, QWidget* parent);

    ListState state() const { return state_; }
    // The fields as typed.
    virtual ListFields fields() const = 0;

protected:
    // The three buttons under the given names, with their opening captions.
    void addListButtons(const char* startName, const char* addName, const char* closeName);
    // The Help frame with its instructions and the help button, as a row.
    QWidget* helpFrame(const char* itemWord);
    QPushButton* startButton_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;

    // The box a refusal points at, and the boxes emptied after each item.
    virtual QLineEdit* box(ListBox which) const = 0;
    virtual void clearItemBoxes() = 0;

    DocumentView& view_;

private:
    void start();
    void add();
    void closeOrFinish();
    // Shows a refusal, or inserts the snippet and moves on to `next`.
    bool apply(const ListBuild& result, ListState next);
    void showState();

    TagDialogScope editTagScope_;
    ListState state_ = ListState::Fresh;
};

}  // namespace quillane
