#include "builders/ui/page_properties_dialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "builders/color_choice.h"
#include "builders/page_document.h"
#include "builders/page_files.h"
#include "builders/ui/color_box.h"
#include "builders/ui/line_edit_bytes.h"
#include "builders/ui/meta_tags_dialog.h"

namespace quillane {

namespace {

struct ColorRowLayout {
    const char* field;
    const char* box;
    const char* caption;
    const char* captionText;
};

constexpr std::array<ColorRowLayout, 5> kColorRows{{
    {"Text1", "Label9", "Label1", "Background color:"},
    {"Text2", "Label10", "Label2", "Text Color:"},
    {"Text3", "Label11", "Label3", "Link Color:"},
    {"Text4", "Label12", "Label4", "Visited Link Color:"},
    {"Text10", "Label13", "Label5", "Active Link Color:"},
}};

QLabel* NamedLabel(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* NamedBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

QPushButton* NamedButton(QWidget* parent, const char* name, const char* text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void Paint(QWidget* widget, Rgb background, Rgb text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(background.r, background.g, background.b));
    palette.setColor(QPalette::WindowText, QColor(text.r, text.g, text.b));
    widget->setAutoFillBackground(true);
    widget->setPalette(palette);
}

}  // namespace

BGCOLOR::BGCOLOR(AppContext& ctx, DocumentView& view, PagePropertiesMode mode, QWidget* parent)
    : BuilderDialog(ctx, parent, OnClose::ClearTagMode), view_(view), editTagScope_(ctx) {
    setObjectName("BGCOLOR");
    setWindowTitle("Web Page Properties");

    // The title.
    title_ = NamedBox(this, "Text5");
    auto* titleFrame = new QGroupBox("Enter the Title of your Web page:", this);
    titleFrame->setObjectName("SSFrame1");
    (new QVBoxLayout(titleFrame))->addWidget(title_);

    // The colours, over the preview panel in the page's background colour.
    preview_ = new QFrame(this);
    preview_->setObjectName("SSPanel1");
    preview_->setFrameShape(QFrame::Panel);
    preview_->setFrameShadow(QFrame::Sunken);
    auto* colorGrid = new QGridLayout(preview_);
    for (std::size_t i = 0; i < kColorRows.size(); ++i) {
        const ColorRowLayout& layoutRow = kColorRows[i];
        ColorRow& row = colors_[i];
        row.caption = NamedLabel(preview_, layoutRow.caption, layoutRow.captionText);
        row.field = NamedBox(preview_, layoutRow.field);
        row.caption->setBuddy(row.field);
        row.box = new ColorBox(preview_);
        row.box->setObjectName(layoutRow.box);
        row.box->setAccessibleName(QString("Choose ") + layoutRow.captionText);
        const int r = static_cast<int>(i);
        colorGrid->addWidget(row.caption, r, 0);
        colorGrid->addWidget(row.field, r, 1);
        colorGrid->addWidget(row.box, r, 2);
        connect(row.field, &QLineEdit::textChanged, this, &BGCOLOR::repaintColors);
        connect(row.box, &QPushButton::clicked, this, [this, &row] { ChooseColorInto(ctx_, row.box, row.field); });
    }
    auto* hint = NamedLabel(this, "Label14", "Click on the outlined boxes to the right to select Web page colors.");
    hint->setWordWrap(true);

    auto* another = NamedButton(this, "Command4", "");
    another->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    another->setAccessibleName("Get Colors from Another Web page");
    auto* anotherRow = new QHBoxLayout;
    anotherRow->addWidget(NamedLabel(this, "Label15", "Get Colors from:"));
    anotherRow->addWidget(another);
    anotherRow->addWidget(NamedLabel(this, "Label16", "Another Web page"));
    anotherRow->addStretch();

    // The background picture.
    background_ = NamedBox(this, "Text9");
    auto* browse = NamedButton(this, "SSCommand2", "Browse...");
    fixedDir_ = new QCheckBox("Fixed Dir", this);
    fixedDir_->setObjectName("Check1");
    auto* backgroundFrame = new QGroupBox("Enter graphic filename for background:", this);
    backgroundFrame->setObjectName("Frame1");
    auto* backgroundLayout = new QHBoxLayout(backgroundFrame);
    backgroundLayout->addWidget(background_, 1);
    backgroundLayout->addWidget(browse);
    backgroundLayout->addWidget(fixedDir_);

    watermark_ = new QCheckBox("Make background image a fixed watermark on page.*", this);
    watermark_->setObjectName("SSCheck1");
    leftMargin_ = NamedBox(this, "Text12");
    topMargin_ = NamedBox(this, "Text13");
    auto* leftLabel = NamedLabel(this, "Label7", "* Left Margin (pixels):");
    leftLabel->setBuddy(leftMargin_);
    auto* topLabel = NamedLabel(this, "Label8", "* Top Margin (pixels):");
    topLabel->setBuddy(topMargin_);
    auto* margins = new QHBoxLayout;
    margins->addWidget(leftLabel);
    margins->addWidget(leftMargin_);
    margins->addWidget(topLabel);
    margins->addWidget(topMargin_);

    // Enter in any text box runs OK.
    ok_ = new QPushButton("&OK", this);
    ok_->setObjectName("Command2");
    ok_->setDefault(true);
    auto* cancel = NamedButton(this, "Command1", "&Cancel");
    auto* advanced = NamedButton(this, "Command3", "&Advanced...");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    buttons->addWidget(advanced);
    buttons->addWidget(addHelpButton());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleFrame);
    layout->addWidget(preview_);
    layout->addWidget(hint);
    layout->addLayout(anotherRow);
    layout->addWidget(backgroundFrame);
    layout->addWidget(watermark_);
    layout->addLayout(margins);
    layout->addWidget(NamedLabel(this, "Label6", "* Only supported by Internet Explorer"));
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &BGCOLOR::ok);
    connect(cancel, &QPushButton::clicked, this, &BGCOLOR::reject);
    connect(advanced, &QPushButton::clicked, this, &BGCOLOR::advanced);
    connect(another, &QPushButton::clicked, this, &BGCOLOR::colorsFromAnotherPage);
    connect(browse, &QPushButton::clicked, this, &BGCOLOR::browseBackground);
    connect(fixedDir_, &QCheckBox::toggled, this, &BGCOLOR::fixedDirToggled);

