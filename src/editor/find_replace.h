#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace quillane {

struct AppContext;
class CommandTable;

inline constexpr const char* kFinishedSearching = "Quillane has finished searching the document.";

// The tag texts builders look for: a search for one of them is silent.
bool IsSilentSearchTarget(std::string_view text);
// CompletionMessage after `count` replacements.
std::string ReplaceAllCompletionMessage(std::size_t count);

// FindText: searches the active document for FindWhat from the caret in
// SearchDirection, selects the match, or reports the end of the search and
// closes the search dialogs. True when a match is selected.
bool FindText(AppContext& ctx);

// The builders' search: FindWhat = target (one of the silent targets),
// SearchDirection = down or up, then FindText. True when found and selected.
bool FindSilently(AppContext& ctx, const std::string& target, bool down);
// Forward from the caret, then backward when nothing was found.
bool FindSilentlyAround(AppContext& ctx, const std::string& target);

// The menu commands.
void OpenFindDialog(AppContext& ctx);     // mnuSFind
void FindNextCommand(AppContext& ctx);    // mnuSFindNext (F3)
void OpenReplaceDialog(AppContext& ctx);  // mnuReplace

// mnuSFindNext. The dialog commands are registered with the dialogs.
void RegisterFindCommands(CommandTable& table);

// What the dialogs' controls do. Both dialogs share the direction, case and
// loading rules.
void OnSearchDialogLoaded(AppContext& ctx);
void SetSearchDirection(AppContext& ctx, int optionIndex);  // optDirection(0) up, (1) down
void SetMatchCase(AppContext& ctx, bool checked);           // chkCase
void OnSearchDialogMouseMove(AppContext& ctx);
// The editor of a document got the focus.
void OnEditorFocusedForSearch(AppContext& ctx);

void FindDialogFind(AppContext& ctx, const std::string& text);  // cmdFind
// cmdcancel: the caller closes the dialog.
void FindDialogCancel(AppContext& ctx, const std::string& text, bool matchCase);

void ReplaceDialogFindNext(AppContext& ctx, const std::string& text);  // Command1
void ReplaceDialogReplace(AppContext& ctx, const std::string& text, const std::string& replacement);  // Command2
// Command3: every match from the caret on in one undoable edit, then the
// counted message; both dialogs close.
void ReplaceDialogReplaceAll(AppContext& ctx, const std::string& text, const std::string& replacement);
// Command4: the caller closes the dialog.
void ReplaceDialogCancel(AppContext& ctx, const std::string& text, bool matchCase);

}  // namespace quillane
