// The program driven with files that are no documents and with saves that
// cannot be completed: each is refused with a message and every window stays.
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <sys/resource.h>

#include <cerrno>
#include <cstring>
#include <new>
#include <set>

#include "app/ui/ui_test_app.h"
#include "editor/document_lifecycle.h"
#include "editor/file_bytes.h"
#include "editor/hostile_files.h"
#include "platform/write_signals.h"

using namespace quillane;
using namespace quillane::testing;

namespace {

const std::string kNotAFile = "\n\nNot a regular file (a pipe, socket or device)";

std::string TooLarge() {
    return "\n\nFile too large (the largest document is " + std::to_string(MaxDocumentBytes() >> 20) + " MB)";
}

// Keys go where a person's keys go: to the widget that has the focus.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void Type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); }

// Lowers the file size limit while it lives.
class SizeLimit {
public:
    explicit SizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~SizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }

private:
    rlimit previous_{};
};

}  // namespace

class HostileFilesTest : public QObject {
    Q_OBJECT

private slots:
    void commandLineRefusesPipesDevicesAndHugeFiles() {
        TempFolder folder;
        const std::string pipe = MakePipe(folder, "pipe.htm");
        PipeReleaser releaser(pipe);
        const std::string huge = MakeSparseFile(folder, "huge.htm", kHundredGigabytes);
        const std::string ok = folder.write("ok.htm", "<P>ok</P>");
        UiTestApp app({pipe, "/dev/zero", huge, ok});
        QCOMPARE(app.messages.texts(), (std::vector<std::string>{"Can't open file: " + pipe + kNotAFile,
                                                                 "Can't open file: /dev/zero" + kNotAFile,
                                                                 "Can't open file: " + huge + TooLarge()}));
        QCOMPARE(app.captions(), (std::vector<std::string>{"Untitled:1", ok}));
        QCOMPARE(app.editor().text(), std::string("<P>ok</P>"));
    }

    void openAndInsertFileRefuseAPipeAndTheZeroDevice() {
        UiTestApp app;
        const std::string pipe = MakePipe(app.files, "pipe.htm");
        PipeReleaser releaser(pipe);
        QVERIFY(app.activate());
        app.editor().setFocus();
        const std::string text = app.editor().text();

        app.dialogs.fileAnswers = {pipe, "/dev/zero"};
        Press(Qt::Key_O, Qt::ControlModifier);
        Press(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(app.messages.texts(), (std::vector<std::string>{"Can't open file: " + pipe + kNotAFile,
                                                                 "Can't open file: /dev/zero" + kNotAFile}));
        QCOMPARE(app.captions(), std::vector<std::string>{"Untitled:1"});

        app.messages.shown.clear();
        QAction* insert = app.active()->menuBar()->findChild<QAction*>("FileInsert");
        QVERIFY(insert);
        for (const std::string& path : {pipe, std::string("/dev/zero")}) {
            app.dialogs.fileAnswers = {path};
            insert->trigger();
        }
        QCOMPARE(app.messages.texts(),
                 std::vector<std::string>(
                     2, "Error encountered while trying to open file.  File could be too large or not a text file."));
        QCOMPARE(app.editor().text(), text);
        QVERIFY(!app.slot(1).modified);
    }

    // The program's own signal setup, then Ctrl+S against a file size limit:
    // the system's text for the error, the old file as it was, nothing left
    // beside it, the window still modified.
    void saveUnderTheFileSizeLimitReportsTheError() {
        IgnoreWriteSignals();
        TempFolder folder;
        const std::string path = folder.write("page.htm", "<P>old</P>\r\n");
        UiTestApp app({path});
        QVERIFY(app.activate());
        app.editor().setFocus();
        Type(std::string(200, 'x').c_str());
        {
            SizeLimit limit(64);
            Press(Qt::Key_S, Qt::ControlModifier);
        }
        QCOMPARE(app.messages.texts(), std::vector<std::string>{std::strerror(EFBIG)});
        QCOMPARE(app.messages.shown[0].title, std::string("Quillane"));
        QCOMPARE(ReadAll(path), std::string("<P>old</P>\r\n"));
        QCOMPARE(folder.names(), std::set<std::string>{"page.htm"});
        QVERIFY(app.slot(2).modified);
        QCOMPARE(app.captions(), (std::vector<std::string>{"Untitled:1", path}));

        // Without the limit the same key saves.
        Press(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ReadAll(path), std::string(200, 'x') + "<P>old</P>\r\n\r\n");
    }

    // A command that throws, here for want of memory, reaches the menu's key
    // as a message; the windows and their text stay and the program goes on.
    void failingCommandIsReportedAndEveryWindowStays() {
        UiTestApp app;
        NewDocument(app.ctx);
        app.commands.add("FileOpen", [](AppContext&, DocumentView*) { throw std::bad_alloc(); });
        QVERIFY(app.activate());
        app.editor().setFocus();
        Type("kept");
        Press(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(app.messages.texts(),
                 std::vector<std::string>{"The command could not be completed.\n\nCannot allocate memory"});
        QCOMPARE(app.captions(), (std::vector<std::string>{"Untitled:1", "Untitled:2"}));
        QVERIFY(app.editor().text().starts_with("kept"));
        Type("!");
        QVERIFY(app.editor().text().starts_with("kept!"));
    }
};

QTEST_MAIN(HostileFilesTest)
#include "hostile_files_test.moc"
