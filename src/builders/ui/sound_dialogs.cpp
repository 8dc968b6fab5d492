#include "builders/ui/sound_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "builders/browse_for_file.h"
#include "builders/ui/dialog_widgets.h"
#include "editor/insertion.h"

namespace quillane {

namespace {

constexpr std::string_view kSoundFilter = "All Files (*.*)|*.*|WAV Files (*.wav)|*.wav|AU Files (*.au)|*.au";
constexpr std::string_view kObjectFilter =
    "All Files (*.*)|*.*|WAV Files (*.wav)|*.wav|AU Files (*.au)|*.au|MIDI Files (*.mid)|*.mid";

const QStringList kLoopItems{"None", "2", "3", "4", "5", "6", "7", "8", "9", "10", "Infinite"};

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

QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* b : buttons) row->addWidget(b);
    return row;
}

}  // namespace

BGSound::BGSound(AppContext& ctx, DocumentView& view, QWidget* parent) : MultimediaDialogBase(ctx, view, parent) {
    setObjectName("BGSound");
    setWindowTitle("Background Sound");

    src_ = Box(this, "Text1");
    QPushButton* browseButton = addButton("Command1", "&Browse...");
    loop_ = addEditableCombo("Combo1", kLoopItems);
    QLabel* note = addLabel("Label3",
                            "For inserting sounds that work with ALL browsers use the 'Embedded Object' function in "
                            "the 'Insert HTML' pull-down menu.  Only Internet Explorer supports the BGSOUND tag.");
    note->setWordWrap(true);
    QPushButton* ok = addButton("Command2", "&OK");
    QPushButton* cancel = addButton("Command3", "&Cancel");
    QPushButton* help = addHelpButton();

    auto* layout = new QGridLayout(this);
    layout->addWidget(addLabel("Label1", "Enter the filename of the background sound:"), 0, 0, 1, 2);
    layout->addWidget(src_, 1, 0);
    layout->addWidget(browseButton, 1, 1);
    layout->addWidget(addLabel("Label2", "Loop:"), 2, 0, 1, 2);
    layout->addWidget(loop_, 3, 0);
    layout->addWidget(note, 4, 0, 1, 2);
    layout->addLayout(ButtonRow({ok, cancel, help}), 5, 0, 1, 2);

    for (QWidget* box : {static_cast<QWidget*>(src_), static_cast<QWidget*>(loop_)})
        runOnEnter(box, [this] { this->ok(); });
    connect(loop_, &EditableComboBox::chosen, this,
            [this](int index) { loopValue_ = LoopValue(loop_->itemText(index).toStdString()); });
    connect(loop_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { loopValue_ = TypedLoopValue(text.toStdString()); });
    connect(browseButton, &QPushButton::clicked, this, &BGSound::browse);
    connect(ok, &QPushButton::clicked, this, &BGSound::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    src_->setFocus();
}

SoundFields BGSound::fields() const { return {BoxBytes(src_), loopValue_}; }

void BGSound::ok() {
    SaveUndoSnapshot(ctx_, view_);
    if (insert(BuildSoundTag(fields()))) accept();
}

void BGSound::browse() {
    if (auto reference = BrowseFromImageFolder(ctx_, kSoundFilter, 2, false)) SetBoxBytes(src_, *reference);
}

EMBEDITEM::EMBEDITEM(AppContext& ctx, DocumentView& view, QWidget* parent) : MultimediaDialogBase(ctx, view, parent) {
    setObjectName("EMBEDITEM");
    setWindowTitle("Embedded Object");

    src_ = Box(this, "Text1");
    QPushButton* browseButton = addButton("Command1", "&Browse...");
    alt_ = Box(this, "Text4");
    auto* frame = new QGroupBox("Layout", this);
    frame->setObjectName("Frame1");
    width_ = Box(frame, "Text2");
    height_ = Box(frame, "Text3");
    controls_ = List(frame, "Combo1", {"Hidden", "Small", "Normal"});
    align_ = List(frame, "Combo2", {"Top", "Middle", "Bottom"});
    autostart_ = new QCheckBox("Autostart", this);
    autostart_->setObjectName("Check1");
    loop_ = new QCheckBox("Loop the sound", this);
    loop_->setObjectName("Check2");
    QLabel* note = addLabel("Label4", "Use this function to embed multimedia files such as sounds, videos and Director files.");
    note->setWordWrap(true);
    QPushButton* ok = addButton("Command3", "&OK");
    QPushButton* cancel = addButton("Command2", "&Cancel");
    QPushButton* help = addHelpButton();

    auto* frameLayout = new QGridLayout(frame);
    frameLayout->addWidget(new QLabel("Width:", frame), 0, 0);
    frameLayout->addWidget(width_, 0, 1);
    frameLayout->addWidget(new QLabel("Height:", frame), 1, 0);
    frameLayout->addWidget(height_, 1, 1);
    frameLayout->addWidget(new QLabel("Controls:", frame), 2, 0);
    frameLayout->addWidget(controls_, 2, 1);
    frameLayout->addWidget(new QLabel("Align:", frame), 3, 0);
    frameLayout->addWidget(align_, 3, 1);

    auto* layout = new QGridLayout(this);
    layout->addWidget(addLabel("Label1", "Enter URL or filename of object to embed:"), 0, 0, 1, 2);
    layout->addWidget(src_, 1, 0);
    layout->addWidget(browseButton, 1, 1);
    layout->addWidget(addLabel("Label2", "ALT text:"), 2, 0, 1, 2);
    layout->addWidget(alt_, 3, 0, 1, 2);
    layout->addWidget(frame, 4, 0);
    auto* checks = new QVBoxLayout;
    checks->addWidget(autostart_);
    checks->addWidget(loop_);
    checks->addStretch();
    layout->addLayout(checks, 4, 1);
    layout->addWidget(note, 5, 0, 1, 2);
    layout->addLayout(ButtonRow({ok, cancel, help}), 6, 0, 1, 2);

    for (QLineEdit* box : {src_, width_, height_}) runOnEnter(box, [this] { this->ok(); });
    connect(browseButton, &QPushButton::clicked, this, &EMBEDITEM::browse);
    connect(ok, &QPushButton::clicked, this, &EMBEDITEM::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    src_->setFocus();
}

EmbedFields EMBEDITEM::fields() const {
    EmbedFields f;
    f.src = BoxBytes(src_);
    f.alt = BoxBytes(alt_);
    f.width = BoxBytes(width_);
    f.height = BoxBytes(height_);
    f.controls = controls_->currentText().toStdString();
    f.align = align_->currentText().toStdString();
    f.autostart = autostart_->isChecked();
    f.loop = loop_->isChecked();
    return f;
}

void EMBEDITEM::ok() {
    // The snapshot only once the checks have passed.
    const MultimediaResult result = BuildEmbedTag(fields());
    if (std::holds_alternative<std::string>(result)) SaveUndoSnapshot(ctx_, view_);
    if (insert(result)) accept();
}

void EMBEDITEM::browse() {
    if (auto reference = BrowseFromImageFolder(ctx_, kObjectFilter, 2, false)) SetBoxBytes(src_, *reference);
}

}  // namespace quillane
