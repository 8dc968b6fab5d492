#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>

#include "app/command_table.h"
#include "builders/ui/applet_dialogs.h"
#include "builders/ui/float_frame_dialog.h"
#include "builders/ui/hr_dialog.h"
#include "builders/ui/marquee_dialog.h"
#include "builders/ui/multimedia_dialog_commands.h"
#include "builders/ui/sound_dialogs.h"
#include "editor/document_lifecycle.h"
#include "editor/editing_commands.h"
#include "editor/ui/edit_tag_dialogs.h"
#include "support/fakes.h"
#include "support/marked_text.h"
#include "support/ui_fixture.h"

using namespace quillane;
using quillane::testing::DialogDriver;
using quillane::testing::DocumentFixture;
using quillane::testing::MarkedText;
using quillane::testing::SetMarkedText;
using quillane::testing::TestApp;

namespace {

using Sel = std::pair<std::size_t, std::size_t>;

struct Fixture : DocumentFixture {
    static void enter(QWidget* dialog, const char* name) {
        clickInto(dialog, name);
        pressInFocus(Qt::Key_Return);
    }

};

// Edit Tag on a whole document, as the command runs it.
struct EditTagRun {
    EditTagRun() {
        NewDocument(app.ctx);
        RegisterEditingCommands(commands);
        RegisterEditTagDialogs(commands, nullptr);
    }
    void run(const std::string& marked, const std::function<void(QWidget*)>& drive) {
        SetMarkedText(app.editor(), marked);
        DialogDriver::RunModal([&] { QVERIFY(commands.run("mnuEditTag", app.ctx, app.active())); }, drive);
    }
    TestApp app;
    CommandTable commands;
};

}  // namespace

class MultimediaDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void ruleDialogHasItsControls();
    void ruleOkReplacesTheSelection_data();
    void ruleOkReplacesTheSelection();
    void enterRunsOkOnlyInItsBoxes();
    void cancelChangesNothingAndClearsEditTagMode_data();
    void cancelChangesNothingAndClearsEditTagMode();
    void editTagReopensTheRuleDialog();
    void appletDialogHasItsControls();
    void appletInsertsItsClosingTag();
    void appletRefusalKeepsTheDialogOpen();
    void appletAlignListAndPreview();
    void editTagReplacesOnlyTheAppletsOpeningTag();
    void parameterInsertKeepsTheDialogOpen();
    void editTagReopensTheParameterDialog();
    void soundDialog();
    void soundLoopChosenAndTyped();
    void embedDialog();
    void embedRefusalTakesNoSnapshot();
    void floatingFrameDialog();
    void floatingFrameChecksInOrder();
    void marqueeDialog();
    void marqueeListsAndColour();
    void commandsOpenTheDialogsModally_data();
    void commandsOpenTheDialogsModally();
};

void MultimediaDialogsTest::ruleDialogHasItsControls() {
    Fixture f;
    HRForm d(f.app.ctx, f.view);
    QCOMPARE(d.objectName(), QString("HRForm"));
    QCOMPARE(d.windowTitle(), QString("Horizontal Rule"));
    QVERIFY(d.isModal());
    QCOMPARE(f.child<QGroupBox>(&d, "SSFrame1")->title(), QString("Align"));
    const char* options[] = {"Option1", "Option2", "Option3"};
    const QString captions[] = {"Left", "Right", "Center"};
    for (int i = 0; i < 3; ++i) {
        auto* option = f.child<QRadioButton>(&d, options[i]);
        QCOMPARE(option->text(), captions[i]);
        QVERIFY(!option->isChecked());
    }
    QCOMPARE(f.child<QCheckBox>(&d, "SSCheck1")->text(), QString("No Shading"));
    QVERIFY(!f.child<QCheckBox>(&d, "SSCheck1")->isChecked());
    QCOMPARE(f.child<QPushButton>(&d, "Command1")->text(), QString("&OK"));
    QCOMPARE(f.child<QPushButton>(&d, "Command2")->text(), QString("&Cancel"));
    QVERIFY(f.child<QPushButton>(&d, "SSCommand1"));
    QCOMPARE(f.shown(&d, "Text1"), QString());
    QCOMPARE(f.shown(&d, "Text2"), QString());
}

