#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "editor/document_lifecycle.h"
#include "editor/temp_folder.h"
#include "makers/ui/html_table.h"
#include "makers/ui/pick_swatch.h"
#include "platform/twips.h"
#include "support/fakes.h"
#include "support/marked_text.h"
#include "support/ui_fixture.h"

using namespace quillane;
using namespace quillane::testing;

namespace {

// A document with "ab|cd" and the table's counts as the properties dialog
// leaves them (with the header line).
struct MakerApp {
    explicit MakerApp(int rows = 2, int columns = 2, const std::string& border = "") {
        NewDocument(app.ctx);
        SetMarkedText(app.editor(), "ab|cd");
        app.ctx.tableSettings.rows = static_cast<std::int16_t>(rows + 1);
        app.ctx.tableSettings.columns = static_cast<std::int16_t>(columns + 1);
        app.ctx.tableSettings.borderAttr = border;
    }
    TestApp app;
};

QTableWidget* Grid(const HTMLTable& t) { return Find<QTableWidget>(t, "Grid1"); }
QLineEdit* CellText(const HTMLTable& t) { return Find<QLineEdit>(t, "Text7"); }

void ClickCell(const HTMLTable& t, int row, int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTableWidget* grid = Grid(t);
    const QRect cell = grid->visualItemRect(grid->item(row - 1, column - 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, cell.center());
}

// Types a cell's text the way a user does: click the cell, type.
void TypeCell(const HTMLTable& t, int row, int column, const QString& text) {
    ClickCell(t, row, column);
    QTest::keyClicks(CellText(t), text);
}

void PickFromList(QComboBox* combo, const QString& item) {
    const int index = combo->findText(item);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void TypeInto(QComboBox* combo, const QString& text) {
    combo->setFocus();
    combo->clearEditText();
    QTest::keyClicks(combo, text);
}

QStringList HeaderLabels(QTableWidget* grid, Qt::Orientation o) {
    QStringList out;
    const int n = o == Qt::Vertical ? grid->rowCount() : grid->columnCount();
    for (int i = 0; i < n; ++i)
        out << (o == Qt::Vertical ? grid->verticalHeaderItem(i) : grid->horizontalHeaderItem(i))->text();
    return out;
}

}  // namespace

class HtmlTableTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheGridOfTheSettings() {
        MakerApp m(3, 2);
        HTMLTable t(m.app.ctx);
        t.show();
        QCOMPARE(t.objectName(), QString("HTMLTable"));
        QCOMPARE(t.windowTitle(), QString("Table Maker"));
        QVERIFY(t.isModal());
        // The settings now hold the table's own counts.
        QCOMPARE(m.app.ctx.tableSettings.rows, std::int16_t(3));
        QCOMPARE(m.app.ctx.tableSettings.columns, std::int16_t(2));
        QTableWidget* grid = Grid(t);
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->columnCount(), 2);
        QCOMPARE(HeaderLabels(grid, Qt::Vertical), (QStringList{"1", "2", "3"}));
        QCOMPARE(HeaderLabels(grid, Qt::Horizontal), (QStringList{"1", "2"}));
        QCOMPARE(t.currentRow(), 1);
        QCOMPARE(t.currentColumn(), 1);
        QCOMPARE(grid->rowHeight(0), TwipsToPixels(600, t.logicalDpiY()));
        QCOMPARE(grid->columnWidth(1), TwipsToPixels(2500, t.logicalDpiX()));

        QCOMPARE(Find<QComboBox>(t, "Combo1")->itemText(2), QString("Middle"));
        QCOMPARE(Find<QComboBox>(t, "Combo2")->count(), 3);
        QCOMPARE(Find<QComboBox>(t, "Combo4")->count(), 7);
        QCOMPARE(Find<QComboBox>(t, "Combo5")->count(), 10);
        QCOMPARE(Find<QComboBox>(t, "Combo6")->count(), 10);
        QVERIFY(Find<QComboBox>(t, "Combo3")->count() > 0);
        for (const char* color : {"Text1", "Text2", "Text3", "Text8"})
            QCOMPARE(Find<QLineEdit>(t, color)->maxLength(), 6);
        QVERIFY(Find<QLineEdit>(t, "Text6")->maxLength() > 255);
        QVERIFY(!Find(t, "Text4")->isVisible());
        QVERIFY(!Find(t, "Text5")->isVisible());
        for (const char* name : {"Command1", "Command2", "Command3", "Command4", "SSCommand1"}) QVERIFY(Find(t, name));
        QCOMPARE(Find<QPushButton>(t, "Command3")->text(), QString("&Preview Table"));
        auto* hscroll = Find<QScrollBar>(t, "HScroll1");
        QCOMPARE(hscroll->minimum(), 350);
        QCOMPARE(hscroll->maximum(), 2500);
        auto* vscroll = Find<QScrollBar>(t, "VScroll1");
        QCOMPARE(vscroll->minimum(), 100);
        QCOMPARE(vscroll->maximum(), 1000);
    }

