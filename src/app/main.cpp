// Quillane: an HTML source editor. Builds the platform, the program state and
// the main window, then runs the start sequence.
#include <QApplication>
#include <QIcon>
// In full: the help viewer's header hands out a guarded pointer to one.
#include <QTextBrowser>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/command_table.h"
#include "app/commands.h"
#include "app/start_sequence.h"
#include "app/ui/main_window.h"
#include "app/ui/ui_commands.h"
#include "platform/clock.h"
#include "platform/qt/program_folder.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_help_viewer.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_process_launcher.h"
#include "platform/qt/qt_settings_backend.h"
#include "platform/write_signals.h"

int main(int argc, char* argv[]) {
    using namespace quillane;
    IgnoreWriteSignals();

    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillane");
    QApplication::setDesktopFileName("quillane");
    QApplication::setWindowIcon(QIcon::fromTheme("quillane"));

    MDIForm1 window;
    QtMessageBoxes messages(&window);
    QtFileDialogs dialogs(&window);
    QtSettingsBackend store;
    QtProcessLauncher launcher;
    QtClipboard clipboard;
    SystemClock clock;
    QtHelpViewer help(ProgramFolder() + "help", &window);
    AppContext ctx(Platform{window, messages, dialogs, store, launcher, clipboard, clock, help});

    CommandTable commands;
    RegisterCoreCommands(commands);
    RegisterUiCommands(commands, ctx, window);
    window.attach(ctx, commands);
    window.show();

    // QApplication has taken its own options out of argv; the rest are the
    // files to open, as the bytes the shell passed.
    std::vector<std::string> files(argv + 1, argv + argc);
    StartProgram(ctx, files);
    return app.exec();
}
