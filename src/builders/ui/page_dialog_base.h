#pragma once
#include <QDialog>

class QPushButton;

namespace quillane {

struct AppContext;

// What the page-properties and META Tags dialogs share: modal, centred on the
// screen when first shown, and the help button (SSCommand1) and F1 opening
// the help.
class PageDialogBase : public QDialog {
    Q_OBJECT

public:
    PageDialogBase(AppContext& ctx, QWidget* parent);

protected:
    QPushButton* addHelpButton();
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    AppContext& ctx_;

private:
    void showHelp();
    bool centred_ = false;
};

}  // namespace quillane
