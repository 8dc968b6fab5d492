#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "editor/document_lifecycle.h"
#include "makers/ui/convert_dialog.h"
#include "support/fakes.h"
#include "support/marked_text.h"

using namespace quillane;
using namespace quillane::testing;

namespace {

QRadioButton* Option(const QWidget& dialog, const char* name) {
    auto* option = dialog.findChild<QRadioButton*>(name);
    if (!option) qFatal("no option %s", name);
    return option;
}

}  // namespace

class ConvertDialogTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithNoOptionChosen() {
        TestApp app;
        Convert dialog(app.ctx);
        dialog.show();
        QCOMPARE(dialog.objectName(), QString("Convert"));
        QCOMPARE(dialog.windowTitle(), QString("Convert to HTML"));
        QVERIFY(dialog.isModal());
        const char* names[] = {"SSOption1", "SSOption2", "SSOption3", "SSOption4"};
        const char* captions[] = {"Space Delimited", "Tab Delimited", "Comma Delimited",
                                  "Convert Selected Text to List"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(Option(dialog, names[i])->text(), QString(captions[i]));
            QVERIFY(!Option(dialog, names[i])->isChecked());
        }
        QCOMPARE(dialog.option(), ConvertOption::None);
        QCOMPARE(dialog.findChild<QPushButton*>("Command1")->text(), QString("&OK"));
        QCOMPARE(dialog.findChild<QPushButton*>("Command2")->text(), QString("&Cancel"));
    }

    // A table option clears the list option and the other way round.
    void optionsOfBothFramesExcludeEachOther() {
        TestApp app;
        Convert dialog(app.ctx);
        dialog.show();
        QTest::mouseClick(Option(dialog, "SSOption4"), Qt::LeftButton);
        QTest::mouseClick(Option(dialog, "SSOption2"), Qt::LeftButton);
        QVERIFY(!Option(dialog, "SSOption4")->isChecked());
        QCOMPARE(dialog.option(), ConvertOption::TabDelimited);
        QTest::mouseClick(Option(dialog, "SSOption4"), Qt::LeftButton);
        for (const char* table : {"SSOption1", "SSOption2", "SSOption3"}) QVERIFY(!Option(dialog, table)->isChecked());
        QCOMPARE(dialog.option(), ConvertOption::List);
    }

    void okWithoutAnOptionAsksForOne() {
        TestApp app;
        NewDocument(app.ctx);
        SetMarkedText(app.editor(), "[a,b]");
        Convert dialog(app.ctx);
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(app.messages.texts(), std::vector<std::string>{"Select an Option."});
        QVERIFY(dialog.isVisible());
        QCOMPARE(MarkedText(app.editor()), std::string("[a,b]"));
    }

    void convertsTheSelection_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("result");
        QTest::newRow("comma") << "SSOption3" << "a,b\r\nc,d"
                               << "<TABLE>\r\n\t<TR>\r\n\t\t<TD>a</TD>\r\n\t\t<TD>b</TD></TR>\r\n"
                                  "\t<TR>\r\n\t\t<TD>c</TD>\r\n\t\t<TD>d</TD></TR>\r\n</TABLE>";
        QTest::newRow("space") << "SSOption1" << "a b"
                               << "<TABLE>\r\n\t<TR>\r\n\t\t<TD>a</TD>\r\n\t\t<TD>b</TD></TR>\r\n</TABLE>";
        QTest::newRow("tab") << "SSOption2" << "a\tb,c"
                             << "<TABLE>\r\n\t<TR>\r\n\t\t<TD>a</TD>\r\n\t\t<TD>b,c</TD></TR>\r\n</TABLE>";
        QTest::newRow("list") << "SSOption4" << "one\r\ntwo\r\n"
                              << "<UL>\r\n<LI>one\r\n<LI>two\r\n</UL>";
    }
    void convertsTheSelection() {
        QFETCH(QString, option);
        QFETCH(QString, selection);
        QFETCH(QString, result);
        TestApp app;
        NewDocument(app.ctx);
        SetMarkedText(app.editor(), "x[" + selection.toStdString() + "]y");
        Convert dialog(app.ctx);
        dialog.show();
        QTest::mouseClick(Option(dialog, option.toLatin1().constData()), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(MarkedText(app.editor()), "x" + result.toStdString() + "|y");
        QVERIFY(app.messages.shown.empty());
    }

    void f1OpensTheHelp() {
        TestApp app;
        Convert dialog(app.ctx);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_F1);
        QCOMPARE(app.help.topics, std::vector<int>{0});
        QVERIFY(dialog.isVisible());
    }

    void cancelConvertsNothing() {
        TestApp app;
        NewDocument(app.ctx);
        SetMarkedText(app.editor(), "[a b]");
        Convert dialog(app.ctx);
        dialog.show();
        QTest::mouseClick(Option(dialog, "SSOption1"), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(MarkedText(app.editor()), std::string("[a b]"));
    }
};

QTEST_MAIN(ConvertDialogTest)
#include "convert_dialog_test.moc"
