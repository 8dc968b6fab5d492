#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/command_table.h"
#include "builders/list_builders.h"
#include "builders/ui/list_dialog_commands.h"
#include "builders/ui/list_dialogs.h"
#include "support/fakes.h"
#include "support/ui_fixture.h"

using namespace quillane;
using quillane::testing::DialogDriver;
using quillane::testing::DocumentFixture;
using quillane::testing::TestApp;

namespace {

using Sel = std::pair<std::size_t, std::size_t>;

struct Fixture : DocumentFixture {
    std::vector<std::string> messages() const { return app.messages.texts(); }

    QWidget mainWindow;
    CommandTable commands;
};

// The buttons of each dialog: start, add, cancel/done.
struct Buttons {
    const char* start;
    const char* add;
    const char* close;
};
constexpr Buttons kNumberedButtons{"SubmitOL", "AddOL", "Command2"};
constexpr Buttons kOtherButtons{"Command1", "Command2", "Command4"};

void CheckState(QWidget* d, const Buttons& b, bool startEnabled, const char* addCaption, const char* closeCaption) {
    QCOMPARE(DialogDriver::child<QPushButton>(d, b.start)->isEnabled(), startEnabled);
    QCOMPARE(DialogDriver::child<QPushButton>(d, b.add)->text(), QString(addCaption));
    QCOMPARE(DialogDriver::child<QPushButton>(d, b.close)->text(), QString(closeCaption));
}

}  // namespace

class ListDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void dialogsHaveTheirControls();
    void numberedListFromStartToDone();
    void numberedStartTagCarriesTypeAndStart();
    void startValueIsCheckedBeforeTheItem_data();
    void startValueIsCheckedBeforeTheItem();
    void bulletedDoneWithAPendingItem();
    void addingToAnExistingListWritesNoEndTag();
    void descriptiveChecksTopicThenTextAndDropsAHalfItem();
    void descriptiveTagButtonsWorkOnTheTopicBox();
    void cancelAndCloseChangeNothingAndClearEditTagMode();
    void enterRunsStartThenAdd();
    void doubleClickResetsTheChoices();
    void helpButtonAndF1OpenTheHelp();
    void commandsOpenTheDialogsModally();
};

