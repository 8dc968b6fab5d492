#pragma once
#include <QLabel>

#include "platform/rgb.h"

namespace quillane {

// A colour swatch beside a colour box: it shows a colour and reports a click
// (which opens the colour chooser). A disabled swatch ignores clicks.
class PickSwatch : public QLabel {
    Q_OBJECT

public:
    explicit PickSwatch(QWidget* parent = nullptr);

    void setColor(Rgb color);
    Rgb color() const { return color_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    Rgb color_{192, 192, 192};
};

}  // namespace quillane
