#pragma once
#include <QDialog>

#include "editor/insertion.h"

namespace quillane {

struct AppContext;

// What the table and conversion dialogs share: modal, centred on the screen
// when first shown, F1 opens the help, and EditTagMode is cleared however the
// dialog closes.
class MakerDialog : public QDialog {
    Q_OBJECT

public:
    MakerDialog(AppContext& ctx, QWidget* parent);

    void showHelp();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    AppContext& ctx_;

private:
    TagDialogScope editTagScope_;
    bool centred_ = false;
};

}  // namespace quillane