    // The cell border colours need a table border.
    void borderColourInputsFollowTheBorder() {
        for (const std::string& border : {std::string(), std::string(" BORDER")}) {
            MakerApp m(2, 2, border);
            HTMLTable t(m.app.ctx);
            for (const char* name : {"Text2", "Text3", "Text8", "Label5", "Label4", "Label3"})
                QCOMPARE(Find(t, name)->isEnabled(), !border.empty());
            QVERIFY(Find(t, "Text1")->isEnabled());
            QVERIFY(Find(t, "Label6")->isEnabled());
        }
    }

    // The 2 x 2 example: cells typed in, Done inserts with the caret after
    // "</TABLE>" and the row count's line breaks behind it.
    void doneInsertsTheTable() {
        MakerApp m;
        HTMLTable t(m.app.ctx);
        t.show();
        TypeCell(t, 1, 1, "a");
        TypeCell(t, 1, 2, "b");
        TypeCell(t, 2, 1, "c");
        TypeCell(t, 2, 2, "d");
        QCOMPARE(Grid(t)->item(1, 1)->text(), QString("d"));
        Click(t, "Command1");

        QCOMPARE(t.result(), int(QDialog::Accepted));
        QCOMPARE(MarkedText(m.app.editor()),
                 std::string("ab<TABLE>\r\n"
                             "\t<TR>\r\n"
                             "\t\t<TD>a</TD>\r\n"
                             "\t\t<TD>b</TD></TR>\r\n"
                             "\t<TR>\r\n"
                             "\t\t<TD>c</TD>\r\n"
                             "\t\t<TD>d</TD></TR>\r\n"
                             "</TABLE>|\r\n\r\ncd"));
        QCOMPARE(m.app.ctx.undoText, std::string("abcd"));
    }

    // The header cell example through the inputs.
    void cellPropertiesThroughTheInputs() {
        MakerApp m(1, 2);
        HTMLTable t(m.app.ctx);
        t.show();
        TypeCell(t, 1, 1, "Name");
        Find<QCheckBox>(t, "Check2")->click();
        PickFromList(Find<QComboBox>(t, "Combo2"), "Center");
        TypeInto(Find<QComboBox>(t, "Combo4"), "4");
        ClickCell(t, 1, 2);
        QTest::keyClicks(Find<QLineEdit>(t, "Text1"), "ff0000");
        QTest::keyClicks(Find<QLineEdit>(t, "Text6"), "00FF00");
        QVERIFY(Find<PickSwatch>(t, "Label6")->color() == (Rgb{255, 0, 0}));
        Click(t, "Command1");
        QCOMPARE(m.app.editor().text(),
                 std::string("ab<TABLE>\r\n"
                             "\t<TR>\r\n"
                             "\t\t<TH ALIGN=Center><FONT SIZE=4>Name</FONT></TH>\r\n"
                             "\t\t<TD BGCOLOR=ff0000><FONT COLOR=00FF00></FONT></TD></TR>\r\n"
                             "</TABLE>\r\ncd"));
        // Done clears the properties.
        QVERIFY(m.app.ctx.cellProperties.empty());
    }

