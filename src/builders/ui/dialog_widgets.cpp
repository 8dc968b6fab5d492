#include "builders/ui/dialog_widgets.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace quillane {

namespace {

bool IsEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Swallows Enter in one widget and runs an action instead.
class EnterKeyFilter : public QObject {
public:
    EnterKeyFilter(QObject* parent, std::function<void()> action) : QObject(parent), action_(std::move(action)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (IsEnter(event)) {
            action_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

}  // namespace

EditableComboBox::EditableComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // The line edit's completer would complete and rewrite typed text
    // without regard to letter case.
    setCompleter(nullptr);
    // Typed text is never added to the list (duplicatesEnabled, which only
    // governs such additions, then has nothing to decide).
    setInsertPolicy(QComboBox::NoInsert);
    // Keys reach the line edit through the box, which hands them on past
    // any filter; a key sent to the line edit itself comes through here.
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!leaving_) emit chosen(index);
    });
}

bool EditableComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && IsEnter(event)) {
        emit enterPressed();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

void EditableComboBox::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(event)) {
        event->accept();
        emit enterPressed();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void EditableComboBox::focusOutEvent(QFocusEvent* event) {
    // The line edit is the box's focus proxy: it loses the focus only here.
    leaving_ = true;
    QComboBox::focusOutEvent(event);
    leaving_ = false;
}

EditableComboBox* NewEditableCombo(QWidget* parent, const char* name, const QStringList& items) {
    auto* box = new EditableComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(QString());
    return box;
}

void RunOnEnter(QWidget* box, std::function<void()> action) {
    if (auto* combo = qobject_cast<EditableComboBox*>(box)) {
        QObject::connect(combo, &EditableComboBox::enterPressed, combo, std::move(action));
        return;
    }
    box->installEventFilter(new EnterKeyFilter(box, std::move(action)));
}

void EnterPressesDefault(EditableComboBox* box) {
    QObject::connect(box, &EditableComboBox::enterPressed, box, [box] {
        for (QPushButton* button : box->window()->findChildren<QPushButton*>()) {
            if (button->isDefault() && button->isVisible() && button->isEnabled()) {
                button->click();
                return;
            }
        }
    });
}

}  // namespace quillane