void MultimediaDialogsTest::ruleOkReplacesTheSelection_data() {
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("option");  // "" for none
    QTest::addColumn<bool>("noShade");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << "" << "" << "" << false << "<HR>";
    QTest::newRow("all") << "3" << "50%" << "Option3" << true << "<HR SIZE=3 WIDTH=50% ALIGN=center NOSHADE>";
    QTest::newRow("left") << "" << "10" << "Option1" << false << "<HR WIDTH=10 ALIGN=left>";
}

void MultimediaDialogsTest::ruleOkReplacesTheSelection() {
    QFETCH(QString, size);
    QFETCH(QString, width);
    QFETCH(QString, option);
    QFETCH(bool, noShade);
    QFETCH(QString, expected);
    Fixture f;
    f.setText("a xx b", 2, 2);
    f.app.ctx.editTagMode = true;
    HRForm d(f.app.ctx, f.view);
    d.show();
    f.type(&d, "Text1", size);
    f.type(&d, "Text2", width);
    if (!option.isEmpty()) QTest::mouseClick(f.child<QRadioButton>(&d, option.toLatin1().constData()), Qt::LeftButton);
    if (noShade) QTest::mouseClick(f.child<QCheckBox>(&d, "SSCheck1"), Qt::LeftButton);
    f.click(&d, "Command1");

    const std::string rule = expected.toStdString();
    QCOMPARE(f.text(), "a " + rule + " b");
    QCOMPARE(f.selection(), Sel(2 + rule.size(), 0));
    QVERIFY(!d.isVisible());
    QVERIFY(!f.app.ctx.editTagMode);
    QCOMPARE(f.app.ctx.undoText, std::string("a xx b"));
}

void MultimediaDialogsTest::enterRunsOkOnlyInItsBoxes() {
    {
        Fixture f;
        HRForm d(f.app.ctx, f.view);
        d.show();
        f.type(&d, "Text2", "5");
        f.enter(&d, "Text2");
        QCOMPARE(f.text(), std::string("<HR WIDTH=5>"));
        QVERIFY(!d.isVisible());
    }
    {
        Fixture f;
        Applet d(f.app.ctx, f.view);
        d.show();
        f.type(&d, "Text1", "A.class");
        f.enter(&d, "Text7");
        QCOMPARE(f.text(), std::string("<APPLET CODE=\"A.class\">\r\n</APPLET>"));
        QVERIFY(!d.isVisible());
    }
}

void MultimediaDialogsTest::cancelChangesNothingAndClearsEditTagMode_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("button");  // "" for the close box
    QTest::newRow("rule cancel") << "HRForm" << "Command2";
    QTest::newRow("rule close") << "HRForm" << "";
    QTest::newRow("applet cancel") << "Applet" << "Command2";
    QTest::newRow("parameter done") << "Parametr" << "Command2";
    QTest::newRow("parameter close") << "Parametr" << "";
}

void MultimediaDialogsTest::cancelChangesNothingAndClearsEditTagMode() {
    QFETCH(QString, dialog);
    QFETCH(QString, button);
    Fixture f;
    f.setText("abc", 1, 1);
    f.app.ctx.editTagMode = true;
    std::unique_ptr<QDialog> d;
    if (dialog == "HRForm") d = std::make_unique<HRForm>(f.app.ctx, f.view);
    else if (dialog == "Applet") d = std::make_unique<Applet>(f.app.ctx, f.view);
    else d = std::make_unique<Parametr>(f.app.ctx, f.view);
    d->show();
    f.type(d.get(), "Text1", "x");
    if (button.isEmpty()) d->close();
    else f.click(d.get(), button.toLatin1().constData());
    QVERIFY(!d->isVisible());
    QCOMPARE(f.text(), std::string("abc"));
    QCOMPARE(f.selection(), Sel(1, 1));
    QVERIFY(!f.app.ctx.editTagMode);
}

