#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/command_table.h"
#include "builders/ui/color_box.h"
#include "builders/ui/meta_tags_dialog.h"
#include "builders/ui/page_properties_dialog.h"
#include "builders/ui/page_property_dialogs.h"
#include "editor/document_lifecycle.h"
#include "editor/temp_folder.h"
#include "support/fakes.h"
#include "support/marked_text.h"
#include "support/ui_fixture.h"

using namespace quillane;
using quillane::testing::DialogDriver;
using quillane::testing::MarkedText;
using quillane::testing::SetMarkedText;
using quillane::testing::TestApp;

namespace {

const std::string kHead = "<HTML>\r\n<HEAD>\r\n<TITLE>Old title</TITLE>\r\n</HEAD>\r\n";
const std::string kBody = "<BODY BGCOLOR=\"#FFFFFF\" TEXT=#000000 LINK=#0000FF>";
const std::string kRest = "\r\nHello\r\n</BODY>\r\n</HTML>";

struct Fixture : DialogDriver {
    explicit Fixture(const std::string& marked = kHead + "|" + kBody + kRest) {
        NewDocument(app.ctx);
        SetMarkedText(app.editor(), marked);
    }
    DocumentView& view() { return *app.active(); }
    std::string text() { return app.editor().text(); }

    static QColor background(QWidget* w) { return w->palette().color(QPalette::Window); }
    static QColor foreground(QWidget* w) { return w->palette().color(QPalette::WindowText); }

    TestApp app;
    CommandTable commands;
};

}  // namespace

class PagePropertiesDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void pageDialogHasItsControls();
    void openingReadsThePageAndSelectsTheBodyTag();
    void okRewritesTitleAndBody();
    void enterInEveryTextBoxRunsOk_data();
    void enterInEveryTextBoxRunsOk();
    void cancelAndCloseCollapseTheSelectionAndClearEditTagMode();
    void colourBoxesRunTheColourChooser();
    void colourFieldsRepaintBoxesPanelAndCaptions();
    void captionsStayReadableOnAnyBackground_data();
    void captionsStayReadableOnAnyBackground();
    void colorsFromAnotherPage();
    void backgroundBrowseAndFixedDir();
    void metaDialogHasItsControls();
    void advancedMetaLinesAreInsertedOnlyWhenConfirmed();
    void newPageModeReadsNothing();
    void editBodyTagFillsTheBodyFieldsFromTheTag();
    void commandsOpenTheDialogModallyAndCentred();
    void helpButtonAndF1OpenTheHelp();
};

void PagePropertiesDialogsTest::pageDialogHasItsControls() {
    Fixture f("|no tags");
    BGCOLOR d(f.app.ctx, f.view(), PagePropertiesMode::ReadPage);
    QCOMPARE(d.objectName(), QString("BGCOLOR"));
    QCOMPARE(d.windowTitle(), QString("Web Page Properties"));
    QVERIFY(d.isModal());
    QCOMPARE(f.child<QGroupBox>(&d, "SSFrame1")->title(), QString("Enter the Title of your Web page:"));
    QCOMPARE(f.child<QGroupBox>(&d, "Frame1")->title(), QString("Enter graphic filename for background:"));
    const std::pair<const char*, const char*> labels[] = {
        {"Label1", "Background color:"},
        {"Label2", "Text Color:"},
        {"Label3", "Link Color:"},
        {"Label4", "Visited Link Color:"},
        {"Label5", "Active Link Color:"},
        {"Label14", "Click on the outlined boxes to the right to select Web page colors."},
        {"Label15", "Get Colors from:"},
        {"Label16", "Another Web page"},
        {"Label7", "* Left Margin (pixels):"},
        {"Label8", "* Top Margin (pixels):"},
        {"Label6", "* Only supported by Internet Explorer"},
    };
    for (const auto& [name, caption] : labels) QCOMPARE(f.child<QLabel>(&d, name)->text(), QString(caption));
    for (const char* name : {"Text5", "Text1", "Text2", "Text3", "Text4", "Text10", "Text9", "Text12", "Text13"})
        QCOMPARE(f.shown(&d, name), QString());
    for (const char* name : {"Label9", "Label10", "Label11", "Label12", "Label13"})
        QCOMPARE(f.child<ColorBox>(&d, name)->text(), QString("Select"));
    QVERIFY(f.child<QFrame>(&d, "SSPanel1"));
    QCOMPARE(f.child<QCheckBox>(&d, "Check1")->text(), QString("Fixed Dir"));
    QCOMPARE(f.child<QCheckBox>(&d, "SSCheck1")->text(), QString("Make background image a fixed watermark on page.*"));
    QCOMPARE(f.child<QPushButton>(&d, "Command2")->text(), QString("&OK"));
    QCOMPARE(f.child<QPushButton>(&d, "Command1")->text(), QString("&Cancel"));
    QCOMPARE(f.child<QPushButton>(&d, "Command3")->text(), QString("&Advanced..."));
    QVERIFY(!f.child<QPushButton>(&d, "Command4")->icon().isNull());
    QVERIFY(f.child<QPushButton>(&d, "SSCommand2"));
    QVERIFY(!f.child<QPushButton>(&d, "SSCommand1")->icon().isNull());
}

