#pragma once

class QWidget;

namespace quillane {

class CommandTable;

// The commands that open the list dialogs: the menu items NumList,
// BulletList and DescriptList, and the main toolbar's SSCommand21 (numbered),
// SSCommand17 (bulleted) and SSCommand22(0) (descriptive). The dialogs open
// over `parent`.
void RegisterListDialogs(CommandTable& table, QWidget* parent);

}  // namespace quillane
