#include "builders/ui/marquee_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "builders/color_choice.h"
#include "builders/ui/color_box.h"
#include "builders/ui/dialog_widgets.h"
#include "editor/insertion.h"
#include "platform/editor_control.h"
#include "platform/shell.h"

namespace quillane {

namespace {

QLineEdit* Box(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

QComboBox* List(QWidget* parent, const char* name, const QStringList& items) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(items);
    list->setCurrentIndex(-1);
    return list;
}

void PaintSwatch(QFrame* swatch, Rgb color) {
    swatch->setStyleSheet(QString("QFrame#Text5 { background: %1; }").arg(CssColor(color)));
}

}  // namespace

Marquee::Marquee(AppContext& ctx, DocumentView& view, QWidget* parent) : MultimediaDialogBase(ctx, view, parent) {
    setObjectName("Marquee");
    setWindowTitle("Marquee");

    text_ = Box(this, "Text1");
    auto* direction = new QGroupBox("Direction", this);
    direction->setObjectName("Frame1");
    left_ = new QRadioButton("Left", direction);
    left_->setObjectName("SSOption1");
    right_ = new QRadioButton("Right", direction);
    right_->setObjectName("SSOption2");
    auto* group = new QButtonGroup(direction);
    group->addButton(left_);
    group->addButton(right_);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(left_);
    directionLayout->addWidget(right_);

    behavior_ = List(this, "Combo2", {"Scroll(Default)", "Slide", "Alternate"});
    align_ = List(this, "Combo1", {"None", "Top", "Middle", "Bottom(Default)"});
    loop_ = addEditableCombo("Combo3", {"None", "2", "3", "4", "5", "6", "7", "8", "9", "10", "Infinite"});
    height_ = Box(this, "Text2");
    width_ = Box(this, "Text3");
    vspace_ = Box(this, "Text6");
    hspace_ = Box(this, "Text7");
    scrollAmount_ = Box(this, "Text8");
    scrollDelay_ = Box(this, "Text9");
    bgColor_ = Box(this, "Text4");
    QPushButton* select = addButton("Command4", "&Select...");
    swatch_ = new QFrame(this);
    swatch_->setObjectName("Text5");
    swatch_->setFixedSize(24, 24);
    swatch_->setFrameShape(QFrame::Box);
    PaintSwatch(swatch_, Rgb{192, 192, 192});

    QPushButton* ok = addButton("Command1", "&OK");
    QPushButton* cancel = addButton("Command2", "&Cancel");
    QPushButton* help = addHelpButton();

    auto* layout = new QGridLayout(this);
    int row = 0;
    layout->addWidget(addLabel("Label13", "Only Internet Explorer supports the MARQUEE tag."), row++, 0, 1, 4);
    layout->addWidget(addLabel("Label1", "Enter text you wish to scroll in your marquee:"), row++, 0, 1, 4);
    layout->addWidget(text_, row++, 0, 1, 4);
    layout->addWidget(addLabel("Label12", "The items below are all optional attributes."), row++, 0, 1, 4);
    layout->addWidget(direction, row++, 0, 1, 4);
    const std::pair<const char*, QWidget*> pairs[] = {
        {"Behavior:", behavior_}, {"Align:", align_},     {"Loop:", loop_},           {"Height:", height_},
        {"Width:", width_},       {"Vspace:", vspace_},   {"Hspace:", hspace_},       {"ScrollAmount:", scrollAmount_},
        {"ScrollDelay:", scrollDelay_},
    };
    int column = 0;
    for (const auto& [caption, widget] : pairs) {
        layout->addWidget(new QLabel(caption, this), row, column);
        layout->addWidget(widget, row, column + 1);
        column = column == 0 ? 2 : 0;
        if (column == 0) ++row;
    }
    if (column != 0) ++row;
    layout->addWidget(new QLabel("Background Color:", this), row, 0);
    layout->addWidget(bgColor_, row, 1);
    layout->addWidget(select, row, 2);
    layout->addWidget(swatch_, row++, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {ok, cancel, help}) buttons->addWidget(b);
    layout->addLayout(buttons, row, 0, 1, 4);

    connect(align_, &QComboBox::activated, this,
            [this](int index) { alignValue_ = MarqueeAlignValue(align_->itemText(index).toStdString()); });
    connect(behavior_, &QComboBox::activated, this,
            [this](int index) { behaviorValue_ = MarqueeBehaviorValue(behavior_->itemText(index).toStdString()); });
    connect(loop_, &EditableComboBox::chosen, this,
            [this](int index) { loopValue_ = LoopValue(loop_->itemText(index).toStdString()); });
    connect(loop_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { loopValue_ = TypedLoopValue(text.toStdString()); });
    connect(select, &QPushButton::clicked, this, &Marquee::chooseColor);
    connect(ok, &QPushButton::clicked, this, &Marquee::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    SetBoxBytes(text_, view.editor().selText());
    text_->setFocus();
}

MarqueeFields Marquee::fields() const {
    MarqueeFields f;
    f.text = BoxBytes(text_);
    f.left = left_->isChecked();
    f.alignValue = alignValue_;
    f.behaviorValue = behaviorValue_;
    f.loopValue = loopValue_;
    f.height = BoxBytes(height_);
    f.width = BoxBytes(width_);
    f.vspace = BoxBytes(vspace_);
    f.hspace = BoxBytes(hspace_);
    f.scrollAmount = BoxBytes(scrollAmount_);
    f.scrollDelay = BoxBytes(scrollDelay_);
    f.bgColor = BoxBytes(bgColor_);
    return f;
}

void Marquee::ok() {
    SaveUndoSnapshot(ctx_, view_);
    if (insert(BuildMarqueeTag(fields()))) accept();
}

void Marquee::chooseColor() {
    const ColorChoice choice = ChooseColor(ctx_);
    if (choice.cancelled) return;
    SetBoxBytes(bgColor_, choice.text);
    bgColor_->setFocus();
    PaintSwatch(swatch_, HexColorToRGB(choice.text));
}

}  // namespace quillane