    void movingToACellLoadsItsProperties() {
        MakerApp m;
        m.app.ctx.cellProperties.set(2, 1, CellProperty::VAlign, "Top");
        m.app.ctx.cellProperties.set(2, 1, CellProperty::Header, "1");
        m.app.ctx.cellProperties.set(2, 1, CellProperty::BgColor, "0000FF");
        HTMLTable t(m.app.ctx);
        t.show();
        TypeCell(t, 1, 1, "top");
        ClickCell(t, 2, 1);
        QCOMPARE(Find<QComboBox>(t, "Combo1")->currentText(), QString("Top"));
        QVERIFY(Find<QCheckBox>(t, "Check2")->isChecked());
        QCOMPARE(Find<QLineEdit>(t, "Text1")->text(), QString("0000FF"));
        QVERIFY(Find<PickSwatch>(t, "Label6")->color() == (Rgb{0, 0, 255}));
        QCOMPARE(CellText(t)->text(), QString());
        ClickCell(t, 1, 1);
        QCOMPARE(Find<QComboBox>(t, "Combo1")->currentText(), QString());
        QVERIFY(!Find<QCheckBox>(t, "Check2")->isChecked());
        QVERIFY(Find<PickSwatch>(t, "Label6")->color() == (Rgb{192, 192, 192}));
        QCOMPARE(CellText(t)->text(), QString("top"));
        // Loading is not an edit.
        QCOMPARE(m.app.ctx.cellProperties.at(1, 1), CellFormat{});
    }

