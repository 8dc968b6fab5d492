#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/command_table.h"
#include "builders/ui/bookmark_dialog.h"
#include "builders/ui/link_dialog.h"
#include "builders/ui/link_dialog_commands.h"
#include "builders/ui/mailto_dialog.h"
#include "support/fakes.h"
#include "support/ui_fixture.h"

using namespace quillane;
using quillane::testing::DocumentFixture;
using quillane::testing::TestApp;

namespace {

using Sel = std::pair<std::size_t, std::size_t>;

struct Fixture : DocumentFixture {

    static QStringList items(QWidget* dialog, const char* name) {
        QStringList out;
        auto* combo = child<QComboBox>(dialog, name);
        for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
        return out;
    }

    // Runs a command whose dialog is modal: `drive` acts on the dialog once it
    // is up and must close it. Nothing is driven when no dialog opens.
    void runModal(const char* command, const std::function<void(QWidget*)>& drive) {
        RunModal([&] { commands.run(command, app.ctx, nullptr); }, drive);
    }

    QWidget mainWindow;
    CommandTable commands;
};

const QString kNoText = "Please enter text to be linked in the box below.";
const QString kNoSite = "Please enter Web site to be linked in the appropriate box";

}  // namespace

class LinkDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void linkDialogHasItsControls();
    void linkFocusStartsInTheUrlWhenTextIsSelected();
    void linkOkReplacesTheSelection_data();
    void linkOkReplacesTheSelection();
    void linkRefusalsKeepTheDialogOpen();
    void enterInEveryBoxRunsOk_data();
    void enterInEveryBoxRunsOk();
    void bookmarkSwitchShowsTheNameBox();
    void cancelAndCloseChangeNothingAndClearEditTagMode();
    void anchorDialog();
    void mailtoDialog();
    void helpButtonAndF1OpenTheHelp();
    void editLinkTagFillsTheDialogAndReplacesTheLink();
    void commandsOpenTheDialogsModallyAndCentred();
    void toolbarButtonsGiveTheEditorTheFocusBack();
    void bytesThatAreNotUtf8SurviveTheDialog();
};

void LinkDialogsTest::linkDialogHasItsControls() {
    Fixture f;
    f.app.ctx.settings.FavoriteURLs[1] = "http://one.example/";
    f.app.ctx.settings.FavoriteURLs[3] = "http://three.example/";
    LINKTEXT d(f.app.ctx, f.view);
    QCOMPARE(d.objectName(), QString("LINKTEXT"));
    QCOMPARE(d.windowTitle(), QString("Insert HyperLink"));
    QVERIFY(d.isModal());
    QCOMPARE(f.child<QLabel>(&d, "Label1")->text(), QString("Enter text to be hyperlinked:"));
    QCOMPARE(f.child<QLabel>(&d, "Label2")->text(), QString("Enter URL of Web page or file to link to:"));
    QCOMPARE(f.child<QLabel>(&d, "Label3")->text(), QString("Bookmark name:"));
    QCOMPARE(f.child<QLabel>(&d, "Label4")->text(),
             QString("If using Netscape frames, enter name of frame to target:"));
    QCOMPARE(f.child<QCheckBox>(&d, "Check1")->text(), QString("Link to a bookmark?"));
    QVERIFY(!f.child<QCheckBox>(&d, "Check1")->isChecked());
    QCOMPARE(f.child<QPushButton>(&d, "LtextOK")->text(), QString("&OK"));
    QCOMPARE(f.child<QPushButton>(&d, "Command2")->text(), QString("&Cancel"));
    QVERIFY(!f.child<QPushButton>(&d, "SSCommand1")->icon().isNull());

    QStringList urls{"http://", "http://one.example/", "", "http://three.example/"};
    for (int i = 4; i <= 15; ++i) urls << "";
    QCOMPARE(f.items(&d, "httpsite"), urls);
    QCOMPARE(f.items(&d, "Combo1"), (QStringList{"_blank", "_parent", "_self", "_top"}));
    for (const char* name : {"LText1", "httpsite", "Combo1", "Text1"}) QCOMPARE(f.shown(&d, name), QString());

    d.show();
    QVERIFY(f.child<QLabel>(&d, "Label3")->isHidden());
    QVERIFY(f.child<QLineEdit>(&d, "Text1")->isHidden());
    // Without a selection the focus starts in the link text.
    QCOMPARE(d.focusWidget(), f.child<QLineEdit>(&d, "LText1"));
}

