#pragma once
#include <string_view>

namespace quillane {

struct AppContext;
class DocumentView;
class EditorControl;

// The two ways every builder writes into a document. The open and close texts
// are passed as arguments; EditTagMode is AppContext::editTagMode.

// SaveUndoSnapshot: the window's whole text and caret become the program's one
// undo snapshot, remembered together with the window's slot.
void SaveUndoSnapshot(AppContext& ctx, DocumentView& view);
// The same on the active document; nothing without one.
void SaveUndoSnapshot(AppContext& ctx);

// InsertTag: takes the undo snapshot, then
// - empty selection: openTagText + closeTagText at the caret, the caret
//   between them, the editor focused;
// - a selection in EditTagMode: the selection becomes openTagText alone, the
//   caret after it, the focus not moved;
// - otherwise the selection is wrapped and selected again inside the new
//   texts, the editor focused.
// EditTagMode is cleared in every case, also when there is no document.
void InsertTag(AppContext& ctx, DocumentView& view, std::string_view openTagText, std::string_view closeTagText);
// The same on the active document.
void InsertTag(AppContext& ctx, std::string_view openTagText, std::string_view closeTagText);

// InsertText: the selection becomes text, the caret after it, nothing
// selected; then, if asked, the editor gets the focus. No undo snapshot, and
// EditTagMode is neither read nor changed.
void InsertText(DocumentView& view, std::string_view text, bool focus);
// The same on the active document; nothing without one.
void InsertText(AppContext& ctx, std::string_view text, bool focus);

// The wrap of InsertTag without the snapshot and the edit-tag mode: both texts
// at the caret with the caret between them, or around the selection with the
// selection kept. Used by the heading commands.
void WrapSelection(EditorControl& editor, std::string_view openTagText, std::string_view closeTagText);

// True when the undo snapshot was taken in this window (and so may be put
// back into it).
bool HasUndoSnapshotFor(const AppContext& ctx, const DocumentView& view);
// A window has closed: a snapshot taken in its slot no longer belongs to any
// window (the slot may be reused by another document).
void ForgetUndoSnapshot(AppContext& ctx, int slot);

// Clears EditTagMode when a tag dialog closes, however it closes: hold one for
// the lifetime of the dialog.
class TagDialogScope {
public:
    explicit TagDialogScope(AppContext& ctx) : ctx_(ctx) {}
    ~TagDialogScope();
    TagDialogScope(const TagDialogScope&) = delete;
    TagDialogScope& operator=(const TagDialogScope&) = delete;

private:
    AppContext& ctx_;
};

}  // namespace quillane
