#pragma once

class QWidget;

namespace quillane {

class CommandTable;

// The commands that open the character dialogs: Format Characters from the
// menu item mnuFormatChar and the main toolbar's SSCommand37, Special
// Characters from mnuChars. The dialogs open over `parent`.
void RegisterCharacterDialogs(CommandTable& table, QWidget* parent);

}  // namespace quillane
