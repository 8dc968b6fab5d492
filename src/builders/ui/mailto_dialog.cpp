#include "builders/ui/mailto_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/app_context.h"
#include "builders/link_builders.h"
#include "builders/ui/line_edit_bytes.h"

namespace quillane {

MailToForm::MailToForm(AppContext& ctx, DocumentView& view, QWidget* parent) : LinkDialogBase(ctx, view, parent) {
    setObjectName("MailToForm");
    setWindowTitle("MailTo:");

    auto* emailLabel = new QLabel("Enter email address here:", this);
    emailLabel->setObjectName("Label1");
    email_ = new QLineEdit(this);
    email_->setObjectName("Email");
    auto* textLabel = new QLabel("Enter text that will appear as hypertext on the Web page:", this);
    textLabel->setObjectName("Label2");
    text_ = new QLineEdit(this);
    text_->setObjectName("MailToText");

    QPushButton* ok = addOkButton("Command1");
    QPushButton* cancel = addCancelButton("Command2");
    QPushButton* help = addHelpButton();

    auto* layout = new QGridLayout(this);
    layout->addWidget(emailLabel, 0, 0);
    layout->addWidget(email_, 1, 0);
    layout->addWidget(textLabel, 2, 0);
    layout->addWidget(text_, 3, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addLayout(buttons, 4, 0);

    SetLineEditBytes(text_, view.editor().selText());
    email_->setFocus();

    connect(ok, &QPushButton::clicked, this, &MailToForm::ok);
}

MailtoFields MailToForm::fields() const { return {LineEditBytes(email_), LineEditBytes(text_)}; }

void MailToForm::ok() {
    saveUndoSnapshot();
    finish(BuildMailtoTag(fields()));
}

void OpenMailtoDialog(AppContext& ctx, DocumentView& view, QWidget* parent) {
    MailToForm dialog(ctx, view, parent);
    dialog.exec();
}

}  // namespace quillane
