// Message boxes and file dialogs are set up here without being shown: no test
// may wait for a person.
#include <QDir>
#include <QFileSystemModel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "platform/file_filter.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_message_boxes.h"

using namespace quillane;

Q_DECLARE_METATYPE(MessageButtons)
Q_DECLARE_METATYPE(MessageIcon)

namespace {

const char* const kF1 =
    "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|HTML Files (*.htm, *.html)|*.htm;*.html|Quillane Template "
    "(*.qlt)|*.qlt";
const char* const kF3 = "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|HTML Files (*.htm, *.html)|*.htm;*.html";

QStringList ShownPatterns(QFileDialog& d) {
    auto* model = d.findChild<QFileSystemModel*>();
    return model ? model->nameFilters() : QStringList();
}

}  // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxFollowsTheRequest_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<int>("defaultIndex");
        QTest::addColumn<QString>("expectedTitle");
        QTest::addColumn<int>("expectedButtons");
        QTest::addColumn<int>("expectedDefault");
        QTest::addColumn<int>("expectedEscape");
        QTest::addColumn<int>("expectedIcon");
        QTest::newRow("plain") << "" << MessageButtons::Ok << MessageIcon::None << 0 << "Quillane"
                               << int(QMessageBox::Ok) << int(QMessageBox::Ok) << int(QMessageBox::Ok)
                               << int(QMessageBox::NoIcon);
        QTest::newRow("save prompt") << "Quillane 97.5" << MessageButtons::YesNoCancel << MessageIcon::Exclamation
                                     << 0 << "Quillane 97.5"
                                     << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                                     << int(QMessageBox::Yes) << int(QMessageBox::Cancel) << int(QMessageBox::Warning);
        QTest::newRow("second default") << "Replace" << MessageButtons::YesNo << MessageIcon::Question << 1
                                        << "Replace" << int(QMessageBox::Yes | QMessageBox::No)
                                        << int(QMessageBox::No) << int(QMessageBox::No) << int(QMessageBox::Question);
        QTest::newRow("ok cancel") << "" << MessageButtons::OkCancel << MessageIcon::Critical << 1 << "Quillane"
                                   << int(QMessageBox::Ok | QMessageBox::Cancel) << int(QMessageBox::Cancel)
                                   << int(QMessageBox::Cancel) << int(QMessageBox::Critical);
        QTest::newRow("default out of range") << "" << MessageButtons::YesNo << MessageIcon::Information << 7
                                              << "Quillane" << int(QMessageBox::Yes | QMessageBox::No)
                                              << int(QMessageBox::Yes) << int(QMessageBox::No)
                                              << int(QMessageBox::Information);
    }
    void messageBoxFollowsTheRequest() {
        QFETCH(QString, title);
        QFETCH(MessageButtons, buttons);
        QFETCH(MessageIcon, icon);
        QFETCH(int, defaultIndex);
        QMessageBox box;
        QtMessageBoxes::configure(box, MessageRequest{.title = title.toStdString(),
                                                      .text = "Can't open file: /tmp/a b.htm\nsecond line",
                                                      .buttons = buttons,
                                                      .icon = icon,
                                                      .defaultButton = defaultIndex});
        QTEST(box.windowTitle(), "expectedTitle");
        QCOMPARE(box.text(), QString("Can't open file: /tmp/a b.htm\nsecond line"));
        QCOMPARE(box.textFormat(), Qt::PlainText);
        QTEST(int(box.standardButtons()), "expectedButtons");
        QTEST(int(box.standardButton(box.defaultButton())), "expectedDefault");
        QTEST(int(box.standardButton(box.escapeButton())), "expectedEscape");
        QTEST(int(box.icon()), "expectedIcon");
    }

    void messageAnswers() {
        struct Row {
            QMessageBox::StandardButton button;
            MessageButtons buttons;
            MessageAnswer answer;
        };
        const Row rows[] = {
            {QMessageBox::Ok, MessageButtons::Ok, MessageAnswer::Ok},
            {QMessageBox::Cancel, MessageButtons::OkCancel, MessageAnswer::Cancel},
            {QMessageBox::Yes, MessageButtons::YesNoCancel, MessageAnswer::Yes},
            {QMessageBox::No, MessageButtons::YesNoCancel, MessageAnswer::No},
            // Closed without a button: as the escape button.
            {QMessageBox::NoButton, MessageButtons::Ok, MessageAnswer::Ok},
            {QMessageBox::NoButton, MessageButtons::YesNo, MessageAnswer::No},
            {QMessageBox::NoButton, MessageButtons::YesNoCancel, MessageAnswer::Cancel},
            {QMessageBox::NoButton, MessageButtons::OkCancel, MessageAnswer::Cancel},
        };
        for (const Row& row : rows) QCOMPARE(QtMessageBoxes::answerFor(row.button, row.buttons), row.answer);
    }

    void nameFiltersNameTheirPatterns() {
        QCOMPARE(QtFileDialogs::nameFilters(ParseFileFilter(kF1)),
                 QStringList({"All Files (*.*) (*)", "Text Files (*.txt) (*.txt)",
                              "HTML Files (*.htm, *.html) (*.htm *.html)", "Quillane Template (*.qlt) (*.qlt)"}));
        QCOMPARE(QtFileDialogs::nameFilters({{"Nothing", {}}}), QStringList({"Nothing (*)"}));
    }

    void fileDialogKeepsUnsetFields() {
        QTemporaryDir docs, other;
        QtFileDialogs dialogs;
        QFileDialog& d = dialogs.dialog();

        dialogs.prepare({.title = "Open", .filter = kF1, .filterIndex = 3, .startFolder = docs.path().toStdString(),
                         .initialName = "", .overwritePrompt = false},
                        QFileDialog::AcceptOpen);
        QCOMPARE(d.windowTitle(), QString("Open"));
        QCOMPARE(d.acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(d.fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(d.nameFilters().size(), 4);
        // The list shows the descriptions; the patterns still filter.
        QCOMPARE(d.selectedNameFilter(), QString("HTML Files (*.htm, *.html)"));
        QCOMPARE(ShownPatterns(d), QStringList({"*.htm", "*.html"}));
        QCOMPARE(QDir(d.directory()).canonicalPath(), QDir(docs.path()).canonicalPath());
        QVERIFY(d.testOption(QFileDialog::HideNameFilterDetails));

        // Insert File sets neither folder nor name: the previous ones stay.
        dialogs.prepare({.title = "Insert File...", .filter = kF3, .filterIndex = 2, .startFolder = std::nullopt,
                         .initialName = std::nullopt, .overwritePrompt = false},
                        QFileDialog::AcceptOpen);
        QCOMPARE(d.windowTitle(), QString("Insert File..."));
        QCOMPARE(d.nameFilters().size(), 3);
        QCOMPARE(d.selectedNameFilter(), QString("Text Files (*.txt)"));
        QCOMPARE(ShownPatterns(d), QStringList({"*.txt"}));
        QCOMPARE(QDir(d.directory()).canonicalPath(), QDir(docs.path()).canonicalPath());

        dialogs.prepare({.title = "Save As", .filter = kF3, .filterIndex = 3, .startFolder = other.path().toStdString(),
                         .initialName = "", .overwritePrompt = true},
                        QFileDialog::AcceptSave);
        QCOMPARE(d.acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(d.fileMode(), QFileDialog::AnyFile);
        QVERIFY(!d.testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(QDir(d.directory()).canonicalPath(), QDir(other.path()).canonicalPath());

        // An index outside the list picks the first entry; no overwrite prompt.
        dialogs.prepare({.title = "Save UNIX File As...", .filter = kF3, .filterIndex = 9, .startFolder = std::nullopt,
                         .initialName = "",
                         .overwritePrompt = false},
                        QFileDialog::AcceptSave);
        QCOMPARE(d.selectedNameFilter(), QString("All Files (*.*)"));
        QCOMPARE(ShownPatterns(d), QStringList({"*"}));
        QVERIFY(d.testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(QDir(d.directory()).canonicalPath(), QDir(other.path()).canonicalPath());
    }
};

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
