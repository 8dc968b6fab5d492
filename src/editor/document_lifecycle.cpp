#include "editor/document_lifecycle.h"

#include <vector>

#include "app/app_context.h"
#include "app/settings/settings_store.h"
#include "app/user_levels.h"
#include "editor/file_commands.h"
#include "editor/insertion.h"

namespace quillane {

namespace {
constexpr int kWordWrapInset = 250;     // twips between the text and the window edge
constexpr int kNoWrapMargin = 20000;  // a margin no window reaches
}  // namespace

DocumentView& CreateDocumentWindow(AppContext& ctx, int slot, const std::string& caption) {
    DocumentView& view = ctx.shell().createDocumentWindow(slot);
    view.setCaption(caption);
    if (ctx.settings.WordWrap != 1) {
        view.editor().setRightMargin(kNoWrapMargin);
        view.setWordWrapChecked(false);
    }
    LayoutDocument(ctx, view, true);
    view.editor().setEditorFont(ctx.settings.FontName, ctx.settings.FontSize, false);
    // Every window the program makes, empty or from a file, has the user
    // level's menus: a beginner never meets the hidden items.
    ApplyUserLevel(ctx, view);
    return view;
}

DocumentView& NewDocument(AppContext& ctx) {
    if (!ctx.documentSlots.anyOpen()) ctx.shell().setDocumentToolbarEnabled(true);
    int n = ctx.documentSlots.allocate();
    ctx.documentSlots.lastNewSlot = n;
    DocumentView& view = CreateDocumentWindow(ctx, n, "Untitled:" + std::to_string(n));
    OnDocumentActivated(ctx, view);
    return view;
}

void LayoutDocument(AppContext& ctx, DocumentView& view, bool loading) {
    bool wrap = loading ? ctx.settings.WordWrap == 1 : view.wordWrapChecked();
    if (!wrap) return;
    view.editor().setRightMargin(view.innerWidthTwips() - kWordWrapInset);
    view.setWordWrapChecked(true);
}

std::string FormatDocumentLength(std::size_t length) { return " " + std::to_string(length) + " bytes"; }

void OnDocumentTextChanged(AppContext& ctx, DocumentView& view) {
    if (ctx.coloringInProgress) return;
    LayoutDocument(ctx, view, false);
    ctx.documentSlots[view.slot()].modified = true;
    ctx.shell().setStatusText(StatusPanel::Length, FormatDocumentLength(view.editor().length()));
}

void OnDocumentActivated(AppContext& ctx, DocumentView& view) {
    ctx.shell().setStatusText(StatusPanel::Length, FormatDocumentLength(view.editor().length()));
}

bool QueryCloseDocument(AppContext& ctx, DocumentView& view) {
    if (!ctx.documentSlots[view.slot()].modified) return true;
    MessageRequest prompt;
    prompt.title = kMainWindowCaption;
    prompt.text = "The text in [" + view.caption() + "] has changed.\nDo you want to save the changes?";
    prompt.buttons = MessageButtons::YesNoCancel;
    prompt.icon = MessageIcon::Exclamation;
    switch (ctx.messages().show(prompt)) {
        case MessageAnswer::No: return true;
        case MessageAnswer::Yes:
            // A save that fails keeps the window, so that nothing is lost.
            return SaveCommand(ctx, view);
        default: return false;
    }
}

void DocumentWindowClosed(AppContext& ctx, int slot) {
    ctx.documentSlots.release(slot);
    // A later window may reuse the slot; it must not inherit the snapshot.
    ForgetUndoSnapshot(ctx, slot);
    if (!ctx.documentSlots.anyOpen()) ctx.shell().setDocumentToolbarEnabled(false);
}

void CloseAllDocuments(AppContext& ctx) {
    while (DocumentView* active = ctx.activeDocument()) {
        if (!ctx.shell().closeDocumentWindow(*active)) return;
    }
}

bool CloseMainWindow(AppContext& ctx) {
    std::vector<DocumentView*> windows = ctx.shell().documentWindows();
    for (DocumentView* w : windows) {
        if (!ctx.shell().closeDocumentWindow(*w)) return false;
    }
    SaveWindowGeometry(ctx);
    return true;
}

}  // namespace quillane
