#pragma once
#include <string>

#include "app/settings/settings.h"
#include "editor/document_slots.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/help_viewer.h"
#include "platform/message_boxes.h"
#include "platform/process_launcher.h"
#include "platform/settings_backend.h"
#include "platform/shell.h"

namespace quillane {

// What the program reaches outside itself through.
struct Platform {
    Shell& shell;
    MessageBoxes& messages;
    FileDialogs& dialogs;
    SettingsBackend& store;
    ProcessLauncher& launcher;
    Clipboard& clipboard;
    Clock& clock;
    HelpViewer& help;
};

// The program-wide state every command works on, with the platform it talks
// to. One instance lives as long as the main window.
struct AppContext {
    explicit AppContext(Platform p) : platform(p) {}

    Platform platform;
    Shell& shell() { return platform.shell; }
    MessageBoxes& messages() { return platform.messages; }

    Settings settings;
    DocumentSlots slots;

    // DocumentFolder: where the Open dialogs start. SaveFolder: where Save As
    // starts. Both end in '/'.
    std::string documentFolder;
    std::string saveFolder;

    // ColoringInProgress: while set, text changes are not tracked.
    bool coloringInProgress = false;
    // BeginnerWizardRequested: set by the start screen's beginner button.
    bool beginnerWizardRequested = false;
    // The BODY attributes held by the page-properties builder (new-page text).
    std::string bodyAttributes;

    // The active document window, or nullptr.
    DocumentView* activeDocument() { return platform.shell.activeDocument(); }
};

}  // namespace quillane