void LinkDialogsTest::linkFocusStartsInTheUrlWhenTextIsSelected() {
    Fixture f;
    f.setText("go Home now", 3, 4);
    LINKTEXT d(f.app.ctx, f.view);
    QCOMPARE(f.shown(&d, "LText1"), QString("Home"));
    d.show();
    auto* url = f.child<QComboBox>(&d, "httpsite");
    QCOMPARE(d.focusWidget(), url);
    // The URL box comes first in the tab order, then the link text.
    QWidget* next = url->nextInFocusChain();
    while (next && next->parentWidget() == url) next = next->nextInFocusChain();
    QCOMPARE(next, f.child<QLineEdit>(&d, "LText1"));
}

void LinkDialogsTest::linkOkReplacesTheSelection_data() {
    QTest::addColumn<QString>("linkText");  // typed over the selection "Home"; empty: kept
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("urlItem");       // chosen from the list instead, if >= 0
    QTest::addColumn<int>("targetItem");    // -1: none chosen
    QTest::addColumn<QString>("bookmark");  // ticks Check1 when not empty
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "" << "index.html" << -1 << -1 << "" << "<A HREF=\"index.html\">Home</A>";
    QTest::newRow("target") << "" << "index.html" << -1 << 3 << ""
                            << "<A HREF=\"index.html\" TARGET=\"_top\">Home</A>";
    QTest::newRow("same document") << "" << "" << 0 << -1 << "top" << "<A HREF=\"#top\">Home</A>";
    QTest::newRow("other document") << "" << "other.html" << -1 << -1 << "sec2"
                                    << "<A HREF=\"other.html#sec2\">Home</A>";
    QTest::newRow("favourite") << "" << "" << 1 << 0 << "" << "<A HREF=\"http://fav.example/\" TARGET=\"_blank\">Home</A>";
    QTest::newRow("new text") << "Start page" << "index.html" << -1 << -1 << ""
                              << "<A HREF=\"index.html\">Start page</A>";
}

void LinkDialogsTest::linkOkReplacesTheSelection() {
    QFETCH(QString, linkText);
    QFETCH(QString, url);
    QFETCH(int, urlItem);
    QFETCH(int, targetItem);
    QFETCH(QString, bookmark);
    QFETCH(QString, expected);

    Fixture f;
    f.app.ctx.settings.FavoriteURLs[1] = "http://fav.example/";
    f.setText("go Home now", 3, 4);
    f.app.ctx.editTagMode = true;
    LINKTEXT d(f.app.ctx, f.view);
    d.show();
    if (!linkText.isEmpty()) f.type(&d, "LText1", linkText);
    if (urlItem >= 0) f.child<QComboBox>(&d, "httpsite")->setCurrentIndex(urlItem);
    else f.type(&d, "httpsite", url);
    if (targetItem >= 0) f.child<QComboBox>(&d, "Combo1")->setCurrentIndex(targetItem);
    if (!bookmark.isEmpty()) {
        QTest::mouseClick(f.child<QCheckBox>(&d, "Check1"), Qt::LeftButton);
        f.type(&d, "Text1", bookmark);
    }
    f.click(&d, "LtextOK");

    const std::string link = expected.toStdString();
    QCOMPARE(f.text(), "go " + link + " now");
    QCOMPARE(f.selection(), Sel(3 + link.size(), 0));
    QVERIFY(f.app.messages.shown.empty());
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(!f.app.ctx.editTagMode);
    // The undo snapshot holds the text before the link.
    QCOMPARE(f.app.ctx.undoText, std::string("go Home now"));
    QCOMPARE(f.app.ctx.undoCaret, std::size_t(3));
}

