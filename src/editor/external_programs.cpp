#include "editor/external_programs.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

#include "app/app_context.h"
#include "app/command_table.h"
#include "app/settings/settings_store.h"
#include "editor/document_file.h"
#include "editor/file_commands.h"

namespace quillane {

namespace {

constexpr const char* kAppsSection = "Apps";
constexpr const char* kProgramFilter = "All Files (*.*)|*.*|EXE Files (*.exe)|*.exe|BAT Files (*.bat)|*.bat";

// A configurable program: its key, the in-memory setting that mirrors it, and
// what the user is told and asked when it is not configured.
struct ProgramSetting {
    const char* key;
    std::string Settings::*field;
    const char* missingLine1;
    const char* missingLine2;
    const char* dialogTitle;
};

constexpr ProgramSetting kBrowserSettings[] = {
    {kBrowserKey, &Settings::Browser, "Browser statement not found in Windows Registry.",
     "Select the file/path of the browser you wish to use.", "Select Browser..."},
    {kBrowser2Key, &Settings::Browser2, "Browser statement not found in Windows Registry.",
     "Select the file/path of the browser you wish to use.", "Select Browser..."},
};

struct ProgramKindRow {
    ExternalProgram kind;
    ProgramSetting setting;
    bool passesCaption;  // the active document's caption is the one argument
};

constexpr ProgramKindRow kProgramKinds[] = {
    {ExternalProgram::FtpClient,
     {"FTPClient", &Settings::FTPClient, "FTP Client statement not found in Windows Registry.",
      "Select the file/path of the FTP Client you wish to use.", "Select FTP Client..."},
     false},
    {ExternalProgram::GraphicsApplication,
     {"ImageMapper", &Settings::ImageMapper, "Image Mapper statement not found in Windows Registry.",
      "Select the file/path of the Image Mapper you wish to use.", "Select Image Mapper..."},
     false},
    {ExternalProgram::PrintProgram,
     {"PrinterProgram", &Settings::PrinterProgram, "Program used to print not found in Windows Registry.",
      "Select the file/path of the Printing program you wish to use.", "Select Program used to Print..."},
     true},
};

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

void FocusActiveEditor(AppContext& ctx) {
    if (DocumentView* view = ctx.activeDocument()) view->editor().setFocus();
}

const ProgramSetting& BrowserSetting(const std::string& key) {
    return key == kBrowser2Key ? kBrowserSettings[1] : kBrowserSettings[0];
}

// Asks whether pages should open in the desktop's default browser. Yes gives
// that program, No lets the user pick a file, Cancel stops.
MessageAnswer AskForDefaultBrowser(AppContext& ctx) {
    MessageRequest question;
    question.text = std::string("Use the system's default Web browser?\n\nYes: view pages with the default browser (") +
                    kDefaultBrowserProgram + ").\nNo: select the browser program yourself.";
    question.buttons = MessageButtons::YesNoCancel;
    question.icon = MessageIcon::Question;
    return ctx.messages().show(question);
}

// The configured program of a setting; when there is none, the user is told
// and picks one, which is stored. std::nullopt when the user cancels.
std::optional<std::string> ConfiguredProgram(AppContext& ctx, const ProgramSetting& setting, bool offerDefaultBrowser) {
    std::string program = ctx.platform.store.get(kAppsSection, setting.key, kUnsetPath);
    if (IsProgramConfigured(program)) return program;

    ctx.messages().say(std::string(setting.missingLine1) + "\n" + setting.missingLine2);
    MessageAnswer answer = offerDefaultBrowser ? AskForDefaultBrowser(ctx) : MessageAnswer::No;
    if (answer == MessageAnswer::Yes) {
        program = kDefaultBrowserProgram;
    } else if (answer == MessageAnswer::No) {
        FileDialogRequest request;
        request.title = setting.dialogTitle;
        request.filter = kProgramFilter;
        // All files: programs here rarely end in .exe or .bat.
        request.filterIndex = 1;
        std::optional<FileChoice> choice = ctx.platform.dialogs.openFile(request);
        if (!choice) return std::nullopt;
        program = choice->path;
    } else {
        return std::nullopt;
    }
    ctx.platform.store.put(kAppsSection, setting.key, program);
    ctx.settings.*setting.field = program;
    return program;
}

// Starts a program from an argument vector; a program that cannot start is
// named in a message.
void Launch(AppContext& ctx, const std::string& program, const std::vector<std::string>& arguments) {
    LaunchResult result = ctx.platform.launcher.start(program, arguments);
    if (result.started) return;
    std::string text = "The program \"" + program + "\" could not be started.";
    if (result.error.find(program) != std::string::npos) {
        text = result.error;
    } else if (!result.error.empty()) {
        text += "\n" + result.error;
    }
    ctx.messages().show({.title = {}, .text = text, .icon = MessageIcon::Exclamation});
}

// A path a program cannot take for an option.
std::string AsFileArgument(const std::string& path) { return path.starts_with('-') ? "./" + path : path; }

// The folder part of a caption (a file's path), ending in '/'.
std::string FolderOfCaption(const std::string& caption) {
    std::size_t slash = caption.rfind('/');
    return slash == std::string::npos ? std::string() : caption.substr(0, slash + 1);
}

}  // namespace

bool IsProgramConfigured(std::string_view path) { return !path.empty() && Lower(path) != Lower(kUnsetPath); }

void ViewInBrowser(AppContext& ctx, const std::string& key) {
    DocumentView* view = ctx.activeDocument();
    if (!view || view->editor().length() == 0) {
        ctx.messages().say("Open a document in order to link to browser.");
        return;
    }
    EditorControl& editor = view->editor();
    std::string caption = view->caption();
    std::string path;
    if (Lower(caption.substr(0, 8)) == "untitled") {
        ctx.messages().say("Save the document in order to view it using a browser.");
        std::string name = SaveDocumentAs(ctx);
        if (name.empty()) {
            editor.setFocus();
            return;
        }
        // A page that could not be written is not shown (the save has said why).
        if (!SaveDocument(ctx, *view, name)) return;
        path = name;
    } else if (ctx.documentSlots[view->slot()].modified) {
        path = FolderOfCaption(caption) + kBrowserCopyName;
        ctx.shell().setBusy(true);
        FileWriteResult written =
            WriteDocumentFile(path, editor.textView(), ctx.documentSlots[view->slot()].encoding);
        ctx.shell().setBusy(false);
        if (!written.ok()) {
            // A browser shown an old or missing copy would mislead.
            ctx.messages().show({.title = {},
                                 .text = "The copy for the browser, " + path + ", could not be written.\n" + written.error,
                                 .icon = MessageIcon::Exclamation});
            editor.setFocus();
            return;
        }
    } else {
        path = caption;
    }
    OpenInBrowser(ctx, path, key);
}

void OpenInBrowser(AppContext& ctx, const std::string& path, const std::string& key) {
    std::optional<std::string> browser = ConfiguredProgram(ctx, BrowserSetting(key), true);
    if (!browser) {
        FocusActiveEditor(ctx);
        return;
    }
    // The page is a local file: its path goes as it is, one argument, to
    // every browser ("%20" belongs in URLs and would name another file).
    Launch(ctx, *browser, {AsFileArgument(path)});
}

void StartExternalProgram(AppContext& ctx, ExternalProgram kind) {
    const ProgramKindRow& row = *std::find_if(std::begin(kProgramKinds), std::end(kProgramKinds),
                                              [kind](const ProgramKindRow& r) { return r.kind == kind; });
    std::optional<std::string> program = ConfiguredProgram(ctx, row.setting, false);
    if (!program) {
        FocusActiveEditor(ctx);
        return;
    }
    std::vector<std::string> arguments;
    if (row.passesCaption) {
        if (DocumentView* view = ctx.activeDocument()) arguments.push_back(AsFileArgument(view->caption()));
    }
    Launch(ctx, *program, arguments);
}

void RegisterExternalProgramCommands(CommandTable& table) {
    table.add("mnuLinkBrowser1", [](AppContext& ctx, DocumentView*) { ViewInBrowser(ctx, kBrowserKey); });
    table.add("BrowseLink", [](AppContext& ctx, DocumentView*) { ViewInBrowser(ctx, kBrowser2Key); });
    table.add("mnuimagemap",
              [](AppContext& ctx, DocumentView*) { StartExternalProgram(ctx, ExternalProgram::GraphicsApplication); });
    table.add("mnuFTP", [](AppContext& ctx, DocumentView*) { StartExternalProgram(ctx, ExternalProgram::FtpClient); });
    table.add("FilePrint", [](AppContext& ctx, DocumentView*) { StartExternalProgram(ctx, ExternalProgram::PrintProgram); });
}

}  // namespace quillane
