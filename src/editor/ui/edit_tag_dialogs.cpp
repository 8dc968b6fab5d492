#include "editor/ui/edit_tag_dialogs.h"

#include <QPointer>
#include <QWidget>

#include "app/command_table.h"
#include "builders/ui/format_char_dialog.h"
#include "builders/ui/image_dialog_commands.h"
#include "builders/ui/link_dialog.h"
#include "builders/ui/multimedia_dialog_commands.h"
#include "builders/ui/page_property_dialogs.h"
#include "editor/edit_tag.h"

namespace quillane {

namespace {

using TagDialog = void (*)(AppContext&, DocumentView&, QWidget*, const std::string&);

// Which dialog opens for which kind of tag.
struct TagDialogRow {
    std::string_view kind;
    TagDialog open;
};

const TagDialogRow kTagDialogs[] = {
    {"IMG", EditImageTag},
    {"APPLET", EditAppletTag},
    {"PARAM", EditParamTag},
    {"A HREF", EditLinkTag},
    {"BODY", EditBodyTag},
    {"FONT", EditFontTag},
    {"HR", EditRuleTag},
};

}  // namespace

TagEditors EditTagDialogs(QWidget* parent) {
    TagEditors editors;
    // The parent may go before the table that holds these.
    QPointer<QWidget> owner(parent);
    for (const TagDialogRow& row : kTagDialogs) {
        editors.add(row.kind, [open = row.open, owner](AppContext& ctx, DocumentView& view, const EditedTag& tag) {
            open(ctx, view, owner.data(), tag.tagText);
        });
    }
    return editors;
}

void RegisterEditTagDialogs(CommandTable& table, QWidget* parent) {
    RegisterEditTagCommand(table, EditTagDialogs(parent));
}

}  // namespace quillane
