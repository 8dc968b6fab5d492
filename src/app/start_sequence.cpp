#include "app/start_sequence.h"

#include <filesystem>
#include <system_error>

#include "app/app_context.h"
#include "app/command_table.h"
#include "app/new_page_text.h"
#include "app/recent_files.h"
#include "app/settings/settings_store.h"
#include "app/user_levels.h"
#include "app/window_placement.h"
#include "editor/document_lifecycle.h"
#include "editor/tag_colouring.h"
#include "editor/file_commands.h"

namespace quillane {

namespace {

// Command-line paths name files relative to the folder the program was started
// in; they are fixed before the working folder becomes the current one.
std::vector<std::string> AbsolutePaths(const std::vector<std::string>& paths) {
    std::vector<std::string> out;
    std::error_code ec;
    std::filesystem::path launchFolder = std::filesystem::current_path(ec);
    for (const std::string& p : paths) {
        if (p.empty()) continue;
        std::filesystem::path path(p);
        out.push_back(path.is_absolute() || ec ? p : (launchFolder / path).lexically_normal().string());
    }
    return out;
}

void EnterWorkingFolder(AppContext& ctx) {
    const std::string& folder = ctx.settings.WorkingDirectory;
    std::error_code ignored;
    if (!folder.empty()) std::filesystem::current_path(folder, ignored);
    ctx.documentFolder = folder;
    ctx.saveFolder = folder;
}

// The first window "Untitled:1" in slot 1, which the slot table holds from the
// start, with the new-page text and the caret on the empty line after <BODY>.
void CreateFirstDocument(AppContext& ctx) {
    DocumentView& view = CreateDocumentWindow(ctx, 1, "Untitled:1");
    ctx.shell().setDocumentToolbarEnabled(true);
    EditorControl& editor = view.editor();
    // The new page is where the document starts: not a change, nothing to undo.
    editor.loadText(NewPageText(ctx.platform.clock.now(), ctx.bodyAttributes));
    if (ctx.settings.ColorTags == 1) ColorNewPage(view);
    ctx.documentSlots[1].modified = false;
    editor.setFocus();
    std::size_t length = editor.length();
    editor.setSelStart(length >= kNewPageCaretFromEnd ? length - kNewPageCaretFromEnd : 0);
    ApplyRarelyUsedSwitch(ctx, view);
    OnDocumentActivated(ctx, view);
}

}  // namespace

void StartProgram(AppContext& ctx, const std::vector<std::string>& commandLine) {
    std::vector<std::string> files = AbsolutePaths(commandLine);

    LoadSettings(ctx);
    const Settings& s = ctx.settings;
    Shell& shell = ctx.shell();
    // Placed before it is shown, so that the stored corner is the frame's.
    shell.setGeometry(KeepTitleBarOnScreen({s.LeftXCoord, s.LeftYCoord, s.WindowXSize, s.WindowYSize},
                                           shell.screenAreasTwips()));
    shell.showMainWindow();
    EnterWorkingFolder(ctx);

    CreateFirstDocument(ctx);
    GetRecentFiles(ctx);
    // Now with a document: this time the editor font reaches its editor.
    LoadSettings(ctx);

    // A file that fails to open, however it fails, leaves the others to open.
    for (const std::string& path : files) RunGuarded(ctx, [&] { OpenDocumentFile(ctx, path); });
}

}  // namespace quillane
