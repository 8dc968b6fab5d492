#pragma once
#include <QPushButton>

#include "platform/rgb.h"

class QLineEdit;

namespace quillane {

struct AppContext;

// A colour box beside a colour text field: it shows the caption "Select"
// until a colour is chosen with it, and is painted in the field's colour.
class ColorBox : public QPushButton {
    Q_OBJECT

public:
    explicit ColorBox(QWidget* parent = nullptr);

    Rgb color() const { return color_; }
    void setColor(Rgb color);

private:
    Rgb color_{192, 192, 192};
};

// A click on a colour box: the colour chooser runs; unless it is cancelled the
// colour text goes into the field, which gets the focus, and the box loses its
// caption. True when a colour was chosen.
bool ChooseColorInto(AppContext& ctx, ColorBox* box, QLineEdit* field);

// A style-sheet colour, "#RRGGBB".
QString CssColor(Rgb color);

}  // namespace quillane
