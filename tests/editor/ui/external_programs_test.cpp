#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "app/command_table.h"
#include "editor/external_programs.h"
#include "platform/qt/qt_process_launcher.h"
#include "support/fakes.h"

using quillane::AppContext;
using quillane::CommandTable;
using quillane::DocumentView;
using quillane::Platform;
using quillane::QtProcessLauncher;
using quillane::testing::TestApp;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The program state over the scripted fakes, but starting programs for real.
struct RealLaunch {
    RealLaunch()
        : ctx(Platform{app.shell, app.messages, app.dialogs, app.store, launcher, app.clipboard, app.clock, app.help}) {
        quillane::RegisterExternalProgramCommands(commands);
    }

    // A window showing a saved page.
    DocumentView& page(const QString& path, const std::string& text, bool modified) {
        const int slot = ctx.documentSlots.allocate();
        DocumentView& view = app.shell.createDocumentWindow(slot);
        view.setCaption(path.toStdString());
        view.editor().setText(text);
        ctx.documentSlots[slot].modified = modified;
        return view;
    }

    TestApp app;
    QtProcessLauncher launcher;
    AppContext ctx;
    CommandTable commands;
};

}  // namespace

class ExternalProgramsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        QVERIFY(QDir(dir_.path()).mkpath("my site"));
        QVERIFY(QDir(dir_.path()).mkpath("my tools"));
        record_ = dir_.filePath("args.txt");
        stub_ = dir_.filePath("my tools/record args");
        // One argument per line, the file renamed into place when complete.
        WriteFile(stub_,
                  "#!/bin/sh\n"
                  "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$0.part\"\n"
                  "mv \"$0.part\" '" + record_.toUtf8() + "'\n");
        QVERIFY(QFile::setPermissions(stub_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    void cleanup() { QFile::remove(record_); }

    // The browser gets the page's path as one argument, however it is named.
    void browserGetsThePageIntact() {
        RealLaunch run;
        run.app.store.put("Apps", "Browser", stub_.toStdString());
        const QString page = dir_.filePath("my site/a;b's \"x\" $HOME `id`.htm");
        WriteFile(page, "<P>x</P>\r\n");
        run.page(page, "<P>x</P>", false);

        QVERIFY(run.commands.run("mnuLinkBrowser1", run.ctx, nullptr));

        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record_), 20000);
        QCOMPARE(ReadFile(record_), "[" + page.toUtf8() + "]\n");
        QVERIFY(run.app.messages.shown.empty());
    }

    // A file name that is not UTF-8 reaches each program as its own bytes,
    // saved or through its copy.
    void bytePathsArriveByteForByte() {
        const std::string folder = dir_.path().toStdString() + "/caf\xE9 dir";
        QVERIFY(::mkdir(folder.c_str(), 0700) == 0);
        const std::string page = folder + "/a;b.htm";
        std::ofstream(page, std::ios::binary) << "<P>x</P>\r\n";
        struct Row {
            const char* key;
            const char* command;
            bool modified;
            std::string expected;
        };
        const Row rows[] = {
            {"Browser", "mnuLinkBrowser1", false, page},
            {"Browser2", "BrowseLink", true, folder + "/qlnvtemp.htm"},
            {"PrinterProgram", "FilePrint", false, page},
        };
        for (const Row& row : rows) {
            RealLaunch run;
            run.app.store.put("Apps", row.key, stub_.toStdString());
            DocumentView& view = run.page(QString(), "<P>x</P>", row.modified);
            view.setCaption(page);

            QVERIFY2(run.commands.run(row.command, run.ctx, nullptr), row.command);

            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record_), 20000);
            QCOMPARE(ReadFile(record_), QByteArray::fromStdString("[" + row.expected + "]\n"));
            QVERIFY(run.app.messages.shown.empty());
            QFile::remove(record_);
        }
    }

    // A modified page reaches the browser as its folder's qlnvtemp.htm.
    void modifiedPageGoesThroughItsCopy() {
        RealLaunch run;
        run.app.store.put("Apps", "Browser2", stub_.toStdString());
        const QString page = dir_.filePath("my site/index.htm");
        run.page(page, "<P>changed</P>", true);

        QVERIFY(run.commands.run("BrowseLink", run.ctx, nullptr));

        const QString copy = dir_.filePath("my site/qlnvtemp.htm");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record_), 20000);
        QCOMPARE(ReadFile(record_), "[" + copy.toUtf8() + "]\n");
        QCOMPARE(ReadFile(copy), QByteArray("<P>changed</P>\r\n"));
    }

    void printProgramGetsTheCaption() {
        RealLaunch run;
        run.app.store.put("Apps", "PrinterProgram", stub_.toStdString());
        const QString page = dir_.filePath("my site/print me.htm");
        run.page(page, "x", false);
        QVERIFY(run.commands.run("FilePrint", run.ctx, nullptr));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record_), 20000);
        QCOMPARE(ReadFile(record_), "[" + page.toUtf8() + "]\n");
    }

    // A configured program that is not there is named in a message.
    void missingProgramIsNamed() {
        RealLaunch run;
        const std::string missing = dir_.filePath("my tools/ftp client").toStdString();
        run.app.store.put("Apps", "FTPClient", missing);
        QVERIFY(run.commands.run("mnuFTP", run.ctx, nullptr));
        QCOMPARE(run.app.messages.shown.size(), std::size_t(1));
        const std::string text = run.app.messages.shown[0].text;
        QVERIFY2(text.find("\"" + missing + "\"") != std::string::npos, text.c_str());
    }

private:
    QTemporaryDir dir_;
    QString record_;
    QString stub_;
};

QTEST_MAIN(ExternalProgramsTest)
#include "external_programs_test.moc"
