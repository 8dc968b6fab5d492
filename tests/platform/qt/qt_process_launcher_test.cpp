#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "platform/qt/qt_process_launcher.h"

using quillane::QtProcessLauncher;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes, QFile::Permissions permissions) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QVERIFY(file.setPermissions(permissions));
}

}  // namespace

class QtProcessLauncherTest : public QObject {
    Q_OBJECT

private slots:
    // No shell sees the arguments: each one arrives as it was given.
    void argumentsArriveIntact() {
        QTemporaryDir dir;
        const QString record = dir.filePath("args.txt");
        const QString stub = dir.filePath("record args");
        // Writes one argument per line, then renames the file into place so
        // the test never reads it half written.
        WriteFile(stub,
                  "#!/bin/sh\n"
                  "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$0.part\"\n"
                  "mv \"$0.part\" '" + record.toUtf8() + "'\n",
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        const std::vector<std::string> arguments = {
            "/home/me/My Pages/index.htm", "it's \"quoted\"", "a;b && echo no", "$HOME `id` *", "", "caf\xc3\xa9",
            // Not UTF-8: the bytes themselves, no replacement character.
            "caf\xE9 dir/a;b.htm", "-reverse",
        };
        const quillane::LaunchResult result = QtProcessLauncher().start(stub.toStdString(), arguments);
        QVERIFY2(result.started, result.error.c_str());
        QVERIFY(result.error.empty());

        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 20000);
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray expected;
        for (const std::string& argument : arguments) expected += "[" + QByteArray::fromStdString(argument) + "]\n";
        QCOMPARE(file.readAll(), expected);
    }

    // A program whose own path is not UTF-8 is found and started.
    void programPathsAreBytes() {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString() + "/caf\xE9 tools";
        QVERIFY(::mkdir(folder.c_str(), 0700) == 0);
        const std::string stub = folder + "/record";
        const QString record = dir.filePath("args.txt");
        {
            std::ofstream out(stub, std::ios::binary);
            out << "#!/bin/sh\nprintf '[%s]\\n' \"$0\" \"$@\" > \"$0.part\"\nmv \"$0.part\" '"
                << record.toStdString() << "'\n";
        }
        QVERIFY(::chmod(stub.c_str(), 0700) == 0);
        const quillane::LaunchResult result = QtProcessLauncher().start(stub, {"caf\xE9.htm"});
        QVERIFY2(result.started, result.error.c_str());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 20000);
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray::fromStdString("[" + stub + "]\n[caf\xE9.htm]\n"));
    }

    void unrunnableProgramsAreReported() {
        QTemporaryDir dir;
        const QString plain = dir.filePath("not executable");
        WriteFile(plain, "#!/bin/sh\n", QFile::ReadOwner | QFile::WriteOwner);
        struct Row {
            std::string program;
            std::string words;
        };
        const Row rows[] = {
            {dir.filePath("missing").toStdString(), "was not found"},
            {"quillane-no-such-program-on-the-path", "was not found"},
            {plain.toStdString(), "is not an executable file"},
            {dir.path().toStdString(), "is not an executable file"},
        };
        for (const Row& row : rows) {
            const quillane::LaunchResult result = QtProcessLauncher().start(row.program, {"x"});
            QVERIFY2(!result.started, row.program.c_str());
            QVERIFY2(result.error.find("\"" + row.program + "\"") != std::string::npos, result.error.c_str());
            QVERIFY2(result.error.find(row.words) != std::string::npos, result.error.c_str());
        }
        // Executable, but its interpreter is missing: execve itself fails.
        const QString orphan = dir.filePath("no interpreter");
        WriteFile(orphan, "#!/nonexistent/interpreter\n", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const quillane::LaunchResult failed = QtProcessLauncher().start(orphan.toStdString(), {});
        QVERIFY(!failed.started);
        QVERIFY2(failed.error.find("\"" + orphan.toStdString() + "\" could not be started") != std::string::npos,
                 failed.error.c_str());

        const quillane::LaunchResult empty = QtProcessLauncher().start("", {});
        QVERIFY(!empty.started);
        QVERIFY(!empty.error.empty());
    }

    // A program name without a folder is looked up on the PATH.
    void findsProgramsOnThePath() {
        const quillane::LaunchResult result = QtProcessLauncher().start("true", {});
        QVERIFY2(result.started, result.error.c_str());
    }
};

QTEST_GUILESS_MAIN(QtProcessLauncherTest)
#include "qt_process_launcher_test.moc"
