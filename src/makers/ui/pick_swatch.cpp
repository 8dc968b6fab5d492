#include "makers/ui/pick_swatch.h"

#include <QMouseEvent>

namespace quillane {

PickSwatch::PickSwatch(QWidget* parent) : QLabel(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setFixedSize(24, 20);
    setCursor(Qt::PointingHandCursor);
    setToolTip("Pick");
    setAutoFillBackground(true);
    setColor(color_);
}

void PickSwatch::setColor(Rgb color) {
    color_ = color;
    setStyleSheet(QString("background-color: rgb(%1, %2, %3);").arg(color.r).arg(color.g).arg(color.b));
}

void PickSwatch::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit clicked();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

}  // namespace quillane
