#include "builders/ui/image_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "builders/browse_for_file.h"
#include "builders/image_align.h"
#include "builders/image_file_filters.h"
#include "builders/ui/advanced_image_dialog.h"
#include "builders/ui/dialog_widgets.h"
#include "builders/ui/image_align_preview.h"
#include "editor/insertion.h"

namespace quillane {

LinkGraph::LinkGraph(AppContext& ctx, DocumentView& view, QWidget* parent)
    : ImageDialogBase(ctx, parent), view_(view) {
    setObjectName("LinkGraph");
    setWindowTitle("Insert Inline Image");

    auto edit = [this](const char* name) {
        auto* box = new QLineEdit(this);
        box->setObjectName(name);
        return box;
    };
    auto picture = [this](const char* name) {
        auto* button = new QToolButton(this);
        button->setObjectName(name);
        button->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
        button->setToolTip("Browse...");
        button->setAccessibleName("Browse");
        return button;
    };

    file_ = edit("GraphText");
    QToolButton* browseFile = picture("SSCommand2");
    alt_ = edit("Alt");
    lowSrc_ = edit("Text8");
    QToolButton* browseLowSrc = picture("SSCommand3");
    width_ = edit("Text1");
    height_ = edit("Text2");
    border_ = edit("Text3");
    vspace_ = edit("Text4");
    hspace_ = edit("Text5");
    align_ = new QComboBox(this);
    align_->setObjectName("Combo1");
    for (const ImageAlignItem& item : ImageAlignItems()) align_->addItem(item.item);
    align_->setCurrentIndex(-1);
    preview_ = new ImageAlignPreview(this);
    link_ = new QCheckBox("Link Inline Image to &URL, External image, ImageMap file or Sound file, etc.", this);
    link_->setObjectName("SSCheck1");
    linkTarget_ = addEditableCombo("XimageLink", urlChoices());
    linkTarget_->setEnabled(false);
    browseLink_ = picture("SSCommand4");
    browseLink_->setEnabled(false);

    auto* top = new QGridLayout;
    top->addWidget(addLabel("Label1", "Enter filename of Inline Image:"), 0, 0, 1, 2);
    top->addWidget(file_, 1, 0);
    top->addWidget(browseFile, 1, 1);

    auto* alternatives = new QGroupBox("Image Alternatives", this);
    alternatives->setObjectName("SSFrame3");
    auto* altLayout = new QGridLayout(alternatives);
    altLayout->addWidget(addLabel("Label2", "Enter ALTernative text to replace image in text browsers:"), 0, 0, 1, 3);
    altLayout->addWidget(alt_, 1, 0, 1, 3);
    altLayout->addWidget(addLabel("Label3", "Alternative low-res Image:"), 2, 0);
    altLayout->addWidget(lowSrc_, 2, 1);
    altLayout->addWidget(browseLowSrc, 2, 2);

    auto* layoutFrame = new QGroupBox("Layout", this);
    layoutFrame->setObjectName("SSFrame2");
    auto* sizes = new QGridLayout(layoutFrame);
    const std::pair<const char*, QLineEdit*> layoutBoxes[] = {{"Image Width:", width_},
                                                              {"Image Height:", height_},
                                                              {"Border Width:", border_},
                                                              {"Vertical Space:", vspace_},
                                                              {"Horizontal Space:", hspace_}};
    int row = 0;
    for (const auto& [caption, box] : layoutBoxes) {
        auto* label = new QLabel(caption, layoutFrame);
        label->setBuddy(box);
        sizes->addWidget(label, row, 0);
        sizes->addWidget(box, row++, 1);
    }
    sizes->addWidget(addLabel("Label11", "Align:"), row, 0);
    sizes->addWidget(align_, row++, 1);
    sizes->addWidget(preview_, 0, 2, row, 1);

    auto* linkFrame = new QGroupBox("Link", this);
    linkFrame->setObjectName("SSFrame1");
    auto* linkLayout = new QGridLayout(linkFrame);
    linkLayout->addWidget(link_, 0, 0, 1, 2);
    linkLayout->addWidget(linkTarget_, 1, 0);
    linkLayout->addWidget(browseLink_, 1, 1);
    linkLayout->setColumnStretch(0, 1);

    QLabel* note = addLabel("Label13", "Relative directory names will not be entered until the HTML file is saved.");
    note->setWordWrap(true);

    QPushButton* ok = addButton("LgraphOK", "&OK");
    QPushButton* cancel = addButton("CANCELBUT", "&Cancel");
    QPushButton* advanced = addButton("Command4", "&Advanced...");
    QPushButton* help = addHelpButton();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {ok, cancel, advanced, help}) buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(alternatives);
    layout->addWidget(layoutFrame);
    layout->addWidget(linkFrame);
    layout->addWidget(note);
    layout->addLayout(buttons);