void ListDialogsTest::dialogsHaveTheirControls() {
    Fixture f;
    f.setText("go Home now", 3, 4);
    {
        Numbered d(f.app.ctx, f.view);
        QCOMPARE(d.objectName(), QString("Numbered"));
        QCOMPARE(d.windowTitle(), QString("Numbered (Ordered) List"));
        QVERIFY(d.isModal());
        QCOMPARE(f.child<QGroupBox>(&d, "SSFrame1")->title(), QString("Enter text for each Numbered list item:"));
        QCOMPARE(f.child<QGroupBox>(&d, "SSFrame3")->title(), QString("NumberType"));
        QCOMPARE(f.child<QGroupBox>(&d, "SSFrame2")->title(), QString("Help"));
        QVERIFY(f.child<QLabel>(&d, "Label1"));
        const char* options[] = {"Capital Letters", "Small Letters", "Large Roman Numerals", "Small Roman Numerals",
                                 "Numbers (default)"};
        for (int i = 0; i < 5; ++i) {
            auto* option = f.child<QRadioButton>(&d, QString("Option%1").arg(i + 1).toLatin1().constData());
            QCOMPARE(option->text(), QString(options[i]));
            QVERIFY(!option->isChecked());
        }
        QCOMPARE(f.shown(&d, "Text1"), QString("Home"));
        QCOMPARE(f.shown(&d, "Text2"), QString("1"));
        QCOMPARE(f.child<QPushButton>(&d, "SubmitOL")->text(), QString("&Start a New List"));
        CheckState(&d, kNumberedButtons, true, "&Add to Existing List", "&Cancel");
        QVERIFY(f.child<QPushButton>(&d, "SSCommand1"));
        d.show();
        QCOMPARE(d.focusWidget(), f.child<QLineEdit>(&d, "Text1"));
    }
    {
        Bulleted d(f.app.ctx, f.view);
        QCOMPARE(d.objectName(), QString("Bulleted"));
        QCOMPARE(d.windowTitle(), QString("Bulleted (Unordered) List"));
        QCOMPARE(f.child<QGroupBox>(&d, "SSFrame1")->title(), QString("Enter text for each bulleted list item:"));
        QCOMPARE(f.child<QGroupBox>(&d, "SSFrame3")->title(), QString("Bullet Type"));
        const char* options[] = {"Disc", "Circle", "Square"};
        for (int i = 0; i < 3; ++i) {
            auto* option = f.child<QRadioButton>(&d, QString("Option%1").arg(i + 1).toLatin1().constData());
            QCOMPARE(option->text(), QString(options[i]));
            QVERIFY(!option->isChecked());
        }
        QCOMPARE(f.shown(&d, "Text1"), QString("Home"));
        QCOMPARE(f.child<QPushButton>(&d, "Command1")->text(), QString("&Start a New List"));
        CheckState(&d, kOtherButtons, true, "&Add to Existing List", "&Cancel");
        QVERIFY(f.child<QPushButton>(&d, "SSCommand1"));
    }
    {
        Descriptive d(f.app.ctx, f.view);
        QCOMPARE(d.objectName(), QString("Descriptive"));
        QCOMPARE(d.windowTitle(), QString("Descriptive List"));
        QCOMPARE(f.child<QGroupBox>(&d, "SSFrame1")->title(), QString("Enter Descriptive List Topic and List Text:"));
        QCOMPARE(f.child<QLabel>(&d, "Label2")->text(), QString("Descriptive List Topic:"));
        QCOMPARE(f.child<QLabel>(&d, "Label3")->text(), QString("List Text to follow List Topic:"));
        // The selection is not copied.
        QCOMPARE(f.shown(&d, "Text1"), QString());
        QCOMPARE(f.shown(&d, "Text2"), QString());
        for (const char* name : {"SSCommand7", "SSCommand8", "SSCommand9", "SSCommand1"})
            QVERIFY(f.child<QPushButton>(&d, name));
        CheckState(&d, kOtherButtons, true, "&Add to Existing List", "&Cancel");
    }
}

void ListDialogsTest::numberedListFromStartToDone() {
    Fixture f;
    f.setText("ab", 1, 0);
    f.app.ctx.editTagMode = true;
    Numbered d(f.app.ctx, f.view);
    d.show();
    f.type(&d, "Text1", "Apple");
    f.click(&d, "SubmitOL");
    QCOMPARE(f.text(), std::string("a\r\n<OL>\r\n     <LI> Apple\r\nb"));
    QCOMPARE(d.state(), ListState::NewList);
    CheckState(&d, kNumberedButtons, false, "&Add a List Item", "&Done");
    // The box is emptied and has the focus for the next item.
    QCOMPARE(f.shown(&d, "Text1"), QString());
    QCOMPARE(d.focusWidget(), f.child<QLineEdit>(&d, "Text1"));
    QVERIFY(d.isVisible());

    f.type(&d, "Text1", "Pear");
    f.click(&d, "AddOL");
    CheckState(&d, kNumberedButtons, false, "&Add a List Item", "&Done");
    f.click(&d, "Command2");

    const std::string list = "\r\n<OL>\r\n     <LI> Apple\r\n     <LI> Pear\r\n</OL>\r\n";
    QCOMPARE(f.text(), "a" + list + "b");
    QCOMPARE(f.selection(), Sel(1 + list.size(), 0));
    QVERIFY(!d.isVisible());
    QVERIFY(f.messages().empty());
    QVERIFY(!f.app.ctx.editTagMode);
    // No undo snapshot is taken.
    QCOMPARE(f.app.ctx.undoText, std::string());
}