void LinkDialogsTest::linkRefusalsKeepTheDialogOpen() {
    Fixture f;
    f.setText("abc");
    LINKTEXT d(f.app.ctx, f.view);
    d.show();
    f.type(&d, "httpsite", "index.html");
    f.click(&d, "LtextOK");  // no link text yet
    f.type(&d, "LText1", "Home");
    f.type(&d, "httpsite", "HTTP://");
    f.click(&d, "LtextOK");
    QTest::mouseClick(f.child<QCheckBox>(&d, "Check1"), Qt::LeftButton);
    f.type(&d, "httpsite", "other.html");
    f.click(&d, "LtextOK");  // ticked without a name

    QCOMPARE(f.app.messages.texts(), (std::vector<std::string>{kNoText.toStdString(), kNoSite.toStdString(),
                                                              "Please enter the bookmark name you wish to link to."}));
    QCOMPARE(f.app.messages.shown.front().title, std::string());
    QVERIFY(d.isVisible());
    QCOMPARE(f.text(), std::string("abc"));
    QCOMPARE(f.shown(&d, "LText1"), QString("Home"));
    QCOMPARE(f.shown(&d, "httpsite"), QString("other.html"));
    QVERIFY(f.child<QCheckBox>(&d, "Check1")->isChecked());
}

void LinkDialogsTest::enterInEveryBoxRunsOk_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("box");
    for (const char* box : {"LText1", "httpsite", "Combo1", "Text1"}) QTest::newRow(box) << "LINKTEXT" << box;
    for (const char* box : {"Source", "Target"}) QTest::newRow(box) << "Anchor1" << box;
    for (const char* box : {"Email", "MailToText"}) QTest::newRow(box) << "MailToForm" << box;
}

void LinkDialogsTest::enterInEveryBoxRunsOk() {
    QFETCH(QString, dialog);
    QFETCH(QString, box);
    Fixture f;
    f.setText("x", 0, 1);
    std::unique_ptr<QDialog> d;
    if (dialog == "LINKTEXT") {
        d = std::make_unique<LINKTEXT>(f.app.ctx, f.view);
        f.type(d.get(), "httpsite", "a.html");
        QTest::mouseClick(f.child<QCheckBox>(d.get(), "Check1"), Qt::LeftButton);
        f.type(d.get(), "Text1", "b");
    } else if (dialog == "Anchor1") {
        d = std::make_unique<Anchor1>(f.app.ctx, f.view);
        f.type(d.get(), "Target", "b");
    } else {
        d = std::make_unique<MailToForm>(f.app.ctx, f.view);
        f.type(d.get(), "Email", "a@b");
    }
    d->show();
    f.clickInto(d.get(), box.toLatin1().constData());
    f.pressInFocus(Qt::Key_Return);
    QVERIFY(!d->isVisible());
    QVERIFY(f.text() != "x");
    // Enter runs OK once: one insertion, no message.
    QVERIFY(f.app.messages.shown.empty());
    QCOMPARE(f.text().find("x", f.text().find("x") + 1), std::string::npos);
    // Enter never adds to a combo box's list.
    if (auto* combo = d->findChild<QComboBox*>(box)) QCOMPARE(combo->count(), box == "Combo1" ? 4 : 16);
}

void LinkDialogsTest::bookmarkSwitchShowsTheNameBox() {
    Fixture f;
    LINKTEXT d(f.app.ctx, f.view);
    d.show();
    auto* check = f.child<QCheckBox>(&d, "Check1");
    auto* name = f.child<QLineEdit>(&d, "Text1");
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(name->isVisible());
    QVERIFY(f.child<QLabel>(&d, "Label3")->isVisible());
    QCOMPARE(d.focusWidget(), name);
    f.type(&d, "Text1", "sec");
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(name->isHidden());
    QVERIFY(f.child<QLabel>(&d, "Label3")->isHidden());
    // The hidden name is kept but ignored.
    QCOMPARE(name->text(), QString("sec"));
    f.type(&d, "LText1", "Home");
    f.type(&d, "httpsite", "a.html");
    f.click(&d, "LtextOK");
    QCOMPARE(f.text(), std::string("<A HREF=\"a.html\">Home</A>"));
}

