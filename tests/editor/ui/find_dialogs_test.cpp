#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "app/command_table.h"
#include "editor/find_replace.h"
#include "editor/ui/find_dialog.h"
#include "editor/ui/replace_dialog.h"
#include "editor/ui/search_dialogs.h"
#include "support/fakes.h"
#include "support/ui_fixture.h"

using namespace quillane;
using quillane::testing::DialogDriver;
using quillane::testing::QsciView;
using quillane::testing::TestApp;

namespace {

// The program around the dialogs: scripted platform, one document with the
// real editor, the search commands registered under a main window.
struct Fixture : DialogDriver {
    Fixture() {
        app.shell.activate(view);
        RegisterFindCommands(commands);
        host = &RegisterSearchDialogCommands(commands, app.ctx, mainWindow);
    }
    void setText(const std::string& text) {
        view.control.setText(text);
        view.control.setSelStart(0);
    }
    void run(const char* command) { commands.run(command, app.ctx, &view); }
    std::pair<std::size_t, std::size_t> selection() const {
        return {view.control.selStart(), view.control.selLength()};
    }
    // Lets unloaded dialogs go.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TestApp app;
    QsciView view;
    QWidget mainWindow;
    CommandTable commands;
    SearchDialogHost* host = nullptr;
};

using Sel = std::pair<std::size_t, std::size_t>;
const std::string kDone = "Quillane has finished searching the document.";

}  // namespace

class FindDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void findDialogHasItsControls();
    void typingAfterOpeningGoesIntoFindWhat();
    void findSelectsEachMatchThenReportsAndCloses();
    void aSelectionPrefillsAndIsFoundFirst();
    void directionCaseAndCancel();
    void replaceDialogHasItsControls();
    void replaceAlternatesAndReplaceAllCounts();
    void aSelectionPrefillsReplaceAndFocusesTheReplacement();
    void mouseOverADialogClearsTheStatusLine();
};

void FindDialogsTest::findDialogHasItsControls() {
    Fixture f;
    f.run("mnuSFind");
    frmFind* d = f.host->findDialog();
    QVERIFY(d);
    QCOMPARE(d->objectName(), QString("frmFind"));
    QVERIFY(d->isVisible());
    QVERIFY(!d->isModal());
    QCOMPARE(f.child<QLabel>(d, "Label1")->text(), QString("Fi&nd What:"));
    QCOMPARE(f.child<QLabel>(d, "Label1")->buddy(), f.child<QLineEdit>(d, "Text1"));
    QCOMPARE(f.child<QGroupBox>(d, "Frame1")->title(), QString("Direction"));
    QCOMPARE(f.child<QRadioButton>(d, "optDirection(0)")->text(), QString("&Up"));
    QCOMPARE(f.child<QRadioButton>(d, "optDirection(1)")->text(), QString("&Down"));
    QVERIFY(f.child<QRadioButton>(d, "optDirection(1)")->isChecked());
    QCOMPARE(f.child<QCheckBox>(d, "chkCase")->text(), QString("Match &Case"));
    QCOMPARE(f.child<QPushButton>(d, "cmdFind")->text(), QString("&Find"));
    QCOMPARE(f.child<QPushButton>(d, "cmdcancel")->text(), QString("&Cancel"));

    // Find is enabled exactly while there is something to find.
    QVERIFY(!f.child<QPushButton>(d, "cmdFind")->isEnabled());
    f.type(d, "Text1", "x");
    QVERIFY(f.child<QPushButton>(d, "cmdFind")->isEnabled());
    f.type(d, "Text1", "");
    QVERIFY(!f.child<QPushButton>(d, "cmdFind")->isEnabled());

    // Opening it again keeps the one dialog.
    f.run("mnuSFind");
    QCOMPARE(f.host->findDialog(), d);
}

// Ctrl+F and type: the keys go into "Find What:", replacing what it was
// opened with; Tab then goes through the options and the buttons.
void FindDialogsTest::typingAfterOpeningGoesIntoFindWhat() {
    Fixture f;
    f.app.ctx.search.lastFindText = "old";
    f.run("mnuSFind");
    frmFind* d = f.host->findDialog();
    QVERIFY(QTest::qWaitForWindowActive(d));
    QLineEdit* text1 = f.child<QLineEdit>(d, "Text1");
    QCOMPARE(QApplication::focusWidget(), text1);
    QTest::keyClicks(QApplication::focusWidget(), "new");
    QCOMPARE(text1->text(), QString("new"));

    // The two direction options are one stop.
    QStringList order;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, QStringList({"optDirection(0)", "chkCase", "cmdFind", "cmdcancel", "Text1"}));
}

