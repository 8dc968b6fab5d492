#include "makers/ui/table_dialog_commands.h"

#include "app/app_context.h"
#include "app/command_table.h"
#include "makers/ui/convert_dialog.h"
#include "makers/ui/html_table.h"
#include "makers/ui/table_size_form.h"

namespace quillane {

namespace {

using OpenDialog = void (*)(AppContext&, QWidget*);

CommandHandler MenuCommand(OpenDialog open, QWidget* parent) {
    return [open, parent](AppContext& ctx, DocumentView*) {
        if (ctx.activeDocument()) open(ctx, parent);
    };
}

// A toolbar button gives the editor the focus back afterwards.
CommandHandler ToolbarCommand(OpenDialog open, QWidget* parent) {
    return [open, parent](AppContext& ctx, DocumentView*) {
        if (!ctx.activeDocument()) return;
        open(ctx, parent);
        if (DocumentView* view = ctx.activeDocument()) view->editor().setFocus();
    };
}

}  // namespace

void OpenTableMaker(AppContext& ctx, QWidget* parent) {
    bool finished = false;
    {
        TableSizeForm properties(ctx, parent);
        finished = properties.exec() == QDialog::Accepted;
    }
    if (!finished) return;
    HTMLTable maker(ctx, parent);
    maker.exec();
}

void OpenConvertDialog(AppContext& ctx, QWidget* parent) {
    Convert dialog(ctx, parent);
    dialog.exec();
}

void RegisterTableDialogs(CommandTable& table, QWidget* parent) {
    table.add("mnuTableMaker", MenuCommand(&OpenTableMaker, parent));
    table.add("SSCommand25(0)", ToolbarCommand(&OpenTableMaker, parent));
    for (const char* name : {"TblCnvrt", "mnuListCnvrt", "HTMLCnvrt"})
        table.add(name, MenuCommand(&OpenConvertDialog, parent));
}

}  // namespace quillane