void LinkDialogsTest::cancelAndCloseChangeNothingAndClearEditTagMode() {
    for (bool closeBox : {false, true}) {
        Fixture f;
        f.setText("go Home now", 3, 4);
        f.app.ctx.editTagMode = true;
        LINKTEXT d(f.app.ctx, f.view);
        d.show();
        f.type(&d, "httpsite", "index.html");
        if (closeBox) d.close();
        else f.click(&d, "Command2");
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(f.text(), std::string("go Home now"));
        QCOMPARE(f.selection(), Sel(3, 4));
        QVERIFY(!f.app.ctx.editTagMode);
        QVERIFY(f.app.messages.shown.empty());
    }
    // The other two dialogs as well.
    Fixture f;
    f.setText("abc", 0, 3);
    f.app.ctx.editTagMode = true;
    {
        Anchor1 d(f.app.ctx, f.view);
        d.show();
        f.click(&d, "Command2");
    }
    QVERIFY(!f.app.ctx.editTagMode);
    f.app.ctx.editTagMode = true;
    {
        MailToForm d(f.app.ctx, f.view);
        d.show();
        d.close();
    }
    QVERIFY(!f.app.ctx.editTagMode);
    QCOMPARE(f.text(), std::string("abc"));
}

void LinkDialogsTest::anchorDialog() {
    Fixture f;
    f.setText("see Chapter 1 here", 4, 9);
    Anchor1 d(f.app.ctx, f.view);
    QCOMPARE(d.objectName(), QString("Anchor1"));
    QCOMPARE(d.windowTitle(), QString("Anchor"));
    QCOMPARE(f.child<QLabel>(&d, "Label1")->text(),
             QString("To insert the hypertext to link to a bookmark, use the 'Insert Hypertext' function."));
    QCOMPARE(f.child<QLabel>(&d, "Label2")->text(), QString("Enter the text to be bookmarked:"));
    QCOMPARE(f.child<QLabel>(&d, "Label3")->text(), QString("Enter the Bookmark/Anchor name:"));
    QCOMPARE(f.child<QPushButton>(&d, "Command1")->text(), QString("&OK"));
    QCOMPARE(f.child<QPushButton>(&d, "Command2")->text(), QString("&Cancel"));
    QCOMPARE(f.shown(&d, "Source"), QString("Chapter 1"));
    QCOMPARE(f.shown(&d, "Target"), QString());
    d.show();
    // With a selection the name takes the focus.
    QCOMPARE(d.focusWidget(), f.child<QLineEdit>(&d, "Target"));

    // A missing name is reported and the focus goes (back) to the name.
    f.child<QLineEdit>(&d, "Source")->setFocus();
    f.click(&d, "Command1");
    QCOMPARE(f.app.messages.texts(), std::vector<std::string>{"Please enter Bookmark name in the box below."});
    QVERIFY(d.isVisible());
    QCOMPARE(d.focusWidget(), f.child<QLineEdit>(&d, "Target"));
    QCOMPARE(f.text(), std::string("see Chapter 1 here"));

    f.type(&d, "Target", "ch1");
    f.click(&d, "Command1");
    QCOMPARE(f.text(), std::string("see <A NAME=\"ch1\">Chapter 1</A> here"));
    QCOMPARE(f.selection(), Sel(4 + 27, 0));
    QVERIFY(!d.isVisible());

    // Without a selection: the focus starts in the text, and the text may stay empty.
    Fixture g;
    g.setText("ab", 1);
    Anchor1 e(g.app.ctx, g.view);
    e.show();
    QCOMPARE(e.focusWidget(), g.child<QLineEdit>(&e, "Source"));
    g.type(&e, "Target", "top");
    g.click(&e, "Command1");
    QCOMPARE(g.text(), std::string("a<A NAME=\"top\"></A>b"));
}

