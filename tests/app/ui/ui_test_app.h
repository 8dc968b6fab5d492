#pragma once
// The real main window over the scripted platform fakes: message boxes and
// file dialogs answer from queues, settings live in memory, the clock stands
// still. The start sequence runs as the program runs it.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "app/commands.h"
#include "app/start_sequence.h"
#include "app/ui/main_window.h"
#include "app/ui/ui_commands.h"
#include "editor/temp_folder.h"
#include "editor/ui/document_window.h"
#include "platform/qt/qsci_editor_control.h"
#include "app/scoped_environment.h"
#include "support/fakes.h"

namespace quillane::testing {

struct UiTestApp {
    // Starts the program with the command line; no start screen, no tip.
    // `prepare` may add to the stored settings before the start.
    explicit UiTestApp(const std::vector<std::string>& commandLine = {},
                       const std::function<void(MemorySettings&)>& prepare = {}) {
        store.put("Miscellaneous", "MainMenuBox", "off");
        store.put("Miscellaneous", "TipOfTheDay", "off");
        store.put("Directory", "WorkingDirectory", files.folder());
        if (prepare) prepare(store);
        RegisterCoreCommands(commands);
        RegisterUiCommands(commands, ctx, window);
        window.attach(ctx, commands);
        StartProgram(ctx, commandLine);
    }

    // The window gets the keyboard, so that shortcuts reach its menus.
    bool activate() {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    Form2* active() { return window.activeForm(); }
    QsciEditorControl& editor() { return active()->editorControl(); }
    DocumentSlot& slot(int n) { return ctx.documentSlots[n]; }
    std::vector<std::string> captions() {
        std::vector<std::string> out;
        for (DocumentView* v : window.documentWindows()) out.push_back(v->caption());
        return out;
    }
    QMdiSubWindow* subWindowOf(Form2* form) { return qobject_cast<QMdiSubWindow*>(form->parentWidget()); }

    ScopedCurrentFolder restoreFolder;
    TempFolder files;
    ScriptedMessageBoxes messages;
    ScriptedFileDialogs dialogs;
    MemorySettings store;
    RecordingLauncher launcher;
    MemoryClipboard clipboard;
    FixedClock clock;
    RecordingHelp help;
    MDIForm1 window;
    AppContext ctx{Platform{window, messages, dialogs, store, launcher, clipboard, clock, help}};
    CommandTable commands;
};

}  // namespace quillane::testing
