#pragma once
#include <string>
#include <string_view>

namespace quillane {

struct AppContext;
class CommandTable;

// The programs the document is handed to besides the browsers.
enum class ExternalProgram { FtpClient, GraphicsApplication, PrintProgram };

// The two browsers' keys in the "Apps" section.
inline constexpr const char* kBrowserKey = "Browser";
inline constexpr const char* kBrowser2Key = "Browser2";
// The program offered when no browser is configured: it opens a page in the
// desktop's default browser.
inline constexpr const char* kDefaultBrowserProgram = "xdg-open";
// The copy of a modified document that a browser is shown, in the document's
// folder.
inline constexpr const char* kBrowserCopyName = "qlnvtemp.htm";

// Whether a stored program path names a program: the store's default "c:\"
// (any case) and an empty path mean none is configured.
bool IsProgramConfigured(std::string_view path);

// ViewInBrowser: shows the active document in a browser ("Browser" or
// "Browser2"): an untitled document is saved first, a modified one is shown
// through its folder's "qlnvtemp.htm".
void ViewInBrowser(AppContext& ctx, const std::string& key);

// OpenInBrowser: starts the browser of the key with the file's path as its
// one argument. Without a configured browser the user picks one (the system's
// default browser or a program file), which is stored under the key.
void OpenInBrowser(AppContext& ctx, const std::string& path, const std::string& key);

// StartExternalProgram: starts the FTP client or the graphics application
// alone, or the print program with the active document's caption (its file as
// last saved) as its one argument. Without a configured program the user
// picks one, which is stored.
void StartExternalProgram(AppContext& ctx, ExternalProgram kind);

// Registers mnuLinkBrowser1, BrowseLink, mnuimagemap, mnuFTP and FilePrint.
void RegisterExternalProgramCommands(CommandTable& table);

}  // namespace quillane