void FindDialogsTest::findSelectsEachMatchThenReportsAndCloses() {
    Fixture f;
    f.setText("abab");
    f.run("mnuSFind");
    frmFind* d = f.host->findDialog();
    f.type(d, "Text1", "ab");
    f.click(d, "cmdFind");
    QCOMPARE(f.selection(), Sel(0, 2));
    f.click(d, "cmdFind");
    QCOMPARE(f.selection(), Sel(2, 2));
    QVERIFY(d->isVisible());
    QVERIFY(f.app.messages.shown.empty());

    f.click(d, "cmdFind");
    QCOMPARE(f.app.messages.texts(), std::vector<std::string>{kDone});
    QCOMPARE(f.selection(), Sel(2, 2));
    QVERIFY(!f.host->findDialog());
    QPointer<frmFind> gone(d);
    Fixture::settle();
    QVERIFY(gone.isNull());

    // F3 goes on with the same text; the next search starts past the caret.
    f.view.control.setSelStart(0);
    f.run("mnuSFindNext");
    QCOMPARE(f.selection(), Sel(0, 2));
    f.run("mnuSFindNext");
    QCOMPARE(f.selection(), Sel(2, 2));
}

void FindDialogsTest::aSelectionPrefillsAndIsFoundFirst() {
    Fixture f;
    f.setText("one two two");
    f.view.control.setSelStart(8);
    f.view.control.setSelLength(3);
    f.run("mnuSFind");
    frmFind* d = f.host->findDialog();
    QCOMPARE(f.child<QLineEdit>(d, "Text1")->text(), QString("two"));
    QVERIFY(f.child<QPushButton>(d, "cmdFind")->isEnabled());
    f.click(d, "cmdFind");
    QCOMPARE(f.selection(), Sel(8, 3));
    QCOMPARE(f.app.ctx.search.lastFindText, std::string("two"));

    // Without a selection the last text comes back.
    f.view.control.setSelStart(0);
    f.run("mnuReplace");
    QCOMPARE(f.child<QLineEdit>(f.host->replaceDialog(), "Text1")->text(), QString("two"));
}

void FindDialogsTest::directionCaseAndCancel() {
    Fixture f;
    f.setText("AB ab AB");
    f.view.control.setSelStart(8);
    f.run("mnuSFind");
    frmFind* d = f.host->findDialog();
    QTest::mouseClick(f.child<QRadioButton>(d, "optDirection(0)"), Qt::LeftButton);
    QVERIFY(!f.app.ctx.search.searchDown);
    QTest::mouseClick(f.child<QCheckBox>(d, "chkCase"), Qt::LeftButton);
    QVERIFY(f.app.ctx.search.matchCase);
    f.type(d, "Text1", "ab");
    f.click(d, "cmdFind");
    QCOMPARE(f.selection(), Sel(3, 2));  // the upper-case ones are passed over

    f.click(d, "cmdcancel");
    QVERIFY(!f.host->findDialog());
    QCOMPARE(f.app.ctx.search.findWhat, std::string("ab"));

    // The case rule outlives the dialog and shows in the next one, which
    // starts searching downward again.
    f.run("mnuSFind");
    d = f.host->findDialog();
    QVERIFY(f.child<QCheckBox>(d, "chkCase")->isChecked());
    QVERIFY(f.child<QRadioButton>(d, "optDirection(1)")->isChecked());
    QVERIFY(f.app.ctx.search.searchDown);

    // Escape acts as Cancel.
    f.type(d, "Text1", "zz");
    QTest::keyClick(d, Qt::Key_Escape);
    QVERIFY(!f.host->findDialog());
    QCOMPARE(f.app.ctx.search.findWhat, std::string("zz"));
}

