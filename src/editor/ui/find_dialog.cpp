#include "editor/ui/find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/find_replace.h"

namespace quillane {

frmFind::frmFind(AppContext& ctx, QWidget* parent) : SearchDialogBase(ctx, parent) {
    setObjectName("frmFind");
    setWindowTitle("Find");

    auto* label = new QLabel("Fi&nd What:", this);
    label->setObjectName("Label1");
    text1_ = new QLineEdit(this);
    text1_->setObjectName("Text1");
    label->setBuddy(text1_);

    find_ = new QPushButton("&Find", this);
    find_->setObjectName("cmdFind");
    find_->setDefault(true);
    find_->setEnabled(false);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("cmdcancel");

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(text1_, 0, 1, 1, 2);
    layout->addWidget(direction_, 1, 1);
    layout->addWidget(matchCase_, 1, 2, Qt::AlignTop);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(find_);
    buttons->addWidget(cancel);
    buttons->addStretch();
    layout->addLayout(buttons, 0, 3, 2, 1);

    // The box to type in first, then the options and the buttons.
    setTabOrder(text1_, up_);
    setTabOrder(up_, down_);
    setTabOrder(down_, matchCase_);
    setTabOrder(matchCase_, find_);
    setTabOrder(find_, cancel);

    connect(text1_, &QLineEdit::textChanged, this, [this](const QString& text) { find_->setEnabled(!text.isEmpty()); });
    connect(find_, &QPushButton::clicked, this, [this] { FindDialogFind(ctx_, text1_->text().toStdString()); });
    connect(cancel, &QPushButton::clicked, this, &frmFind::reject);
}

void frmFind::setFindText(const QString& text) {
    text1_->setText(text);
    find_->setEnabled(!text.isEmpty());
    // Typing goes into the box at once and replaces what it was opened with.
    text1_->selectAll();
    text1_->setFocus();
}

void frmFind::reject() {
    FindDialogCancel(ctx_, text1_->text().toStdString(), matchCase_->isChecked());
    QDialog::reject();
}

}  // namespace quillane
