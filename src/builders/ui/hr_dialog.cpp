#include "builders/ui/hr_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "editor/insertion.h"

namespace quillane {

HRForm::HRForm(AppContext& ctx, DocumentView& view, QWidget* parent) : MultimediaDialogBase(ctx, view, parent) {
    setObjectName("HRForm");
    setWindowTitle("Horizontal Rule");

    size_ = new QLineEdit(this);
    size_->setObjectName("Text1");
    width_ = new QLineEdit(this);
    width_->setObjectName("Text2");

    auto* frame = new QGroupBox("Align", this);
    frame->setObjectName("SSFrame1");
    left_ = new QRadioButton("Left", frame);
    left_->setObjectName("Option1");
    right_ = new QRadioButton("Right", frame);
    right_->setObjectName("Option2");
    center_ = new QRadioButton("Center", frame);
    center_->setObjectName("Option3");
    // A group so that none needs to be chosen at first.
    auto* group = new QButtonGroup(frame);
    for (QRadioButton* b : {left_, right_, center_}) group->addButton(b);
    auto* frameLayout = new QVBoxLayout(frame);
    for (QRadioButton* b : {left_, right_, center_}) frameLayout->addWidget(b);

    noShade_ = new QCheckBox("No Shading", this);
    noShade_->setObjectName("SSCheck1");

    QPushButton* ok = addButton("Command1", "&OK");
    QPushButton* cancel = addButton("Command2", "&Cancel");
    QPushButton* help = addHelpButton();

    auto* layout = new QGridLayout(this);
    layout->addWidget(addLabel("Label1", "Size:"), 0, 0);
    layout->addWidget(size_, 0, 1);
    layout->addWidget(addLabel("Label2", "Width:"), 1, 0);
    layout->addWidget(width_, 1, 1);
    layout->addWidget(frame, 0, 2, 3, 1);
    layout->addWidget(noShade_, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    layout->addLayout(buttons, 3, 0, 1, 3);

    for (QLineEdit* box : {size_, width_}) runOnEnter(box, [this] { this->ok(); });
    connect(ok, &QPushButton::clicked, this, &HRForm::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    size_->setFocus();
}

void HRForm::setFields(const HrFields& f) {
    SetBoxBytes(size_, f.size);
    SetBoxBytes(width_, f.width);
    if (f.noShade) noShade_->setChecked(true);
    switch (f.align) {
        case RuleAlign::Left: left_->setChecked(true); break;
        case RuleAlign::Right: right_->setChecked(true); break;
        case RuleAlign::Center: center_->setChecked(true); break;
        case RuleAlign::None: break;
    }
}

HrFields HRForm::fields() const {
    HrFields f;
    f.size = BoxBytes(size_);
    f.width = BoxBytes(width_);
    if (left_->isChecked()) f.align = RuleAlign::Left;
    else if (right_->isChecked()) f.align = RuleAlign::Right;
    else if (center_->isChecked()) f.align = RuleAlign::Center;
    f.noShade = noShade_->isChecked();
    return f;
}

void HRForm::ok() {
    SaveUndoSnapshot(ctx_, view_);
    if (insert(BuildRuleTag(fields()))) accept();
}

}  // namespace quillane
