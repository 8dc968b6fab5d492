#include "builders/ui/character_dialog_commands.h"

#include "app/app_context.h"
#include "app/command_table.h"
#include "builders/ui/dialog_commands.h"
#include "builders/ui/format_char_dialog.h"
#include "builders/ui/special_characters_dialog.h"

namespace quillane {

void RegisterCharacterDialogs(CommandTable& table, QWidget* parent) {
    table.add("mnuFormatChar", DialogMenuCommand(&OpenFormatChar, parent));
    table.add("SSCommand37", DialogToolbarCommand(&OpenFormatChar, parent));
    // Special Characters writes into whichever document is active at each
    // click, so it opens without one too and then inserts nothing.
    table.add("mnuChars", [parent](AppContext& ctx, DocumentView*) { OpenSpecialCharacters(ctx, parent); });
}

}  // namespace quillane
