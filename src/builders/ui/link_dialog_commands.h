#pragma once

class QWidget;

namespace quillane {

class CommandTable;

// The commands that open the link, anchor and mail-link dialogs: the menu
// items Hypertext, Anchor and mnuMailto, and the main toolbar's SSCommand18
// (link) and SSCommand20 (anchor). The dialogs open over `parent`.
void RegisterLinkDialogs(CommandTable& table, QWidget* parent);

}  // namespace quillane