void PagePropertiesDialogsTest::openingReadsThePageAndSelectsTheBodyTag() {
    Fixture f;
    BGCOLOR d(f.app.ctx, f.view(), PagePropertiesMode::ReadPage);
    QCOMPARE(f.shown(&d, "Text5"), QString("Old title"));
    QCOMPARE(f.shown(&d, "Text1"), QString("FFFFFF"));
    QCOMPARE(f.shown(&d, "Text2"), QString("000000"));
    QCOMPARE(f.shown(&d, "Text3"), QString("0000FF"));
    QCOMPARE(f.shown(&d, "Text4"), QString());
    QVERIFY(f.app.ctx.editTagMode);
    QCOMPARE(MarkedText(f.app.editor()), kHead + "[" + kBody.substr(0, kBody.size() - 1) + "]>" + kRest);
    // The boxes take the colours read, but keep their caption.
    QCOMPARE(f.child<ColorBox>(&d, "Label9")->color(), (Rgb{255, 255, 255}));
    QCOMPARE(f.child<ColorBox>(&d, "Label11")->color(), (Rgb{0, 0, 255}));
    QCOMPARE(f.child<ColorBox>(&d, "Label12")->color(), (Rgb{192, 192, 192}));
    QCOMPARE(f.child<ColorBox>(&d, "Label9")->text(), QString("Select"));
}

void PagePropertiesDialogsTest::okRewritesTitleAndBody() {
    Fixture f;
    BGCOLOR d(f.app.ctx, f.view(), PagePropertiesMode::ReadPage);
    d.show();
    f.type(&d, "Text5", "New title");
    f.type(&d, "Text1", "00FF00");
    f.box(&d, "Text2")->clear();
    f.box(&d, "Text3")->clear();
    f.type(&d, "Text10", "FF0000");
    f.type(&d, "Text9", "back.gif");
    f.type(&d, "Text12", "5");
    f.child<QCheckBox>(&d, "SSCheck1")->setChecked(true);
    f.click(&d, "Command2");
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(!d.isVisible());
    QCOMPARE(f.text(), "<HTML>\r\n<HEAD>\r\n<TITLE>New title</TITLE>\r\n</HEAD>\r\n"
                       "<BODY BACKGROUND=\"back.gif\" BGCOLOR=\"#00FF00\" ALINK=\"#FF0000\" LEFTMARGIN=\"5\" "
                       "BGPROPERTIES=FIXED>" +
                           kRest);
    QVERIFY(!f.app.ctx.editTagMode);
    QCOMPARE(f.app.ctx.pageTitle, std::string("New title"));
    QCOMPARE(f.app.ctx.bodyAttributes,
             std::string(" BACKGROUND=\"back.gif\" BGCOLOR=\"#00FF00\" ALINK=\"#FF0000\" LEFTMARGIN=\"5\" "
                         "BGPROPERTIES=FIXED"));
}

void PagePropertiesDialogsTest::enterInEveryTextBoxRunsOk_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text9", "Text10", "Text12", "Text13"})
        QTest::newRow(name) << name;
}

void PagePropertiesDialogsTest::enterInEveryTextBoxRunsOk() {
    QFETCH(QString, name);
    Fixture f;
    BGCOLOR d(f.app.ctx, f.view(), PagePropertiesMode::ReadPage);
    d.show();
    QLineEdit* edit = f.box(&d, name.toLatin1().constData());
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(!d.isVisible());
    // Written back as the builder writes it.
    QCOMPARE(f.text(), kHead + "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\">" + kRest);
}

