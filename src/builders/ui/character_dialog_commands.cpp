#include "builders/ui/character_dialog_commands.h"

#include "app/app_context.h"
#include "app/command_table.h"
#include "builders/ui/format_char_dialog.h"
#include "builders/ui/special_characters_dialog.h"

namespace quillane {

void RegisterCharacterDialogs(CommandTable& table, QWidget* parent) {
    // The menu acts on the window whose menu was used.
    table.add("mnuFormatChar", [parent](AppContext& ctx, DocumentView* target) {
        if (DocumentView* view = target ? target : ctx.activeDocument()) OpenFormatChar(ctx, *view, parent);
    });
    // The toolbar acts on the active document and gives its editor the focus
    // back afterwards.
    table.add("SSCommand37", [parent](AppContext& ctx, DocumentView*) {
        DocumentView* view = ctx.activeDocument();
        if (!view) return;
        OpenFormatChar(ctx, *view, parent);
        view->editor().setFocus();
    });
    // Special Characters writes into whichever document is active at each
    // click, so it opens without one too and then inserts nothing.
    table.add("mnuChars", [parent](AppContext& ctx, DocumentView*) { OpenSpecialCharacters(ctx, parent); });
}

}  // namespace quillane
