#include "editor/file_commands.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <utility>

#include "app/app_context.h"
#include "app/recent_files.h"
#include "app/user_levels.h"
#include "editor/document_file.h"
#include "editor/document_lifecycle.h"
#include "editor/file_bytes.h"
#include "editor/tag_colouring.h"
#include "editor/text_encoding.h"

namespace quillane {

namespace {

constexpr const char* kProgramTitle = "Quillane";
constexpr const char* kOpenErrorTitle = "Open Error";
constexpr const char* kTemplateExtension = ".qlt";

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The folder of a chosen file, ending in '/'.
std::string FolderOf(const std::string& path) {
    auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string WithTrailingSlash(const std::string& folder) {
    if (folder.empty() || folder.ends_with('/')) return folder;
    return folder + "/";
}

// A template opens as a new document, so that saving asks for a name.
bool IsTemplatePath(const std::string& path) { return path.size() >= 3 && Upper(path.substr(path.size() - 3)) == "QLT"; }

// A cancelled Open gives the active window its editor's focus and its user
// level again. Windows opened from a file keep the menus they were made with.
void AfterOpenCancelled(AppContext& ctx) {
    DocumentView* view = ctx.activeDocument();
    if (!view) return;
    view->editor().setFocus();
    ApplyUserLevel(ctx, *view);
}

// Steps shared by both kinds of open: the file is read first, so that a file
// that cannot be read makes no window.
DocumentView* OpenIntoNewWindow(AppContext& ctx, const std::string& path, bool unixLineEnds) {
    FileReadResult file = ReadFileBytes(path);
    if (!file.ok()) {
        // A file that is there but refused (too large, a pipe or a device)
        // says why; one that is missing or unreadable needs no more.
        std::string message = "Can't open file: " + path;
        if (file.status == FileStatus::Failed) message += "\n\n" + file.error;
        ctx.messages().say(message);
        return nullptr;
    }
    if (!ctx.documentSlots.anyOpen()) ctx.shell().setDocumentToolbarEnabled(true);
    ctx.shell().setBusy(true);

    int n = ctx.documentSlots.allocate();
    std::string caption = IsTemplatePath(path) ? "Untitled:" + std::to_string(n) : path;
    DocumentView& view = CreateDocumentWindow(ctx, n, caption);

    EditorControl& editor = view.editor();
    // Loaded as the document's starting point: undo must not take it back to
    // an empty window.
    ctx.documentSlots[n].encoding = LoadDocumentFile(editor, std::move(file.bytes), unixLineEnds);
    if (!unixLineEnds && ctx.settings.ColorTags == 1) {
        editor.setVisible(false);
        ColorTags(ctx, view);
        editor.setVisible(true);
    }
    ctx.documentSlots[n].modified = false;
    if (unixLineEnds) editor.setEditorFont(ctx.settings.FontName, ctx.settings.FontSize, false);
    OnDocumentActivated(ctx, view);
    ctx.shell().setBusy(false);
    return &view;
}

FileDialogRequest OpenRequest(AppContext& ctx, const char* filter, int filterIndex) {
    FileDialogRequest request;
    request.title = "Open";
    request.filter = filter;
    request.filterIndex = filterIndex;
    request.startFolder = ctx.documentFolder;
    request.initialName = std::string();
    return request;
}

// What Open and Open UNIX file do after the dialog.
void OpenChosenFile(AppContext& ctx, const FileChoice& choice, bool unixLineEnds) {
    DocumentView* view = unixLineEnds ? OpenUnixFile(ctx, choice.path) : OpenDocumentFile(ctx, choice.path);
    // A file that could not be opened does not belong on the recent list.
    if (view) AddToRecentFiles(ctx, choice.path);
    ctx.documentFolder = FolderOf(choice.path);
}

}  // namespace

DocumentView* OpenDocumentFile(AppContext& ctx, const std::string& path) { return OpenIntoNewWindow(ctx, path, false); }

DocumentView* OpenUnixFile(AppContext& ctx, const std::string& path) { return OpenIntoNewWindow(ctx, path, true); }

bool SaveDocument(AppContext& ctx, DocumentView& view, const std::string& path) {
    EditorControl& editor = view.editor();
    ctx.shell().setBusy(true);
    FileWriteResult result = WriteDocumentFile(path, editor.textView(), ctx.documentSlots[view.slot()].encoding);
    ctx.shell().setBusy(false);
    if (result.status == FileStatus::CannotOpen) {
        ctx.messages().say("Read only file.  Use Save As to save the file.");
        editor.setFocus();
        return false;
    }
    if (!result.ok()) {
        ctx.messages().show({.title = kProgramTitle, .text = result.error, .icon = MessageIcon::Exclamation});
    } else {
        view.setCaption(path);
        ctx.documentSlots[view.slot()].modified = false;
    }
    editor.setFocus();
    return result.ok();
}

std::string SaveDocumentAs(AppContext& ctx) {
    FileDialogRequest request;
    request.title = "Save As";
    request.filter = kFilterSave;
    request.filterIndex = 3;
    request.startFolder = ctx.saveFolder;
    request.initialName = std::string();
    request.overwritePrompt = true;
    std::optional<FileChoice> choice = ctx.platform.dialogs.saveFile(request);
    if (!choice) return "";
    ctx.saveFolder = FolderOf(choice->path);
    return choice->path;
}

void FileOpenCommand(AppContext& ctx) {
    std::optional<FileChoice> choice = ctx.platform.dialogs.openFile(OpenRequest(ctx, kFilterOpen, 3));
    if (!choice) {
        AfterOpenCancelled(ctx);
        return;
    }
    OpenChosenFile(ctx, *choice, false);
}

void OpenUnixCommand(AppContext& ctx) {
    std::optional<FileChoice> choice = ctx.platform.dialogs.openFile(OpenRequest(ctx, kFilterOpenUnix, 2));
    if (!choice) {
        AfterOpenCancelled(ctx);
        return;
    }
    OpenChosenFile(ctx, *choice, true);
}

void InsertFileCommand(AppContext& ctx, DocumentView& view) {
    FileDialogRequest request;
    request.title = "Insert File...";
    request.filter = kFilterSave;
    request.filterIndex = 3;
    std::optional<FileChoice> choice = ctx.platform.dialogs.openFile(request);
    EditorControl& editor = view.editor();
    if (!choice) {
        editor.setFocus();
        return;
    }
    FileReadResult file = ReadFileBytes(choice->path);
    if (file.status == FileStatus::CannotOpen) {
        editor.setFocus();
        return;
    }
    if (!file.ok()) {
        ctx.messages().show({.title = kOpenErrorTitle,
                             .text = "Error encountered while trying to open file.  File could be too large or not a "
                                     "text file.",
                             .icon = MessageIcon::Exclamation});
        editor.setFocus();
        return;
    }
    editor.setSelText(DecodeFileBytes(std::move(file.bytes)).utf8);
}

bool SaveCommand(AppContext& ctx, DocumentView& view) {
    std::string caption = view.caption();
    std::string name = caption.starts_with("Untitled") ? SaveDocumentAs(ctx) : caption;
    if (name.empty()) return false;
    return SaveDocument(ctx, view, name);
}

void SaveAsCommand(AppContext& ctx, DocumentView& view) {
    std::string name = SaveDocumentAs(ctx);
    if (name.empty()) return;
    // Only a file that was written belongs on the recent list.
    if (SaveDocument(ctx, view, name)) AddToRecentFiles(ctx, name);
}

void SaveUnixCommand(AppContext& ctx, DocumentView& view) {
    FileDialogRequest request;
    request.title = "Save UNIX File As...";
    request.filter = kFilterSave;
    request.filterIndex = 3;
    request.initialName = std::string();
    // The export replaces whatever file is chosen, perhaps one open in
    // another window: it asks first.
    request.overwritePrompt = true;
    std::optional<FileChoice> choice = ctx.platform.dialogs.saveFile(request);
    EditorControl& editor = view.editor();
    if (!choice) {
        editor.setFocus();
        return;
    }
    std::string_view text = editor.textView();
    std::string unixText;
    unixText.reserve(text.size());
    for (char c : text) {
        if (c != '\r') unixText += c;
    }
    ctx.shell().setBusy(true);
    FileWriteResult result = WriteDocumentFile(choice->path, unixText, ctx.documentSlots[view.slot()].encoding);
    ctx.shell().setBusy(false);
    if (!result.ok()) {
        ctx.messages().show({.title = kOpenErrorTitle,
                             .text = "Error encountered while trying to open file.",
                             .icon = MessageIcon::Exclamation});
        editor.setFocus();
    }
}

void OpenTemplate(AppContext& ctx, const std::string& fileName) {
    OpenDocumentFile(ctx, WithTrailingSlash(ctx.shell().programFolder()) + fileName);
}

std::vector<std::string> ListTemplates(AppContext& ctx) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(ctx.shell().programFolder(), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.starts_with('.') || name.size() <= 4) continue;
        if (Lower(name.substr(name.size() - 4)) != kTemplateExtension) continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        std::string la = Lower(a);
        std::string lb = Lower(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

}  // namespace quillane
