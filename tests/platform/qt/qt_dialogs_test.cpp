// Message boxes and file dialogs are set up here, or shown and driven by the
// test itself: no test may wait for a person.
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

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

// Runs `drive` once the next modal window is up (a file dialog, or the
// question it asks). One that `drive` leaves open after a failure is closed.
void WhenModalShows(const std::function<void(QWidget*)>& drive) {
    QTimer::singleShot(0, [drive] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        // The keys go where the focus is once the window is active.
        QVERIFY(QTest::qWaitForWindowActive(modal));
        drive(modal);
        if (QTest::currentTestFailed() && modal->isVisible()) modal->close();
    });
}

void Answer(QWidget* question, QMessageBox::StandardButton button) {
    auto* box = qobject_cast<QMessageBox*>(question);
    QVERIFY(box);
    QVERIFY2(box->text().contains("already exists"), qPrintable(box->text()));
    QTest::mouseClick(box->button(button), Qt::LeftButton);
}

QString Canonical(const std::string& path) { return QFileInfo(QString::fromStdString(path)).canonicalFilePath(); }

// The box the keys go to: the dialog's focused one, once the focus is back
// from a question.
QLineEdit* FocusedBox() {
    auto focused = [] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); };
    QTest::qWaitFor([&] { return focused() != nullptr; });
    return focused();
}

void TypeAndEnter(const QString& text) {
    QLineEdit* box = FocusedBox();
    QVERIFY(box);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
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
        QFileDialog* d = &dialogs.prepare({.title = "Open", .filter = kF1, .filterIndex = 3, .startFolder = docs.path().toStdString(),
                         .initialName = "", .overwritePrompt = false},
                        QFileDialog::AcceptOpen);
        QCOMPARE(d->windowTitle(), QString("Open"));
        QCOMPARE(d->acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(d->fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(d->nameFilters().size(), 4);
        // The list shows the descriptions; the patterns still filter.
        QCOMPARE(d->selectedNameFilter(), QString("HTML Files (*.htm, *.html)"));
        QCOMPARE(ShownPatterns(*d), QStringList({"*.htm", "*.html"}));
        QCOMPARE(QDir(d->directory()).canonicalPath(), QDir(docs.path()).canonicalPath());
        QVERIFY(d->testOption(QFileDialog::HideNameFilterDetails));

        // Insert File sets neither folder nor name: the previous ones stay.
        d = &dialogs.prepare({.title = "Insert File...", .filter = kF3, .filterIndex = 2, .startFolder = std::nullopt,
                         .initialName = std::nullopt, .overwritePrompt = false},
                        QFileDialog::AcceptOpen);
        QCOMPARE(d->windowTitle(), QString("Insert File..."));
        QCOMPARE(d->nameFilters().size(), 3);
        QCOMPARE(d->selectedNameFilter(), QString("Text Files (*.txt)"));
        QCOMPARE(ShownPatterns(*d), QStringList({"*.txt"}));
        QCOMPARE(QDir(d->directory()).canonicalPath(), QDir(docs.path()).canonicalPath());

        d = &dialogs.prepare({.title = "Save As", .filter = kF3, .filterIndex = 3, .startFolder = other.path().toStdString(),
                         .initialName = "", .overwritePrompt = true},
                        QFileDialog::AcceptSave);
        QCOMPARE(d->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(d->fileMode(), QFileDialog::AnyFile);
        QVERIFY(!d->testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(QDir(d->directory()).canonicalPath(), QDir(other.path()).canonicalPath());

        // An index outside the list picks the first entry; no overwrite prompt.
        d = &dialogs.prepare({.title = "Save UNIX File As...", .filter = kF3, .filterIndex = 9, .startFolder = std::nullopt,
                         .initialName = "",
                         .overwritePrompt = false},
                        QFileDialog::AcceptSave);
        QCOMPARE(d->selectedNameFilter(), QString("All Files (*.*)"));
        QCOMPARE(ShownPatterns(*d), QStringList({"*"}));
        QVERIFY(d->testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(QDir(d->directory()).canonicalPath(), QDir(other.path()).canonicalPath());
    }

    // Each use starts with the name it is given, empty for Open and the saves
    // whatever was chosen before; a completion list opened while typing goes
    // with the dialog; an existing file is replaced only after a Yes.
    void fileDialogRunsAsItsRequestSays() {
        QTemporaryDir docs;
        QFile page(docs.filePath("a.htm"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        QWidget owner;
        owner.show();
        QtFileDialogs dialogs(&owner);

        const QString folder = docs.path();
        WhenModalShows([folder](QWidget*) {
            QLineEdit* box = FocusedBox();
            QVERIFY(box);
            QCOMPARE(box->text(), QString());
            QTest::keyClicks(box, folder + "/a.h");
            QTRY_VERIFY(box->completer() && box->completer()->popup()->isVisible());
            TypeAndEnter("tm");
        });
        std::optional<FileChoice> chosen = dialogs.openFile(
            {.title = "Open", .filter = kF1, .filterIndex = 1, .startFolder = docs.path().toStdString(), .initialName = ""});
        QVERIFY(chosen);
        QCOMPARE(Canonical(chosen->path), QFileInfo(page).canonicalFilePath());
        QCOMPARE(chosen->fileTitle, std::string("a.htm"));
        // Nothing of the dialog is left on the screen to take the next key.
        QVERIFY(!QApplication::activePopupWidget());
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(w == &owner || !w->isVisible(), qPrintable(w->metaObject()->className()));

        WhenModalShows([](QWidget* dialog) {
            QVERIFY(FocusedBox());
            QCOMPARE(FocusedBox()->text(), QString());
            // Enter on the empty box chooses nothing.
            QTest::keyClick(FocusedBox(), Qt::Key_Return);
            QCOMPARE(QApplication::activeModalWidget(), dialog);
            QLineEdit* box = FocusedBox();
            QVERIFY(box);
            QTest::keyClicks(box, "a.htm");
            WhenModalShows([](QWidget* question) { Answer(question, QMessageBox::No); });
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(QApplication::activeModalWidget(), dialog);
            QCOMPARE(box->text(), QString("a.htm"));
            // Back in the dialog by a click on the box.
            dialog->activateWindow();
            QTest::mouseClick(box, Qt::LeftButton);
            QCOMPARE(FocusedBox(), box);
            WhenModalShows([](QWidget* question) { Answer(question, QMessageBox::Yes); });
            QTest::keyClick(box, Qt::Key_Return);
        });
        chosen = dialogs.saveFile({.title = "Save UNIX File As...", .filter = kF3, .filterIndex = 3,
                                   .startFolder = std::nullopt, .initialName = "", .overwritePrompt = true});
        QVERIFY(chosen);
        QCOMPARE(Canonical(chosen->path), QFileInfo(page).canonicalFilePath());

        // Cancel gives nothing back.
        WhenModalShows([](QWidget*) {
            QVERIFY(FocusedBox());
            QTest::keyClick(FocusedBox(), Qt::Key_Escape);
        });
        QVERIFY(!dialogs.saveFile({.title = "Save As", .filter = kF3, .filterIndex = 3, .initialName = ""}));
    }
};

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
