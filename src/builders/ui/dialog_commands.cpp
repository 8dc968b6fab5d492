#include "builders/ui/dialog_commands.h"

#include "app/app_context.h"

namespace quillane {

CommandHandler DialogMenuCommand(OpenDocumentDialog open, QWidget* parent) {
    return [open, parent](AppContext& ctx, DocumentView* target) {
        if (DocumentView* view = target ? target : ctx.activeDocument()) open(ctx, *view, parent);
    };
}

CommandHandler DialogToolbarCommand(OpenDocumentDialog open, QWidget* parent) {
    return [open, parent](AppContext& ctx, DocumentView*) {
        DocumentView* view = ctx.activeDocument();
        if (!view) return;
        open(ctx, *view, parent);
        view->editor().setFocus();
    };
}

}  // namespace quillane
