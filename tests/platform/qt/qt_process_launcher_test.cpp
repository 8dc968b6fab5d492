#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
