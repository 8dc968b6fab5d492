#include "editor/editing_commands.h"

#include "app/app_context.h"
#include "app/command_table.h"
#include "editor/document_lifecycle.h"
#include "editor/edit_tag.h"
#include "editor/html_stripper.h"
#include "editor/insertion.h"

namespace quillane {

namespace {

constexpr int kNoWrapMargin = 20000;  // twips: wider than any window

// The window a command acts on: the one whose menu was used, else the active
// document. Commands that need a document do nothing without one.
CommandHandler OnDocument(void (*command)(AppContext&, DocumentView&)) {
    return [command](AppContext& ctx, DocumentView* target) {
        if (DocumentView* view = target ? target : ctx.activeDocument()) command(ctx, *view);
    };
}

}  // namespace

void UndoCommand(AppContext& ctx, DocumentView& view) {
    EditorControl& editor = view.editor();
    if (editor.canUndo()) {
        editor.undo();
        return;
    }
    if (!HasUndoSnapshotFor(ctx, view) || ctx.undoText.empty()) return;
    editor.setText(ctx.undoText);
    editor.setSelStart(ctx.undoCaret);
}

void CutCommand(AppContext& ctx, DocumentView& view) {
    EditorControl& editor = view.editor();
    ctx.platform.clipboard.setText(editor.selText());
    if (editor.selLength() > 0) editor.setSelText("");
    editor.setFocus();
}

void CopyCommand(AppContext& ctx, DocumentView& view) {
    EditorControl& editor = view.editor();
    ctx.platform.clipboard.setText(editor.selText());
    editor.setFocus();
}

void PasteCommand(AppContext& ctx, DocumentView& view) {
    EditorControl& editor = view.editor();
    editor.setSelText(WithDocumentLineEnds(ctx.platform.clipboard.text()));
    editor.setFocus();
}

void SelectAllCommand(DocumentView& view) {
    EditorControl& editor = view.editor();
    editor.setFocus();
    editor.setSelStart(0);
    editor.setSelLength(editor.length());
}

void WordWrapCommand(AppContext& ctx, DocumentView& view) {
    if (view.wordWrapChecked()) {
        view.setWordWrapChecked(false);
        view.editor().setRightMargin(kNoWrapMargin);
        return;
    }
    view.setWordWrapChecked(true);
    // The same margin the window keeps while it is resized.
    LayoutDocument(ctx, view, false);
}

std::string WithDocumentLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

void RegisterEditingCommands(CommandTable& table) {
    table.add("mnuUndo", OnDocument(UndoCommand));
    table.add("cut", OnDocument(CutCommand));
    table.add("copy", OnDocument(CopyCommand));
    table.add("paste", OnDocument(PasteCommand));
    table.add("mnuSelectAll", OnDocument([](AppContext&, DocumentView& view) { SelectAllCommand(view); }));
    table.add("mnuWordWrap", OnDocument(WordWrapCommand));
    table.add("HTMLStrip", OnDocument(StripHtml));
    RegisterEditTagCommand(table, TagEditors());
}

}  // namespace quillane
