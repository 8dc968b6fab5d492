#include "builders/ui/color_box.h"

#include <QLineEdit>

#include "builders/color_choice.h"

namespace quillane {

ColorBox::ColorBox(QWidget* parent) : QPushButton("Select", parent) {
    setAutoDefault(false);
    setFlat(true);
    setColor(color_);
}

void ColorBox::setColor(Rgb color) {
    color_ = color;
    // The caption stays readable on whatever colour the box takes.
    setStyleSheet(QString("QPushButton { background-color: %1; color: %2; border: 1px solid black; }")
                      .arg(CssColor(color), CssColor(ReadableInk(color))));
}

bool ChooseColorInto(AppContext& ctx, ColorBox* box, QLineEdit* field) {
    ColorChoice choice = ChooseColor(ctx);
    if (choice.cancelled) return false;
    field->setText(QString::fromStdString(choice.text));
    field->setFocus();
    box->setColor(HexColorToRGB(choice.text));
    box->setText(QString());
    return true;
}

QString CssColor(Rgb color) { return "#" + QString::fromStdString(RgbToHexText(color)); }

}  // namespace quillane