void PagePropertiesDialogsTest::cancelAndCloseCollapseTheSelectionAndClearEditTagMode() {
    const std::string collapsed = kHead + "|" + kBody + kRest;
    const std::function<void(BGCOLOR&)> closers[] = {
        [](BGCOLOR& d) { Fixture::click(&d, "Command1"); },
        [](BGCOLOR& d) { d.close(); },
        [](BGCOLOR& d) { QTest::keyClick(Fixture::box(&d, "Text5"), Qt::Key_Escape); },
    };
    for (const auto& close : closers) {
        Fixture f;
        BGCOLOR d(f.app.ctx, f.view(), PagePropertiesMode::ReadPage);
        d.show();
        f.type(&d, "Text1", "123456");
        QVERIFY(f.app.ctx.editTagMode);
        close(d);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(MarkedText(f.app.editor()), collapsed);
        QVERIFY(!f.app.ctx.editTagMode);
        QCOMPARE(f.app.ctx.bodyAttributes, std::string());
    }
}

void PagePropertiesDialogsTest::colourBoxesRunTheColourChooser() {
    Fixture f;
    f.app.dialogs.colorAnswers = {Rgb{0, 0, 0}, std::nullopt};
    BGCOLOR d(f.app.ctx, f.view(), PagePropertiesMode::ReadPage);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    f.type(&d, "Text4", "ABCDEF");

    // Black fills "000000", the field gets the focus and the box its colour.
    f.click(&d, "Label12");
    QCOMPARE(f.shown(&d, "Text4"), QString("000000"));
    QCOMPARE(d.focusWidget(), f.box(&d, "Text4"));
    QCOMPARE(f.child<ColorBox>(&d, "Label12")->text(), QString());
    QCOMPARE(f.child<ColorBox>(&d, "Label12")->color(), (Rgb{0, 0, 0}));

    // Cancelling changes nothing.
    f.click(&d, "Label13");
    QCOMPARE(f.shown(&d, "Text10"), QString());
    QCOMPARE(f.child<ColorBox>(&d, "Label13")->text(), QString("Select"));
    QVERIFY(f.app.dialogs.colorAnswers.empty());
}

void PagePropertiesDialogsTest::colourFieldsRepaintBoxesPanelAndCaptions() {
    Fixture f("|no tags");
    BGCOLOR d(f.app.ctx, f.view(), PagePropertiesMode::ReadPage);
    // Empty fields paint grey.
    QCOMPARE(f.background(f.child<QFrame>(&d, "SSPanel1")), QColor(192, 192, 192));
    f.type(&d, "Text1", "ff8000");
    f.type(&d, "Text3", "0000FF");
    QCOMPARE(f.child<ColorBox>(&d, "Label9")->color(), (Rgb{255, 128, 0}));
    QCOMPARE(f.background(f.child<QFrame>(&d, "SSPanel1")), QColor(255, 128, 0));
    for (const char* caption : {"Label1", "Label2", "Label3", "Label4", "Label5"})
        QCOMPARE(f.background(f.child<QLabel>(&d, caption)), QColor(255, 128, 0));
    QCOMPARE(f.child<ColorBox>(&d, "Label11")->color(), (Rgb{0, 0, 255}));
    QCOMPARE(f.foreground(f.child<QLabel>(&d, "Label3")), QColor(0, 0, 255));
    // A colour not chosen keeps its caption readable on the empty grey.
    QCOMPARE(f.foreground(f.child<QLabel>(&d, "Label4")), QColor(0, 0, 0));
}

// On any background the captions and the "Select" of the boxes not chosen
// are written in black or white, whichever reads.
void PagePropertiesDialogsTest::captionsStayReadableOnAnyBackground_data() {
    QTest::addColumn<QString>("background");
    QTest::addColumn<QColor>("ink");
    QTest::newRow("black") << "000000" << QColor(Qt::white);
    QTest::newRow("navy") << "000080" << QColor(Qt::white);
    QTest::newRow("white") << "FFFFFF" << QColor(Qt::black);
    QTest::newRow("yellow") << "FFFF00" << QColor(Qt::black);
}