    // Typing a list entry into Horizontal Align, font Name or Size sets only
    // the current cell however the box is left; taking it from the list
    // sets the whole block.
    void typedEntriesStayInTheCurrentCell_data() {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("cells");
        for (const char* combo : {"Combo2", "Combo3", "Combo4"}) {
            for (const char* how : {"tab", "click", "enter"})
                QTest::newRow(qPrintable(QString("%1 %2").arg(combo, how))) << QString(combo) << QString(how) << 1;
            QTest::newRow(qPrintable(QString("%1 list").arg(combo))) << QString(combo) << QString("list") << 4;
        }
    }
    void typedEntriesStayInTheCurrentCell() {
        QFETCH(QString, combo);
        QFETCH(QString, how);
        QFETCH(int, cells);
        MakerApp m(2, 2);
        HTMLTable t(m.app.ctx);
        t.show();
        QVERIFY(QTest::qWaitForWindowActive(&t));
        ClickCell(t, 1, 1);
        ClickCell(t, 2, 2, Qt::ShiftModifier);
        auto* box = Find<QComboBox>(t, qPrintable(combo));
        const QString entry = box->itemText(box->count() - 1);
        if (how == "list") {
            DialogDriver::clickInto(&t, qPrintable(combo));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::AltModifier);
            QVERIFY(QApplication::activePopupWidget());
            QTest::keyClick(box->view(), Qt::Key_End);
            QTest::keyClick(box->view(), Qt::Key_Return);
        } else {
            DialogDriver::clickAndType(&t, qPrintable(combo), entry);
        }
        if (how == "tab" || how == "list") DialogDriver::pressInFocus(Qt::Key_Tab);
        if (how == "click") DialogDriver::clickInto(&t, "Text6");
        if (how == "enter") DialogDriver::pressInFocus(Qt::Key_Return);
        else Click(t, "Command1");
        QVERIFY(!t.isVisible());
        const QString attribute = combo == "Combo2"   ? " ALIGN=" + entry
                                  : combo == "Combo3" ? " FACE=\"" + entry + "\""
                                                      : " SIZE=" + entry;
        QCOMPARE(QString::fromStdString(m.app.editor().text()).count(attribute), cells);
    }

    // A block: picking from a list sets every cell, typing into the
    // alignment box only the current one.
    void blockSelectionRules() {
        MakerApp m(2, 2);
        HTMLTable t(m.app.ctx);
        t.show();
        ClickCell(t, 1, 1);
        ClickCell(t, 2, 2, Qt::ShiftModifier);
        const CellBlock block = t.selectedBlock();
        QCOMPARE(block.firstRow, 1);
        QCOMPARE(block.lastRow, 2);
        QCOMPARE(block.lastColumn, 2);
        PickFromList(Find<QComboBox>(t, "Combo2"), "Center");
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 2; ++c) QCOMPARE(m.app.ctx.cellProperties.at(r, c).align, std::string("Center"));

        m.app.ctx.cellProperties.clear();
        TypeInto(Find<QComboBox>(t, "Combo2"), "Left");
        QCOMPARE(m.app.ctx.cellProperties.at(t.currentRow(), t.currentColumn()).align, std::string("Left"));
        int set = 0;
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 2; ++c) set += !m.app.ctx.cellProperties.at(r, c).align.empty();
        QCOMPARE(set, 1);

        // A colour box reaches the whole block, the header box too.
        QTest::keyClicks(Find<QLineEdit>(t, "Text1"), "A");
        Find<QCheckBox>(t, "Check2")->click();
        for (int r = 1; r <= 2; ++r) {
            for (int c = 1; c <= 2; ++c) {
                QCOMPARE(m.app.ctx.cellProperties.at(r, c).bgColor, std::string("A"));
                QCOMPARE(m.app.ctx.cellProperties.at(r, c).header, 1);
            }
        }

        // A key typed into the cell text collapses the block.
        QTest::keyClicks(CellText(t), "x");
        QVERIFY(t.selectedBlock().singleCell());
    }

    void cellTextHoldsAtMost255Characters() {
        MakerApp m;
        HTMLTable t(m.app.ctx);
        t.show();
        TypeCell(t, 1, 1, "ok");
        CellText(t)->setText(QString(255, 'x'));
        QVERIFY(m.app.messages.shown.empty());
        CellText(t)->setText(QString(256, 'y'));
        QCOMPARE(m.app.messages.texts(),
                 std::vector<std::string>{"The maximum number of characters in each cell is 255."});
        // The cell keeps its text, and the box shows it again.
        QCOMPARE(Grid(t)->item(0, 0)->text(), QString(255, 'x'));
        QCOMPARE(CellText(t)->text(), QString(255, 'x'));
    }

    void enterMovesDownToTheLastRow() {
        MakerApp m(2, 1);
        HTMLTable t(m.app.ctx);
        t.show();
        QVERIFY(QTest::qWaitForWindowActive(&t));
        TypeCell(t, 1, 1, "one");
        QTest::keyClick(CellText(t), Qt::Key_Return);
        QCOMPARE(t.currentRow(), 2);
        QTest::keyClicks(CellText(t), "two");
        QTest::keyClick(CellText(t), Qt::Key_Return);
        QCOMPARE(t.currentRow(), 2);
        // Enter did not finish the dialog.
        QVERIFY(t.isVisible());
        QVERIFY(t.cellTexts() == (CellTextGrid{{"one"}, {"two"}}));

        // On the grid: Enter moves down, a character starts the cell anew.
        Grid(t)->setCurrentCell(0, 0);
        Grid(t)->setFocus();
        QTest::keyClick(Grid(t), Qt::Key_Enter);
        QCOMPARE(t.currentRow(), 2);
        Grid(t)->setFocus();
        QTest::keyClick(Grid(t), 'z');
        QCOMPARE(QApplication::focusWidget(), CellText(t));
        QCOMPARE(CellText(t)->text(), QString("z"));
        QCOMPARE(CellText(t)->cursorPosition(), 1);
        QVERIFY(t.cellTexts() == (CellTextGrid{{"one"}, {"z"}}));
    }

    void resizingTheTable_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("message");
        QTest::newRow("rows 3") << "Text9" << "3" << 3 << 2 << "";
        QTest::newRow("columns 1") << "Text10" << "1" << 2 << 1 << "";
        QTest::newRow("rows 2.5 rounds to even") << "Text9" << "2.5" << 2 << 2 << "";
        QTest::newRow("zero") << "Text9" << "0" << 2 << 2 << "";
        QTest::newRow("abc") << "Text10" << "abc" << 2 << 2 << "";
        QTest::newRow("rows 51") << "Text9" << "51" << 5 << 2 << "The maximum number of table rows is 50.";
        QTest::newRow("columns 5x") << "Text10" << "5x" << 2 << 5 << "The maximum number of table columns is 50.";
        QTest::newRow("rows -2") << "Text9" << "-2" << 2 << 2 << "The maximum number of table rows is 50.";
    }
    void resizingTheTable() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QString, message);
        MakerApp m(2, 2);
        HTMLTable t(m.app.ctx);
        t.show();
        QTest::keyClicks(Find<QLineEdit>(t, box.toLatin1().constData()), text);
        QCOMPARE(Grid(t)->rowCount(), rows);
        QCOMPARE(Grid(t)->columnCount(), columns);
        QCOMPARE(int(m.app.ctx.tableSettings.rows), rows);
        QCOMPARE(int(m.app.ctx.tableSettings.columns), columns);
        if (message.isEmpty())
            QVERIFY(m.app.messages.shown.empty());
        else
            QCOMPARE(m.app.messages.texts().back(), message.toStdString());
    }

    // Shrinking and growing again: the cells that stay keep their texts and
    // properties, the header numbers follow, (1, 1) becomes current.
    void resizingKeepsTheRemainingCells() {
        MakerApp m(2, 2);
        HTMLTable t(m.app.ctx);
        t.show();
        TypeCell(t, 1, 1, "a");
        TypeCell(t, 2, 2, "d");
        m.app.ctx.cellProperties.set(2, 2, CellProperty::Align, "Right");
        QTest::keyClicks(Find<QLineEdit>(t, "Text9"), "1");
        QCOMPARE(Grid(t)->rowCount(), 1);
        QTest::keyClicks(Find<QLineEdit>(t, "Text10"), "3");
        QCOMPARE(HeaderLabels(Grid(t), Qt::Horizontal), (QStringList{"1", "2", "3"}));
        QCOMPARE(t.currentRow(), 1);
        QCOMPARE(t.currentColumn(), 1);
        QCOMPARE(CellText(t)->text(), QString("a"));
        Find<QLineEdit>(t, "Text9")->setText("2");
        QVERIFY(t.cellTexts() == (CellTextGrid{{"a", "", ""}, {"", "d", ""}}));
        QCOMPARE(m.app.ctx.cellProperties.at(2, 2).align, std::string("Right"));
    }

    void scrollBarsSizeTheGridLines() {
        MakerApp m(2, 3);
        HTMLTable t(m.app.ctx);
        Find<QScrollBar>(t, "HScroll1")->setValue(1000);
        Find<QScrollBar>(t, "VScroll1")->setValue(300);
        for (int c = 0; c < 3; ++c) QCOMPARE(Grid(t)->columnWidth(c), TwipsToPixels(1000, t.logicalDpiX()));
        for (int r = 0; r < 2; ++r) QCOMPARE(Grid(t)->rowHeight(r), TwipsToPixels(300, t.logicalDpiY()));
    }

    // Cancel keeps the properties for the next opening; Done clears them.
    void cellPropertiesLiveOnAfterCancel() {
        MakerApp m(2, 2);
        {
            HTMLTable t(m.app.ctx);
            t.show();
            ClickCell(t, 2, 2);
            PickFromList(Find<QComboBox>(t, "Combo1"), "Bottom");
            Click(t, "Command2");
            QCOMPARE(t.result(), int(QDialog::Rejected));
        }
        QCOMPARE(m.app.editor().text(), std::string("abcd"));
        m.app.ctx.tableSettings.rows = 3;
        m.app.ctx.tableSettings.columns = 3;
        {
            HTMLTable t(m.app.ctx);
            t.show();
            ClickCell(t, 2, 2);
            QCOMPARE(Find<QComboBox>(t, "Combo1")->currentText(), QString("Bottom"));
            Click(t, "Command1");
        }
        QVERIFY(m.app.ctx.cellProperties.empty());
        m.app.ctx.tableSettings.rows = 3;
        m.app.ctx.tableSettings.columns = 3;
        HTMLTable t(m.app.ctx);
        t.show();
        ClickCell(t, 2, 2);
        QCOMPARE(Find<QComboBox>(t, "Combo1")->currentText(), QString());
    }

    void previewWritesTheFileAndStartsTheBrowser() {
        MakerApp m(1, 1);
        TempFolder program;
        m.app.shell.folder = program.folder();
        m.app.store.put("Apps", "Browser", "/usr/bin/browser");
        HTMLTable t(m.app.ctx);
        t.show();
        TypeCell(t, 1, 1, "x");
        Click(t, "Command3");
        const std::string path = program.path("qlnvtabl.htm");
        QCOMPARE(ReadAll(path), std::string("<TABLE>\r\n\t<TR>\r\n\t\t<TD>x</TD>\r\n</TR>\r\n</TABLE>\r\n"));
        QCOMPARE(m.app.launcher.launches.size(), std::size_t(1));
        QCOMPARE(m.app.launcher.launches[0].program, std::string("/usr/bin/browser"));
        QVERIFY(m.app.launcher.launches[0].arguments == std::vector<std::string>{path});
        // The dialog stays open.
        QVERIFY(t.isVisible());
    }

    void insertImagePutsAnImgTagIntoTheCellText() {
        MakerApp m(1, 1);
        m.app.active()->setCaption("/home/u/web/page.htm");
        HTMLTable t(m.app.ctx);
        t.show();
        TypeCell(t, 1, 1, "see ");
        m.app.dialogs.fileAnswers = {std::string("/home/u/web/img/dog.gif"), std::nullopt};
        Click(t, "Command4");
        QCOMPARE(CellText(t)->text(), QString("see <IMG SRC=\"img/dog.gif\">"));
        QVERIFY(t.cellTexts() == (CellTextGrid{{"see <IMG SRC=\"img/dog.gif\">"}}));
        QCOMPARE(m.app.dialogs.fileRequests.back().filterIndex, 2);
        // Cancelled: nothing.
        Click(t, "Command4");
        QCOMPARE(CellText(t)->text(), QString("see <IMG SRC=\"img/dog.gif\">"));
    }

    void helpButtonOpensTheHelp() {
        MakerApp m;
        HTMLTable t(m.app.ctx);
        t.show();
        Click(t, "SSCommand1");
        QCOMPARE(m.app.help.topics, std::vector<int>{0});
        QVERIFY(t.isVisible());
    }

    void swatchPicksACellColour() {
        MakerApp m(1, 2, " BORDER");
        HTMLTable t(m.app.ctx);
        t.show();
        ClickCell(t, 1, 2);
        m.app.dialogs.colorAnswers = {Rgb{0, 128, 255}, std::nullopt};
        auto* swatch = Find<PickSwatch>(t, "Label5");
        QTest::mouseClick(swatch, Qt::LeftButton);
        QCOMPARE(Find<QLineEdit>(t, "Text2")->text(), QString("0080FF"));
        QCOMPARE(m.app.ctx.cellProperties.at(1, 2).borderColor, std::string("0080FF"));
        QVERIFY(swatch->color() == (Rgb{0, 128, 255}));
        QTest::mouseClick(swatch, Qt::LeftButton);
        QCOMPARE(m.app.ctx.cellProperties.at(1, 2).borderColor, std::string("0080FF"));
    }
};

QTEST_MAIN(HtmlTableTest)
#include "html_table_test.moc"
