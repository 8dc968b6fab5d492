#pragma once
#include <QString>

#include "editor/ui/search_dialog_base.h"

class QLineEdit;
class QPushButton;

namespace quillane {

// frmFind, the modeless Find dialog: Text1 "Fi&nd What:", the direction and
// case options, cmdFind "&Find" (enabled while Text1 is not empty) and
// cmdcancel "&Cancel". Escape and closing the window act as Cancel.
class frmFind : public SearchDialogBase {
    Q_OBJECT

public:
    frmFind(AppContext& ctx, QWidget* parent);

    // Text1, as the dialog is opened with it.
    void setFindText(const QString& text);

    void reject() override;

private:
    QLineEdit* text1_;
    QPushButton* find_;
};

}  // namespace quillane