void ListDialogsTest::numberedStartTagCarriesTypeAndStart() {
    Fixture f;
    f.setText("old", 0, 3);
    Numbered d(f.app.ctx, f.view);
    d.show();
    QCOMPARE(f.shown(&d, "Text1"), QString("old"));
    f.child<QRadioButton>(&d, "Option3")->click();
    f.type(&d, "Text2", "3");
    f.type(&d, "Text1", "Apple");
    f.click(&d, "SubmitOL");
    // The first insertion replaces the selection of the opening.
    QCOMPARE(f.text(), std::string("\r\n<OL TYPE=I START=3>\r\n     <LI> Apple\r\n"));
    // The Start box keeps its value.
    QCOMPARE(f.shown(&d, "Text2"), QString("3"));
}

void ListDialogsTest::startValueIsCheckedBeforeTheItem_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("message");
    QTest::newRow("zero, no item") << "0" << "" << "The Netscape Start value must be equal to or greater than 1.";
    QTest::newRow("empty, no item") << "" << "" << "The Netscape Start value must be equal to or greater than 1.";
    QTest::newRow("zero, an item") << "0" << "Apple" << "The Netscape Start value must be equal to or greater than 1.";
    QTest::newRow("no item") << "2" << "" << "Please enter text for a Numbered List item.";
}

void ListDialogsTest::startValueIsCheckedBeforeTheItem() {
    QFETCH(QString, start);
    QFETCH(QString, item);
    QFETCH(QString, message);
    Fixture f;
    f.setText("abc", 1, 1);
    Numbered d(f.app.ctx, f.view);
    d.show();
    f.type(&d, "Text2", start);
    f.type(&d, "Text1", item);
    f.child<QLineEdit>(&d, "Text2")->setFocus();
    f.click(&d, "SubmitOL");
    QCOMPARE(f.messages(), std::vector<std::string>{message.toStdString()});
    QCOMPARE(f.text(), std::string("abc"));
    QCOMPARE(f.selection(), Sel(1, 1));
    QVERIFY(d.isVisible());
    QCOMPARE(d.state(), ListState::Fresh);
    QCOMPARE(f.shown(&d, "Text1"), item);
    QCOMPARE(f.shown(&d, "Text2"), start);
    QCOMPARE(d.focusWidget(), f.child<QLineEdit>(&d, "Text1"));
}

void ListDialogsTest::bulletedDoneWithAPendingItem() {
    Fixture f;
    Bulleted d(f.app.ctx, f.view);
    d.show();
    f.child<QRadioButton>(&d, "Option2")->click();
    f.type(&d, "Text1", "Apple");
    f.click(&d, "Command1");
    f.type(&d, "Text1", "Pear");
    f.click(&d, "Command4");
    QCOMPARE(f.text(), std::string("\r\n<UL TYPE=circle>\r\n     <LI> Apple\r\n     <LI> Pear\r\n</UL>"));
    QVERIFY(!d.isVisible());
}

void ListDialogsTest::addingToAnExistingListWritesNoEndTag() {
    Fixture f;
    f.setText("<UL>\r\n</UL>", 6, 0);
    Bulleted d(f.app.ctx, f.view);
    d.show();
    f.click(&d, "Command2");  // nothing typed
    QCOMPARE(f.messages(), std::vector<std::string>{"Please enter text for a Bulleted List item."});
    QCOMPARE(d.state(), ListState::Fresh);
    f.type(&d, "Text1", "Apple");
    f.click(&d, "Command2");
    QCOMPARE(d.state(), ListState::Existing);
    CheckState(&d, kOtherButtons, false, "&Add to Existing List", "&Done");
    f.type(&d, "Text1", "Pear");
    f.click(&d, "Command4");
    QCOMPARE(f.text(), std::string("<UL>\r\n     <LI> Apple\r\n     <LI> Pear</UL>"));

    // With an empty box Done just closes.
    Fixture g;
    g.setText("x", 1, 0);
    Numbered n(g.app.ctx, g.view);
    n.show();
    g.type(&n, "Text1", "A");
    g.click(&n, "AddOL");
    g.click(&n, "Command2");
    QCOMPARE(g.text(), std::string("x     <LI> A\r\n"));
    QVERIFY(!n.isVisible());
}

