#include "builders/ui/applet_align_preview.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "builders/multimedia_builders.h"

namespace quillane {

namespace {

QFrame* Box(QWidget* parent, const char* name, const char* colour, const char* text) {
    auto* box = new QFrame(parent);
    box->setObjectName(name);
    box->setFixedSize(48, 32);
    box->setStyleSheet(QString("QFrame#%1 { background: %2; }").arg(name, colour));
    if (text) {
        auto* label = new QLabel(text, box);
        label->setStyleSheet("color: white;");
        auto* layout = new QHBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(label, 0, Qt::AlignCenter);
    }
    box->hide();
    return box;
}

}  // namespace

AppletAlignPreview::AppletAlignPreview(QWidget* parent) : QGroupBox("Align Preview", parent) {
    setObjectName("Frame2");
    leftApplet_ = Box(this, "Leftimage", "blue", "Applet");
    inlineApplet_ = Box(this, "Leftimage2", "blue", "Applet");
    rightApplet_ = Box(this, "Rightimage", "blue", "Applet");
    redBox_ = Box(this, "Redtext", "red", nullptr);
    neighbour_ = new QLabel(this);
    neighbour_->setObjectName("Toplabel");
    neighbour_->setWordWrap(true);
    legendRed_ = new QLabel("Red box is an existing image or object on the same line.", this);
    legendRed_->setObjectName("Label10");
    legendBlue_ = new QLabel("Blue box is Java Applet.", this);
    legendBlue_->setObjectName("Label11");
    explanation_ = new QLabel(this);
    explanation_->setObjectName("Label12");
    explanation_->setWordWrap(true);

    auto* line = new QHBoxLayout;
    line->addWidget(leftApplet_);
    line->addWidget(redBox_);
    line->addWidget(inlineApplet_);
    line->addWidget(neighbour_, 1);
    line->addWidget(rightApplet_);
    auto* layout = new QGridLayout(this);
    layout->addLayout(line, 0, 0);
    layout->addWidget(legendRed_, 1, 0);
    layout->addWidget(legendBlue_, 2, 0);
    layout->addWidget(explanation_, 3, 0);
    for (QWidget* w : {static_cast<QWidget*>(neighbour_), static_cast<QWidget*>(legendRed_),
                       static_cast<QWidget*>(legendBlue_), static_cast<QWidget*>(explanation_)})
        w->hide();
}

void AppletAlignPreview::showItem(const QString& item) {
    const std::string name = item.toStdString();
    const char* text = AppletAlignExplanation(name);
    const bool left = name == "Left";
    const bool right = name == "Right";
    const bool wraps = left || right;
    leftApplet_->setVisible(text && left);
    rightApplet_->setVisible(text && right);
    inlineApplet_->setVisible(text && !wraps);
    redBox_->setVisible(text && !wraps);
    legendRed_->setVisible(text && !wraps);
    legendBlue_->setVisible(text && !wraps);
    neighbour_->setVisible(text != nullptr);
    neighbour_->setText(wraps ? "This is neighboring text and more text." : "This is neighboring text.");
    // The text sits where the alignment puts it against the applet.
    Qt::Alignment vertical = Qt::AlignBottom;
    if (name == "Top" || name == "Texttop") vertical = Qt::AlignTop;
    else if (name == "Middle" || name == "Absmiddle") vertical = Qt::AlignVCenter;
    else if (wraps) vertical = Qt::AlignTop;
    neighbour_->setAlignment(Qt::AlignLeft | vertical);
    explanation_->setVisible(text != nullptr);
    explanation_->setText(text ? QString::fromUtf8(text) : QString());
}

}  // namespace quillane
