#pragma once
#include "builders/ui/link_dialog_base.h"

class QLineEdit;

namespace quillane {

struct MailtoFields;

// MailToForm, "MailTo:": the e-mail address (Email, first in the tab order)
// and the selection as the link's text (MailToText). OK (Command1) replaces
// the selection with the mailto: link; Cancel is Command2.
class MailToForm : public LinkDialogBase {
    Q_OBJECT

public:
    MailToForm(AppContext& ctx, DocumentView& view, QWidget* parent = nullptr);

    MailtoFields fields() const;

private:
    void ok();

    QLineEdit* email_;
    QLineEdit* text_;
};

// Opens MailToForm over the window's selection and runs it modally.
void OpenMailtoDialog(AppContext& ctx, DocumentView& view, QWidget* parent);

}  // namespace quillane
