#pragma once
#include <QComboBox>
#include <QStringList>
#include <functional>

class QKeyEvent;

namespace quillane {

// The controls the builder and maker dialogs share.

// An editable drop-down list whose text is exactly what the user typed.
// Qt's own editable combo box completes typed text case-insensitively and,
// when Enter is pressed or the box loses the focus, replaces a text that
// matches an item by that item's spelling and reports it as chosen. This box
// has no completer, never adds typed text to its list, and keeps Enter to
// itself: Enter (or the keypad's Enter) only emits enterPressed, whether the
// key reaches the box or its line edit, so a dialog decides what it does.
class EditableComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit EditableComboBox(QWidget* parent = nullptr);

signals:
    void enterPressed();
    // An item taken from the list: from the popup (mouse or keyboard), by
    // the arrow keys or the mouse wheel. Typed text never counts, not even
    // when it matches an item.
    void chosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Set while the line edit handles losing the focus: Qt then reports a
    // typed text that matches an item as activated.
    bool leaving_ = false;
};

// A named EditableComboBox with its items, opened with none chosen and an
// empty text.
EditableComboBox* NewEditableCombo(QWidget* parent, const char* name, const QStringList& items);

// Enter (or the keypad's Enter) in `box` runs `action` instead of reaching
// the box or the dialog. For an EditableComboBox this is its enterPressed.
void RunOnEnter(QWidget* box, std::function<void()> action);

// Enter in `box` does what it does in the dialog's text boxes: it presses
// the dialog's default button, the one shown at the time.
void EnterPressesDefault(EditableComboBox* box);

}  // namespace quillane