void FindDialogsTest::replaceDialogHasItsControls() {
    Fixture f;
    f.run("mnuReplace");
    Replace* d = f.host->replaceDialog();
    QVERIFY(d);
    QCOMPARE(d->objectName(), QString("Replace"));
    QVERIFY(!d->isModal());
    QCOMPARE(f.child<QLabel>(d, "Label1")->text(), QString("Fi&nd:"));
    QCOMPARE(f.child<QLabel>(d, "Label2")->text(), QString("Re&place:"));
    QCOMPARE(f.child<QLabel>(d, "Label2")->buddy(), f.child<QLineEdit>(d, "Text2"));
    QCOMPARE(f.child<QRadioButton>(d, "optDirection(0)")->text(), QString("&Up"));
    QCOMPARE(f.child<QCheckBox>(d, "chkCase")->text(), QString("Match &Case"));
    const char* names[] = {"Command1", "Command2", "Command3", "Command4"};
    const char* captions[] = {"&Find Next", "&Replace", "Replace &All", "&Cancel"};
    for (int i = 0; i < 4; ++i) QCOMPARE(f.child<QPushButton>(d, names[i])->text(), QString(captions[i]));

    // Centred on the screen.
    QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((d->geometry().center() - screenCentre).manhattanLength() <= 2);

    struct Row {
        QString find, with;
        bool findNext, replace;
    };
    const Row rows[] = {{"", "", false, false}, {"a", "", true, false}, {"", "b", false, false}, {"a", "b", true, true}};
    for (const Row& r : rows) {
        f.type(d, "Text1", r.find);
        f.type(d, "Text2", r.with);
        QCOMPARE(f.child<QPushButton>(d, "Command1")->isEnabled(), r.findNext);
        QCOMPARE(f.child<QPushButton>(d, "Command2")->isEnabled(), r.replace);
        QCOMPARE(f.child<QPushButton>(d, "Command3")->isEnabled(), r.replace);
        QVERIFY(f.child<QPushButton>(d, "Command4")->isEnabled());
    }
}

void FindDialogsTest::replaceAlternatesAndReplaceAllCounts() {
    Fixture f;
    f.setText("a-a-a");
    f.view.control.emptyUndoBuffer();
    f.run("mnuReplace");
    Replace* d = f.host->replaceDialog();
    f.type(d, "Text1", "a");
    f.type(d, "Text2", "bb");
    f.click(d, "Command2");
    QCOMPARE(f.selection(), Sel(0, 1));
    f.click(d, "Command2");
    QCOMPARE(f.view.control.text(), std::string("bb-a-a"));
    QCOMPARE(f.selection(), Sel(2, 0));
    f.click(d, "Command1");
    QCOMPARE(f.selection(), Sel(3, 1));

    // Replace All goes on from the caret, which stands on a match.
    f.click(d, "Command3");
    QCOMPARE(f.view.control.text(), std::string("bb-a-bb"));
    QCOMPARE(f.app.messages.texts(),
             std::vector<std::string>{"Quillane has completed searching the document.  A total of  1 replacements were made"});
    QVERIFY(!f.host->replaceDialog());
    QCOMPARE(f.app.ctx.search.replaceCount, std::size_t(0));

    // From the start every match goes, in one undo step.
    f.view.control.setSelStart(0);
    f.run("mnuReplace");
    d = f.host->replaceDialog();
    f.type(d, "Text1", "B");
    f.type(d, "Text2", "ab");
    f.click(d, "Command3");
    QCOMPARE(f.view.control.text(), std::string("abab-a-abab"));
    QCOMPARE(f.app.messages.texts().back(),
             std::string("Quillane has completed searching the document.  A total of  4 replacements were made"));
    QCOMPARE(f.selection(), Sel(11, 0));
    f.view.control.undo();
    QCOMPARE(f.view.control.text(), std::string("bb-a-bb"));
}

void FindDialogsTest::aSelectionPrefillsReplaceAndFocusesTheReplacement() {
    Fixture f;
    f.setText("<b>x</b>");
    f.view.control.setSelStart(0);
    f.view.control.setSelLength(3);
    f.run("mnuReplace");
    Replace* d = f.host->replaceDialog();
    QCOMPARE(f.child<QLineEdit>(d, "Text1")->text(), QString("<b>"));
    QCOMPARE(d->focusWidget(), f.child<QLineEdit>(d, "Text2"));
    QVERIFY(f.child<QPushButton>(d, "Command1")->isEnabled());
    QVERIFY(!f.child<QPushButton>(d, "Command2")->isEnabled());

    // A search that finds nothing closes both dialogs.
    f.run("mnuSFind");
    f.type(f.host->findDialog(), "Text1", "zz");
    f.click(f.host->findDialog(), "cmdFind");
    QVERIFY(!f.host->findDialog());
    QVERIFY(!f.host->replaceDialog());
}

void FindDialogsTest::mouseOverADialogClearsTheStatusLine() {
    Fixture f;
    f.run("mnuSFind");
    f.app.shell.status[StatusPanel::Help] = "Press F1 for Help";
    QWidget* d = f.host->findDialog();
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), d->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(d, &move);
    QCOMPARE(f.app.shell.status[StatusPanel::Help], std::string());
}

QTEST_MAIN(FindDialogsTest)
#include "find_dialogs_test.moc"
