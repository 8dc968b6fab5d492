#include "editor/editor_mouse.h"

#include "app/app_context.h"
#include "app/date_format.h"

namespace quillane {

void OnEditorMouseMove(AppContext& ctx) {
    ctx.shell().setStatusText(StatusPanel::Help, "Press F1 for Help");
    ctx.shell().setStatusText(StatusPanel::Time, FormatTime(ctx.platform.clock.now()));
}

}  // namespace quillane
