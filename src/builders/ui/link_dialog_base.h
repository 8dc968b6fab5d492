#pragma once
#include <QDialog>

#include "editor/insertion.h"

class QPushButton;

namespace quillane {

struct AppContext;
class DocumentView;
struct LinkBuild;

// What the link, anchor and mail-link dialogs share: modal, centred on the
// screen, the help button and F1, the OK flow into the document, and
// EditTagMode cleared however the dialog closes.
class LinkDialogBase : public QDialog {
    Q_OBJECT

public:
    LinkDialogBase(AppContext& ctx, DocumentView& view, QWidget* parent);

    // Closing by OK, Cancel or the close box.
    void done(int result) override;

protected:
    // The "&OK" and "&Cancel" buttons, and the help button (SSCommand1).
    QPushButton* addOkButton(const char* name);
    QPushButton* addCancelButton(const char* name);
    QPushButton* addHelpButton();

    // OK's flow: the undo snapshot, then the builder; a refusal is shown and
    // keeps the dialog open (false), a snippet replaces the selection and the
    // dialog closes.
    void saveUndoSnapshot();
    bool finish(const LinkBuild& result);

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    AppContext& ctx_;
    DocumentView& view_;

private:
    void showHelp();

    TagDialogScope editTagScope_;
    bool centred_ = false;
};

}  // namespace quillane
