#include "builders/ui/list_dialogs.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "builders/ui/line_edit_bytes.h"

namespace quillane {

namespace {

QGroupBox* Frame(QWidget* parent, const char* name, const char* caption) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

QLineEdit* Box(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

// Option buttons Option1 … OptionN, none chosen; their ids count from 1.
QButtonGroup* Options(QGroupBox* frame, std::initializer_list<const char*> captions) {
    auto* group = new QButtonGroup(frame);
    auto* layout = new QVBoxLayout(frame);
    int id = 1;
    for (const char* caption : captions) {
        auto* option = new QRadioButton(caption, frame);
        option->setObjectName(QString("Option%1").arg(id));
        group->addButton(option, id++);
        layout->addWidget(option);
    }
    return group;
}

void ClearOptions(QButtonGroup* group) {
    group->setExclusive(false);
    for (QAbstractButton* option : group->buttons()) option->setChecked(false);
    group->setExclusive(true);
}

// Option id to choice; -1 (none chosen) is 0.
template <typename Choice>
Choice Chosen(const QButtonGroup* group) {
    const int id = group->checkedId();
    return static_cast<Choice>(id < 0 ? 0 : id);
}

QHBoxLayout* ButtonRow(QPushButton* start, QPushButton* add, QPushButton* close) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(start);
    row->addWidget(add);
    row->addWidget(close);
    return row;
}

template <typename Dialog>
void RunDialog(AppContext& ctx, DocumentView& view, QWidget* parent) {
    Dialog dialog(ctx, view, parent);
    dialog.exec();
}

}  // namespace

Numbered::Numbered(AppContext& ctx, DocumentView& view, QWidget* parent) : ListDialogBase(ctx, view, parent) {
    setObjectName("Numbered");
    setWindowTitle("Numbered (Ordered) List");

    QGroupBox* itemFrame = Frame(this, "SSFrame1", "Enter text for each Numbered list item:");
    item_ = Box(itemFrame, "Text1");
    (new QVBoxLayout(itemFrame))->addWidget(item_);

    QGroupBox* typeFrame = Frame(this, "SSFrame3", "NumberType");
    types_ = Options(typeFrame, {"Capital Letters", "Small Letters", "Large Roman Numerals", "Small Roman Numerals",
                                 "Numbers (default)"});
    auto* startLabel = new QLabel("Start=", this);
    startLabel->setObjectName("Label2");
    start_ = Box(this, "Text2");
    start_->setText("1");
    startLabel->setBuddy(start_);

    addListButtons("SubmitOL", "AddOL", "Command2");

    auto* layout = new QGridLayout(this);
    layout->addWidget(itemFrame, 0, 0, 1, 3);
    layout->addWidget(typeFrame, 1, 0, 2, 1);
    layout->addWidget(startLabel, 1, 1, Qt::AlignTop);
    layout->addWidget(start_, 1, 2, Qt::AlignTop);
    layout->addLayout(ButtonRow(startButton_, addButton_, closeButton_), 3, 0, 1, 3);
    layout->addWidget(helpFrame("item"), 4, 0, 1, 3);

    SetLineEditBytes(item_, view.editor().selText());
    item_->setFocus();
}

ListFields Numbered::fields() const {
    ListFields f;
    f.kind = ListKind::Numbered;
    f.item = LineEditBytes(item_);
    f.numberType = Chosen<NumberType>(types_);
    f.start = start_->text().toStdString();
    return f;
}

QLineEdit* Numbered::box(ListBox) const { return item_; }

void Numbered::clearItemBoxes() { item_->clear(); }

void Numbered::mouseDoubleClickEvent(QMouseEvent* event) {
    ClearOptions(types_);
    start_->setText("1");
    ListDialogBase::mouseDoubleClickEvent(event);
}

Bulleted::Bulleted(AppContext& ctx, DocumentView& view, QWidget* parent) : ListDialogBase(ctx, view, parent) {
    setObjectName("Bulleted");
    setWindowTitle("Bulleted (Unordered) List");

    QGroupBox* itemFrame = Frame(this, "SSFrame1", "Enter text for each bulleted list item:");
    item_ = Box(itemFrame, "Text1");
    (new QVBoxLayout(itemFrame))->addWidget(item_);

    QGroupBox* typeFrame = Frame(this, "SSFrame3", "Bullet Type");
    types_ = Options(typeFrame, {"Disc", "Circle", "Square"});

    addListButtons("Command1", "Command2", "Command4");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(itemFrame);
    layout->addWidget(typeFrame);
    layout->addLayout(ButtonRow(startButton_, addButton_, closeButton_));
    layout->addWidget(helpFrame("item"));

    SetLineEditBytes(item_, view.editor().selText());
    item_->setFocus();
}

ListFields Bulleted::fields() const {
    ListFields f;
    f.kind = ListKind::Bulleted;
    f.item = LineEditBytes(item_);
    f.bulletType = Chosen<BulletType>(types_);
    return f;
}

QLineEdit* Bulleted::box(ListBox) const { return item_; }

void Bulleted::clearItemBoxes() { item_->clear(); }

void Bulleted::mouseDoubleClickEvent(QMouseEvent* event) {
    ClearOptions(types_);
    ListDialogBase::mouseDoubleClickEvent(event);
}

Descriptive::Descriptive(AppContext& ctx, DocumentView& view, QWidget* parent) : ListDialogBase(ctx, view, parent) {
    setObjectName("Descriptive");
    setWindowTitle("Descriptive List");

    QGroupBox* frame = Frame(this, "SSFrame1", "Enter Descriptive List Topic and List Text:");
    auto* topicLabel = new QLabel("Descriptive List Topic:", frame);
    topicLabel->setObjectName("Label2");
    topic_ = Box(frame, "Text1");
    topicLabel->setBuddy(topic_);
    auto* textLabel = new QLabel("List Text to follow List Topic:", frame);
    textLabel->setObjectName("Label3");
    text_ = Box(frame, "Text2");
    textLabel->setBuddy(text_);

    auto* tagRow = new QHBoxLayout;
    struct TagButton {
        const char* name;
        const char* caption;
        const char* tooltip;
        const char* open;
        const char* close;
    };
    for (const TagButton& b : {TagButton{"SSCommand7", "B", "Bold", "<B>", "</B>"},
                               TagButton{"SSCommand8", "I", "Italic", "<I>", "</I>"},
                               TagButton{"SSCommand9", "U", "Underline", "<U>", "</U>"}}) {
        auto* button = new QPushButton(b.caption, frame);
        button->setObjectName(b.name);
        button->setToolTip(b.tooltip);
        // Taking the focus would drop the topic box's selection.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        const QString open = b.open;
        const QString close = b.close;
        connect(button, &QPushButton::clicked, this, [this, open, close] { wrapTopic(open, close); });
        tagRow->addWidget(button);
    }
    tagRow->addStretch();

    auto* frameLayout = new QGridLayout(frame);
    frameLayout->addWidget(topicLabel, 0, 0);
    frameLayout->addLayout(tagRow, 0, 1);
    frameLayout->addWidget(topic_, 1, 0, 1, 2);
    frameLayout->addWidget(textLabel, 2, 0, 1, 2);
    frameLayout->addWidget(text_, 3, 0, 1, 2);

    addListButtons("Command1", "Command2", "Command4");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(ButtonRow(startButton_, addButton_, closeButton_));
    layout->addWidget(helpFrame("topic and text"));

    topic_->setFocus();
}

ListFields Descriptive::fields() const {
    ListFields f;
    f.kind = ListKind::Descriptive;
    f.item = LineEditBytes(topic_);
    f.text = LineEditBytes(text_);
    return f;
}

QLineEdit* Descriptive::box(ListBox which) const { return which == ListBox::Text ? text_ : topic_; }

void Descriptive::clearItemBoxes() {
    topic_->clear();
    text_->clear();
}

void Descriptive::wrapTopic(const QString& openTag, const QString& closeTag) {
    const QString selected = topic_->selectedText();
    if (selected.isEmpty()) {
        topic_->insert(openTag + closeTag);
        topic_->setFocus();
        topic_->setCursorPosition(topic_->cursorPosition() - closeTag.size());
        return;
    }
    const int start = topic_->selectionStart();
    topic_->insert(openTag + selected + closeTag);
    topic_->setFocus();
    topic_->setSelection(start + openTag.size(), selected.size());
}

void OpenNumberedListDialog(AppContext& ctx, DocumentView& view, QWidget* parent) {
    RunDialog<Numbered>(ctx, view, parent);
}

void OpenBulletedListDialog(AppContext& ctx, DocumentView& view, QWidget* parent) {
    RunDialog<Bulleted>(ctx, view, parent);
}

void OpenDescriptiveListDialog(AppContext& ctx, DocumentView& view, QWidget* parent) {
    RunDialog<Descriptive>(ctx, view, parent);
}

}  // namespace quillane
