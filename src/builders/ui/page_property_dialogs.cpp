#include "builders/ui/page_property_dialogs.h"

#include "app/app_context.h"
#include "app/command_table.h"
#include "builders/page_properties.h"
#include "builders/ui/page_properties_dialog.h"

namespace quillane {

void RegisterPagePropertyDialogs(CommandTable& table, QWidget* parent) {
    // The menu acts on the window whose menu was used.
    table.add("mnuPageProps", [parent](AppContext& ctx, DocumentView* target) {
        if (DocumentView* view = target ? target : ctx.activeDocument()) OpenPageProperties(ctx, *view, parent);
    });
    // The toolbar acts on the active document and gives its editor the focus
    // back afterwards.
    table.add("SSCommand32", [parent](AppContext& ctx, DocumentView*) {
        DocumentView* view = ctx.activeDocument();
        if (!view) return;
        OpenPageProperties(ctx, *view, parent);
        view->editor().setFocus();
    });
}

void EditBodyTag(AppContext& ctx, DocumentView& view, QWidget* parent, const std::string& tagText) {
    BGCOLOR dialog(ctx, view, PagePropertiesMode::ReadPage, parent);
    dialog.setBodyFields(BodyFieldsFromTag(tagText));
    dialog.exec();
}

}  // namespace quillane
