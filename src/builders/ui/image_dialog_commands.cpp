#include "builders/ui/image_dialog_commands.h"

#include "app/app_context.h"
#include "app/command_table.h"
#include "builders/ui/image_dialog.h"
#include "builders/ui/usemap_dialog.h"

namespace quillane {

namespace {

DocumentView* Target(AppContext& ctx, DocumentView* target) { return target ? target : ctx.activeDocument(); }

}  // namespace

void RegisterImageDialogs(CommandTable& table, QWidget* parent) {
    table.add("Graphics", [parent](AppContext& ctx, DocumentView* target) {
        if (DocumentView* view = Target(ctx, target)) {
            LinkGraph dialog(ctx, *view, parent);
            dialog.exec();
        }
    });
    table.add("mnuUsemap", [parent](AppContext& ctx, DocumentView* target) {
        if (DocumentView* view = Target(ctx, target)) {
            UseMap dialog(ctx, *view, parent);
            dialog.exec();
        }
    });
}

void EditImageTag(AppContext& ctx, DocumentView& view, QWidget* parent, const std::string& tagText) {
    LinkGraph dialog(ctx, view, parent);
    dialog.fillFromTag(tagText);
    dialog.exec();
}

}  // namespace quillane
