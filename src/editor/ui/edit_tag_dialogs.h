#pragma once

class QWidget;

namespace quillane {

class CommandTable;
class TagEditors;

// The tag dialogs Edit Tag reopens, each filled from the selected tag. Tags of
// kinds whose dialog is not here stay selected.
TagEditors EditTagDialogs(QWidget* parent);

// Registers mnuEditTag with those dialogs. Call after RegisterEditingCommands:
// it replaces the registration without dialogs.
void RegisterEditTagDialogs(CommandTable& table, QWidget* parent);

}  // namespace quillane
