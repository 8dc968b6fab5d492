#pragma once
// The real main window for the benchmarks of what the user waits for: the
// program's windows and commands over a quiet platform, settings in memory.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <map>
#include <string>

#include "app/command_table.h"
#include "app/commands.h"
#include "app/start_sequence.h"
#include "app/ui/main_window.h"
#include "app/ui/ui_commands.h"
#include "bench_support.h"
#include "editor/ui/document_window.h"

namespace quillane::bench {

// Settings held in memory: the defaults but for what is put.
struct MemoryStore : SettingsBackend {
    std::string get(const std::string& section, const std::string& key, const std::string& fallback) const override {
        auto it = values.find(section + '/' + key);
        return it == values.end() ? fallback : it->second;
    }
    void put(const std::string& section, const std::string& key, const std::string& value) override {
        values[section + '/' + key] = value;
    }
    std::map<std::string, std::string> values;
};

// Runs the event loop until `done` holds or `seconds` have passed; false on
// the time running out.
template <typename Done>
bool ProcessEventsUntil(Done&& done, double seconds = 60) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > seconds * 1000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

// Makes the window the active one, so that keys reach its focus widget.
inline bool Activate(QWidget& window) {
    window.activateWindow();
    return ProcessEventsUntil([&] { return QApplication::activeWindow() == window.window(); }, 5);
}

// A key press of one letter, posted to the widget with the keyboard focus as
// typing would send it; false when no widget has the focus.
inline bool PostKeyToFocus(char letter) {
    QWidget* target = QApplication::focusWidget();
    if (!target) return false;
    const auto key = Qt::Key(Qt::Key_A + (letter - 'a'));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(letter))));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, QString(QChar(letter))));
    return true;
}

// MDIForm1 after the start sequence with the default settings, as a user who
// has turned off the start screen and the tip of the day sees it.
struct WindowApp {
    explicit WindowApp(const std::string& workingFolder) {
        store.put("Miscellaneous", "MainMenuBox", "off");
        store.put("Miscellaneous", "TipOfTheDay", "off");
        store.put("Directory", "WorkingDirectory", workingFolder);
        RegisterCoreCommands(commands);
        RegisterUiCommands(commands, ctx, window);
        window.attach(ctx, commands);
        window.show();
        StartProgram(ctx, {});
    }

    // Closes the active document window without asking about changes.
    void closeActive() {
        Form2* form = window.activeForm();
        if (!form) return;
        ctx.documentSlots[form->slot()].modified = false;
        window.closeDocumentWindow(*form);
        QCoreApplication::processEvents();
    }

    RecordedMessages messages;
    NoDialogs dialogs;
    MemoryStore store;
    NoLauncher launcher;
    NoClipboard clipboard;
    SystemClock clock;
    NoHelp help;
    MDIForm1 window;
    AppContext ctx{Platform{window, messages, dialogs, store, launcher, clipboard, clock, help}};
    CommandTable commands;
};

}  // namespace quillane::bench
