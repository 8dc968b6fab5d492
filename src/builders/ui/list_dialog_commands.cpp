#include "builders/ui/list_dialog_commands.h"

#include "app/app_context.h"
#include "app/command_table.h"
#include "builders/ui/list_dialogs.h"

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

void RegisterListDialogs(CommandTable& table, QWidget* parent) {
    table.add("NumList", MenuCommand(&OpenNumberedListDialog, parent));
    table.add("BulletList", MenuCommand(&OpenBulletedListDialog, parent));
    table.add("DescriptList", MenuCommand(&OpenDescriptiveListDialog, parent));
    table.add("SSCommand21", ToolbarCommand(&OpenNumberedListDialog, parent));
    table.add("SSCommand17", ToolbarCommand(&OpenBulletedListDialog, parent));
    table.add("SSCommand22(0)", ToolbarCommand(&OpenDescriptiveListDialog, parent));
}

}  // namespace quillane