void PagePropertiesDialogsTest::captionsStayReadableOnAnyBackground() {
    QFETCH(QString, background);
    QFETCH(QColor, ink);
    Fixture f("|no tags");
    BGCOLOR d(f.app.ctx, f.view(), PagePropertiesMode::ReadPage);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    f.clickAndType(&d, "Text1", background);
    for (const char* caption : {"Label1", "Label2", "Label3", "Label4", "Label5"})
        QCOMPARE(f.foreground(f.child<QLabel>(&d, caption)), ink);
    // The background's own box shows "Select" in that ink: some of its
    // pixels are near it.
    auto* box = f.child<ColorBox>(&d, "Label9");
    QCOMPARE(box->text(), QString("Select"));
    const QImage shot = box->grab().toImage();
    int inked = 0;
    for (int y = 2; y < shot.height() - 2; ++y) {
        for (int x = 2; x < shot.width() - 2; ++x) {
            const QColor c = shot.pixelColor(x, y);
            inked += qAbs(c.red() - ink.red()) + qAbs(c.green() - ink.green()) + qAbs(c.blue() - ink.blue()) < 120;
        }
    }
    QVERIFY2(inked > 10, qPrintable(QString::number(inked)));
}

void PagePropertiesDialogsTest::colorsFromAnotherPage() {
    testing::TempFolder files;
    Fixture f;
    f.app.ctx.documentFolder = files.folder();
    f.app.dialogs.fileAnswers = {files.write("other.htm", "<BODY BGCOLOR=#111111 VLINK=\"#222222\">"),
                                 files.write("none.htm", "<P>nothing</P>")};
    BGCOLOR d(f.app.ctx, f.view(), PagePropertiesMode::ReadPage);
    d.show();
    f.type(&d, "Text9", "keep.gif");
    f.click(&d, "Command4");
    QCOMPARE(f.shown(&d, "Text1"), QString("111111"));
    QCOMPARE(f.shown(&d, "Text2"), QString());
    QCOMPARE(f.shown(&d, "Text3"), QString());
    QCOMPARE(f.shown(&d, "Text4"), QString("222222"));
    QCOMPARE(f.shown(&d, "Text9"), QString("keep.gif"));
    QCOMPARE(f.app.dialogs.fileRequests.back().startFolder, std::optional<std::string>(files.folder()));

    // A page without colours: the message, and the dialog stays as it was.
    f.click(&d, "Command4");
    QCOMPARE(f.app.messages.texts(), std::vector<std::string>{"No colors in this HTML document."});
    QCOMPARE(f.shown(&d, "Text1"), QString("111111"));
    QVERIFY(d.isVisible());
}

void PagePropertiesDialogsTest::backgroundBrowseAndFixedDir() {
    testing::TempFolder files;
    Fixture f;
    f.view().setCaption(files.path("index.htm"));
    const std::string image = files.write("back.gif", "GIF89a");
    f.app.dialogs.fileAnswers = {image};
    BGCOLOR d(f.app.ctx, f.view(), PagePropertiesMode::ReadPage);
    d.show();
    // Without a browsed file the switch leaves the box alone.
    f.type(&d, "Text9", "typed.gif");
    f.child<QCheckBox>(&d, "Check1")->setChecked(true);
    QCOMPARE(f.shown(&d, "Text9"), QString("typed.gif"));
    f.child<QCheckBox>(&d, "Check1")->setChecked(false);

    f.click(&d, "SSCommand2");
    QCOMPARE(f.app.dialogs.fileRequests.back().filterIndex, 2);
    QCOMPARE(f.shown(&d, "Text9"), QString("back.gif"));
    QCOMPARE(f.app.ctx.lastImageFolder, std::optional<std::string>(files.folder()));
    f.child<QCheckBox>(&d, "Check1")->setChecked(true);
    QCOMPARE(f.shown(&d, "Text9"), QString::fromStdString(image));
    f.child<QCheckBox>(&d, "Check1")->setChecked(false);
    QCOMPARE(f.shown(&d, "Text9"), QString("back.gif"));
}

