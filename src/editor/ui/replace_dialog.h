#pragma once
#include <QString>

#include "editor/ui/search_dialog_base.h"

class QLineEdit;
class QPushButton;

namespace quillane {

// Replace, the modeless Replace dialog, centred on the screen when loaded:
// Text1 "Fi&nd:", Text2 "Re&place:", the direction and case options, and
// Command1 "&Find Next" (enabled while Text1 is not empty), Command2
// "&Replace" and Command3 "Replace &All" (enabled while both are not empty),
// Command4 "&Cancel". Escape and closing the window act as Cancel.
class Replace : public SearchDialogBase {
    Q_OBJECT

public:
    Replace(AppContext& ctx, QWidget* parent);

    // Text1, as the dialog is opened with it. With replacementFirst, Text2
    // comes first in the tab order and takes the focus.
    void setFindText(const QString& text, bool replacementFirst);

    void reject() override;

private:
    void updateButtons();
    std::string findText() const;
    std::string replacementText() const;

    QLineEdit* text1_;
    QLineEdit* text2_;
    QPushButton* findNext_;
    QPushButton* replace_;
    QPushButton* replaceAll_;
    QPushButton* cancel_;
};

}  // namespace quillane
