#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "makers/table_count.h"
#include "makers/ui/pick_swatch.h"
#include "makers/ui/table_size_form.h"
#include "support/fakes.h"
#include "support/ui_fixture.h"

using namespace quillane;
using namespace quillane::testing;

namespace {

void Type(const QWidget& dialog, const char* name, const QString& text) {
    auto* box = Find<QLineEdit>(dialog, name);
    box->clear();
    QTest::keyClicks(box, text);
}

void TypeCombo(const QWidget& dialog, const char* name, const QString& text) {
    auto* combo = Find<QComboBox>(dialog, name);
    combo->clearEditText();
    QTest::keyClicks(combo, text);
}

struct WizardApp {
    WizardApp() { app.store.put("Miscellaneous", "BeginnerTableWizard", "on"); }
    TestApp app;
};

}  // namespace

class TableSizeFormTest : public QObject {
    Q_OBJECT

private slots:
    void theSwitchChoosesThePresentation_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("wizard");
        QTest::newRow("missing") << QString() << true;
        QTest::newRow("on") << "on" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("off") << "off" << false;
    }
    void theSwitchChoosesThePresentation() {
        QFETCH(QString, stored);
        QFETCH(bool, wizard);
        TestApp app;
        if (!stored.isNull()) app.store.put("Miscellaneous", "BeginnerTableWizard", stored.toStdString());
        TableSizeForm form(app.ctx);
        form.show();
        QCOMPARE(form.objectName(), QString("TableSizeForm"));
        QCOMPARE(form.windowTitle(), QString("Table Properties"));
        QVERIFY(form.isModal());
        QCOMPARE(form.isWizard(), wizard);
        QCOMPARE(form.findChild<QWidget*>("Picture1") != nullptr, wizard);
        QCOMPARE(form.findChild<QWidget*>("Picture5") != nullptr, !wizard);
    }

    void wizardStartsOnStepOneWithItsInitialStates() {
        WizardApp w;
        TableSizeForm form(w.app.ctx);
        form.show();
        QVERIFY(Find(form, "Picture1")->isVisible());
        for (const char* hidden : {"Picture2", "Picture3", "Picture4"}) QVERIFY(!Find(form, hidden)->isVisible());
        QCOMPARE(Find<QLabel>(form, "Label24")->text(), QString("Step 1"));
        QCOMPARE(Find<QLabel>(form, "Label25")->text(), QString());
        QCOMPARE(Find<QPushButton>(form, "Command7")->text(), QString("&Next >>"));
        // The wizard has no Cancel button.
        QVERIFY(!form.findChild<QPushButton*>("Command2"));

        QVERIFY(Find<QCheckBox>(form, "Check1")->isChecked());
        QVERIFY(Find(form, "Combo1")->isEnabled());
        for (const char* off : {"Text5", "Text7", "Text8", "Label16", "Label17", "Label18", "Option1", "Option2"})
            QVERIFY2(!Find(form, off)->isEnabled(), off);
        QVERIFY(Find(form, "Text4")->isEnabled());
        QVERIFY(!Find<QRadioButton>(form, "Option1")->isChecked());
        QVERIFY(!Find<QRadioButton>(form, "Option2")->isChecked());
        for (const char* color : {"Text4", "Text5", "Text7", "Text8"})
            QCOMPARE(Find<QLineEdit>(form, color)->maxLength(), 6);
        auto* border = Find<QComboBox>(form, "Combo1");
        QCOMPARE(border->count(), 10);
        QCOMPARE(border->itemText(9), QString("10"));
        QCOMPARE(border->currentText(), QString());
        auto* width = Find<QComboBox>(form, "Combo3");
        QCOMPARE(width->itemText(0), QString("10%"));
        QCOMPARE(width->itemText(9), QString("100%"));
        QVERIFY(width->isEditable());
    }

    // Every navigation button: the page, the step labels and the focus.
    void wizardNavigation() {
        WizardApp w;
        TableSizeForm form(w.app.ctx);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const QString optional = "The following properties are optional.";
        struct Move {
            const char* button;
            const char* page;
            QString step, note;
            const char* focus;
        };
        const Move moves[] = {
            {"Command7", "Picture2", "Step 2", optional, "Text1"},
            {"Command8", "Picture1", "Step 1", "", "Text9"},
            {"Command7", "Picture2", "Step 2", optional, "Text1"},
            {"Command3", "Picture3", "Step 3", optional, "Combo3"},
            {"Command6", "Picture2", "Step 2", optional, "Text1"},
            {"Command3", "Picture3", "Step 3", optional, "Combo3"},
            {"Command4", "Picture4", "Step 4", optional, "Text4"},
            {"Command5", "Picture3", "Step 3", optional, "Combo3"},
        };
        for (const Move& m : moves) {
            Click(form, m.button);
            QVERIFY2(Find(form, m.page)->isVisible(), m.button);
            int visiblePages = 0;
            for (const char* p : {"Picture1", "Picture2", "Picture3", "Picture4"})
                visiblePages += Find(form, p)->isVisible();
            QCOMPARE(visiblePages, 1);
            QCOMPARE(Find<QLabel>(form, "Label24")->text(), m.step);
            QCOMPARE(Find<QLabel>(form, "Label25")->text(), m.note);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus == Find(form, m.focus) || Find(form, m.focus)->isAncestorOf(focus), m.focus);
        }
    }

    // Enter in a box runs the step's button: Next in the wizard, Continue on
    // the single page.
    void enterRunsTheStepsButton() {
        WizardApp w;
        TableSizeForm wizard(w.app.ctx);
        wizard.show();
        QTest::keyClick(Find(wizard, "Text9"), Qt::Key_Return);
        QCOMPARE(wizard.step(), 2);
        QTest::keyClick(Find(wizard, "Text1"), Qt::Key_Return);
        QCOMPARE(wizard.step(), 3);

        TestApp app;
        app.store.put("Miscellaneous", "BeginnerTableWizard", "off");
        TableSizeForm page(app.ctx);
        page.show();
        QTest::keyClicks(Find(page, "Text12"), "4");
        QTest::keyClick(Find(page, "Text12"), Qt::Key_Return);
        QCOMPARE(page.result(), int(QDialog::Accepted));
        QCOMPARE(app.ctx.tableSettings.rows, std::int16_t(5));
    }

    void borderBoxEnablesItsInputs() {
        for (bool wizard : {true, false}) {
            TestApp app;
            app.store.put("Miscellaneous", "BeginnerTableWizard", wizard ? "on" : "off");
            TableSizeForm form(app.ctx);
            form.show();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            const char* check = wizard ? "Check1" : "Check2";
            const char* size = wizard ? "Combo1" : "Text13";
            using Names = std::vector<const char*>;
            const Names dependents =
                wizard ? Names{"Combo1", "Text5", "Text7", "Text8", "Label16", "Label17", "Label18"}
                       : Names{"Text13", "Text18", "Text19", "Text20", "Label36", "Label37", "Label38"};
            if (wizard) Click(form, "Command7");  // to the page with the box
            if (!wizard) QVERIFY(!Find(form, "Text13")->isEnabled());
            auto* box = Find<QCheckBox>(form, check);
            box->click();  // cleared
            for (const char* d : dependents) QVERIFY2(!Find(form, d)->isEnabled(), d);
            box->click();  // ticked again
            for (const char* d : dependents) QVERIFY2(Find(form, d)->isEnabled(), d);
            QCOMPARE(QApplication::focusWidget(), Find(form, size));
            // The background colour does not depend on the border.
            QVERIFY(Find(form, wizard ? "Text4" : "Text17")->isEnabled());
        }
    }

    void captionEnablesItsPositionOptions() {
        WizardApp w;
        TableSizeForm form(w.app.ctx);
        form.show();
        Type(form, "Text1", "Prices");
        QVERIFY(Find(form, "Option1")->isEnabled());
        QVERIFY(Find(form, "Option2")->isEnabled());
        Find<QLineEdit>(form, "Text1")->clear();
        QVERIFY(!Find(form, "Option1")->isEnabled());
        QVERIFY(!Find(form, "Option2")->isEnabled());
    }

    // The Prices example, entered through the wizard.
    void wizardFinishesWithTheSettings() {
        WizardApp w;
        w.app.ctx.tableSettings.bgColorAttr = " BGCOLOR=OLD";
        TableSizeForm form(w.app.ctx);
        // Opening empties the colour and border attributes.
        QCOMPARE(w.app.ctx.tableSettings.bgColorAttr, std::string());
        form.show();
        Type(form, "Text9", "3");
        Type(form, "Text10", "2");
        Click(form, "Command7");
        Type(form, "Text1", "Prices");
        Find<QRadioButton>(form, "Option1")->click();
        TypeCombo(form, "Combo1", "1");
        Click(form, "Command3");
        TypeCombo(form, "Combo3", "100%");
        Type(form, "Text3", "4");
        Click(form, "Command4");
        Click(form, "Command1");

        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(w.app.messages.shown.empty());
        TableSettings expected;
        expected.rows = 4;
        expected.columns = 3;
        expected.borderAttr = " BORDER=1";
        expected.cellPaddingAttr = " CELLPADDING=4";
        expected.widthAttr = " WIDTH=\"100%\"";
        expected.captionAlignAttr = " ALIGN=Top";
        expected.captionBlock = "\r\n<CAPTION ALIGN=Top>Prices</CAPTION>";
        QVERIFY(w.app.ctx.tableSettings == expected);
    }

    void singlePageFinishesWithTheSettings() {
        TestApp app;
        app.store.put("Miscellaneous", "BeginnerTableWizard", "off");
        TableSizeForm form(app.ctx);
        form.show();
        QCOMPARE(Find<QPushButton>(form, "Command9")->text(), QString("Co&ntinue..."));
        QCOMPARE(Find<QPushButton>(form, "Command2")->text(), QString("&Cancel"));
        Type(form, "Text12", "2");
        Type(form, "Text11", "5");
        Find<QCheckBox>(form, "Check2")->click();
        Find<QCheckBox>(form, "Check2")->click();
        Type(form, "Text13", "2");
        Type(form, "Text14", "1");
        TypeCombo(form, "Combo5", "400");
        TypeCombo(form, "Combo2", "50%");
        Type(form, "Text16", "Sums");
        Find<QRadioButton>(form, "Option4")->click();
        Type(form, "Text17", "FFFFFF");
        Type(form, "Text18", "000000");
        Click(form, "Command9");

        QCOMPARE(form.result(), int(QDialog::Accepted));
        TableSettings expected;
        expected.rows = 3;
        expected.columns = 6;
        expected.borderAttr = " BORDER=2";
        expected.cellSpacingAttr = " CELLSPACING=1";
        expected.widthAttr = " WIDTH=\"400\"";
        expected.heightAttr = " HEIGHT=\"50%\"";
        expected.bgColorAttr = " BGCOLOR=FFFFFF";
        expected.borderColorAttr = " BORDERCOLOR=000000";
        expected.captionAlignAttr = " ALIGN=Bottom";
        expected.captionBlock = "\r\n<CAPTION ALIGN=Bottom>Sums</CAPTION>";
        QVERIFY(app.ctx.tableSettings == expected);
    }

    // A refused count keeps the dialog open and stores nothing.
    void refusedCountsShowTheirMessage_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("message");
        QTest::newRow("51 rows") << "51" << "2" << kMaxTableRowsMessage;
        QTest::newRow("51 columns") << "2" << "51" << kMaxTableColumnsMessage;
        QTest::newRow("5x rows") << "5x" << "2" << kMaxTableRowsMessage;
        QTest::newRow("negative columns") << "2" << "-4" << kMaxTableColumnsMessage;
    }
    void refusedCountsShowTheirMessage() {
        QFETCH(QString, rows);
        QFETCH(QString, columns);
        QFETCH(QString, message);
        TestApp app;
        app.store.put("Miscellaneous", "BeginnerTableWizard", "off");
        app.ctx.tableSettings.rows = 7;
        TableSizeForm form(app.ctx);
        form.show();
        Type(form, "Text12", rows);
        Type(form, "Text11", columns);
        Click(form, "Command9");
        QCOMPARE(app.messages.texts(), std::vector<std::string>{message.toStdString()});
        QVERIFY(form.isVisible());
        QCOMPARE(app.ctx.tableSettings.rows, std::int16_t(7));
        QCOMPARE(Find<QLineEdit>(form, "Text12")->text(), rows);
    }

    void swatchPutsThePickedColourIntoItsBox() {
        TestApp app;
        app.store.put("Miscellaneous", "BeginnerTableWizard", "off");
        TableSizeForm form(app.ctx);
        form.show();
        app.dialogs.colorAnswers = {Rgb{255, 128, 0}, std::nullopt};
        auto* swatch = Find<PickSwatch>(form, "Label35");
        QTest::mouseClick(swatch, Qt::LeftButton);
        QCOMPARE(Find<QLineEdit>(form, "Text17")->text(), QString("FF8000"));
        QVERIFY(swatch->color() == (Rgb{255, 128, 0}));
        // Cancelled: nothing changes.
        QTest::mouseClick(swatch, Qt::LeftButton);
        QCOMPARE(Find<QLineEdit>(form, "Text17")->text(), QString("FF8000"));
    }

    void cancelLeavesTheSettings() {
        TestApp app;
        app.store.put("Miscellaneous", "BeginnerTableWizard", "off");
        app.ctx.tableSettings.rows = 5;
        app.ctx.tableSettings.widthAttr = " WIDTH=\"1\"";
        app.ctx.editTagMode = true;
        {
            TableSizeForm form(app.ctx);
            form.show();
            Type(form, "Text12", "9");
            Click(form, "Command2");
            QCOMPARE(form.result(), int(QDialog::Rejected));
        }
        QCOMPARE(app.ctx.tableSettings.rows, std::int16_t(5));
        QCOMPARE(app.ctx.tableSettings.widthAttr, std::string(" WIDTH=\"1\""));
        QVERIFY(!app.ctx.editTagMode);
    }
};

QTEST_MAIN(TableSizeFormTest)
#include "table_size_form_test.moc"
