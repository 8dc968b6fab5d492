#pragma once
#include <string>

namespace quillane {

struct AppContext;
class DocumentView;

// The main window's caption, also the title of the close prompt.
inline constexpr const char* kMainWindowCaption = "Quillane 97.5";

// NewDocument: a new empty window "Untitled:N" in the lowest free slot.
DocumentView& NewDocument(AppContext& ctx);

// Creates the window of a slot the way every new window starts: tag, caption,
// the load-time layout, the configured editor font and the user level's menus.
// Used by NewDocument, the file commands and the start sequence.
DocumentView& CreateDocumentWindow(AppContext& ctx, int slot, const std::string& caption);

// The layout step: with word wrap, the right margin follows the window width.
// `loading` is true when the window has just been created.
void LayoutDocument(AppContext& ctx, DocumentView& view, bool loading);

// The editor reported a change of its text.
void OnDocumentTextChanged(AppContext& ctx, DocumentView& view);
// A document window became active.
void OnDocumentActivated(AppContext& ctx, DocumentView& view);
// " N bytes", as the length panel shows it.
std::string FormatDocumentLength(std::size_t length);

// The close prompt of a window: true when the window may close (unchanged, or
// saved, or the user chose not to save).
bool QueryCloseDocument(AppContext& ctx, DocumentView& view);
// A window has closed: its slot becomes free.
void DocumentWindowClosed(AppContext& ctx, int slot);
// Close All: closes the active window until none is left or one stays open.
void CloseAllDocuments(AppContext& ctx);
// Closing the main window: every window first; then the geometry is stored.
// False when a window stayed open, and then nothing is stored.
bool CloseMainWindow(AppContext& ctx);

}  // namespace quillane
