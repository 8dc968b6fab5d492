#pragma once
#include <QDialog>

class QPushButton;

namespace quillane {

struct AppContext;

// What every tag-building dialog shares: modal, centred on the screen when
// first shown, the help button (SSCommand1) and F1 opening the help, and,
// for the dialogs that edit a tag, EditTagMode cleared however they close.
class BuilderDialog : public QDialog {
    Q_OBJECT

public:
    // Whether closing (OK, Cancel, Escape or the close box) clears
    // EditTagMode.
    enum class OnClose { KeepTagMode, ClearTagMode };

    BuilderDialog(AppContext& ctx, QWidget* parent, OnClose onClose = OnClose::KeepTagMode);

    void done(int result) override;
    void showHelp();

protected:
    QPushButton* addHelpButton();
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    AppContext& ctx_;

private:
    OnClose onClose_;
    bool centred_ = false;
};

}  // namespace quillane