void MultimediaDialogsTest::editTagReopensTheRuleDialog() {
    EditTagRun r;
    QString size, width;
    bool center = false, noShade = false, editTagMode = false;
    r.run("x<hr width=\"50%\" align=Center noshade>|y", [&](QWidget* d) {
        QCOMPARE(d->objectName(), QString("HRForm"));
        size = DialogDriver::shown(d, "Text1");
        width = DialogDriver::shown(d, "Text2");
        center = DialogDriver::child<QRadioButton>(d, "Option3")->isChecked();
        noShade = DialogDriver::child<QCheckBox>(d, "SSCheck1")->isChecked();
        editTagMode = r.app.ctx.editTagMode;
        DialogDriver::type(d, "Text1", "3");
        DialogDriver::click(d, "Command1");
    });
    QCOMPARE(size, QString());
    QCOMPARE(width, QString("50%"));
    QVERIFY(center);
    QVERIFY(noShade);
    QVERIFY(editTagMode);
    QCOMPARE(r.app.editor().text(), std::string("x<HR SIZE=3 WIDTH=50% ALIGN=center NOSHADE>y"));
    QVERIFY(!r.app.ctx.editTagMode);
}

void MultimediaDialogsTest::appletDialogHasItsControls() {
    Fixture f;
    Applet d(f.app.ctx, f.view);
    QCOMPARE(d.objectName(), QString("Applet"));
    QCOMPARE(d.windowTitle(), QString("Java Applet"));
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"})
        QCOMPARE(f.shown(&d, name), QString());
    auto* align = f.child<QComboBox>(&d, "Combo1");
    QVERIFY(!align->isEditable());
    QCOMPARE(align->currentIndex(), -1);
    QStringList items;
    for (int i = 0; i < align->count(); ++i) items << align->itemText(i);
    QCOMPARE(items, (QStringList{"None", "Top", "Middle", "Bottom(Default)", "Left", "Right", "Texttop", "Absmiddle",
                                 "Baseline", "Absbottom"}));
    QCOMPARE(f.child<QGroupBox>(&d, "Frame2")->title(), QString("Align Preview"));
    d.show();
    for (const char* name : {"Leftimage", "Leftimage2", "Rightimage", "Redtext", "Toplabel", "Label10", "Label11",
                             "Label12"})
        QVERIFY2(f.child<QWidget>(&d, name)->isHidden(), name);
}

void MultimediaDialogsTest::appletInsertsItsClosingTag() {
    Fixture f;
    f.setText("a sel b", 2, 3);
    Applet d(f.app.ctx, f.view);
    d.show();
    f.type(&d, "Text1", "Clock.class");
    f.type(&d, "Text3", "30");
    f.click(&d, "Command1");
    const std::string applet = "<APPLET CODE=\"Clock.class\" WIDTH=30>\r\n</APPLET>";
    QCOMPARE(f.text(), "a " + applet + " b");
    QCOMPARE(f.selection(), Sel(2 + applet.size(), 0));
    QVERIFY(!d.isVisible());
    QCOMPARE(f.app.ctx.undoText, std::string("a sel b"));
}

void MultimediaDialogsTest::appletRefusalKeepsTheDialogOpen() {
    Fixture f;
    f.setText("abc");
    Applet d(f.app.ctx, f.view);
    d.show();
    QApplication::setActiveWindow(&d);
    f.type(&d, "Text4", "alt");
    f.child<QLineEdit>(&d, "Text4")->setFocus();
    f.click(&d, "Command1");
    QCOMPARE(f.app.messages.shown.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(f.app.messages.shown[0].text),
             QString("Please enter Applet name in the box below."));
    QVERIFY(d.isVisible());
    QCOMPARE(f.shown(&d, "Text4"), QString("alt"));
    QCOMPARE(f.text(), std::string("abc"));
    QCOMPARE(d.focusWidget(), f.child<QWidget>(&d, "Text1"));
}

