#include "builders/ui/link_dialog_commands.h"

#include "builders/ui/dialog_commands.h"
#include "builders/ui/bookmark_dialog.h"
#include "builders/ui/link_dialog.h"
#include "builders/ui/mailto_dialog.h"

namespace quillane {

void RegisterLinkDialogs(CommandTable& table, QWidget* parent) {
    table.add("Hypertext", DialogMenuCommand(&OpenLinkDialog, parent));
    table.add("Anchor", DialogMenuCommand(&OpenBookmarkDialog, parent));
    table.add("mnuMailto", DialogMenuCommand(&OpenMailtoDialog, parent));
    table.add("SSCommand18", DialogToolbarCommand(&OpenLinkDialog, parent));
    table.add("SSCommand20", DialogToolbarCommand(&OpenBookmarkDialog, parent));
}

}  // namespace quillane
