#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QStackedWidget>
#include <QTest>
#include <QToolBar>
#include <QDockWidget>

#include "app/date_format.h"
#include "app/new_page_text.h"
#include "app/recent_files.h"
#include "editor/document_lifecycle.h"
#include "platform/twips.h"
#include "app/ui/status_panels.h"
#include "app/ui/templates_dialog.h"
#include "app/ui/ui_test_app.h"

using namespace quillane;
using namespace quillane::testing;

namespace {

QAction* Item(QMenuBar* bar, const char* name) { return bar ? bar->findChild<QAction*>(name) : nullptr; }

QString PanelText(MDIForm1& window, const char* name) {
    auto* panel = window.findChild<QLabel*>(name);
    return panel ? panel->text() : QString("<missing %1>").arg(name);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The window after the start sequence, found by the names the program
    // gives its parts.
    void startShowsTheFirstDocument() {
        UiTestApp app;
        QCOMPARE(app.window.objectName(), QString("MDIForm1"));
        QCOMPARE(app.window.windowTitle(), QString("Quillane 97.5"));
        QCOMPARE(app.captions(), std::vector<std::string>{"Untitled:1"});
        QCOMPARE(app.active()->slot(), 1);
        QCOMPARE(app.active()->windowTitle(), QString("Untitled:1"));
        QVERIFY(app.subWindowOf(app.active())->isMaximized());

        const std::string page = NewPageText(app.clock.now(), "");
        QCOMPARE(app.editor().text(), page);
        QCOMPARE(app.editor().selStart(), page.size() - 22);
        QCOMPARE(app.editor().selLength(), 0u);
        QVERIFY(!app.slot(1).modified);

        QVERIFY(app.window.findChild<QsciEditorControl*>("RichTextBox1"));
        QCOMPARE(PanelText(app.window, "Panel3D2"), QString("Press F1 for Help"));
        QCOMPARE(PanelText(app.window, "Panel3D3"), QString());
        QCOMPARE(PanelText(app.window, "Panel3D6"), QString(" %1 bytes").arg(page.size()));
        QVERIFY(app.window.findChild<QToolBar*>("Picture1"));
        QVERIFY(app.window.findChild<QStatusBar*>("Picture2"));
        QVERIFY(app.window.findChild<QDockWidget*>("Picture3"));
        QVERIFY(app.window.documentToolbarEnabled());

        QAction* save = Item(app.window.currentMenuBar(), "FileSave");
        QVERIFY(save);
        QCOMPARE(save->shortcut(), QKeySequence("Ctrl+S"));
        // Items with a command are enabled; an item without one is not.
        for (const char* name :
             {"FileSave", "mnuNewFile", "FileExit", "mnuCloseAll", "mnuSFind", "mnuColorize", "Bold",
              // builders and makers
              "Hypertext", "Anchor", "mnuMailto", "Graphics", "mnuUsemap", "mnuPageProps", "mnuTableMaker",
              "TblCnvrt", "mnuListCnvrt", "HTMLCnvrt",
              // editing extras and programs
              "mnuUndo", "cut", "copy", "paste", "mnuSelectAll", "mnuWordWrap", "mnuEditTag", "HTMLStrip",
              "mnuLinkBrowser1", "BrowseLink", "mnuimagemap", "mnuFTP", "FilePrint"})
            QVERIFY2(Item(app.window.currentMenuBar(), name)->isEnabled(), name);
        QVERIFY(!Item(app.window.currentMenuBar(), "mnuToolbox")->isEnabled());
    }

    // Document windows are always maximized: they fill the client area, also
    // after the main window has taken its stored size.
    void documentWindowsFillTheClientArea() {
        UiTestApp app;
        app.window.resize(900, 700);
        NewDocument(app.ctx);
        QMdiArea* area = app.window.findChild<QMdiArea*>();
        QVERIFY(area);
        for (Form2* form : {app.active()}) {
            QTRY_COMPARE(app.subWindowOf(form)->size(), area->viewport()->size());
        }
        app.window.resize(1000, 760);
        QTRY_COMPARE(app.subWindowOf(app.active())->size(), area->viewport()->size());
    }

    void commandLineFileOpensInASecondWindow() {
        TempFolder folder;
        const std::string path = folder.write("page.htm", "<P>hello</P>\r\n");
        UiTestApp app({path});
        QCOMPARE(app.captions(), (std::vector<std::string>{"Untitled:1", path}));
        QCOMPARE(app.active()->caption(), path);
        QCOMPARE(app.active()->slot(), 2);
        QCOMPARE(app.editor().text(), std::string("<P>hello</P>\r\n"));
        QVERIFY(!app.slot(2).modified);
        QCOMPARE(app.window.currentMenuBar(), app.active()->menuBar());
    }

    void typingMarksModifiedAndShowsTheLength() {
        UiTestApp app;
        const std::size_t before = app.editor().length();
        QTest::keyClicks(&app.editor(), "abc");
        QVERIFY(app.slot(1).modified);
        QCOMPARE(app.editor().length(), before + 3);
        QCOMPARE(PanelText(app.window, "Panel3D6"), QString(" %1 bytes").arg(before + 3));
    }

    // The close box of a changed window asks; each answer does what it says.
    void closePromptAnswers_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("written");
        QTest::newRow("cancel keeps the window and its text") << int(MessageAnswer::Cancel) << false << false;
        QTest::newRow("no discards the text") << int(MessageAnswer::No) << true << false;
        QTest::newRow("yes saves, then closes") << int(MessageAnswer::Yes) << true << true;
    }
    void closePromptAnswers() {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(bool, written);
        UiTestApp app;
        const std::string target = app.files.path("saved.htm");
        app.dialogs.fileAnswers.push_back(target);
        QTest::keyClicks(&app.editor(), "typed");
        const std::string text = app.editor().text();
        Form2* form = app.active();
        QPointer<QMdiSubWindow> sub = app.subWindowOf(form);

        app.messages.answers.push_back(MessageAnswer(answer));
        QCOMPARE(sub->close(), closes);

        QCOMPARE(app.messages.shown.size(), 1u);
        QCOMPARE(app.messages.shown[0].text,
                 std::string("The text in [Untitled:1] has changed.\nDo you want to save the changes?"));
        QCOMPARE(app.messages.shown[0].title, std::string("Quillane 97.5"));
        QCOMPARE(app.messages.shown[0].buttons, MessageButtons::YesNoCancel);
        QCOMPARE(app.messages.shown[0].icon, MessageIcon::Exclamation);
        QCOMPARE(std::filesystem::exists(target), written);
        if (written) QCOMPARE(ReadAll(target), text + "\r\n");
        QCOMPARE(app.slot(1).free, closes);
        if (closes) {
            QVERIFY(app.window.documentWindows().empty());
            QVERIFY(!app.window.activeDocument());
            QVERIFY(!app.window.documentToolbarEnabled());
            QTRY_VERIFY(sub.isNull());  // destroyed
        } else {
            QCOMPARE(app.active(), form);
            QCOMPARE(app.editor().text(), text);
            QVERIFY(app.slot(1).modified);
            QVERIFY(sub->isVisible());
        }
    }

