#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QTest>

#include "app/ui/ui_test_app.h"
#include "editor/document_lifecycle.h"
#include "editor/ui/recent_menu_entries.h"
#include "platform/twips.h"

using namespace quillane;
using namespace quillane::testing;

class DocumentWindowTest : public QObject {
    Q_OBJECT

private slots:
    void captionAndTagAreKeptExactly() {
        UiTestApp app;
        Form2* form = app.active();
        QCOMPARE(form->objectName(), QString("Form2"));
        QCOMPARE(form->property("tag").toString(), QString("1"));
        const std::string odd = "/tmp/caf\xe9 [*] & co.htm";  // not UTF-8, and Qt's title marker
        form->setCaption(odd);
        QCOMPARE(form->caption(), odd);
        QVERIFY(app.subWindowOf(form)->windowTitle().contains("[*]"));
    }

    void recentEntriesKeepTheirPath() {
        UiTestApp app;
        Form2* form = app.active();
        QAction* separator = form->menus().action("mnuRecentFile(0)");
        QAction* second = form->menus().action("mnuRecentFile(2)");
        QVERIFY(separator && second);
        QVERIFY(!separator->isVisible() && !second->isVisible());
        QCOMPARE(RecentMenuEntryCaption(form->menus(), 2), std::string("RecentFile2"));

        form->setRecentEntry(0, "-", true);
        form->setRecentEntry(2, "/docs/R&D.htm", true);
        QVERIFY(separator->isVisible() && second->isVisible());
        QCOMPARE(second->text(), QString("/docs/R&&D.htm"));  // shown with a plain '&'
        QCOMPARE(RecentMenuEntryCaption(form->menus(), 2), std::string("/docs/R&D.htm"));
    }

    void menuItemsShowAndHideByName() {
        UiTestApp app;
        Form2* form = app.active();
        const char* names[] = {"mnuTableMaker", "mnuImportExport", "FileSave"};
        for (const char* name : names) {
            form->setMenuItemVisible(name, false);
            QVERIFY2(!form->menuItemVisible(name), name);
            form->setMenuItemVisible(name, true);
            QVERIFY2(form->menuItemVisible(name), name);
        }
        form->setMenuItemVisible("noSuchItem", true);  // ignored
        QVERIFY(!form->menuItemVisible("noSuchItem"));
    }

    // With word wrap the right margin follows the window's width.
    void wordWrapMarginFollowsResize() {
        UiTestApp app;
        app.window.setGeometry(TwipsRect{0, 0, 12000, 9000});
        Form2* form = app.active();
        QVERIFY(form->wordWrapChecked());
        QVERIFY(form->menus().action("mnuWordWrap")->isChecked());
        QCOMPARE(form->innerWidthTwips(), PixelsToTwips(form->width(), form->logicalDpiX()));
        const int before = form->innerWidthTwips();
        QCOMPARE(form->editor().rightMargin(), before - 250);

        app.window.setGeometry(TwipsRect{0, 0, 9000, 9000});
        QVERIFY(form->innerWidthTwips() < before);
        QCOMPARE(form->editor().rightMargin(), form->innerWidthTwips() - 250);

        // Unchecked, the margin stays where it was.
        form->setWordWrapChecked(false);
        form->editor().setRightMargin(20000);
        app.window.setGeometry(TwipsRect{0, 0, 12000, 9000});
        QCOMPARE(form->editor().rightMargin(), 20000);
    }

    void rightButtonOpensTheEditMenu() {
        UiTestApp app;
        Form2* form = app.active();
        app.editor().setText("keep this selection");
        app.editor().setSelStart(5);
        app.editor().setSelLength(4);
        QWidget* viewport = app.editor().viewport();
        QTest::mousePress(viewport, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QMenu* edit = form->menus().menu("EditMenu");
        QTRY_VERIFY(edit->isVisible());
        edit->hide();
        QTest::mouseRelease(viewport, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        // The click did not move the caret: the menu acts on the selection.
        QCOMPARE(app.editor().selStart(), 5u);
        QCOMPARE(app.editor().selLength(), 4u);
    }

    // The editor taking the focus brings the search dialogs to the front.
    void editorFocusRaisesTheSearchDialogs() {
        struct CountingDialogs : SearchDialogs {
            void showFind(const std::string&) override {}
            void showReplace(const std::string&, bool) override {}
            void hideReplace() override {}
            void closeAll() override {}
            void bringToFront() override { ++raised; }
            int raised = 0;
        };
        UiTestApp app;
        QVERIFY(app.activate());
        CountingDialogs dialogs;
        SearchDialogs* before = app.ctx.search.dialogs;
        app.ctx.search.dialogs = &dialogs;
        app.window.statusBar()->setFocus();
        QCOMPARE(dialogs.raised, 0);
        app.editor().setFocus();
        QCOMPARE(dialogs.raised, 1);
        QVERIFY(app.editor().hasFocus());
        app.ctx.search.dialogs = before;
    }
};

QTEST_MAIN(DocumentWindowTest)
#include "document_window_test.moc"
