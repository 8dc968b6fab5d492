// Quillane: an HTML source editor. Builds the platform, the program state and
// the main window, then runs the start sequence.
#include <QApplication>
#include <QIcon>
// In full: the help viewer's header hands out a guarded pointer to one.
#include <QTextBrowser>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/command_line.h"
#include "app/command_table.h"
#include "app/commands.h"
#include "app/settings/file_settings_backend.h"
#include "app/start_sequence.h"
#include "app/ui/guarded_application.h"
#include "app/ui/main_window.h"
#include "app/ui/ui_commands.h"
#include "platform/clock.h"
#include "platform/qt/program_folder.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_help_viewer.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_process_launcher.h"
#include "platform/write_signals.h"

int main(int argc, char* argv[]) {
    using namespace quillane;
    IgnoreWriteSignals();

    CommandLine commandLine(argc, argv);
    GuardedApplication app(commandLine.toolkitArgc(), commandLine.toolkitArgv());
    QApplication::setApplicationName("Quillane");
    QApplication::setDesktopFileName("quillane");
    QApplication::setWindowIcon(QIcon::fromTheme("quillane"));

    MDIForm1 window;
    QtMessageBoxes messages(&window);
    QtFileDialogs dialogs(&window);
    FileSettingsBackend store(SettingsFilePath());
    QtProcessLauncher launcher;
    QtClipboard clipboard;
    SystemClock clock;
    QtHelpViewer help(ProgramFolder() + "help", &window);
    AppContext ctx(Platform{window, messages, dialogs, store, launcher, clipboard, clock, help});
    app.setGuard([&ctx](const std::function<void()>& step) { return RunGuarded(ctx, step); });

    CommandTable commands;
    RegisterCoreCommands(commands);
    RegisterUiCommands(commands, ctx, window);
    window.attach(ctx, commands);

    StartProgram(ctx, commandLine.files());
    return app.exec();
}