    void unchangedWindowClosesWithoutPrompt() {
        UiTestApp app;
        QAction* close = Item(app.window.currentMenuBar(), "FileClose");
        QVERIFY(close && close->isEnabled());
        close->trigger();
        QVERIFY(app.messages.shown.empty());
        QVERIFY(app.window.documentWindows().empty());
        // The slot is free again: the next new document is Untitled:1.
        NewDocument(app.ctx);
        QCOMPARE(app.captions(), std::vector<std::string>{"Untitled:1"});
    }

    void closeAllStopsAtCancel() {
        UiTestApp app;
        NewDocument(app.ctx);
        QTest::keyClicks(&app.editor(), "changed");  // Untitled:2
        NewDocument(app.ctx);                         // Untitled:3, active
        QCOMPARE(app.active()->caption(), std::string("Untitled:3"));

        app.messages.answers.push_back(MessageAnswer::Cancel);
        Item(app.window.currentMenuBar(), "mnuCloseAll")->trigger();

        QCOMPARE(app.messages.shown.size(), 1u);
        QVERIFY(app.messages.shown[0].text.find("[Untitled:2]") != std::string::npos);
        QCOMPARE(app.captions(), (std::vector<std::string>{"Untitled:1", "Untitled:2"}));
        QCOMPARE(app.active()->caption(), std::string("Untitled:2"));

        app.messages.answers.push_back(MessageAnswer::No);
        Item(app.window.currentMenuBar(), "mnuCloseAll")->trigger();
        QVERIFY(app.captions().empty());
    }