void MultimediaDialogsTest::appletAlignListAndPreview() {
    Fixture f;
    Applet d(f.app.ctx, f.view);
    d.show();
    auto* align = f.child<QComboBox>(&d, "Combo1");
    struct Row {
        int index;
        const char* attribute;
        bool redShown;
    };
    const Row rows[] = {{3, " ALIGN=Bottom", true}, {4, " ALIGN=Left", false}, {0, "", false}};
    for (const Row& row : rows) {
        align->setCurrentIndex(row.index);
        emit align->activated(row.index);
        QCOMPARE(d.fields().alignValue, std::string(row.attribute));
        QCOMPARE(f.child<QWidget>(&d, "Redtext")->isVisible(), row.redShown);
    }
    QVERIFY(f.child<QWidget>(&d, "Label12")->isHidden());
    align->setCurrentIndex(1);
    emit align->activated(1);
    QCOMPARE(f.child<QLabel>(&d, "Label12")->text(),
             QString("Aligns the top of the applet with the top of the tallest item (image, text, etc.) in the line."));
    QCOMPARE(f.child<QLabel>(&d, "Toplabel")->text(), QString("This is neighboring text."));
}

void MultimediaDialogsTest::editTagReplacesOnlyTheAppletsOpeningTag() {
    EditTagRun r;
    QString code, alt;
    int alignIndex = -2;
    r.run("<APPLET CODE=\"a.class\" ALT=\"x y\" ALIGN=bottom>|\r\n<PARAM NAME=n>\r\n</APPLET>", [&](QWidget* d) {
        QCOMPARE(d->objectName(), QString("Applet"));
        code = DialogDriver::shown(d, "Text1");
        alt = DialogDriver::shown(d, "Text4");
        alignIndex = DialogDriver::child<QComboBox>(d, "Combo1")->currentIndex();
        DialogDriver::type(d, "Text3", "9");
        DialogDriver::click(d, "Command1");
    });
    QCOMPARE(code, QString("a.class"));
    QCOMPARE(alt, QString("x y"));
    QCOMPARE(alignIndex, 3);
    QCOMPARE(r.app.editor().text(),
             std::string("<APPLET CODE=\"a.class\" ALT=\"x y\" ALIGN=bottom WIDTH=9>\r\n<PARAM NAME=n>\r\n</APPLET>"));
    QVERIFY(!r.app.ctx.editTagMode);
}

void MultimediaDialogsTest::parameterInsertKeepsTheDialogOpen() {
    Fixture f;
    Parametr d(f.app.ctx, f.view);
    QCOMPARE(d.objectName(), QString("Parametr"));
    QCOMPARE(d.windowTitle(), QString("Applet Parameter"));
    QCOMPARE(f.child<QPushButton>(&d, "Command1")->text(), QString("&Insert"));
    QCOMPARE(f.child<QPushButton>(&d, "Command2")->text(), QString("&Done"));
    d.show();
    f.click(&d, "Command1");
    QCOMPARE(f.text(), std::string("<PARAM NAME= VALUE=>\r\n"));
    f.type(&d, "Text1", "speed");
    f.type(&d, "Text2", "5");
    f.enter(&d, "Text2");
    f.enter(&d, "Text1");
    QCOMPARE(f.text(), std::string("<PARAM NAME= VALUE=>\r\n<PARAM NAME=\"speed\" VALUE=\"5\">\r\n"
                                   "<PARAM NAME=\"speed\" VALUE=\"5\">\r\n"));
    QVERIFY(d.isVisible());
    QCOMPARE(f.shown(&d, "Text1"), QString("speed"));
    QCOMPARE(f.shown(&d, "Text2"), QString("5"));
    f.click(&d, "Command2");
    QVERIFY(!d.isVisible());
}