void ListDialogsTest::descriptiveChecksTopicThenTextAndDropsAHalfItem() {
    Fixture f;
    Descriptive d(f.app.ctx, f.view);
    d.show();
    f.type(&d, "Text2", "Meaning");
    f.click(&d, "Command1");
    QCOMPARE(d.focusWidget(), f.child<QLineEdit>(&d, "Text1"));
    f.type(&d, "Text1", "Term");
    f.child<QLineEdit>(&d, "Text2")->clear();
    f.click(&d, "Command1");
    QCOMPARE(d.focusWidget(), f.child<QLineEdit>(&d, "Text2"));
    QCOMPARE(f.messages(), (std::vector<std::string>{"Please enter text for a Descriptive list Topic.",
                                                     "Please enter text for the Descriptive list Text."}));
    QCOMPARE(f.text(), std::string());

    f.type(&d, "Text2", "Meaning");
    f.click(&d, "Command1");
    QCOMPARE(f.shown(&d, "Text1"), QString());
    QCOMPARE(f.shown(&d, "Text2"), QString());
    CheckState(&d, kOtherButtons, false, "&Add a List Item", "&Done");
    // Done with only a topic typed writes just the end tag.
    f.type(&d, "Text1", "Half");
    f.click(&d, "Command4");
    QCOMPARE(f.text(), std::string("\r\n<DL>\r\n     <DT> Term\r\n          <DD> Meaning\r\n</DL>\r\n"));
    QVERIFY(!d.isVisible());
}

void ListDialogsTest::descriptiveTagButtonsWorkOnTheTopicBox() {
    Fixture f;
    Descriptive d(f.app.ctx, f.view);
    d.show();
    auto* topic = f.child<QLineEdit>(&d, "Text1");
    f.type(&d, "Text1", "a word here");
    topic->setSelection(2, 4);
    f.click(&d, "SSCommand9");
    QCOMPARE(topic->text(), QString("a <U>word</U> here"));
    QCOMPARE(topic->selectedText(), QString("word"));
    QCOMPARE(topic->selectionStart(), 5);
    QCOMPARE(d.focusWidget(), topic);

    // Nothing selected: both tags at the caret, the caret between them.
    topic->setText("xy");
    topic->setCursorPosition(1);
    f.child<QLineEdit>(&d, "Text2")->setFocus();
    f.click(&d, "SSCommand7");
    QCOMPARE(topic->text(), QString("x<B></B>y"));
    QCOMPARE(topic->cursorPosition(), 4);
    QCOMPARE(d.focusWidget(), topic);
    f.click(&d, "SSCommand8");
    QCOMPARE(topic->text(), QString("x<B><I></I></B>y"));
    // The text box is untouched.
    QCOMPARE(f.shown(&d, "Text2"), QString());
}

void ListDialogsTest::cancelAndCloseChangeNothingAndClearEditTagMode() {
    for (bool closeBox : {false, true}) {
        Fixture f;
        f.setText("abc", 0, 3);
        f.app.ctx.editTagMode = true;
        Numbered d(f.app.ctx, f.view);
        d.show();
        f.type(&d, "Text1", "Apple");
        if (closeBox) d.close();
        else f.click(&d, "Command2");
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(f.text(), std::string("abc"));
        QCOMPARE(f.selection(), Sel(0, 3));
        QVERIFY(!f.app.ctx.editTagMode);
    }
    // Closing a started list by its close box leaves what was written.
    Fixture f;
    Bulleted d(f.app.ctx, f.view);
    d.show();
    f.type(&d, "Text1", "Apple");
    f.click(&d, "Command1");
    f.type(&d, "Text1", "Pear");
    d.close();
    QCOMPARE(f.text(), std::string("\r\n<UL>\r\n     <LI> Apple\r\n"));
}

