#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "app/settings/settings.h"
#include "builders/meta_tags.h"
#include "editor/document_slots.h"
#include "editor/find_state.h"
#include "makers/cell_properties.h"
#include "makers/table_settings.h"
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
    // DocumentSlots (not "slots": Qt reserves that word as a macro).
    DocumentSlots documentSlots;

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
    // The page title last built by the page-properties OK and the META lines
    // of the last META Tags OK; the toolbar's new page writes them.
    std::string pageTitle;
    MetaLines metaLines;

    // The one undo snapshot of the program (SaveUndoSnapshot): a window's text
    // and caret before an insertion, and that window's slot (0: none taken, or
    // its window has closed), so that Undo never restores a foreign text.
    std::string undoText;
    std::size_t undoCaret = 0;
    int undoSlot = 0;
    // EditTagMode: the next InsertTag replaces the selected tag with the open
    // text. One-shot: InsertTag and the closing of any tag dialog clear it.
    bool editTagMode = false;

    // FindWhat, MatchCase, SearchDirection and the rest of the search state.
    FindState search;

    // The last image folder, where the image browse buttons start. Unset until
    // an image is first browsed: the ImageDirectory setting stands for it.
    std::optional<std::string> lastImageFolder;
    // The image-map dialog's shape name ("Circle", "Rect", "Poly"; empty until
    // a shape button is first pressed). Kept for the whole run.
    std::string imageMapShape;

    // TableSettings: the table the Table Properties dialog described, which
    // the Table Maker builds. CellProperties: the Table Maker's per-cell
    // properties, kept from one table to the next until its Done.
    TableSettings tableSettings;
    CellProperties cellProperties;

    // The active document window, or nullptr.
    DocumentView* activeDocument() { return platform.shell.activeDocument(); }
};

}  // namespace quillane
