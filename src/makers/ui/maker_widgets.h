#pragma once
#include <QStringList>

class QLabel;
class QPushButton;
class QString;
class QWidget;

namespace quillane {

// Small widget makers the table dialogs share.

// "first" ... "last", one item each.
QStringList Numbers(int first, int last);
// A caption whose mnemonic moves the focus to `buddy`.
QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent);
// A push button with its object name.
QPushButton* Button(const char* name, const QString& caption, QWidget* parent);

}  // namespace quillane