void LinkDialogsTest::mailtoDialog() {
    Fixture f;
    f.setText("Write me!", 0, 8);
    MailToForm d(f.app.ctx, f.view);
    QCOMPARE(d.objectName(), QString("MailToForm"));
    QCOMPARE(d.windowTitle(), QString("MailTo:"));
    QCOMPARE(f.child<QLabel>(&d, "Label1")->text(), QString("Enter email address here:"));
    QCOMPARE(f.child<QLabel>(&d, "Label2")->text(),
             QString("Enter text that will appear as hypertext on the Web page:"));
    QCOMPARE(f.shown(&d, "Email"), QString());
    QCOMPARE(f.shown(&d, "MailToText"), QString("Write me"));
    d.show();
    QCOMPARE(d.focusWidget(), f.child<QLineEdit>(&d, "Email"));

    f.type(&d, "MailToText", "");
    f.click(&d, "Command1");
    f.type(&d, "MailToText", "Write me");
    f.click(&d, "Command1");
    QCOMPARE(f.app.messages.texts(),
             (std::vector<std::string>{"Please enter Text to link to your Email Address in the box below.",
                                       "Please enter Email Address in the box below."}));
    QVERIFY(d.isVisible());
    f.type(&d, "Email", "me@example.org");
    f.click(&d, "Command1");
    const std::string link = " <A HREF=\"mailto:me@example.org\">Write me</A>";
    QCOMPARE(f.text(), link + "!");
    QCOMPARE(f.selection(), Sel(link.size(), 0));
}

void LinkDialogsTest::helpButtonAndF1OpenTheHelp() {
    Fixture f;
    LINKTEXT link(f.app.ctx, f.view);
    link.show();
    f.click(&link, "SSCommand1");
    QTest::keyClick(f.child<QLineEdit>(&link, "LText1"), Qt::Key_F1);
    Anchor1 anchor(f.app.ctx, f.view);
    anchor.show();
    f.click(&anchor, "SSCommand1");
    MailToForm mail(f.app.ctx, f.view);
    mail.show();
    QTest::keyClick(f.child<QLineEdit>(&mail, "Email"), Qt::Key_F1);
    QCOMPARE(f.app.help.topics, (std::vector<int>{0, 0, 0, 0}));
    QVERIFY(link.isVisible() && anchor.isVisible() && mail.isVisible());
}

void LinkDialogsTest::editLinkTagFillsTheDialogAndReplacesTheLink() {
    Fixture f;
    const std::string link = "<a href=\"index.html\" target=\"_top\">Home</a>";
    f.setText("x" + link + "y", 1, link.size());
    f.app.ctx.editTagMode = true;
    QPointer<QWidget> opened;
    Fixture::RunModal([&] { EditLinkTag(f.app.ctx, f.view, &f.mainWindow, link.substr(1)); }, [&](QWidget* d) {
        opened = d;
        QCOMPARE(d->objectName(), QString("LINKTEXT"));
        QCOMPARE(Fixture::shown(d, "httpsite"), QString("index.html"));
        QCOMPARE(Fixture::shown(d, "Combo1"), QString("_top"));
        QCOMPARE(Fixture::shown(d, "LText1"), QString("Home"));
        QCOMPARE(d->focusWidget(), d->findChild<QComboBox*>("httpsite"));
        Fixture::type(d, "httpsite", "start.html");
        Fixture::click(d, "LtextOK");
    });
    QCOMPARE(f.text(), std::string("x<A HREF=\"start.html\" TARGET=\"_top\">Home</A>y"));
    QVERIFY(!f.app.ctx.editTagMode);
    // The dialog is gone once closed.
    QVERIFY(opened.isNull());
}