void PagePropertiesDialogsTest::metaDialogHasItsControls() {
    Fixture f;
    Metatags d(f.app.ctx);
    QCOMPARE(d.objectName(), QString("Metatags"));
    QCOMPARE(d.windowTitle(), QString("META Tags"));
    QVERIFY(d.isModal());
    QCOMPARE(f.child<QGroupBox>(&d, "Frame1")->title(), QString("Description of your Web page:"));
    QCOMPARE(f.child<QGroupBox>(&d, "Frame2")->title(), QString("Key Words of your Web page:"));
    QCOMPARE(f.child<QGroupBox>(&d, "Frame3")->title(), QString("Make this Web page into a Splash Screen:"));
    QVERIFY(f.child<QLabel>(&d, "Label1")->text().startsWith("Many search engines use the first 250 words"));
    QVERIFY(f.child<QLabel>(&d, "Label2")->text().startsWith("Search engines, robots, and spiders"));
    QVERIFY(f.child<QLabel>(&d, "Label3")->text().startsWith("Splash screens are Web pages"));
    QCOMPARE(f.child<QCheckBox>(&d, "Check1")->text(), QString("Make this page a splash screen."));
    QCOMPARE(f.child<QPushButton>(&d, "Command1")->text(), QString("&OK"));
    QCOMPARE(f.child<QPushButton>(&d, "Command2")->text(), QString("&Cancel"));
    QVERIFY(f.child<QPushButton>(&d, "SSCommand1"));
    QVERIFY(!f.box(&d, "Text3")->isEnabled());
    QVERIFY(!f.box(&d, "Text4")->isEnabled());
    f.child<QCheckBox>(&d, "Check1")->setChecked(true);
    QVERIFY(f.box(&d, "Text3")->isEnabled());
    QVERIFY(f.box(&d, "Text4")->isEnabled());
    f.child<QCheckBox>(&d, "Check1")->setChecked(false);
    QVERIFY(!f.box(&d, "Text3")->isEnabled());

    // Enter in a text box runs OK; the lines are kept for the program.
    d.show();
    f.type(&d, "Text2", "html");
    QTest::keyClick(f.box(&d, "Text2"), Qt::Key_Return);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(f.app.ctx.metaLines, (MetaLines{"", "<META Name=\"keywords\" Content=\"html\">\r\n", ""}));
}

void PagePropertiesDialogsTest::advancedMetaLinesAreInsertedOnlyWhenConfirmed() {
    Fixture f;
    f.app.ctx.metaLines = {"<META Name=\"description\" Content=\"old\">\r\n", "", ""};
    {
        // A cancelled META dialog keeps the old lines and inserts nothing.
        BGCOLOR d(f.app.ctx, f.view(), PagePropertiesMode::ReadPage);
        d.show();
        Fixture::RunModal([&] { f.click(&d, "Command3"); }, [&](QWidget* meta) {
            QCOMPARE(meta->objectName(), QString("Metatags"));
            f.type(meta, "Text1", "ignored");
            f.click(meta, "Command2");
        });
        f.click(&d, "Command2");
    }
    QCOMPARE(f.app.ctx.metaLines.description, std::string("<META Name=\"description\" Content=\"old\">\r\n"));
    QVERIFY(f.text().find("<META") == std::string::npos);

    BGCOLOR d(f.app.ctx, f.view(), PagePropertiesMode::ReadPage);
    d.show();
    Fixture::RunModal([&] { f.click(&d, "Command3"); }, [&](QWidget* meta) {
        f.type(meta, "Text1", "My page");
        f.child<QCheckBox>(meta, "Check1")->setChecked(true);
        f.type(meta, "Text3", " 5 ");
        f.type(meta, "Text4", "next.htm");
        f.click(meta, "Command1");
    });
    // The focus moves to OK.
    QCOMPARE(d.focusWidget(), f.child<QPushButton>(&d, "Command2"));
    f.click(&d, "Command2");
    QCOMPARE(f.text(), "<HTML>\r\n<HEAD>\r\n<META Name=\"description\" Content=\"My page\">\r\n"
                       "<META HTTP-EQUIV=\"Refresh\" Content=\"5;URL=next.htm\">\r\n\r\n"
                       "<TITLE>Old title</TITLE>\r\n</HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" "
                       "LINK=\"#0000FF\">" +
                           kRest);
}

void PagePropertiesDialogsTest::newPageModeReadsNothing() {
    Fixture f("<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n\r\n|</BODY>");
    BGCOLOR d(f.app.ctx, f.view(), PagePropertiesMode::NewPage);
    for (const char* name : {"Text5", "Text1", "Text2"}) QCOMPARE(f.shown(&d, name), QString());
    QVERIFY(!f.app.ctx.editTagMode);
    QCOMPARE(MarkedText(f.app.editor()), std::string("<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n\r\n|</BODY>"));
    d.show();
    f.type(&d, "Text5", "Home");
    f.type(&d, "Text1", "FFFFFF");
    f.click(&d, "Command2");
    QCOMPARE(f.text(),
             std::string("<HEAD>\r\n<TITLE>Home</TITLE>\r\n</HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n\r\n</BODY>"));
    QCOMPARE(f.app.ctx.bodyAttributes, std::string(" BGCOLOR=\"#FFFFFF\""));
}