    SetBoxBytes(file_, view_.editor().selText());

    connect(ok, &QPushButton::clicked, this, &LinkGraph::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(advanced, &QPushButton::clicked, this, &LinkGraph::openAdvanced);
    connect(align_, &QComboBox::activated, this, &LinkGraph::alignChosen);
    connect(link_, &QCheckBox::toggled, this, &LinkGraph::linkTicked);
    connect(browseFile, &QToolButton::clicked, this, [this] {
        browseImage(file_);
        file_->setFocus();
    });
    connect(browseLowSrc, &QToolButton::clicked, this, [this] { browseImage(lowSrc_); });
    connect(browseLink_, &QToolButton::clicked, this, &LinkGraph::browseLinkTarget);
    // Enter runs OK in these boxes; in the low-res box it does nothing.
    for (QWidget* box : {static_cast<QWidget*>(file_), static_cast<QWidget*>(alt_), static_cast<QWidget*>(width_),
                         static_cast<QWidget*>(height_), static_cast<QWidget*>(border_),
                         static_cast<QWidget*>(vspace_), static_cast<QWidget*>(hspace_),
                         static_cast<QWidget*>(linkTarget_)})
        runOnEnter(box, [this] { this->ok(); });
}

void LinkGraph::fillFromTag(std::string_view tagText) {
    const ImageTagFields tag = ImageFieldsFromTag(tagText);
    SetBoxBytes(alt_, tag.image.alt);
    Video& video = loadAdvanced();
    video.setFields(tag.video);
    SaveUndoSnapshot(ctx_, view_);
    advanced_ = ComputeAdvancedImageAttributes(video.fields());
    SetBoxBytes(width_, tag.image.width);
    SetBoxBytes(height_, tag.image.height);
    SetBoxBytes(file_, tag.image.fileName);
    SetBoxBytes(border_, tag.image.border);
    SetBoxBytes(lowSrc_, tag.image.lowSrc);
    if (!tag.align.empty()) {
        // The tag's own value is kept as written; the list shows the item of
        // that name when there is one.
        alignValue_ = " ALIGN=" + tag.align;
        const ImageAlignItem* item = AlignItemForValue(tag.align);
        align_->setCurrentIndex(item ? align_->findText(item->item) : -1);
        preview_->showItem(item);
    }
    SetBoxBytes(vspace_, tag.image.vspace);
    SetBoxBytes(hspace_, tag.image.hspace);
}

LinkGraphFields LinkGraph::fields() const {
    LinkGraphFields f;
    f.fileName = BoxBytes(file_);
    f.alt = BoxBytes(alt_);
    f.lowSrc = BoxBytes(lowSrc_);
    f.width = BoxBytes(width_);
    f.height = BoxBytes(height_);
    f.border = BoxBytes(border_);
    f.vspace = BoxBytes(vspace_);
    f.hspace = BoxBytes(hspace_);
    f.linked = link_->isChecked();
    f.linkTarget = BoxBytes(linkTarget_);
    return f;
}

void LinkGraph::ok() {
    if (auto refusal = InsertImageTag(ctx_, view_, fields(), advanced_, alignValue_)) {
        refuse(*refusal);
        return;
    }
    accept();
}

Video& LinkGraph::loadAdvanced() {
    if (!video_) {
        video_ = new Video(ctx_, this);
        video_->hide();
    }
    return *video_;
}

void LinkGraph::openAdvanced() {
    Video& video = loadAdvanced();
    // The dialog keeps the fields of its last OK (or of the edited tag);
    // Cancel puts them back.
    const VideoFields before = video.fields();
    if (video.exec() == QDialog::Accepted) {
        advanced_ = ComputeAdvancedImageAttributes(video.fields());
    } else {
        video.setFields(before);
    }
}

void LinkGraph::alignChosen(int index) {
    const QString text = align_->itemText(index);
    alignValue_ = AlignValue(text.toStdString());
    preview_->showItem(FindImageAlignItem(text.toStdString()));
}

void LinkGraph::linkTicked(bool ticked) {
    linkTarget_->setEnabled(ticked);
    browseLink_->setEnabled(ticked);
    if (ticked) linkTarget_->setFocus();
}

void LinkGraph::browseImage(QLineEdit* field) {
    if (auto reference = BrowseFromImageFolder(ctx_, kImageFilter, 2, true)) SetBoxBytes(field, *reference);
}

void LinkGraph::browseLinkTarget() {
    const std::string workingFolder = ctx_.settings.WorkingDirectory;
    BrowsedFile file = BrowseForFile(ctx_, kLinkFilter, 7, workingFolder);
    if (!file.chosen()) return;
    SetBoxBytes(linkTarget_, LinkFileName(file));
    SetLastImageFolder(ctx_, workingFolder);
}

}  // namespace quillane
