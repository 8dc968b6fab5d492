#include "builders/ui/float_frame_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/app_context.h"
#include "builders/ui/dialog_widgets.h"
#include "editor/insertion.h"

namespace quillane {

namespace {

QLineEdit* Box(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

QCheckBox* Ticked(QWidget* parent, const char* name, const char* caption) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    check->setChecked(true);
    return check;
}

}  // namespace

Float::Float(AppContext& ctx, DocumentView& view, QWidget* parent) : MultimediaDialogBase(ctx, view, parent) {
    setObjectName("Float");
    setWindowTitle("Floating Frame");

    auto* required = new QGroupBox("Required Frame Properties", this);
    required->setObjectName("Frame2");
    // The favourite URLs without the "http://" item.
    QStringList urls = urlChoices();
    urls.removeFirst();
    src_ = addEditableCombo("Combo1", urls);
    width_ = Box(this, "Text1");
    height_ = Box(this, "Text2");
    auto* requiredLayout = new QGridLayout(required);
    requiredLayout->addWidget(addLabel("Label1", "Source URL:"), 0, 0);
    requiredLayout->addWidget(src_, 0, 1);
    requiredLayout->addWidget(addLabel("Label2", "Width (pixels or %):"), 1, 0);
    requiredLayout->addWidget(width_, 1, 1);
    requiredLayout->addWidget(addLabel("Label3", "Height (pixels or %):"), 2, 0);
    requiredLayout->addWidget(height_, 2, 1);

    altText_ = Box(this, "Text6");

    auto* layoutFrame = new QGroupBox("Layout", this);
    layoutFrame->setObjectName("Frame1");
    hspace_ = Box(this, "Text3");
    vspace_ = Box(this, "Text4");
    align_ = addEditableCombo("Combo2", {"None", "Left", "Center", "Right", "Top", "Bottom"});
    align_->setEditText("None");
    scrolling_ = Ticked(this, "Check1", "Scroll bars?");
    border_ = Ticked(this, "Check2", "Frame Border:");
    auto* frameLayout = new QGridLayout(layoutFrame);
    frameLayout->addWidget(addLabel("Label5", "Horizontal Space (pixels):"), 0, 0);
    frameLayout->addWidget(hspace_, 0, 1);
    frameLayout->addWidget(addLabel("Label6", "Vertical Space (pixels):"), 1, 0);
    frameLayout->addWidget(vspace_, 1, 1);
    frameLayout->addWidget(addLabel("Label7", "Alignment:"), 2, 0);
    frameLayout->addWidget(align_, 2, 1);
    frameLayout->addWidget(scrolling_, 3, 0, 1, 2);
    frameLayout->addWidget(border_, 4, 0, 1, 2);

    QLabel* note = addLabel("Label4", "Only Internet Explorer supports Floating Frames.");
    QPushButton* ok = addButton("Command2", "&OK");
    QPushButton* cancel = addButton("Command1", "&Cancel");
    QPushButton* help = addHelpButton();

    auto* layout = new QGridLayout(this);
    layout->addWidget(required, 0, 0);
    layout->addWidget(addLabel("Label8", "ALTernative text for non-floating frame browsers:"), 1, 0);
    layout->addWidget(altText_, 2, 0);
    layout->addWidget(layoutFrame, 3, 0);
    layout->addWidget(note, 4, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {ok, cancel, help}) buttons->addWidget(b);
    layout->addLayout(buttons, 5, 0);

    for (QWidget* box : {static_cast<QWidget*>(width_), static_cast<QWidget*>(height_),
                         static_cast<QWidget*>(hspace_), static_cast<QWidget*>(vspace_),
                         static_cast<QWidget*>(altText_), static_cast<QWidget*>(src_), static_cast<QWidget*>(align_)})
        runOnEnter(box, [this] { this->ok(); });
    connect(ok, &QPushButton::clicked, this, &Float::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    src_->setFocus();
}

FloatFields Float::fields() const {
    FloatFields f;
    f.src = BoxBytes(src_);
    f.width = BoxBytes(width_);
    f.height = BoxBytes(height_);
    f.altText = BoxBytes(altText_);
    f.hspace = BoxBytes(hspace_);
    f.vspace = BoxBytes(vspace_);
    f.align = BoxBytes(align_);
    f.scrolling = scrolling_->isChecked();
    f.frameBorder = border_->isChecked();
    return f;
}

void Float::ok() {
    SaveUndoSnapshot(ctx_, view_);
    if (insert(BuildFloatingFrameTag(fields()))) accept();
}

}  // namespace quillane