void MultimediaDialogsTest::editTagReopensTheParameterDialog() {
    EditTagRun r;
    QString name, value;
    r.run("<param name=\"speed\" value=5>|", [&](QWidget* d) {
        QCOMPARE(d->objectName(), QString("Parametr"));
        name = DialogDriver::shown(d, "Text1");
        value = DialogDriver::shown(d, "Text2");
        DialogDriver::type(d, "Text2", "6");
        DialogDriver::click(d, "Command1");
        DialogDriver::click(d, "Command2");
    });
    QCOMPARE(name, QString("speed"));
    QCOMPARE(value, QString("5"));
    QCOMPARE(r.app.editor().text(), std::string("<PARAM NAME=\"speed\" VALUE=\"6\">\r\n"));
    QVERIFY(!r.app.ctx.editTagMode);
}

void MultimediaDialogsTest::commandsOpenTheDialogsModally_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("rule") << "mnuNSHR" << "HRForm";
    QTest::newRow("applet") << "mnuJavaApplet" << "Applet";
    QTest::newRow("parameter") << "mnuJavaParam" << "Parametr";
    QTest::newRow("sound") << "mnuBGSound" << "BGSound";
    QTest::newRow("embedded") << "mnuembed" << "EMBEDITEM";
    QTest::newRow("floating frame") << "mnuFloatFrame" << "Float";
    QTest::newRow("marquee") << "mnuMarquee" << "Marquee";
}

void MultimediaDialogsTest::commandsOpenTheDialogsModally() {
    QFETCH(QString, command);
    QFETCH(QString, dialog);
    Fixture f;
    CommandTable commands;
    QWidget mainWindow;
    RegisterMultimediaDialogs(commands, &mainWindow);
    QString seen;
    f.RunModal([&] { QVERIFY(commands.run(command.toStdString(), f.app.ctx, nullptr)); },
               [&](QWidget* d) {
                   seen = d->objectName();
                   QVERIFY(d->isModal());
                   for (QPushButton* b : d->findChildren<QPushButton*>())
                       if (b->text() == "&Cancel" || b->text() == "&Done") QTest::mouseClick(b, Qt::LeftButton);
               });
    QCOMPARE(seen, dialog);
    QCOMPARE(f.text(), std::string());
}

void MultimediaDialogsTest::soundDialog() {
    Fixture f;
    f.app.dialogs.fileAnswers.push_back(std::string("/media/Bell.WAV"));
    BGSound d(f.app.ctx, f.view);
    QCOMPARE(d.objectName(), QString("BGSound"));
    QCOMPARE(d.windowTitle(), QString("Background Sound"));
    QCOMPARE(f.child<QLabel>(&d, "Label3")->text(),
             QString("For inserting sounds that work with ALL browsers use the 'Embedded Object' function in the "
                     "'Insert HTML' pull-down menu.  Only Internet Explorer supports the BGSOUND tag."));
    QCOMPARE(f.child<QPushButton>(&d, "Command2")->text(), QString("&OK"));
    QCOMPARE(f.child<QPushButton>(&d, "Command3")->text(), QString("&Cancel"));
    d.show();
    f.enter(&d, "Text1");
    QCOMPARE(QString::fromStdString(f.app.messages.shown.at(0).text),
             QString("Please enter sound filename in the box below."));
    QVERIFY(d.isVisible());
    f.click(&d, "Command1");
    QCOMPARE(f.app.dialogs.fileRequests.at(0).filter,
             std::string("All Files (*.*)|*.*|WAV Files (*.wav)|*.wav|AU Files (*.au)|*.au"));
    QCOMPARE(f.app.dialogs.fileRequests.at(0).filterIndex, 2);
    QVERIFY(f.shown(&d, "Text1").endsWith("Bell.WAV", Qt::CaseInsensitive));
    f.type(&d, "Text1", "a.wav");
    auto* loop = f.child<QComboBox>(&d, "Combo1");
    loop->setCurrentIndex(10);
    emit loop->activated(10);
    f.enter(&d, "Combo1");
    QCOMPARE(f.text(), std::string("<BGSOUND SRC=\"a.wav\" LOOP=Infinite>"));
    QVERIFY(!d.isVisible());
}