    void closingTheMainWindowCanBeCancelled() {
        UiTestApp app;
        QTest::keyClicks(&app.editor(), "x");
        app.messages.answers.push_back(MessageAnswer::Cancel);
        QVERIFY(!app.window.close());
        QVERIFY(app.window.isVisible());
        QCOMPARE(app.captions(), std::vector<std::string>{"Untitled:1"});
        for (const char* key : {"LeftXCoord", "LeftYCoord", "WindowXSize", "WindowYSize"})
            QVERIFY2(!app.store.has("Window", key), key);

        app.messages.answers.push_back(MessageAnswer::No);
        QVERIFY(app.window.close());
        QVERIFY(app.captions().empty());
        const TwipsRect placed = app.window.geometry();
        const std::pair<const char*, int> stored[] = {{"LeftXCoord", placed.left},
                                                      {"LeftYCoord", placed.top},
                                                      {"WindowXSize", placed.width},
                                                      {"WindowYSize", placed.height}};
        for (const auto& [key, value] : stored) {
            QVERIFY2(value >= 0, key);
            QCOMPARE(app.store.get("Window", key, "?"), " " + std::to_string(value));
        }
    }

    void mainWindowGeometryIsInTwips() {
        UiTestApp app;
        const TwipsRect wanted{1440, 720, 14400, 10800};
        app.window.setGeometry(wanted);
        const TwipsRect got = app.window.geometry();
        // One pixel of rounding either way.
        const int slack = PixelsToTwips(1, app.window.logicalDpiX()) + 1;
        QVERIFY(std::abs(got.left - wanted.left) <= slack);
        QVERIFY(std::abs(got.top - wanted.top) <= slack);
        QVERIFY(std::abs(got.width - wanted.width) <= slack);
        QVERIFY(std::abs(got.height - wanted.height) <= slack);
    }

    // The menu bar on show is the active document's, and the window's own
    // small menu when none is open.
    void menuBarFollowsTheActiveWindow() {
        UiTestApp app;
        Form2* first = app.active();
        QCOMPARE(app.window.currentMenuBar(), first->menuBar());
        DocumentView& second = NewDocument(app.ctx);
        QCOMPARE(app.window.currentMenuBar(), static_cast<Form2&>(second).menuBar());
        QVERIFY(!first->menuBar()->isVisible());

        app.window.activate(*first);
        QCOMPARE(app.active(), first);
        QCOMPARE(app.window.currentMenuBar(), first->menuBar());
        QCOMPARE(PanelText(app.window, "Panel3D6"), QString(" %1 bytes").arg(first->editor().length()));

        CloseAllDocuments(app.ctx);
        QMenuBar* own = app.window.currentMenuBar();
        QCOMPARE(own, app.window.ownMenuBar());
        QVERIFY(own->isVisible());
        for (const char* name : {"mnuNewFile", "FileOpen", "mnuFileExit", "Help", "mnuTutorial"})
            QVERIFY2(Item(own, name) && Item(own, name)->isEnabled(), name);
        QVERIFY(!Item(own, "FileSave"));

        // New from the small menu opens the Templates dialog, modal.
        bool templatesShown = false;
        QTimer::singleShot(0, [&templatesShown] {
            auto* dialog = qobject_cast<Templates*>(QApplication::activeModalWidget());
            templatesShown = dialog != nullptr;
            if (dialog) dialog->findChild<QPushButton*>("Command2")->click();
        });
        Item(own, "mnuNewFile")->trigger();
        QVERIFY(templatesShown);
        QVERIFY(app.captions().empty());

        // Open from the small menu opens a document, whose menu then shows.
        const std::string path = app.files.write("b.htm", "B");
        app.dialogs.fileAnswers.push_back(path);
        Item(own, "FileOpen")->trigger();
        QCOMPARE(app.captions(), std::vector<std::string>{path});
        QCOMPARE(app.window.currentMenuBar(), app.active()->menuBar());
    }

