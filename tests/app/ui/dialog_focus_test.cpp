// Where the keys go when a dialog opens or closes, in the real main window.
// Open and Open UNIX file run the program's own file dialog as a person uses
// it: the name typed with its completion list open, then Enter; the new
// window's editor has the keyboard, and nothing of the dialog is left.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QDebug>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "app/command_table.h"
#include "app/commands.h"
#include "app/scoped_environment.h"
#include "app/start_sequence.h"
#include "app/ui/main_window.h"
#include "app/ui/ui_commands.h"
#include "editor/temp_folder.h"
#include "editor/ui/document_window.h"
#include "platform/qt/qsci_editor_control.h"
#include "platform/qt/qt_file_dialogs.h"
#include "support/fakes.h"

using namespace quillane;
using namespace quillane::testing;

namespace {

// The program over the scripted platform, but for the real file dialog.
struct RealDialogApp {
    RealDialogApp() {
        store.put("Miscellaneous", "MainMenuBox", "off");
        store.put("Miscellaneous", "TipOfTheDay", "off");
        store.put("Directory", "WorkingDirectory", files.folder());
        RegisterCoreCommands(commands);
        RegisterUiCommands(commands, ctx, window);
        window.attach(ctx, commands);
        window.show();
        StartProgram(ctx, {});
    }

    ScopedCurrentFolder restoreFolder;
    TempFolder files;
    ScriptedMessageBoxes messages;
    MemorySettings store;
    RecordingLauncher launcher;
    MemoryClipboard clipboard;
    FixedClock clock;
    RecordingHelp help;
    MDIForm1 window;
    QtFileDialogs dialogs{&window};
    AppContext ctx{Platform{window, messages, dialogs, store, launcher, clipboard, clock, help}};
    CommandTable commands;
};

// Types `path` into the dialog that is about to open, waits for its
// completion list, and presses Enter.
void ChooseWhenAsked(const QString& path) {
    QTimer::singleShot(0, [path] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::qWaitFor([] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr; });
        auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!box) {
            qWarning() << "focus on" << QApplication::focusWidget();
            dialog->close();
        }
        QVERIFY(box);
        QTest::keyClicks(box, path.chopped(2));
        QTRY_VERIFY(box->completer() && box->completer()->popup()->isVisible());
        QTest::keyClicks(box, path.right(2));
        QTest::keyClick(box, Qt::Key_Return);
        if (dialog->isVisible()) dialog->close();
    });
}

}  // namespace

class DialogFocusTest : public QObject {
    Q_OBJECT

private slots:
    void theOpenedDocumentHasTheKeyboard_data() {
        QTest::addColumn<bool>("unix");
        QTest::newRow("Open, Ctrl+O") << false;
        QTest::newRow("Open UNIX file") << true;
    }
    void theOpenedDocumentHasTheKeyboard() {
        QFETCH(bool, unix);
        RealDialogApp app;
        const std::string page = app.files.write("page.htm", "<P>x</P>");
        app.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&app.window));
        QVERIFY(QApplication::focusWidget());

        ChooseWhenAsked(QString::fromStdString(page));
        if (unix) {
            QAction* item = app.window.currentMenuBar()->findChild<QAction*>("mnuOpenUNIX");
            QVERIFY(item);
            item->trigger();
        } else {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::ControlModifier);
        }
        Form2* opened = app.window.activeForm();
        QCOMPARE(opened->caption(), page);

        QVERIFY(!QApplication::activePopupWidget());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&opened->editorControl()));
        QTest::keyClicks(QApplication::focusWidget(), "Y");
        QCOMPARE(opened->editorControl().text(), std::string("Y<P>x</P>"));
    }

    // Ctrl+F typed in the document, then the text to find: it lands in
    // "Find What:", not in the document; Escape gives the keyboard back.
    void ctrlFThenTypingFillsFindWhat() {
        RealDialogApp app;
        app.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&app.window));
        QsciEditorControl& editor = app.window.activeForm()->editorControl();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&editor));
        const std::string before = editor.text();

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
        auto* find = app.window.findChild<QWidget*>("frmFind");
        QVERIFY(find);
        // Once the window system has made it the active window.
        QTRY_COMPARE(QApplication::activeWindow(), find);
        QCOMPARE(QApplication::focusWidget(), find->findChild<QWidget*>("Text1"));
        QTest::keyClicks(QApplication::focusWidget(), "BODY");
        QCOMPARE(find->findChild<QLineEdit*>("Text1")->text(), QString("BODY"));
        QCOMPARE(editor.text(), before);

        // The main window, active again, hands the keys to the document.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!find->isVisible());
        QCOMPARE(app.window.focusWidget(), static_cast<QWidget*>(&editor));
    }
};

QTEST_MAIN(DialogFocusTest)
#include "dialog_focus_test.moc"
