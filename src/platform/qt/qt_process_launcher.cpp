#include "platform/qt/qt_process_launcher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace quillane {

namespace {

// Why a program cannot run, or "" when it looks runnable. Checked first so the
// message names the program instead of a generic start failure.
std::string WhyNotRunnable(const std::string& program) {
    const QString name = QString::fromStdString(program);
    if (name.isEmpty()) return "No program was given to start.";
    QString path = name;
    if (!name.contains('/')) {
        path = QStandardPaths::findExecutable(name);
        if (path.isEmpty()) return "The program \"" + program + "\" was not found.";
    }
    const QFileInfo info(path);
    if (!info.exists()) return "The program \"" + program + "\" was not found.";
    if (!info.isFile() || !info.isExecutable()) return "The program \"" + program + "\" is not an executable file.";
    return {};
}

}  // namespace

LaunchResult QtProcessLauncher::start(const std::string& program, const std::vector<std::string>& arguments) {
    if (std::string why = WhyNotRunnable(program); !why.empty()) return {false, why};
    QStringList args;
    for (const std::string& argument : arguments) args << QString::fromStdString(argument);
    QProcess process;
    process.setProgram(QString::fromStdString(program));
    process.setArguments(args);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached()) {
        return {false, "The program \"" + program + "\" could not be started: " + process.errorString().toStdString()};
    }
    return {true, {}};
}

}  // namespace quillane