void MultimediaDialogsTest::soundLoopChosenAndTyped() {
    Fixture f;
    BGSound d(f.app.ctx, f.view);
    d.show();
    f.type(&d, "Text1", "a.wav");
    f.type(&d, "Combo1", "5");
    QCOMPARE(d.fields().loopValue, std::string(" LOOP=5"));
    QTest::keyClick(f.box(&d, "Combo1"), Qt::Key_Backspace);
    QCOMPARE(d.fields().loopValue, std::string(" LOOP="));
    emit f.child<QComboBox>(&d, "Combo1")->activated(0);
    QCOMPARE(d.fields().loopValue, std::string());
}

void MultimediaDialogsTest::embedDialog() {
    Fixture f;
    f.setText("a x b", 2, 1);
    EMBEDITEM d(f.app.ctx, f.view);
    QCOMPARE(d.objectName(), QString("EMBEDITEM"));
    QCOMPARE(d.windowTitle(), QString("Embedded Object"));
    QCOMPARE(f.child<QGroupBox>(&d, "Frame1")->title(), QString("Layout"));
    QCOMPARE(f.child<QPushButton>(&d, "Command3")->text(), QString("&OK"));
    d.show();
    f.type(&d, "Text1", "v.avi");
    f.type(&d, "Text2", "10");
    f.child<QComboBox>(&d, "Combo1")->setCurrentIndex(0);
    f.child<QComboBox>(&d, "Combo2")->setCurrentIndex(1);
    QTest::mouseClick(f.child<QCheckBox>(&d, "Check1"), Qt::LeftButton);
    f.enter(&d, "Text3");
    QCOMPARE(f.text(), std::string("a <EMBED SRC=\"v.avi\" WIDTH=10 ALIGN=Middle HIDDEN=TRUE AUTOSTART=TRUE> b"));
    QCOMPARE(f.app.ctx.undoText, std::string("a x b"));
    QVERIFY(!d.isVisible());
}

void MultimediaDialogsTest::embedRefusalTakesNoSnapshot() {
    Fixture f;
    f.setText("abc");
    f.app.ctx.undoText = "earlier";
    f.app.dialogs.fileAnswers.push_back(std::nullopt);
    EMBEDITEM d(f.app.ctx, f.view);
    d.show();
    f.click(&d, "Command1");  // browse, cancelled
    QCOMPARE(f.app.dialogs.fileRequests.at(0).filter,
             std::string("All Files (*.*)|*.*|WAV Files (*.wav)|*.wav|AU Files (*.au)|*.au|MIDI Files (*.mid)|*.mid"));
    QCOMPARE(f.shown(&d, "Text1"), QString());
    f.click(&d, "Command3");
    QCOMPARE(QString::fromStdString(f.app.messages.shown.at(0).text),
             QString("Please enter object to be embedded in the box below."));
    QCOMPARE(f.app.ctx.undoText, std::string("earlier"));
    QVERIFY(d.isVisible());
}

void MultimediaDialogsTest::floatingFrameDialog() {
    Fixture f;
    f.app.ctx.settings.FavoriteURLs[1] = "http://one.example/";
    Float d(f.app.ctx, f.view);
    QCOMPARE(d.objectName(), QString("Float"));
    QCOMPARE(d.windowTitle(), QString("Floating Frame"));
    auto* urls = f.child<QComboBox>(&d, "Combo1");
    QCOMPARE(urls->count(), 15);
    QCOMPARE(urls->itemText(0), QString("http://one.example/"));
    QCOMPARE(f.shown(&d, "Combo1"), QString());
    QCOMPARE(f.shown(&d, "Combo2"), QString("None"));
    QVERIFY(f.child<QCheckBox>(&d, "Check1")->isChecked());
    QVERIFY(f.child<QCheckBox>(&d, "Check2")->isChecked());
    QCOMPARE(f.child<QPushButton>(&d, "Command2")->text(), QString("&OK"));
    d.show();
    f.type(&d, "Combo1", "a.htm");
    f.type(&d, "Text1", "100");
    f.type(&d, "Text2", "50");
    f.enter(&d, "Text6");
    QCOMPARE(f.text(), std::string("<IFRAME SRC=\"a.htm\" HEIGHT=50 WIDTH=100 FRAMEBORDER=1 SCROLLING=YES>\r\n\r\n</IFRAME>"));
    QVERIFY(!d.isVisible());
}

