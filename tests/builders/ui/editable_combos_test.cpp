#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "app/command_table.h"
#include "builders/ui/character_dialog_commands.h"
#include "builders/ui/dialog_widgets.h"
#include "builders/ui/image_dialog_commands.h"
#include "builders/ui/link_dialog_commands.h"
#include "builders/ui/multimedia_dialog_commands.h"
#include "support/fakes.h"
#include "support/ui_fixture.h"

using namespace quillane;
using quillane::testing::DocumentFixture;

namespace {

// The spelling of a list entry the user types: the entry with the letter
// case of every letter turned round.
QString OtherCase(const QString& entry) {
    QString out;
    for (QChar c : entry) out += c.isUpper() ? c.toLower() : c.toUpper();
    return out;
}

struct Fixture : DocumentFixture {
    Fixture() {
        RegisterLinkDialogs(commands, nullptr);
        RegisterImageDialogs(commands, nullptr);
        RegisterMultimediaDialogs(commands, nullptr);
        RegisterCharacterDialogs(commands, nullptr);
        app.ctx.settings.FavoriteURLs[2] = "http://www.Example.com/Docs/";
    }
    CommandTable commands;
};

// What Enter does in a box: the dialog's OK, its Insert, or nothing (then
// the named button is clicked to see what the box holds).
enum class OnEnter { Ok, Insert, Nothing };

struct ComboCase {
    const char* name;
    const char* command;
    const char* combo;
    // Everything else the dialog needs, filled in before the combo box.
    std::function<void(QWidget*)> prepare;
    QString typed;
    OnEnter enter;
    const char* okButton;
    std::string expected;
};

const QString kUrl = "http://www.example.com/docs/";

const std::vector<ComboCase>& Cases() {
    static const std::vector<ComboCase> cases = {
        {"link url", "Hypertext", "httpsite", nullptr, kUrl, OnEnter::Ok, nullptr,
         "<A HREF=\"http://www.example.com/docs/\">Docs</A>"},
        {"link target", "Hypertext", "Combo1", [](QWidget* d) { Fixture::clickAndType(d, "httpsite", "a.html"); },
         "_TOP", OnEnter::Ok, nullptr, "<A HREF=\"a.html\" TARGET=\"_TOP\">Docs</A>"},
        {"image link", "Graphics", "XimageLink", [](QWidget* d) {
             auto* link = Fixture::child<QCheckBox>(d, "SSCheck1");
             QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(6, link->height() / 2));
         },
         kUrl, OnEnter::Ok,
         nullptr, "<A HREF=\"http://www.example.com/docs/\"><IMG SRC=\"Docs\"></A>"},
        {"map url", "mnuUsemap", "Combo1", [](QWidget* d) { Fixture::clickAndType(d, "Text1", "m"); }, kUrl,
         OnEnter::Insert, nullptr,
         "<MAP NAME=\"m\">\r\n<AREA SHAPE= COORDS=\", , ,\" HREF=\"http://www.example.com/docs/\">\r\n"},
        {"map target", "mnuUsemap", "Combo2",
         [](QWidget* d) {
             Fixture::clickAndType(d, "Text1", "m");
             Fixture::clickAndType(d, "Combo1", "a.html");
         },
         "_bLANK", OnEnter::Insert, nullptr,
         "<MAP NAME=\"m\">\r\n<AREA SHAPE= COORDS=\", , ,\" HREF=\"a.html\" TARGET=\"_bLANK\">\r\n"},
        {"frame source", "mnuFloatFrame", "Combo1",
         [](QWidget* d) {
             Fixture::clickAndType(d, "Text1", "9");
             Fixture::clickAndType(d, "Text2", "8");
         },
         kUrl, OnEnter::Ok, nullptr,
         "<IFRAME SRC=\"http://www.example.com/docs/\" HEIGHT=8 WIDTH=9 FRAMEBORDER=1 SCROLLING=YES>\r\n\r\n"
         "</IFRAME>"},
        {"frame alignment", "mnuFloatFrame", "Combo2",
         [](QWidget* d) {
             Fixture::clickAndType(d, "Combo1", "a.html");
             Fixture::clickAndType(d, "Text1", "9");
             Fixture::clickAndType(d, "Text2", "8");
             // The box opens with "None" in it.
             Fixture::clickInto(d, "Combo2");
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
             Fixture::pressInFocus(Qt::Key_Delete);
         },
         "lEFT", OnEnter::Ok, nullptr,
         "<IFRAME SRC=\"a.html\" HEIGHT=8 WIDTH=9 FRAMEBORDER=1 SCROLLING=YES ALIGN=lEFT>\r\n\r\n</IFRAME>"},
        {"sound loop", "mnuBGSound", "Combo1", [](QWidget* d) { Fixture::clickAndType(d, "Text1", "a.wav"); },
         "iNFINITE", OnEnter::Ok, nullptr, "<BGSOUND SRC=\"a.wav\" LOOP=iNFINITE>"},
        {"marquee loop", "mnuMarquee", "Combo3", nullptr, "iNFINITE", OnEnter::Nothing, "Command1",
         "<MARQUEE DIRECTION=Right LOOP=iNFINITE>Docs</MARQUEE>"},
        {"font face", "mnuFormatChar", "Combo3", nullptr, OtherCase(QFontDatabase::families().value(0, "Serif")),
         OnEnter::Nothing, "Command3",
         "<FONT FACE=\"" + OtherCase(QFontDatabase::families().value(0, "Serif")).toStdString() + "\">Docs</FONT>"},
    };
    return cases;
}

}  // namespace

