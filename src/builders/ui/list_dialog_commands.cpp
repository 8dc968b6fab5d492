#include "builders/ui/list_dialog_commands.h"

#include "builders/ui/dialog_commands.h"
#include "builders/ui/list_dialogs.h"

namespace quillane {

void RegisterListDialogs(CommandTable& table, QWidget* parent) {
    table.add("NumList", DialogMenuCommand(&OpenNumberedListDialog, parent));
    table.add("BulletList", DialogMenuCommand(&OpenBulletedListDialog, parent));
    table.add("DescriptList", DialogMenuCommand(&OpenDescriptiveListDialog, parent));
    table.add("SSCommand21", DialogToolbarCommand(&OpenNumberedListDialog, parent));
    table.add("SSCommand17", DialogToolbarCommand(&OpenBulletedListDialog, parent));
    table.add("SSCommand22(0)", DialogToolbarCommand(&OpenDescriptiveListDialog, parent));
}

}  // namespace quillane