void MultimediaDialogsTest::floatingFrameChecksInOrder() {
    Fixture f;
    Float d(f.app.ctx, f.view);
    d.show();
    QApplication::setActiveWindow(&d);
    f.click(&d, "Command2");
    // An editable combo box may keep the focus itself or pass it to its text.
    QVERIFY(d.focusWidget() == f.child<QWidget>(&d, "Combo1") || d.focusWidget() == f.box(&d, "Combo1"));
    f.type(&d, "Combo1", "a.htm");
    f.type(&d, "Text2", "5");
    f.click(&d, "Command2");
    QCOMPARE(f.app.messages.texts(),
             (std::vector<std::string>{"Please enter Source URL in the box below.",
                                       "Please enter Frame width and height in the appropriate box below."}));
    QCOMPARE(d.focusWidget(), f.child<QWidget>(&d, "Text1"));
    QVERIFY(d.isVisible());
    QCOMPARE(f.text(), std::string());
}

void MultimediaDialogsTest::marqueeDialog() {
    Fixture f;
    f.setText("say Hello", 4, 5);
    Marquee d(f.app.ctx, f.view);
    QCOMPARE(d.objectName(), QString("Marquee"));
    QCOMPARE(d.windowTitle(), QString("Marquee"));
    QCOMPARE(f.child<QLabel>(&d, "Label13")->text(), QString("Only Internet Explorer supports the MARQUEE tag."));
    QCOMPARE(f.child<QLabel>(&d, "Label12")->text(), QString("The items below are all optional attributes."));
    QCOMPARE(f.shown(&d, "Text1"), QString("Hello"));
    d.show();
    f.enter(&d, "Text1");  // Enter is no OK here
    QVERIFY(d.isVisible());
    f.click(&d, "Command1");
    QCOMPARE(f.text(), std::string("say <MARQUEE DIRECTION=Right>Hello</MARQUEE>"));
    QVERIFY(!d.isVisible());
}

void MultimediaDialogsTest::marqueeListsAndColour() {
    Fixture f;
    f.app.dialogs.colorAnswers.push_back(std::nullopt);
    f.app.dialogs.colorAnswers.push_back(Rgb{255, 0, 16});
    Marquee d(f.app.ctx, f.view);
    d.show();
    f.click(&d, "Command1");
    QCOMPARE(QString::fromStdString(f.app.messages.shown.at(0).text),
             QString("Please enter text to be marqueed in the box below."));
    QCOMPARE(f.app.ctx.undoText, std::string());
    QVERIFY(d.isVisible());
    f.type(&d, "Text1", "Hi");
    auto* left = f.child<QRadioButton>(&d, "SSOption1");
    // On its indicator: a stretched button takes clicks only near its text.
    QTest::mouseClick(left, Qt::LeftButton, {}, QPoint(6, left->height() / 2));
    emit f.child<QComboBox>(&d, "Combo1")->activated(3);
    emit f.child<QComboBox>(&d, "Combo2")->activated(0);
    f.type(&d, "Combo3", "5");
    f.click(&d, "Command4");  // cancelled
    QCOMPARE(f.shown(&d, "Text4"), QString());
    f.click(&d, "Command4");
    QCOMPARE(f.shown(&d, "Text4"), QString("FF0010"));
    f.click(&d, "Command1");
    QCOMPARE(QString::fromStdString(f.text()),
             QString("<MARQUEE DIRECTION=Left ALIGN=Bottom BEHAVIOR=Scroll LOOP=5 BGCOLOR=FF0010>Hi</MARQUEE>"));
}

QTEST_MAIN(MultimediaDialogsTest)
#include "multimedia_dialogs_test.moc"