    if (mode == PagePropertiesMode::ReadPage) setFields(ReadPageProperties(ctx_, view_));
    repaintColors();
}

PagePropertiesFields BGCOLOR::fields() const {
    PagePropertiesFields f;
    f.title = LineEditBytes(title_);
    f.body.backgroundColor = LineEditBytes(colors_[0].field);
    f.body.textColor = LineEditBytes(colors_[1].field);
    f.body.linkColor = LineEditBytes(colors_[2].field);
    f.body.visitedLinkColor = LineEditBytes(colors_[3].field);
    f.body.activeLinkColor = LineEditBytes(colors_[4].field);
    f.body.background = LineEditBytes(background_);
    f.body.leftMargin = LineEditBytes(leftMargin_);
    f.body.topMargin = LineEditBytes(topMargin_);
    f.body.fixedWatermark = watermark_->isChecked();
    return f;
}

void BGCOLOR::setFields(const PagePropertiesFields& fields) {
    SetLineEditBytes(title_, fields.title);
    setBodyFields(fields.body);
}

void BGCOLOR::setBodyFields(const BodyFields& body) {
    setColorFields(body);
    SetLineEditBytes(background_, body.background);
    SetLineEditBytes(leftMargin_, body.leftMargin);
    SetLineEditBytes(topMargin_, body.topMargin);
    watermark_->setChecked(body.fixedWatermark);
}

void BGCOLOR::setColorFields(const BodyFields& body) {
    const std::array<const std::string*, 5> values{&body.backgroundColor, &body.textColor, &body.linkColor,
                                                    &body.visitedLinkColor, &body.activeLinkColor};
    for (std::size_t i = 0; i < colors_.size(); ++i) SetLineEditBytes(colors_[i].field, *values[i]);
}

// The background colour paints its box, the preview panel and the captions'
// backgrounds; every other colour its box and its caption's text.
void BGCOLOR::repaintColors() {
    std::array<Rgb, 5> rgb;
    for (std::size_t i = 0; i < colors_.size(); ++i) {
        rgb[i] = HexColorToRGB(LineEditBytes(colors_[i].field));
        colors_[i].box->setColor(rgb[i]);
    }
    // The background caption, and a caption whose text colour is not chosen
    // yet, take black or white, whichever reads on the background.
    const Rgb plainInk = ReadableInk(rgb[0]);
    auto ink = [&](std::size_t i) { return colors_[i].field->text().isEmpty() ? plainInk : rgb[i]; };
    Paint(preview_, rgb[0], plainInk);
    Paint(colors_[0].caption, rgb[0], plainInk);
    for (std::size_t i = 1; i < colors_.size(); ++i) Paint(colors_[i].caption, rgb[0], ink(i));
}

void BGCOLOR::ok() {
    ApplyPageProperties(ctx_, view_, fields(), metaConfirmed_);
    accept();
}

void BGCOLOR::reject() {
    CancelPageProperties(view_);
    BuilderDialog::reject();
}

void BGCOLOR::advanced() {
    Metatags meta(ctx_, this);
    if (meta.exec() != QDialog::Accepted) return;
    metaConfirmed_ = true;
    ok_->setFocus();
}

void BGCOLOR::colorsFromAnotherPage() {
    BodyFields body = fields().body;
    if (ColorsFromAnotherPage(ctx_, body)) setColorFields(body);
}

void BGCOLOR::browseBackground() {
    std::optional<BrowsedFile> file = BrowseBackground(ctx_);
    if (!file) return;
    browsed_ = file;
    SetLineEditBytes(background_, BackgroundReference(ctx_, *file));
}

void BGCOLOR::fixedDirToggled(bool ticked) {
    if (browsed_) SetLineEditBytes(background_, BackgroundFixedDirText(*browsed_, ticked));
}

void OpenPageProperties(AppContext& ctx, DocumentView& view, QWidget* parent, PagePropertiesMode mode) {
    BGCOLOR dialog(ctx, view, mode, parent);
    dialog.exec();
}

}  // namespace quillane
