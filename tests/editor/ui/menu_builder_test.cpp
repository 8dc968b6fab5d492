#include "editor/ui/menu_builder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>
#include <memory>

#include "app/command_table.h"
#include "builders/simple_tag_commands.h"
#include "editor/document_lifecycle.h"
#include "support/fakes.h"

using namespace quillane;
using quillane::testing::FakeDocumentView;
using quillane::testing::TestApp;

class MenuBuilderTest : public QObject {
    Q_OBJECT

private slots:
    void everyEntryIsFoundByItsName();
    void captionsShortcutsAndVisibilityAreAsDesigned();
    void enabledFollowsTheCommandTable();
    void choosingAnItemRunsItsCommandOnTheWindow();
    void checkMarksBelongToTheCommands();
    void shortcutListCoversTheTree();
    void mainWindowMenu();
};

void MenuBuilderTest::everyEntryIsFoundByItsName() {
    TestApp app;
    CommandTable commands;
    BuiltMenuBar built = BuildMenuBar(DocumentMenuTree(), commands, app.ctx, nullptr);
    std::unique_ptr<QMenuBar> owner(built.bar);

    for (const MenuItem& item : DocumentMenuTree()) {
        const QString name = QString::fromStdString(item.name);
        QAction* action = built.action(name);
        QVERIFY2(action, qPrintable(name));
        QCOMPARE(action->objectName(), name);
        QCOMPARE(action->isSeparator(), item.kind == MenuKind::Separator);
        if (item.kind == MenuKind::Menu) {
            QMenu* menu = built.bar->findChild<QMenu*>(name);
            QVERIFY2(menu, qPrintable(name));
            QCOMPARE(built.menu(name), menu);
            QCOMPARE(menu->menuAction(), action);
        } else {
            QCOMPARE(built.bar->findChild<QAction*>(name), action);
        }
    }
    // Items sit in their own submenu.
    QVERIFY(built.menu("Headings")->actions().contains(built.action("heading(3)")));
    QVERIFY(built.menu("mnuJavaTags")->actions().contains(built.action("mnuJavaScript")));
    QCOMPARE(built.menu("FileMenu")->actions().size(), 14);
}

