#include "builders/ui/link_dialog_commands.h"

#include "app/app_context.h"
#include "app/command_table.h"
#include "builders/ui/bookmark_dialog.h"
#include "builders/ui/link_dialog.h"
#include "builders/ui/mailto_dialog.h"

namespace quillane {

namespace {

using OpenDialog = void (*)(AppContext&, DocumentView&, QWidget*);

// A menu command acts on the window whose menu was used.
CommandHandler MenuCommand(OpenDialog open, QWidget* parent) {
    return [open, parent](AppContext& ctx, DocumentView* target) {
        if (DocumentView* view = target ? target : ctx.activeDocument()) open(ctx, *view, parent);
    };
}

// A toolbar button acts on the active document and gives its editor the
// focus back afterwards.
CommandHandler ToolbarCommand(OpenDialog open, QWidget* parent) {
    return [open, parent](AppContext& ctx, DocumentView*) {
        DocumentView* view = ctx.activeDocument();
        if (!view) return;
        open(ctx, *view, parent);
        view->editor().setFocus();
    };
}

}  // namespace

void RegisterLinkDialogs(CommandTable& table, QWidget* parent) {
    table.add("Hypertext", MenuCommand(&OpenLinkDialog, parent));
    table.add("Anchor", MenuCommand(&OpenBookmarkDialog, parent));
    table.add("mnuMailto", MenuCommand(&OpenMailtoDialog, parent));
    table.add("SSCommand18", ToolbarCommand(&OpenLinkDialog, parent));
    table.add("SSCommand20", ToolbarCommand(&OpenBookmarkDialog, parent));
}

}  // namespace quillane
