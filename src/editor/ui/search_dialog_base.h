#pragma once
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace quillane {

struct AppContext;

// What the Find and Replace dialogs share: the frame "Direction" with the
// options optDirection(0) "&Up" and optDirection(1) "&Down", the check box
// chkCase "Match &Case", and the loading and mouse rules.
class SearchDialogBase : public QDialog {
    Q_OBJECT

public:
    SearchDialogBase(AppContext& ctx, QWidget* parent);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

    AppContext& ctx_;
    QGroupBox* direction_;
    QRadioButton* up_;
    QRadioButton* down_;
    QCheckBox* matchCase_;
};

}  // namespace quillane
