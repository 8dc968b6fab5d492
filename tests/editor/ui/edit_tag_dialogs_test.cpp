#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "app/command_table.h"
#include "editor/document_lifecycle.h"
#include "editor/editing_commands.h"
#include "editor/ui/edit_tag_dialogs.h"
#include "support/fakes.h"
#include "support/marked_text.h"

using quillane::CommandTable;
using quillane::testing::MarkedText;
using quillane::testing::SetMarkedText;
using quillane::testing::TestApp;

namespace {

// Runs `step` on the modal dialog as soon as one is open.
void OnModalDialog(std::function<void(QWidget*)> step) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, step] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) return;
        poll->stop();
        poll->deleteLater();
        step(dialog);
    });
    poll->start(10);
}

QString ComboText(QWidget* dialog, const char* name) {
    auto* box = dialog->findChild<QComboBox*>(name);
    return box ? box->currentText() : QString("<no %1>").arg(name);
}

QString LineText(QWidget* dialog, const char* name) {
    auto* edit = dialog->findChild<QLineEdit*>(name);
    return edit ? edit->text() : QString("<no %1>").arg(name);
}

struct EditTagRun {
    EditTagRun() {
        quillane::NewDocument(app.ctx);
        quillane::RegisterEditingCommands(commands);
        quillane::RegisterEditTagDialogs(commands, nullptr);
    }
    void run(const std::string& marked) {
        SetMarkedText(app.editor(), marked);
        QVERIFY(commands.run("mnuEditTag", app.ctx, app.active()));
    }
    TestApp app;
    CommandTable commands;
};

}  // namespace

class EditTagDialogsTest : public QObject {
    Q_OBJECT

private slots:
    // A link reopens the link dialog filled from it; OK replaces the link.
    void linkOpensFilledAndOkReplacesIt() {
        EditTagRun r;
        QString seenUrl, seenTarget, seenText, seenName;
        std::string seenSelection;
        bool seenEditTagMode = false;
        OnModalDialog([&](QWidget* dialog) {
            seenName = dialog->objectName();
            seenUrl = ComboText(dialog, "httpsite");
            seenTarget = ComboText(dialog, "Combo1");
            seenText = LineText(dialog, "LText1");
            seenSelection = MarkedText(r.app.editor());
            seenEditTagMode = r.app.ctx.editTagMode;
            dialog->findChild<QComboBox*>("httpsite")->setEditText("new.htm");
            QTest::mouseClick(dialog->findChild<QPushButton*>("LtextOK"), Qt::LeftButton);
        });
        r.run("x<a href=\"h.htm\" target=_top>Ho|me</a>y");

        QCOMPARE(seenName, QString("LINKTEXT"));
        QCOMPARE(seenUrl, QString("h.htm"));
        QCOMPARE(seenTarget, QString("_top"));
        QCOMPARE(seenText, QString("Home"));
        QCOMPARE(seenSelection, std::string("x[<a href=\"h.htm\" target=_top>Home</a>]y"));
        QVERIFY(seenEditTagMode);
        QCOMPARE(r.app.editor().text(), std::string("x<A HREF=\"new.htm\" TARGET=\"_top\">Home</A>y"));
        QVERIFY(!r.app.ctx.editTagMode);
    }

    void cancelLeavesTheLinkSelected() {
        EditTagRun r;
        OnModalDialog([](QWidget* dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        });
        r.run("<A HREF=\"a.htm\">|A</A>");
        QCOMPARE(MarkedText(r.app.editor()), std::string("[<A HREF=\"a.htm\">A</A>]"));
        QVERIFY(!r.app.ctx.editTagMode);
    }

    // Each kind opens its own dialog, filled from the tag; Cancel leaves the
    // text as it was. (Which text Edit Tag selects is the core's, tested there.)
    void kindsOpenTheirDialogs_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("dialogName");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("IMG") << "<P><IMG SRC=\"a b.gif\" WIDTH=5>|</P>" << "LinkGraph" << "GraphText" << "a b.gif"
                             << "CANCELBUT";
        QTest::newRow("BODY") << "<HTML><body bgcolor=\"#FFFFFF\">|x</body></HTML>" << "BGCOLOR" << "Text1" << "FFFFFF"
                              << "Command1";
        QTest::newRow("APPLET") << "<APPLET CODE=a.class>|\r\n</APPLET>" << "Applet" << "Text1" << "a.class"
                                << "Command2";
        QTest::newRow("PARAM") << "<PARAM NAME=speed VALUE=5>|" << "Parametr" << "Text2" << "5" << "Command2";
        QTest::newRow("HR") << "<P><hr width=50%>|" << "HRForm" << "Text2" << "50%" << "Command2";
        QTest::newRow("FONT") << "<font color=#00FF00 size=2>|x</font>" << "FormatChar" << "Text1" << "00FF00"
                              << "Command2";
    }

    void kindsOpenTheirDialogs() {
        QFETCH(QString, page);
        QFETCH(QString, dialogName);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, cancel);
        EditTagRun r;
        const std::string before = page.toStdString();
        QString seenName, seenValue;
        bool seenEditTagMode = false;
        OnModalDialog([&](QWidget* dialog) {
            seenName = dialog->objectName();
            seenValue = LineText(dialog, field.toLatin1().constData());
            seenEditTagMode = r.app.ctx.editTagMode;
            QTest::mouseClick(dialog->findChild<QPushButton*>(cancel), Qt::LeftButton);
        });
        r.run(before);
        QCOMPARE(seenName, dialogName);
        QCOMPARE(seenValue, value);
        QVERIFY(seenEditTagMode);
        QCOMPARE(QString::fromStdString(r.app.editor().text()), QString(page).remove('|'));
        QVERIFY(!r.app.ctx.editTagMode);
    }

    // Tags of other kinds: the tag is selected and nothing opens.
    void tagWithoutDialogStaysSelected() {
        EditTagRun r;
        r.run("<P ALIGN=CENTER>|");
        QCOMPARE(MarkedText(r.app.editor()), std::string("[<P ALIGN=CENTER>]"));
        QVERIFY(!r.app.ctx.editTagMode);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(EditTagDialogsTest)
#include "edit_tag_dialogs_test.moc"