    // The stored user level hides its items in the real menus: a beginner's
    // windows have no Table menu; the default level only loses the
    // rarely-used items there.
    void storedUserLevelHidesMenusOfTheFirstWindow() {
        TempFolder folder;
        const std::string page = folder.write("page.htm", "<HTML>\r\n");
        UiTestApp beginner({page}, [](MemorySettings& store) { store.put("Menu", "MenuSystem", "beginner"); });
        // The first window and the one of the command line alike.
        QCOMPARE(beginner.captions(), (std::vector<std::string>{"Untitled:1", page}));
        for (DocumentView* view : beginner.window.documentWindows()) {
            QMenuBar* bar = static_cast<Form2*>(view)->menuBar();
            QVERIFY(Item(bar, "mnuTable"));
            QVERIFY(!Item(bar, "mnuTable")->isVisible());
            QVERIFY(!view->menuItemVisible("mnuTable"));
            QVERIFY(!Item(bar, "mnuJavaTags")->isVisible());
            QVERIFY(Item(bar, "Bold")->isVisible());
        }

        UiTestApp advanced;
        QVERIFY(Item(advanced.active()->menuBar(), "mnuTable")->isVisible());
        QVERIFY(!Item(advanced.active()->menuBar(), "CITE")->isVisible());
    }

    // Ctrl+S from the keyboard reaches the active window's Save, and only
    // that window's: the hidden menu bars hold the same key without a clash.
    void ctrlSSavesTheActiveDocument() {
        TempFolder folder;
        const std::string first = folder.write("first.htm", "one");
        const std::string second = folder.write("second.htm", "two");
        UiTestApp app({first, second});
        QVERIFY(app.activate());
        QCOMPARE(app.active()->caption(), second);
        app.editor().setFocus();
        QTest::keyClicks(&app.editor(), "2");
        QTest::keyClick(&app.editor(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ReadAll(second), std::string("2two\r\n"));
        QCOMPARE(ReadAll(first), std::string("one"));
        QVERIFY(!app.slot(3).modified);
        // The key is the menu's, so the editor's text did not get an 's'.
        QCOMPARE(app.editor().text(), std::string("2two"));
    }

    // The menus' keys win over the editor's own bindings for the same keys
    // (line cut, transpose, duplicate, lower case).
    void tagShortcutsWinOverTheEditorsKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("inserted");
        QTest::newRow("Ctrl+L") << int(Qt::Key_L) << "<LI>";
        QTest::newRow("Ctrl+T") << int(Qt::Key_T) << "<TABLE></TABLE>";
        QTest::newRow("Ctrl+D") << int(Qt::Key_D) << "<TD></TD>";
        QTest::newRow("Ctrl+U") << int(Qt::Key_U) << "<U></U>";
    }
    void tagShortcutsWinOverTheEditorsKeys() {
        QFETCH(int, key);
        QFETCH(QString, inserted);
        UiTestApp app;
        QVERIFY(app.activate());
        app.editor().setText("ab\r\ncd");
        app.editor().setSelStart(1);
        app.editor().setFocus();
        QTest::keyClick(&app.editor(), Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(QString::fromStdString(app.editor().text()), "a" + inserted + "b\r\ncd");
    }

    // F4 to F8 hand the saved page to the configured programs, the path as
    // one argument.
    void functionKeysStartTheConfiguredPrograms_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("settingsKey");
        QTest::newRow("F4") << int(Qt::Key_F4) << "Browser";
        QTest::newRow("F5") << int(Qt::Key_F5) << "Browser2";
        QTest::newRow("F7") << int(Qt::Key_F7) << "ImageMapper";
        QTest::newRow("F8") << int(Qt::Key_F8) << "FTPClient";
    }
    void functionKeysStartTheConfiguredPrograms() {
        QFETCH(int, key);
        QFETCH(QString, settingsKey);
        TempFolder folder;
        const std::string page = folder.write("my site; \"x\".htm", "<P>x</P>");
        UiTestApp app({page});
        app.store.put("Apps", settingsKey.toStdString(), "/opt/tools/program");
        QVERIFY(app.activate());
        app.editor().setFocus();
        QTest::keyClick(&app.editor(), Qt::Key(key));
        QCOMPARE(app.launcher.launches.size(), std::size_t(1));
        QCOMPARE(app.launcher.launches[0].program, std::string("/opt/tools/program"));
        if (key == Qt::Key_F4 || key == Qt::Key_F5)
            QCOMPARE(app.launcher.launches[0].arguments, std::vector<std::string>{page});
    }

    // F6 strips the page to a text file.
    void f6StripsTheDocument() {
        TempFolder folder;
        const std::string page = folder.write("page.htm", "<P>Hello <B>world</B></P>");
        const std::string text = folder.path("page.txt");
        UiTestApp app({page});
        app.dialogs.fileAnswers = {text};
        QVERIFY(app.activate());
        app.editor().setFocus();
        QTest::keyClick(&app.editor(), Qt::Key_F6);
        QVERIFY(ReadAll(text).find("Hello world") != std::string::npos);
    }

