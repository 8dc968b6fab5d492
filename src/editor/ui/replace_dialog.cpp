#include "editor/ui/replace_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "editor/find_replace.h"

namespace quillane {

Replace::Replace(AppContext& ctx, QWidget* parent) : SearchDialogBase(ctx, parent) {
    setObjectName("Replace");
    setWindowTitle("Replace");

    auto* findLabel = new QLabel("Fi&nd:", this);
    findLabel->setObjectName("Label1");
    text1_ = new QLineEdit(this);
    text1_->setObjectName("Text1");
    findLabel->setBuddy(text1_);
    auto* replaceLabel = new QLabel("Re&place:", this);
    replaceLabel->setObjectName("Label2");
    text2_ = new QLineEdit(this);
    text2_->setObjectName("Text2");
    replaceLabel->setBuddy(text2_);

    findNext_ = new QPushButton("&Find Next", this);
    findNext_->setObjectName("Command1");
    findNext_->setDefault(true);
    replace_ = new QPushButton("&Replace", this);
    replace_->setObjectName("Command2");
    replaceAll_ = new QPushButton("Replace &All", this);
    replaceAll_->setObjectName("Command3");
    cancel_ = new QPushButton("&Cancel", this);
    cancel_->setObjectName("Command4");
    findNext_->setEnabled(false);
    replace_->setEnabled(false);
    replaceAll_->setEnabled(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(findLabel, 0, 0);
    layout->addWidget(text1_, 0, 1, 1, 2);
    layout->addWidget(replaceLabel, 1, 0);
    layout->addWidget(text2_, 1, 1, 1, 2);
    layout->addWidget(direction_, 2, 1);
    layout->addWidget(matchCase_, 2, 2, Qt::AlignTop);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findNext_);
    buttons->addWidget(replace_);
    buttons->addWidget(replaceAll_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    layout->addLayout(buttons, 0, 3, 3, 1);

    connect(text1_, &QLineEdit::textChanged, this, &Replace::updateButtons);
    connect(text2_, &QLineEdit::textChanged, this, &Replace::updateButtons);
    connect(findNext_, &QPushButton::clicked, this, [this] { ReplaceDialogFindNext(ctx_, findText()); });
    connect(replace_, &QPushButton::clicked, this,
            [this] { ReplaceDialogReplace(ctx_, findText(), replacementText()); });
    connect(replaceAll_, &QPushButton::clicked, this,
            [this] { ReplaceDialogReplaceAll(ctx_, findText(), replacementText()); });
    connect(cancel_, &QPushButton::clicked, this, &Replace::reject);

    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

std::string Replace::findText() const { return text1_->text().toStdString(); }
std::string Replace::replacementText() const { return text2_->text().toStdString(); }

void Replace::updateButtons() {
    const bool find = !text1_->text().isEmpty();
    findNext_->setEnabled(find);
    // An empty replacement is not possible.
    replace_->setEnabled(find && !text2_->text().isEmpty());
    replaceAll_->setEnabled(replace_->isEnabled());
}

void Replace::setFindText(const QString& text, bool replacementFirst) {
    text1_->setText(text);
    updateButtons();
    QWidget* first = replacementFirst ? text2_ : text1_;
    QWidget* second = replacementFirst ? text1_ : text2_;
    setTabOrder(first, second);
    setTabOrder(second, up_);
    setTabOrder(up_, down_);
    setTabOrder(down_, matchCase_);
    setTabOrder(matchCase_, findNext_);
    setTabOrder(findNext_, replace_);
    setTabOrder(replace_, replaceAll_);
    setTabOrder(replaceAll_, cancel_);
    first->setFocus();
}

void Replace::reject() {
    ReplaceDialogCancel(ctx_, findText(), matchCase_->isChecked());
    QDialog::reject();
}

}  // namespace quillane
