#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/ui/templates_dialog.h"
#include "editor/temp_folder.h"
#include "support/fakes.h"

using namespace quillane;
using namespace quillane::testing;

namespace {

// A program folder with two templates and a file that is not one.
struct TemplateFolder {
    TemplateFolder() {
        folder.write("plain.qlt", "<HTML>plain</HTML>\r\n");
        folder.write("Frames.QLT", "<HTML>frames</HTML>\r\n");
        folder.write("notes.txt", "not a template");
        app.shell.folder = folder.folder();
    }
    TempFolder folder;
    TestApp app;
};

QStringList Names(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

}  // namespace

class TemplatesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheTemplatesOfTheProgramFolder() {
        TemplateFolder t;
        Templates dialog(t.app.ctx);
        QCOMPARE(dialog.objectName(), QString("Templates"));
        QVERIFY(dialog.isModal());
        auto* list = dialog.findChild<QListWidget*>("File1");
        QVERIFY(list);
        QCOMPARE(Names(list), (QStringList{"Frames.QLT", "plain.qlt"}));
        QCOMPARE(dialog.findChild<QLabel*>()->text(), QString("Templates:"));
        QCOMPARE(dialog.findChild<QPushButton*>("Command1")->text(), QString("&OK"));
        QCOMPARE(dialog.findChild<QPushButton*>("Command2")->text(), QString("&Cancel"));
    }

    // OK and a double-click open the chosen template as a new document.
    void openingAChosenTemplate_data() {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("OK") << false;
        QTest::newRow("double-click") << true;
    }
    void openingAChosenTemplate() {
        QFETCH(bool, doubleClick);
        TemplateFolder t;
        Templates dialog(t.app.ctx);
        dialog.show();
        auto* list = dialog.findChild<QListWidget*>("File1");
        QListWidgetItem* plain = list->item(1);
        list->setCurrentItem(plain);
        if (doubleClick) {
            const QPoint at = list->visualItemRect(plain).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        } else {
            QTest::mouseClick(dialog.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QVERIFY(t.app.active());
        QCOMPARE(t.app.active()->caption(), std::string("Untitled:2"));
        QCOMPARE(t.app.editor().text(), std::string("<HTML>plain</HTML>\r\n"));
        QVERIFY(t.app.messages.shown.empty());
    }

    // OK with nothing chosen names the folder itself, which cannot be opened.
    void okWithoutAChoiceReportsTheFolder() {
        TemplateFolder t;
        Templates dialog(t.app.ctx);
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(t.app.messages.texts(), std::vector<std::string>{"Can't open file: " + t.folder.folder()});
        QVERIFY(!t.app.active());
        QVERIFY(!dialog.isVisible());
    }

    void cancelOpensNothing() {
        TemplateFolder t;
        Templates dialog(t.app.ctx);
        dialog.show();
        dialog.findChild<QListWidget*>("File1")->setCurrentRow(0);
        QTest::mouseClick(dialog.findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!t.app.active());
        QVERIFY(t.app.messages.shown.empty());
    }
};

QTEST_MAIN(TemplatesDialogTest)
#include "templates_dialog_test.moc"