    void timePanelClickInsertsDateAndTime() {
        UiTestApp app;
        app.editor().setText("0123456789");
        app.editor().setSelStart(2);
        app.editor().setSelLength(3);
        QTest::mouseClick(app.window.findChild<QLabel*>("Panel3D3"), Qt::LeftButton);
        const std::string stamp = FormatLongDate(app.clock.now()) + "  " + FormatTime(app.clock.now());
        QCOMPARE(app.editor().text(), "01" + stamp + "56789");
    }

    void mouseOverTheEditorShowsHelpAndTime() {
        UiTestApp app;
        app.window.setStatusText(StatusPanel::Help, "something else");
        QMouseEvent move(QEvent::MouseMove, QPointF(12, 12), QPointF(12, 12), app.editor().viewport()->mapToGlobal(QPointF(12, 12)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(app.editor().viewport(), &move);
        QCOMPARE(PanelText(app.window, "Panel3D2"), QString("Press F1 for Help"));
        QCOMPARE(PanelText(app.window, "Panel3D3"), QString("2:05 PM"));
    }

    void mouseOverTheClientAreaFocusesTheEditor() {
        UiTestApp app;
        QVERIFY(app.activate());
        Item(app.window.currentMenuBar(), "TileVert")->trigger();
        app.window.statusPanels()->setFocus();
        QVERIFY(!app.editor().hasFocus());
        QWidget* background = app.window.clientArea()->viewport();
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), background->mapToGlobal(QPointF(1, 1)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(background, &move);
        QVERIFY(app.editor().hasFocus());
    }

    void windowMenuArrangesAndListsWindows() {
        UiTestApp app;
        NewDocument(app.ctx);
        Item(app.window.currentMenuBar(), "TileVert")->trigger();
        const QList<QMdiSubWindow*> subs = app.window.clientArea()->subWindowList(QMdiArea::CreationOrder);
        QCOMPARE(subs.size(), 2);
        QVERIFY(!subs[0]->isMaximized());
        QCOMPARE(subs[0]->y(), subs[1]->y());
        QVERIFY(subs[0]->x() + subs[0]->width() <= subs[1]->x());

        Item(app.window.currentMenuBar(), "TileHoriz")->trigger();
        QCOMPARE(subs[0]->x(), subs[1]->x());
        QVERIFY(subs[0]->y() + subs[0]->height() <= subs[1]->y());

        QMenu* windowMenu = app.active()->menus().menu("Windowmenu");
        emit windowMenu->aboutToShow();
        QStringList listed;
        for (QAction* a : windowMenu->actions())
            if (a->isCheckable()) listed << a->text() + (a->isChecked() ? "*" : "");
        QCOMPARE(listed, (QStringList{"&1 Untitled:1", "&2 Untitled:2*"}));
        // Choosing an entry activates its window.
        for (QAction* a : windowMenu->actions())
            if (a->text() == "&1 Untitled:1") a->trigger();
        QCOMPARE(app.active()->caption(), std::string("Untitled:1"));
    }

    // A recent entry of the active window opens its file and keeps the list.
    void recentEntryOpensItsFile() {
        TempFolder folder;
        const std::string path = folder.write("recent.htm", "R");
        UiTestApp app;
        app.store.put("Startup", "RecentFile1", path);
        GetRecentFiles(app.ctx);
        QAction* entry = Item(app.window.currentMenuBar(), "mnuRecentFile(1)");
        QVERIFY(entry && entry->isVisible() && entry->isEnabled());
        QCOMPARE(entry->text(), QString::fromStdString(path));
        QVERIFY(Item(app.window.currentMenuBar(), "mnuRecentFile(0)")->isVisible());
        QCOMPARE(app.window.recentEntryCaption(1), path);
        entry->trigger();
        QCOMPARE(app.captions(), (std::vector<std::string>{"Untitled:1", path}));
        QCOMPARE(app.store.get("Startup", "RecentFile1", ""), path);
    }

    void exitClosesTheMainWindow() {
        UiTestApp app;
        Item(app.window.currentMenuBar(), "FileExit")->trigger();
        QVERIFY(!app.window.isVisible());
        QVERIFY(app.store.has("Window", "WindowXSize"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
