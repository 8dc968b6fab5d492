#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>
#include <functional>

#include "app/command_table.h"
#include "builders/special_characters.h"
#include "builders/ui/character_dialog_commands.h"
#include "builders/ui/special_characters_dialog.h"
#include "editor/document_lifecycle.h"
#include "editor/editing_commands.h"
#include "editor/insertion.h"
#include "editor/ui/edit_tag_dialogs.h"
#include "support/fakes.h"
#include "support/marked_text.h"
#include "support/ui_fixture.h"

using namespace quillane;
using quillane::testing::DialogDriver;
using quillane::testing::MarkedText;
using quillane::testing::QsciView;
using quillane::testing::SetMarkedText;
using quillane::testing::TestApp;

namespace {

struct Fixture : DialogDriver {
    Fixture() {
        app.shell.activate(view);
        RegisterCharacterDialogs(commands, nullptr);
    }
    void setText(const std::string& marked) { SetMarkedText(view.control, marked); }
    std::string marked() const { return MarkedText(view.control); }

    // Runs a command whose dialog is modal: `drive` acts on it once it is up.
    void runModal(const char* command, const std::function<void(QWidget*)>& drive) {
        RunModal([&] { QVERIFY(commands.run(command, app.ctx, nullptr)); }, drive);
    }
    static void tick(QWidget* dialog, const char* name) { child<QCheckBox>(dialog, name)->setChecked(true); }

    // A click on the middle of a cell of a page's picture.
    static void clickCell(QWidget* dialog, const char* picture, std::size_t page, std::size_t row, std::size_t cell,
                          Qt::MouseButton button = Qt::LeftButton) {
        const SpecialCharacterPage& p = SpecialCharacterPages()[page];
        const int columns = static_cast<int>(ColumnCount(p));
        const int rows = static_cast<int>(p.rows.size());
        const QPoint at((2 * static_cast<int>(cell) + 1) * p.width / (2 * columns),
                        (2 * static_cast<int>(row) + 1) * p.height / (2 * rows));
        QTest::mouseClick(child<QWidget>(dialog, picture), button, Qt::NoModifier, at);
    }

    TestApp app;
    QsciView view;
    CommandTable commands;
};

}  // namespace

class CharacterDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void formatCharHasItsControls() {
        Fixture f;
        QString caption, size, position, face, color;
        QStringList sizes, positions;
        bool allFound = true;
        f.runModal("mnuFormatChar", [&](QWidget* d) {
            caption = d->windowTitle();
            size = f.shown(d, "Combo1");
            position = f.shown(d, "Combo2");
            face = f.shown(d, "Combo3");
            color = f.shown(d, "Text1");
            for (int i = 0; i < f.child<QComboBox>(d, "Combo1")->count(); ++i)
                sizes << f.child<QComboBox>(d, "Combo1")->itemText(i);
            for (int i = 0; i < f.child<QComboBox>(d, "Combo2")->count(); ++i)
                positions << f.child<QComboBox>(d, "Combo2")->itemText(i);
            for (const char* name : {"Label3", "Command3", "Command2", "SSCommand1"})
                allFound = allFound && d->findChild<QPushButton*>(name);
            for (const char* name : {"SSFrame1", "SSFrame2"}) allFound = allFound && d->findChild<QGroupBox*>(name);
            for (int i = 1; i <= 16; ++i) {
                auto* box = d->findChild<QCheckBox*>(QString("SSCheck%1").arg(i));
                allFound = allFound && box && !box->isChecked();
            }
            QCOMPARE(f.child<QCheckBox>(d, "SSCheck9")->text(), QString("Emphasis <EM>"));
            QCOMPARE(d->objectName(), QString("FormatChar"));
            f.click(d, "Command2");
        });
        QCOMPARE(caption, QString("Format Characters"));
        QCOMPARE(size, QString("Default"));
        QCOMPARE(position, QString("Normal"));
        QCOMPARE(face, QString());
        QCOMPARE(color, QString());
        QCOMPARE(sizes, QStringList({"Default", "1 - small", "2", "3", "4", "5", "6", "7 - large"}));
        QCOMPARE(positions, QStringList({"Normal", "Subscript", "Superscript"}));
        QVERIFY(allFound);
    }

    void formatCharOkWrapsTheSelection_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<std::function<void(QWidget*)>>("fill");
        QTest::addColumn<QString>("after");
        QTest::newRow("nothing changed, selection") << "a[Hello]b" << std::function<void(QWidget*)>([](QWidget*) {})
                                                    << "a[Hello]b";
        QTest::newRow("nothing changed, caret") << "ab|c" << std::function<void(QWidget*)>([](QWidget*) {})
                                                << "ab|c";
        QTest::newRow("size 3 and bold") << "x[Hello]y" << std::function<void(QWidget*)>([](QWidget* d) {
            DialogDriver::type(d, "Combo1", "3");
            Fixture::tick(d, "SSCheck1");
        }) << "x<FONT SIZE=3><B>[Hello]</B></FONT>y";
        QTest::newRow("face colour italic code superscript")
            << "|" << std::function<void(QWidget*)>([](QWidget* d) {
                   DialogDriver::type(d, "Combo3", "Arial");
                   DialogDriver::type(d, "Text1", "FF0000");
                   Fixture::tick(d, "SSCheck2");
                   Fixture::tick(d, "SSCheck7");
                   DialogDriver::type(d, "Combo2", "Superscript");
               })
            << "<FONT FACE=\"Arial\" COLOR=\"#FF0000\"><I><CODE><SUP>|</SUP></CODE></I></FONT>";
        QTest::newRow("typed size, base font not read")
            << "[w]" << std::function<void(QWidget*)>([](QWidget* d) {
                   DialogDriver::type(d, "Combo1", "+1");
                   Fixture::tick(d, "SSCheck16");
               })
            << "<FONT SIZE=+1>[w]</FONT>";
    }

    void formatCharOkWrapsTheSelection() {
        QFETCH(QString, before);
        QFETCH(std::function<void(QWidget*)>, fill);
        QFETCH(QString, after);
        Fixture f;
        f.setText(before.toStdString());
        bool closed = false;
        f.runModal("mnuFormatChar", [&](QWidget* d) {
            fill(d);
            f.click(d, "Command3");
            closed = !d->isVisible();
        });
        QVERIFY(closed);
        QCOMPARE(QString::fromStdString(f.marked()), after);
    }

    void formatCharEnterIsNotOk() {
        Fixture f;
        f.setText("[a]");
        bool open = false;
        f.runModal("mnuFormatChar", [&](QWidget* d) {
            f.type(d, "Combo1", "4");
            QTest::keyClick(f.box(d, "Combo1"), Qt::Key_Return);
            QTest::keyClick(f.box(d, "Text1"), Qt::Key_Return);
            open = d->isVisible();
            QCOMPARE(f.child<QComboBox>(d, "Combo1")->count(), 8);
            f.click(d, "Command2");
        });
        QVERIFY(open);
        QCOMPARE(f.marked(), std::string("[a]"));
    }

    void formatCharColourBox() {
        Fixture f;
        f.app.dialogs.colorAnswers = {std::nullopt, Rgb{255, 0, 16}};
        QStringList seen;
        f.runModal("mnuFormatChar", [&](QWidget* d) {
            f.click(d, "Label3");
            seen << f.shown(d, "Text1");
            f.click(d, "Label3");
            seen << f.shown(d, "Text1");
            f.click(d, "Command2");
        });
        QCOMPARE(seen, QStringList({"", "FF0010"}));
    }

    void cancelChangesNothingAndClearsEditTagMode() {
        Fixture f;
        f.setText("a[b]c");
        f.app.ctx.editTagMode = true;
        f.runModal("SSCommand37", [&](QWidget* d) {
            f.type(d, "Combo3", "Arial");
            f.click(d, "Command2");
        });
        QCOMPARE(f.marked(), std::string("a[b]c"));
        QVERIFY(!f.app.ctx.editTagMode);
    }

    // Edit Tag on a FONT tag fills face, size and colour; OK replaces the tag
    // alone, leaving the text and the old "</FONT>".
    void editTagRoundTrip() {
        Fixture f;
        RegisterEditingCommands(f.commands);
        RegisterEditTagDialogs(f.commands, nullptr);
        f.setText("x<font face=\"Times New Roman\" size=2 color=\"#00FF00\">T|ext</font>y");
        QString face, size, color, name;
        bool mode = false;
        f.RunModal([&] { QVERIFY(f.commands.run("mnuEditTag", f.app.ctx, nullptr)); },
                   [&](QWidget* d) {
                       name = d->objectName();
                       face = f.shown(d, "Combo3");
                       size = f.shown(d, "Combo1");
                       color = f.shown(d, "Text1");
                       mode = f.app.ctx.editTagMode;
                       f.type(d, "Combo1", "5");
                       Fixture::tick(d, "SSCheck1");
                       f.click(d, "Command3");
                   });
        QCOMPARE(name, QString("FormatChar"));
        QCOMPARE(face, QString("Times New Roman"));
        QCOMPARE(size, QString("2"));
        QCOMPARE(color, QString("00FF00"));
        QVERIFY(mode);
        QCOMPARE(f.marked(), std::string("x<FONT FACE=\"Times New Roman\" COLOR=\"#00FF00\" SIZE=5><B>|Text</font>y"));
        QVERIFY(!f.app.ctx.editTagMode);
    }

    void specialCharactersHasItsControls() {
        Fixture f;
        QString caption, status, current;
        QStringList tabs;
        bool found = true;
        f.runModal("mnuChars", [&](QWidget* d) {
            caption = d->windowTitle();
            status = f.child<QLabel>(d, "Label2")->text();
            auto* strip = f.child<QTabBar>(d, "TabStrip1");
            for (int i = 0; i < strip->count(); ++i) tabs << strip->tabText(i);
            for (const char* name : {"Picture4(0)", "Picture4(1)", "Picture4(2)", "Picture1", "Picture2", "Picture3"})
                found = found && d->findChild<QWidget*>(name);
            for (const char* name : {"Command3", "SSCommand2"}) found = found && d->findChild<QPushButton*>(name);
            found = found && f.child<QWidget>(d, "Picture1")->isVisible() &&
                    !f.child<QWidget>(d, "Picture2")->isVisible();
            strip->setCurrentIndex(2);
            found = found && f.child<QWidget>(d, "Picture3")->isVisible() &&
                    !f.child<QWidget>(d, "Picture1")->isVisible();
            f.click(d, "Command3");
        });
        QCOMPARE(caption, QString("Special Characters"));
        QCOMPARE(status, QString());
        QCOMPARE(tabs, QStringList({"Vowels", "Various", "Math"}));
        QVERIFY(found);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // Each click inserts at the caret and the dialog stays open; an empty cell
    // removes the selection; a click outside every cell inserts nothing.
    void specialCharactersInsert() {
        Fixture f;
        f.setText("a[XY]b");
        QString status;
        bool open = false;
        std::vector<std::string> steps;
        f.runModal("mnuChars", [&](QWidget* d) {
            f.clickCell(d, "Picture1", 0, 0, 0);
            steps.push_back(f.marked());
            status = f.child<QLabel>(d, "Label2")->text();
            f.child<QTabBar>(d, "TabStrip1")->setCurrentIndex(1);
            f.clickCell(d, "Picture2", 1, 0, 8, Qt::RightButton);
            f.clickCell(d, "Picture2", 1, 0, 0);
            steps.push_back(f.marked());
            f.view.control.setSelStart(1);
            f.view.control.setSelLength(2);
            f.clickCell(d, "Picture2", 1, 1, 6);
            steps.push_back(f.marked());
            f.child<QTabBar>(d, "TabStrip1")->setCurrentIndex(0);
            f.clickCell(d, "Picture1", 0, 0, 10);  // right of the row's last cell
            steps.push_back(f.marked());
            open = d->isVisible();
            f.click(d, "Command3");
        });
        QCOMPARE(status, QString("Character inserted!"));
        QVERIFY(open);
        QCOMPARE(steps, (std::vector<std::string>{"a&Agrave;|b", "a&Agrave;&copy;&#185;|b",
                                                  "a|grave;&copy;&#185;b", "a|grave;&copy;&#185;b"}));
    }

    void specialCharactersUndoSnapshot() {
        Fixture f;
        f.setText("ab|");
        f.runModal("mnuChars", [&](QWidget* d) {
            f.clickCell(d, "Picture1", 0, 1, 6);
            f.click(d, "Command3");
        });
        QCOMPARE(f.marked(), std::string("ab&aelig;|"));
        QVERIFY(HasUndoSnapshotFor(f.app.ctx, f.view));
    }
};

QTEST_MAIN(CharacterDialogsTest)
#include "character_dialogs_test.moc"