void PagePropertiesDialogsTest::editBodyTagFillsTheBodyFieldsFromTheTag() {
    // As Edit Tag leaves it: the tag selected through its ">".
    const std::string tag = "<BODY BGCOLOR=#FFFFFF>";
    Fixture f(kHead + "[" + tag + "]" + kRest);
    f.view().setCaption("Untitled:1");
    f.app.ctx.editTagMode = true;
    Fixture::RunModal([&] { EditBodyTag(f.app.ctx, f.view(), nullptr, tag.substr(1)); }, [&](QWidget* d) {
        QCOMPARE(d->objectName(), QString("BGCOLOR"));
        QCOMPARE(f.shown(d, "Text1"), QString("FFFFFF"));
        for (const char* name : {"Text2", "Text3", "Text4", "Text10", "Text9", "Text12", "Text13"})
            QCOMPARE(f.shown(d, name), QString());
        QVERIFY(!f.child<QCheckBox>(d, "SSCheck1")->isChecked());
        QCOMPARE(f.shown(d, "Text5"), QString("Old title"));
        f.type(d, "Text2", "000000");
        f.click(d, "Command2");
    });
    QCOMPARE(f.text(), kHead + "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\">" + kRest);
    QVERIFY(!f.app.ctx.editTagMode);

    // Letters in any case, and the watermark.
    const std::string lower = "<body bgcolor=\"#abcdef\" link=#00ff00 bgproperties=fixed leftmargin=3>";
    Fixture g(kHead + "[" + lower + "]" + kRest);
    Fixture::RunModal([&] { EditBodyTag(g.app.ctx, g.view(), nullptr, lower.substr(1)); }, [&](QWidget* d) {
        QCOMPARE(g.shown(d, "Text1"), QString("abcdef"));
        QCOMPARE(g.shown(d, "Text3"), QString("00ff00"));
        QCOMPARE(g.shown(d, "Text12"), QString("3"));
        QVERIFY(g.child<QCheckBox>(d, "SSCheck1")->isChecked());
        g.click(d, "Command1");
    });
    QCOMPARE(g.text(), kHead + lower + kRest);
    QVERIFY(!g.app.ctx.editTagMode);
}

void PagePropertiesDialogsTest::commandsOpenTheDialogModallyAndCentred() {
    Fixture f;
    QWidget mainWindow;
    RegisterPagePropertyDialogs(f.commands, &mainWindow);
    for (const char* command : {"mnuPageProps", "SSCommand32"}) {
        SetMarkedText(f.app.editor(), kHead + "|" + kBody + kRest);
        const int focusBefore = f.app.editor().focusCount;
        bool ran = false;
        Fixture::RunModal([&] { QVERIFY(f.commands.run(command, f.app.ctx, nullptr)); }, [&](QWidget* d) {
            ran = true;
            QCOMPARE(d->objectName(), QString("BGCOLOR"));
            QVERIFY(d->isModal());
            QCOMPARE(d->parentWidget(), &mainWindow);
            const QRect screen = d->screen()->availableGeometry();
            QVERIFY(qAbs(d->geometry().center().x() - screen.center().x()) <= 1);
            QVERIFY(qAbs(d->geometry().center().y() - screen.center().y()) <= 1);
            f.type(d, "Text2", "333333");
            f.click(d, "Command2");
        });
        QVERIFY(ran);
        QVERIFY(f.text().find("TEXT=\"#333333\"") != std::string::npos);
        // The toolbar button hands the focus back to the editor.
        if (std::string(command) == "SSCommand32") QVERIFY(f.app.editor().focusCount > focusBefore);
    }
}

void PagePropertiesDialogsTest::helpButtonAndF1OpenTheHelp() {
    Fixture f;
    BGCOLOR d(f.app.ctx, f.view(), PagePropertiesMode::ReadPage);
    d.show();
    f.click(&d, "SSCommand1");
    QTest::keyClick(f.box(&d, "Text5"), Qt::Key_F1);
    Metatags meta(f.app.ctx, &d);
    meta.show();
    f.click(&meta, "SSCommand1");
    QCOMPARE(f.app.help.topics, (std::vector<int>{0, 0, 0}));
    QVERIFY(d.isVisible());
}

QTEST_MAIN(PagePropertiesDialogsTest)
#include "page_properties_dialogs_test.moc"