void LinkDialogsTest::commandsOpenTheDialogsModallyAndCentred() {
    struct Row {
        const char* command;
        const char* dialog;
        const char* box;
        const char* value;
        const char* ok;
        std::string expected;
    } rows[] = {
        {"Hypertext", "LINKTEXT", "httpsite", "a.html", "LtextOK", "<A HREF=\"a.html\">Home</A>"},
        {"SSCommand18", "LINKTEXT", "httpsite", "a.html", "LtextOK", "<A HREF=\"a.html\">Home</A>"},
        {"Anchor", "Anchor1", "Target", "h", "Command1", "<A NAME=\"h\">Home</A>"},
        {"SSCommand20", "Anchor1", "Target", "h", "Command1", "<A NAME=\"h\">Home</A>"},
        {"mnuMailto", "MailToForm", "Email", "a@b", "Command1", " <A HREF=\"mailto:a@b\">Home</A>"},
    };
    for (const Row& row : rows) {
        Fixture f;
        RegisterLinkDialogs(f.commands, &f.mainWindow);
        f.setText("Home", 0, 4);
        QPointer<QWidget> opened;
        f.runModal(row.command, [&](QWidget* d) {
            opened = d;
            QCOMPARE(d->objectName(), QString(row.dialog));
            QCOMPARE(d->parentWidget(), &f.mainWindow);
            QVERIFY(d->isModal());
            const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            QVERIFY(qAbs(d->geometry().center().x() - screen.center().x()) <= 1);
            QVERIFY(qAbs(d->geometry().center().y() - screen.center().y()) <= 1);
            Fixture::type(d, row.box, row.value);
            Fixture::click(d, row.ok);
        });
        QCOMPARE(f.text(), row.expected);
        QVERIFY(opened.isNull());
    }
}

void LinkDialogsTest::toolbarButtonsGiveTheEditorTheFocusBack() {
    TestApp app;
    CommandTable commands;
    QWidget mainWindow;
    RegisterLinkDialogs(commands, &mainWindow);
    // No document: nothing opens.
    for (const char* command : {"Hypertext", "Anchor", "mnuMailto", "SSCommand18", "SSCommand20"}) {
        bool opened = false;
        Fixture::RunModal([&] { QVERIFY(commands.run(command, app.ctx, nullptr)); },
                          [&](QWidget*) { opened = true; });
        QVERIFY(!opened);
    }
    app.shell.createDocumentWindow(1);
    for (const char* command : {"SSCommand18", "SSCommand20", "Hypertext"}) {
        int before = app.editor().focusCount;
        Fixture::RunModal([&] { commands.run(command, app.ctx, nullptr); },
                          [](QWidget* d) { Fixture::click(d, "Command2"); });
        QCOMPARE(app.editor().focusCount - before, QString(command).startsWith("SSCommand") ? 1 : 0);
    }
}

void LinkDialogsTest::bytesThatAreNotUtf8SurviveTheDialog() {
    Fixture f;
    const std::string odd = "caf\xE9 \xC3\xA9t\xE9";
    f.setText(odd, 0, odd.size());
    LINKTEXT d(f.app.ctx, f.view);
    d.show();
    f.type(&d, "httpsite", "a.html");
    f.click(&d, "LtextOK");
    QCOMPARE(f.text(), "<A HREF=\"a.html\">" + odd + "</A>");

    // A text typed over them is taken as typed.
    f.setText(odd, 0, odd.size());
    MailToForm m(f.app.ctx, f.view);
    m.show();
    f.type(&m, "Email", "a@b");
    f.box(&m, "MailToText")->setText(QString::fromUtf8("\xC3\xA9"));
    f.click(&m, "Command1");
    QCOMPARE(f.text(), std::string(" <A HREF=\"mailto:a@b\">\xC3\xA9</A>"));
}

QTEST_MAIN(LinkDialogsTest)
#include "link_dialogs_test.moc"
