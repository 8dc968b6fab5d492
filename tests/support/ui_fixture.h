#pragma once
// What the Qt tests share: a document window reduced to the real editor
// control (QsciView), and driving dialogs by their controls' names.
// Header-only, so that the core test support stays free of Qt.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <string>

#include "support/fakes.h"
#include "support/qsci_view.h"

namespace quillane::testing {

// A dialog's control by name; the test stops when it is missing.
template <typename T = QWidget>
T* Find(const QWidget& dialog, const char* name) {
    T* w = dialog.findChild<T*>(name);
    if (!w) qFatal("no widget %s", name);
    return w;
}

inline void Click(const QWidget& dialog, const char* name) {
    QTest::mouseClick(Find<QPushButton>(dialog, name), Qt::LeftButton);
}

// Driving a dialog from a test fixture: a missing control is warned about
// and the check that uses it fails.
struct DialogDriver {
    template <typename T>
    static T* child(QWidget* dialog, const char* name) {
        T* found = dialog->findChild<T*>(name);
        if (!found) qWarning("no child %s", name);
        return found;
    }
    // A text box, or the text part of a combo box, by its name.
    static QLineEdit* box(QWidget* dialog, const char* name) {
        if (auto* combo = dialog->findChild<QComboBox*>(name)) return combo->lineEdit();
        return child<QLineEdit>(dialog, name);
    }
    static void type(QWidget* dialog, const char* name, const QString& text) {
        QLineEdit* edit = box(dialog, name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    static QString shown(QWidget* dialog, const char* name) { return box(dialog, name)->text(); }

    // What a person does: a click into the named control (a combo box in its
    // text part) gives it the focus; keys then go to the focused widget.
    static void clickInto(QWidget* dialog, const char* name) {
        QLineEdit* target = box(dialog, name);
        if (!target) return;
        if (!dialog->isActiveWindow()) {
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
        }
        QTest::mouseClick(target, Qt::LeftButton);
    }
    static void typeInFocus(const QString& text) {
        QVERIFY(QApplication::focusWidget());
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    static void pressInFocus(Qt::Key key) {
        QVERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), key);
    }
    static void clickAndType(QWidget* dialog, const char* name, const QString& text) {
        clickInto(dialog, name);
        typeInFocus(text);
    }
    static void click(QWidget* dialog, const char* button) {
        QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
    }

    // Runs `open`, which shows a modal dialog; `drive` acts on it once it is
    // up. Whatever `drive` leaves open is closed.
    static void RunModal(const std::function<void()>& open, const std::function<void(QWidget*)>& drive) {
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            drive(dialog);
            if (dialog->isVisible()) dialog->close();
        });
        timer.start(0);
        open();
    }
};

// A dialog test over the scripted platform with one document window on the
// real editor control, active from the start.
struct DocumentFixture : DialogDriver {
    DocumentFixture() { app.shell.activate(view); }

    // The document's text with [start, start + length) selected.
    void setText(const std::string& text, std::size_t start = 0, std::size_t length = 0) {
        view.control.setText(text);
        view.control.setSelStart(start);
        view.control.setSelLength(length);
    }
    std::string text() const { return view.control.text(); }
    std::pair<std::size_t, std::size_t> selection() const { return {view.control.selStart(), view.control.selLength()}; }

    TestApp app;
    QsciView view;
};

}  // namespace quillane::testing