void MenuBuilderTest::captionsShortcutsAndVisibilityAreAsDesigned() {
    TestApp app;
    CommandTable commands;
    BuiltMenuBar built = BuildMenuBar(DocumentMenuTree(), commands, app.ctx, nullptr);
    std::unique_ptr<QMenuBar> owner(built.bar);

    QCOMPARE(built.action("cut")->text(), QString("Cu&t                 Ctrl-X"));
    QCOMPARE(built.action("cut")->shortcut(), QKeySequence());
    QCOMPARE(built.action("mnuNBSP")->text(), QString("Non-breaking spa&ce - &&nbsp;"));
    QCOMPARE(built.menu("InsertMenu")->title(), QString("&Insert HTML"));
    QCOMPARE(built.action("Bold")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
    QCOMPARE(built.action("heading(1)")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));
    QCOMPARE(built.action("mnuSUP")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1));
    QCOMPARE(built.action("mnuSUB")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
    QCOMPARE(built.action("mnuColorize")->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(built.action("mnuSFindNext")->shortcut(), QKeySequence(Qt::Key_F3));
    QCOMPARE(built.action("FileOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));

    for (const char* hidden : {"mnuBanner", "mnuRecentFile(0)", "mnuRecentFile(4)", "mnuToolbox", "mnuRightFileMenu"}) {
        QVERIFY2(!built.action(hidden)->isVisible(), hidden);
    }
    for (const char* shown : {"Bold", "InsertMenu", "mnuTable", "sep14", "FileExit"}) {
        QVERIFY2(built.action(shown)->isVisible(), shown);
    }
    QCOMPARE(built.action("mnuRecentFile(2)")->text(), QString("RecentFile2"));
    // The pop-up file menu is carried, invisible in the bar.
    QVERIFY(built.menu("mnuRightFileMenu")->actions().contains(built.action("mnuFileDelete")));
}

void MenuBuilderTest::enabledFollowsTheCommandTable() {
    TestApp app;
    CommandTable commands;
    commands.add("Bold", [](AppContext&, DocumentView*) {});
    commands.add("mnuBanner", [](AppContext&, DocumentView*) {});
    BuiltMenuBar built = BuildMenuBar(DocumentMenuTree(), commands, app.ctx, nullptr);
    std::unique_ptr<QMenuBar> owner(built.bar);

    QVERIFY(built.action("Bold")->isEnabled());
    QVERIFY(!built.action("Italic")->isEnabled());
    QVERIFY(!built.action("mnuPageProps")->isEnabled());
    for (const char* always : {"InsertMenu", "Styles", "sep14"}) {
        QVERIFY2(built.action(always)->isEnabled(), always);
    }
    // Hidden entries read as disabled while hidden; shown, they follow the
    // same rule.
    for (const char* hidden : {"mnuRightFileMenu", "mnuRecentFile(0)", "mnuBanner", "mnuLit"}) {
        built.action(hidden)->setVisible(true);
    }
    QVERIFY(built.action("mnuRightFileMenu")->isEnabled());
    QVERIFY(built.action("mnuRecentFile(0)")->isEnabled());
    QVERIFY(built.action("mnuBanner")->isEnabled());
    QVERIFY(!built.action("mnuLit")->isEnabled());
}

void MenuBuilderTest::choosingAnItemRunsItsCommandOnTheWindow() {
    TestApp app;
    FakeDocumentView& first = dynamic_cast<FakeDocumentView&>(NewDocument(app.ctx));
    FakeDocumentView& second = dynamic_cast<FakeDocumentView&>(NewDocument(app.ctx));
    QCOMPARE(app.active(), &second);

    CommandTable commands;
    RegisterSimpleTagCommands(commands);
    AppContext* seenContext = nullptr;
    DocumentView* seenTarget = nullptr;
    commands.add("mnuPageProps", [&](AppContext& ctx, DocumentView* target) {
        seenContext = &ctx;
        seenTarget = target;
    });

    // The bar of the first window acts on the first window.
    BuiltMenuBar built = BuildMenuBar(DocumentMenuTree(), commands, app.ctx, &first);
    std::unique_ptr<QMenuBar> owner(built.bar);
    built.action("mnuPageProps")->trigger();
    QCOMPARE(seenContext, &app.ctx);
    QCOMPARE(seenTarget, static_cast<DocumentView*>(&first));

    first.editor().setText("abcd");
    first.editor().setSelStart(2);
    built.action("Bold")->trigger();
    QCOMPARE(QString::fromStdString(first.editor().text()), QString("ab<B></B>cd"));
    QCOMPARE(first.editor().selStart(), std::size_t(5));
    QCOMPARE(QString::fromStdString(second.editor().text()), QString());

    // A disabled item runs nothing.
    built.action("mnuEditTag")->trigger();
}

void MenuBuilderTest::checkMarksBelongToTheCommands() {
    TestApp app;
    FakeDocumentView& view = dynamic_cast<FakeDocumentView&>(NewDocument(app.ctx));
    CommandTable commands;
    int runs = 0;
    QAction* wrapAction = nullptr;
    commands.add("mnuWordWrap", [&](AppContext&, DocumentView* target) {
        ++runs;
        // The command sees the mark as it was and sets it itself.
        QVERIFY(!wrapAction->isChecked());
        target->setWordWrapChecked(true);
        wrapAction->setChecked(true);
    });
    BuiltMenuBar built = BuildMenuBar(DocumentMenuTree(), commands, app.ctx, &view);
    std::unique_ptr<QMenuBar> owner(built.bar);
    wrapAction = built.action("mnuWordWrap");

    QVERIFY(wrapAction->isCheckable());
    QVERIFY(!wrapAction->isChecked());
    wrapAction->trigger();
    QCOMPARE(runs, 1);
    QVERIFY(wrapAction->isChecked());
    QVERIFY(view.wordWrapChecked());

    QVERIFY(built.action("mnuToolbox")->isCheckable());
    QVERIFY(built.action("mnuToolbox")->isChecked());
}

void MenuBuilderTest::shortcutListCoversTheTree() {
    const QList<QKeySequence> keys = MenuShortcuts(DocumentMenuTree());
    int withShortcut = 0;
    for (const MenuItem& item : DocumentMenuTree()) withShortcut += item.shortcut.empty() ? 0 : 1;
    QCOMPARE(keys.size(), withShortcut);
    for (const QKeySequence& key : keys) QVERIFY(!key.isEmpty());
    QVERIFY(keys.contains(QKeySequence(Qt::CTRL | Qt::Key_L)));
    QVERIFY(keys.contains(QKeySequence(Qt::CTRL | Qt::Key_D)));
    QVERIFY(keys.contains(QKeySequence(Qt::SHIFT | Qt::Key_F6)));
    QVERIFY(keys.contains(QKeySequence(Qt::Key_F8)));
    QVERIFY(!keys.contains(QKeySequence(Qt::CTRL | Qt::Key_X)));
}

void MenuBuilderTest::mainWindowMenu() {
    TestApp app;
    CommandTable commands;
    commands.add("mnuPrefs", [](AppContext&, DocumentView*) {});
    BuiltMenuBar built = BuildMenuBar(MainMenuTree(), commands, app.ctx, nullptr);
    std::unique_ptr<QMenuBar> owner(built.bar);

    QCOMPARE(built.bar->actions().size(), 3);
    QVERIFY(built.action("mnuPrefs")->isEnabled());
    QVERIFY(built.action("sep10")->isSeparator());
    QVERIFY(built.action("mnuRecentFile(0)")->isSeparator());
    QVERIFY(!built.action("mnuRecentFile(0)")->isVisible());
    QCOMPARE(built.action("mnuWebWiz")->text(), QString("&Web Wizard..."));
    QVERIFY(MenuShortcuts(MainMenuTree()).isEmpty());
}

QTEST_MAIN(MenuBuilderTest)
#include "menu_builder_test.moc"
