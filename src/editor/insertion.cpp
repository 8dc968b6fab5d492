#include "editor/insertion.h"

#include <string>

#include "app/app_context.h"

namespace quillane {

void SaveUndoSnapshot(AppContext& ctx, DocumentView& view) {
    EditorControl& editor = view.editor();
    ctx.undoText = editor.text();
    // Byte offsets of any size are kept: a caret left from an earlier snapshot
    // would put the restored caret somewhere unrelated.
    ctx.undoCaret = editor.selStart();
    ctx.undoSlot = view.slot();
}

void SaveUndoSnapshot(AppContext& ctx) {
    if (DocumentView* view = ctx.activeDocument()) SaveUndoSnapshot(ctx, *view);
}

void WrapSelection(EditorControl& editor, std::string_view openTagText, std::string_view closeTagText) {
    std::string selected = editor.selText();
    if (selected.empty()) {
        std::string both(openTagText);
        both += closeTagText;
        editor.setSelText(both);
        editor.setFocus();
        editor.setSelStart(editor.selStart() - closeTagText.size());
        return;
    }
    std::string wrapped(openTagText);
    wrapped += selected;
    wrapped += closeTagText;
    editor.setSelText(wrapped);
    std::size_t after = editor.selStart();
    editor.setSelStart(after - (closeTagText.size() + selected.size()));
    editor.setSelLength(selected.size());
    editor.setFocus();
}

void InsertTag(AppContext& ctx, DocumentView& view, std::string_view openTagText, std::string_view closeTagText) {
    SaveUndoSnapshot(ctx, view);
    EditorControl& editor = view.editor();
    if (ctx.editTagMode && editor.selLength() > 0) {
        editor.setSelText(openTagText);
    } else {
        WrapSelection(editor, openTagText, closeTagText);
    }
    ctx.editTagMode = false;
}

void InsertTag(AppContext& ctx, std::string_view openTagText, std::string_view closeTagText) {
    if (DocumentView* view = ctx.activeDocument()) {
        InsertTag(ctx, *view, openTagText, closeTagText);
        return;
    }
    ctx.editTagMode = false;
}

void InsertText(DocumentView& view, std::string_view text, bool focus) {
    EditorControl& editor = view.editor();
    editor.setSelText(text);
    if (focus) editor.setFocus();
}

void InsertText(AppContext& ctx, std::string_view text, bool focus) {
    if (DocumentView* view = ctx.activeDocument()) InsertText(*view, text, focus);
}

bool HasUndoSnapshotFor(const AppContext& ctx, const DocumentView& view) {
    return ctx.undoSlot != 0 && ctx.undoSlot == view.slot();
}

void ForgetUndoSnapshot(AppContext& ctx, int slot) {
    if (ctx.undoSlot == slot) ctx.undoSlot = 0;
}

TagDialogScope::~TagDialogScope() { ctx_.editTagMode = false; }

}  // namespace quillane
