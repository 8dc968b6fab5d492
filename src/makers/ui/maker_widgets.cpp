#include "makers/ui/maker_widgets.h"

#include <QLabel>
#include <QPushButton>

namespace quillane {

QStringList Numbers(int first, int last) {
    QStringList out;
    for (int i = first; i <= last; ++i) out << QString::number(i);
    return out;
}

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace quillane