class EditableCombosTest : public QObject {
    Q_OBJECT

private slots:
    // Every editable list of the builder dialogs: a list entry typed in
    // another letter case stays as typed, and Enter, wherever it arrives,
    // does what the dialog's Enter does.
    void typedTextStaysAsTypedAndEnterActs_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < Cases().size(); ++i) QTest::newRow(Cases()[i].name) << static_cast<int>(i);
    }
    void typedTextStaysAsTypedAndEnterActs() {
        QFETCH(int, row);
        const ComboCase& c = Cases()[static_cast<std::size_t>(row)];
        Fixture f;
        f.setText("Docs", 0, 4);
        bool closedByEnter = false;
        f.RunModal([&] { QVERIFY(f.commands.run(c.command, f.app.ctx, nullptr)); },
                   [&](QWidget* d) {
                       if (c.prepare) c.prepare(d);
                       f.clickAndType(d, c.combo, c.typed);
                       auto* combo = f.child<QComboBox>(d, c.combo);
                       QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(combo));
                       const int items = combo->count();
                       f.pressInFocus(Qt::Key_Return);
                       closedByEnter = !d->isVisible();
                       if (d->isVisible()) {
                           QCOMPARE(combo->lineEdit()->text(), c.typed);
                           // Enter never adds to the list.
                           QCOMPARE(combo->count(), items);
                       }
                       if (c.okButton) f.click(d, c.okButton);
                   });
        QVERIFY(f.app.messages.shown.empty());
        QCOMPARE(closedByEnter, c.enter == OnEnter::Ok);
        // Insert writes at the caret, after the selection collapsed to its end.
        const QString text = QString::fromStdString(f.text());
        const QString expected = QString::fromStdString(c.expected);
        if (c.enter == OnEnter::Insert) QCOMPARE(text.right(expected.size()), expected);
        else QCOMPARE(text, expected);
    }

    // The key may also arrive at the box's line edit, as an input method
    // delivers it: the box takes it all the same.
    void enterInTheLineEditIsTheBoxs() {
        EditableComboBox box;
        int entered = 0;
        connect(&box, &EditableComboBox::enterPressed, [&] { ++entered; });
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(box.lineEdit(), key);
            QTest::keyClick(&box, key);
        }
        QCOMPARE(entered, 4);
    }

    // A list entry typed into the box is not a choice from the list, however
    // the box is left; a choice from the popup or with the arrow keys is.
    void onlyTheListChooses() {
        QWidget window;
        auto* box = NewEditableCombo(&window, "Combo1", {"Left", "Right", "Center"});
        auto* other = new QLineEdit(&window);
        other->setObjectName("Text1");
        box->move(0, 0);
        other->move(0, 60);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QList<int> chosen;
        connect(box, &EditableComboBox::chosen, [&](int index) { chosen << index; });

        Fixture::clickAndType(&window, "Combo1", "Center");
        Fixture::pressInFocus(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(other));
        Fixture::clickInto(&window, "Combo1");
        Fixture::clickInto(&window, "Text1");
        QCOMPARE(chosen, QList<int>());
        QCOMPARE(box->currentText(), QString("Center"));

        Fixture::clickInto(&window, "Combo1");
        Fixture::pressInFocus(Qt::Key_Up);
        QCOMPARE(chosen, QList<int>{1});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        QVERIFY(popup);
        QTest::keyClick(box->view(), Qt::Key_Up);
        QTest::keyClick(box->view(), Qt::Key_Return);
        QCOMPARE(chosen, (QList<int>{1, 0}));
        QCOMPARE(box->currentText(), QString("Left"));
    }
};

QTEST_MAIN(EditableCombosTest)
#include "editable_combos_test.moc"