void ListDialogsTest::enterRunsStartThenAdd() {
    Fixture f;
    Numbered d(f.app.ctx, f.view);
    d.show();
    f.type(&d, "Text1", "Apple");
    QTest::keyClick(f.child<QLineEdit>(&d, "Text1"), Qt::Key_Return);
    QCOMPARE(d.state(), ListState::NewList);
    f.type(&d, "Text1", "Pear");
    QTest::keyClick(f.child<QLineEdit>(&d, "Text1"), Qt::Key_Return);
    QCOMPARE(f.text(), std::string("\r\n<OL>\r\n     <LI> Apple\r\n     <LI> Pear\r\n"));
    QVERIFY(d.isVisible());

    Fixture g;
    Descriptive e(g.app.ctx, g.view);
    e.show();
    g.type(&e, "Text1", "T");
    g.type(&e, "Text2", "D");
    QTest::keyClick(g.child<QLineEdit>(&e, "Text2"), Qt::Key_Enter);
    QCOMPARE(g.text(), std::string("\r\n<DL>\r\n     <DT> T\r\n          <DD> D\r\n"));
}

void ListDialogsTest::doubleClickResetsTheChoices() {
    Fixture f;
    Numbered d(f.app.ctx, f.view);
    d.show();
    f.child<QRadioButton>(&d, "Option1")->click();
    f.type(&d, "Text2", "5");
    QTest::mouseDClick(&d, Qt::LeftButton, {}, QPoint(2, 2));
    for (QRadioButton* option : d.findChildren<QRadioButton*>()) QVERIFY(!option->isChecked());
    QCOMPARE(f.shown(&d, "Text2"), QString("1"));

    Bulleted b(f.app.ctx, f.view);
    b.show();
    f.child<QRadioButton>(&b, "Option3")->click();
    QTest::mouseDClick(&b, Qt::LeftButton, {}, QPoint(2, 2));
    for (QRadioButton* option : b.findChildren<QRadioButton*>()) QVERIFY(!option->isChecked());
}

void ListDialogsTest::helpButtonAndF1OpenTheHelp() {
    Fixture f;
    Descriptive d(f.app.ctx, f.view);
    d.show();
    f.click(&d, "SSCommand1");
    QTest::keyClick(f.child<QLineEdit>(&d, "Text1"), Qt::Key_F1);
    QCOMPARE(f.app.help.topics.size(), std::size_t(2));
    QVERIFY(d.isVisible());
}

void ListDialogsTest::commandsOpenTheDialogsModally() {
    struct Row {
        const char* command;
        const char* dialog;
        const char* start;
        std::string expected;
    } rows[] = {
        {"NumList", "Numbered", "SubmitOL", "\r\n<OL>\r\n     <LI> Home\r\n"},
        {"SSCommand21", "Numbered", "SubmitOL", "\r\n<OL>\r\n     <LI> Home\r\n"},
        {"BulletList", "Bulleted", "Command1", "\r\n<UL>\r\n     <LI> Home\r\n"},
        {"SSCommand17", "Bulleted", "Command1", "\r\n<UL>\r\n     <LI> Home\r\n"},
        {"DescriptList", "Descriptive", "Command1", "\r\n<DL>\r\n     <DT> T\r\n          <DD> D\r\n"},
        {"SSCommand22(0)", "Descriptive", "Command1", "\r\n<DL>\r\n     <DT> T\r\n          <DD> D\r\n"},
    };
    for (const Row& row : rows) {
        Fixture f;
        RegisterListDialogs(f.commands, &f.mainWindow);
        f.setText("Home", 0, 4);
        QPointer<QWidget> opened;
        Fixture::RunModal([&] { f.commands.run(row.command, f.app.ctx, nullptr); }, [&](QWidget* d) {
            opened = d;
            QCOMPARE(d->objectName(), QString(row.dialog));
            QVERIFY(d->isModal());
            if (QString(row.dialog) == "Descriptive") {
                Fixture::type(d, "Text1", "T");
                Fixture::type(d, "Text2", "D");
            }
            Fixture::click(d, row.start);
            QVERIFY(d->isVisible());
            d->close();
        });
        QCOMPARE(f.text(), row.expected);
        QVERIFY(opened.isNull());
    }
}

QTEST_MAIN(ListDialogsTest)
#include "list_dialogs_test.moc"
