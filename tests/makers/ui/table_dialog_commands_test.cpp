#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/ui/ui_test_app.h"
#include "editor/document_lifecycle.h"
#include "makers/ui/convert_dialog.h"
#include "makers/ui/html_table.h"
#include "makers/ui/table_dialog_commands.h"
#include "makers/ui/table_size_form.h"
#include "support/marked_text.h"
#include "support/ui_fixture.h"

using namespace quillane;
using namespace quillane::testing;

namespace {

// Runs `act` on the dialog of that type once it is the modal window, that
// is once its exec() has started. Whatever `act` leaves open is cancelled,
// so that no exec() waits for a person. Stops watching when it goes out of
// scope.
template <typename Dialog>
class WhenShown {
public:
    explicit WhenShown(std::function<void(Dialog&)> act) {
        QObject::connect(&poll_, &QTimer::timeout, [this, act] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            poll_.stop();
            act(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        poll_.start(5);
    }

private:
    QTimer poll_;
};

void TypeCell(HTMLTable& maker, int row, int column, const QString& text) {
    QTableWidget* grid = Find<QTableWidget>(maker, "Grid1");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                      grid->visualItemRect(grid->item(row - 1, column - 1)).center());
    QTest::keyClicks(Find<QLineEdit>(maker, "Text7"), text);
}

}  // namespace

class TableDialogCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void registersTheTableAndConversionCommands() {
        CommandTable table;
        RegisterTableDialogs(table, nullptr);
        for (const char* name : {"mnuTableMaker", "SSCommand25(0)", "TblCnvrt", "mnuListCnvrt", "HTMLCnvrt"})
            QVERIFY2(table.has(name), name);
    }

    // "&Table Maker..." in a document window: the wizard, then the Table
    // Maker, whose Done inserts the table with the caret after "</TABLE>".
    void tableMakerFromTheDocumentMenu() {
        UiTestApp app;
        RegisterTableDialogs(app.commands, &app.window);
        // A window made now has the item enabled.
        NewDocument(app.ctx);
        Form2* form = app.active();
        QAction* item = form->menuBar()->findChild<QAction*>("mnuTableMaker");
        QVERIFY(item);
        QCOMPARE(item->text(), QString("&Table Maker..."));
        QVERIFY(item->isEnabled());
        app.editor().setText("ab");
        app.editor().setSelStart(1);

        bool propertiesShown = false;
        bool makerShown = false;
        WhenShown<TableSizeForm> fillProperties([&](TableSizeForm& properties) {
            propertiesShown = true;
            QTest::keyClicks(Find<QLineEdit>(properties, "Text9"), "2");
            QTest::keyClicks(Find<QLineEdit>(properties, "Text10"), "2");
            for (const char* next : {"Command7", "Command3", "Command4", "Command1"}) Click(properties, next);
        });
        WhenShown<HTMLTable> fillMaker([&](HTMLTable& maker) {
            makerShown = true;
            TypeCell(maker, 1, 1, "a");
            TypeCell(maker, 1, 2, "b");
            TypeCell(maker, 2, 1, "c");
            TypeCell(maker, 2, 2, "d");
            Click(maker, "Command1");
        });
        item->trigger();

        QVERIFY(propertiesShown);
        QVERIFY(makerShown);
        QCOMPARE(MarkedText(app.editor()), std::string("a<TABLE BORDER>\r\n"
                                                       "\t<TR>\r\n"
                                                       "\t\t<TD>a</TD>\r\n"
                                                       "\t\t<TD>b</TD></TR>\r\n"
                                                       "\t<TR>\r\n"
                                                       "\t\t<TD>c</TD>\r\n"
                                                       "\t\t<TD>d</TD></TR>\r\n"
                                                       "</TABLE>|\r\n\r\nb"));
        QVERIFY(app.slot(form->slot()).modified);
    }

    // Closing the properties dialog leaves without a table.
    void closingThePropertiesOpensNoMaker() {
        TestApp app;
        NewDocument(app.ctx);
        CommandTable table;
        RegisterTableDialogs(table, nullptr);
        bool makerShown = false;
        WhenShown<TableSizeForm> closeProperties([](TableSizeForm& dialog) { dialog.close(); });
        WhenShown<HTMLTable> noticeMaker([&](HTMLTable&) { makerShown = true; });
        table.run("mnuTableMaker", app.ctx, app.active());
        QVERIFY(!makerShown);
        QCOMPARE(app.editor().text(), std::string());
    }

    // The three conversion items open the same dialog, no option chosen.
    void conversionItemsOpenTheConvertDialog() {
        for (const char* name : {"TblCnvrt", "mnuListCnvrt", "HTMLCnvrt"}) {
            TestApp app;
            NewDocument(app.ctx);
            SetMarkedText(app.editor(), "[a,b]");
            CommandTable table;
            RegisterTableDialogs(table, nullptr);
            bool shown = false;
            WhenShown<Convert> chooseComma([&](Convert& dialog) {
                shown = true;
                QCOMPARE(dialog.option(), ConvertOption::None);
                QTest::mouseClick(Find<QRadioButton>(dialog, "SSOption3"), Qt::LeftButton);
                Click(dialog, "Command1");
            });
            table.run(name, app.ctx, app.active());
            QVERIFY2(shown, name);
            QCOMPARE(MarkedText(app.editor()),
                     std::string("<TABLE>\r\n\t<TR>\r\n\t\t<TD>a</TD>\r\n\t\t<TD>b</TD></TR>\r\n</TABLE>|"));
        }
    }
};

QTEST_MAIN(TableDialogCommandsTest)
#include "table_dialog_commands_test.moc"
