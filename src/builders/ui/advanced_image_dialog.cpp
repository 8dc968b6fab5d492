#include "builders/ui/advanced_image_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "builders/browse_for_file.h"
#include "builders/image_file_filters.h"
#include "builders/ui/dialog_widgets.h"

namespace quillane {

namespace {

QStringList LoopItems() {
    QStringList items;
    for (int n = 1; n <= 10; ++n) items << QString::number(n);
    items << "Infinite Loop";
    return items;
}

}  // namespace

Video::Video(AppContext& ctx, QWidget* parent) : ImageDialogBase(ctx, parent) {
    setObjectName("Video");
    setWindowTitle("Advanced Inline Image");

    auto* videoFrame = new QGroupBox("Video", this);
    videoFrame->setObjectName("SSFrame1");
    videoFile_ = new QLineEdit(this);
    videoFile_->setObjectName("Text1");
    QPushButton* browse = addButton("Command3", "&Browse...");
    loop_ = addEditableCombo("Combo2", LoopItems());
    start_ = addEditableCombo("Combo1", {"FileOpen", "MouseOver", "FileOpen and MouseOver"});
    controls_ = new QCheckBox("&VCR Controls", this);
    controls_->setObjectName("SSCheck1");
    QLabel* note = addLabel("Label5",
                            "In the Inline Image dialog box, be sure to include the filename for a graphic that will "
                            "replace the video in browsers that don't support video.");
    note->setWordWrap(true);

    auto* videoLayout = new QGridLayout(videoFrame);
    videoLayout->addWidget(addLabel("Label1", "Enter filename of Video Clip:"), 0, 0, 1, 3);
    videoLayout->addWidget(videoFile_, 1, 0, 1, 2);
    videoLayout->addWidget(browse, 1, 2);
    videoLayout->addWidget(addLabel("Label2", "Loop:"), 2, 0);
    videoLayout->addWidget(loop_, 2, 1, 1, 2);
    videoLayout->addWidget(addLabel("Label3", "Start:"), 3, 0);
    videoLayout->addWidget(start_, 3, 1, 1, 2);
    videoLayout->addWidget(controls_, 4, 0, 1, 3);
    videoLayout->addWidget(note, 5, 0, 1, 3);

    auto* mapFrame = new QGroupBox("ImageMap", this);
    mapFrame->setObjectName("SSFrame2");
    useMap_ = new QCheckBox("USEMAP - Client Side ImageMap  ", this);
    useMap_->setObjectName("SSCheck2");
    mapNameLabel_ = addLabel("Label15", "Map name:");
    mapName_ = new QLineEdit(this);
    mapName_->setObjectName("Text7");
    mapNameLabel_->setEnabled(false);
    mapName_->setEnabled(false);
    isMap_ = new QCheckBox("ISMAP - Server Side ImageMap  ", this);
    isMap_->setObjectName("SSCheck3");
    auto* mapLayout = new QGridLayout(mapFrame);
    mapLayout->addWidget(useMap_, 0, 0, 1, 2);
    mapLayout->addWidget(mapNameLabel_, 1, 0);
    mapLayout->addWidget(mapName_, 1, 1);
    mapLayout->addWidget(isMap_, 2, 0, 1, 2);

    QPushButton* ok = addButton("Command2", "&OK");
    QPushButton* cancel = addButton("Command1", "&Cancel");
    QPushButton* help = addHelpButton();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(videoFrame);
    layout->addWidget(mapFrame);
    layout->addLayout(buttons);

    // Only a choice from the list counts; typing into the box does not.
    connect(loop_, &EditableComboBox::chosen, this, [this](int i) { chosenLoop_ = loop_->itemText(i).toStdString(); });
    connect(start_, &EditableComboBox::chosen, this, [this](int i) { chosenStart_ = start_->itemText(i).toStdString(); });
    connect(useMap_, &QCheckBox::toggled, this, [this](bool on) {
        mapNameLabel_->setEnabled(on);
        mapName_->setEnabled(on);
    });
    connect(browse, &QPushButton::clicked, this, &Video::browseVideo);
    connect(ok, &QPushButton::clicked, this, &Video::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QWidget* box : {static_cast<QWidget*>(videoFile_), static_cast<QWidget*>(start_),
                         static_cast<QWidget*>(loop_), static_cast<QWidget*>(controls_)})
        runOnEnter(box, [this] { this->ok(); });
}

VideoFields Video::fields() const {
    VideoFields f;
    f.videoFile = BoxBytes(videoFile_);
    f.loop = chosenLoop_;
    f.start = chosenStart_;
    f.vcrControls = controls_->isChecked();
    f.useMap = useMap_->isChecked();
    f.mapName = BoxBytes(mapName_);
    f.isMap = isMap_->isChecked();
    return f;
}

void Video::setFields(const VideoFields& f) {
    SetBoxBytes(videoFile_, f.videoFile);
    SetBoxBytes(loop_, f.loop);
    SetBoxBytes(start_, f.start);
    chosenLoop_ = f.loop;
    chosenStart_ = f.start;
    controls_->setChecked(f.vcrControls);
    useMap_->setChecked(f.useMap);
    SetBoxBytes(mapName_, f.mapName);
    isMap_->setChecked(f.isMap);
}

void Video::browseVideo() {
    if (auto reference = BrowseFromImageFolder(ctx_, kVideoFilter, 2, false)) SetBoxBytes(videoFile_, *reference);
}

void Video::ok() { accept(); }

}  // namespace quillane
