#include "app/ui/ui_commands.h"

#include "app/command_table.h"
#include "app/ui/main_window.h"
#include "app/ui/templates_dialog.h"
#include "builders/ui/character_dialog_commands.h"
#include "builders/ui/image_dialog_commands.h"
#include "builders/ui/link_dialog_commands.h"
#include "builders/ui/list_dialog_commands.h"
#include "builders/ui/multimedia_dialog_commands.h"
#include "builders/ui/page_property_dialogs.h"
#include "editor/ui/edit_tag_dialogs.h"
// The dialogs in full: the host header hands out guarded pointers to them.
#include "editor/ui/find_dialog.h"
#include "editor/ui/replace_dialog.h"
#include "editor/ui/search_dialogs.h"
#include "makers/ui/table_dialog_commands.h"

namespace quillane {

void RegisterUiCommands(CommandTable& table, AppContext& ctx, MDIForm1& mainWindow) {
    table.add("mnuNewFile", [&mainWindow](AppContext& ctx, DocumentView*) {
        Templates dialog(ctx, &mainWindow);
        dialog.exec();
    });
    // Closing the main window closes every document first and may be
    // cancelled there; the program ends when it has closed.
    auto exit = [&mainWindow](AppContext&, DocumentView*) { mainWindow.close(); };
    table.add("FileExit", exit);
    table.add("mnuFileExit", exit);
    RegisterSearchDialogCommands(table, ctx, mainWindow);
    RegisterLinkDialogs(table, &mainWindow);
    RegisterImageDialogs(table, &mainWindow);
    RegisterListDialogs(table, &mainWindow);
    RegisterMultimediaDialogs(table, &mainWindow);
    RegisterPagePropertyDialogs(table, &mainWindow);
    RegisterCharacterDialogs(table, &mainWindow);
    RegisterTableDialogs(table, &mainWindow);
    // Replaces the core Edit Tag, which only selects the tag.
    RegisterEditTagDialogs(table, &mainWindow);
}

}  // namespace quillane
