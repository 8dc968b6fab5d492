#include "builders/ui/image_align_preview.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>
#include <cstring>

#include "builders/image_align.h"

namespace quillane {

namespace {

// The scene, in pixels: a line of text on a baseline beside a tall image.
constexpr int kWidth = 300;
constexpr int kHeight = 80;
constexpr int kBaseline = 56;
constexpr int kTextHeight = 14;
constexpr int kExisting = 44;  // the red box's height, standing on the baseline
constexpr int kNew = 22;       // the blue box's side
constexpr int kDescent = 4;    // below the baseline, the lowest item reaches

QFrame* Box(const char* name, const char* colour, QWidget* parent) {
    auto* box = new QFrame(parent);
    box->setObjectName(name);
    box->setStyleSheet(QString("background-color: %1; border: 1px solid black;").arg(colour));
    return box;
}

// The top of the blue box for an alignment that keeps it in the line.
int NewImageTop(const char* item) {
    const int existingTop = kBaseline - kExisting;
    if (!std::strcmp(item, "Top")) return existingTop;
    if (!std::strcmp(item, "Texttop")) return kBaseline - kTextHeight;
    if (!std::strcmp(item, "Middle")) return kBaseline - kNew / 2;
    if (!std::strcmp(item, "Absmiddle")) return existingTop + (kExisting + kDescent) / 2 - kNew / 2;
    if (!std::strcmp(item, "Absbottom")) return kBaseline + kDescent - kNew;
    return kBaseline - kNew;  // Bottom(Default), Baseline
}

}  // namespace

ImageAlignPreview::ImageAlignPreview(QWidget* parent) : QGroupBox("Align Preview", parent) {
    setObjectName("Frame2");
    canvas_ = new QWidget(this);
    canvas_->setObjectName("AlignScene");
    canvas_->setFixedSize(kWidth, kHeight);
    existingImage_ = Box("ExistingImageBox", "red", canvas_);
    newImage_ = Box("NewImageBox", "blue", canvas_);
    neighbour_ = new QLabel(canvas_);
    neighbour_->setObjectName("NeighbourText");
    explanation_ = new QLabel(this);
    explanation_->setObjectName("Label12");
    explanation_->setWordWrap(true);
    explanation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    legendRed_ = new QLabel("Red box is an existing image or object on the same line.", this);
    legendRed_->setObjectName("RedLegend");
    legendBlue_ = new QLabel("Blue box is new image.", this);
    legendBlue_->setObjectName("BlueLegend");

    // The longest explanation takes three lines; the frame keeps its size
    // while its content is hidden, so the dialog does not jump.
    explanation_->setFixedWidth(kWidth);
    explanation_->setMinimumHeight(explanation_->fontMetrics().lineSpacing() * 3);
    for (QWidget* w : {static_cast<QWidget*>(canvas_), static_cast<QWidget*>(explanation_),
                       static_cast<QWidget*>(legendRed_), static_cast<QWidget*>(legendBlue_)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(canvas_);
    layout->addWidget(explanation_);
    layout->addWidget(legendRed_);
    layout->addWidget(legendBlue_);
    showItem(nullptr);
}

void ImageAlignPreview::showItem(const ImageAlignItem* item) {
    const bool shown = item && item->explanation;
    for (QWidget* w : {static_cast<QWidget*>(canvas_), static_cast<QWidget*>(explanation_),
                       static_cast<QWidget*>(legendRed_), static_cast<QWidget*>(legendBlue_)})
        w->setVisible(shown);
    if (!shown) return;

    explanation_->setText(item->explanation);
    neighbour_->setText(AlignPreviewNeighbourText(*item));
    const int existingLeft = 8;
    existingImage_->setGeometry(existingLeft, kBaseline - kExisting, 30, kExisting);

    if (!std::strcmp(item->item, "Left") || !std::strcmp(item->item, "Right")) {
        // Floating at a margin, the text running beside it.
        const bool left = !std::strcmp(item->item, "Left");
        const int x = left ? 0 : kWidth - kNew;
        newImage_->setGeometry(x, 0, kNew, kNew);
        existingImage_->setGeometry(left ? kNew + 6 : 0, kBaseline - kExisting, 30, kExisting);
        const int textLeft = left ? kNew + 42 : 36;
        neighbour_->setWordWrap(true);
        neighbour_->setGeometry(textLeft, kBaseline - 2 * kTextHeight, kWidth - kNew - 42, 2 * kTextHeight);
        return;
    }
    neighbour_->setWordWrap(false);
    neighbour_->adjustSize();
    const int newLeft = existingLeft + 36;
    newImage_->setGeometry(newLeft, NewImageTop(item->item), kNew, kNew);
    neighbour_->move(newLeft + kNew + 6, kBaseline - kTextHeight);
}

}  // namespace quillane
