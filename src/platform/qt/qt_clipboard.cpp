#include "platform/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace quillane {

std::string QtClipboard::text() const { return QGuiApplication::clipboard()->text().toStdString(); }

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

}  // namespace quillane
