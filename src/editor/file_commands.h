#pragma once
#include <string>
#include <vector>

namespace quillane {

struct AppContext;
class DocumentView;

// The file dialogs' filter lists.
inline constexpr const char* kFilterOpen =
    "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|HTML Files (*.htm, *.html)|*.htm;*.html|Quillane Template (*.qlt)|*.qlt";
inline constexpr const char* kFilterOpenUnix = "All Files (*.*)|*.*|UNIX HTML Files (*.htm, *.html)|*.htm;*.html";
inline constexpr const char* kFilterSave = "All Files (*.*)|*.*|Text Files (*.txt)|*.txt|HTML Files (*.htm, *.html)|*.htm;*.html";

// OpenDocumentFile: the file into a new window. nullptr when it cannot be
// opened ("Can't open file: " + path has been shown, with the reason when the
// file is there but too large or not a regular file).
DocumentView* OpenDocumentFile(AppContext& ctx, const std::string& path);
// OpenUnixFile: the same, every LF read as CR LF, no tag colouring.
DocumentView* OpenUnixFile(AppContext& ctx, const std::string& path);
// SaveDocument: writes the window's text and one CR LF to path, atomically.
// On success the caption becomes path and the window is unmodified.
bool SaveDocument(AppContext& ctx, DocumentView& view, const std::string& path);
// SaveDocumentAs: the Save As dialog; the chosen path, or "" on Cancel.
std::string SaveDocumentAs(AppContext& ctx);

// The menu commands.
void FileOpenCommand(AppContext& ctx);                        // FileOpen
void OpenUnixCommand(AppContext& ctx);                        // mnuOpenUNIX
void InsertFileCommand(AppContext& ctx, DocumentView& view);  // FileInsert
bool SaveCommand(AppContext& ctx, DocumentView& view);        // FileSave; true when written
void SaveAsCommand(AppContext& ctx, DocumentView& view);      // FileSaveAs
void SaveUnixCommand(AppContext& ctx, DocumentView& view);    // mnuUNIXsave
// The templates dialog's OK: opens the chosen template (or reports the folder
// itself when nothing is chosen).
void OpenTemplate(AppContext& ctx, const std::string& fileName);
// The names of the templates ("*.qlt") in the program folder, sorted.
std::vector<std::string> ListTemplates(AppContext& ctx);

}  // namespace quillane
