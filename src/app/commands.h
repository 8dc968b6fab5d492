#pragma once

namespace quillane {

class CommandTable;

// Every command that needs no window toolkit, by the name of its menu item:
// the file commands, Close and Close All, the window arrangements, the recent
// files, the help topics and the fixed-tag commands. Items of features that
// are not built have no entry, so their menu items stay disabled.
void RegisterCoreCommands(CommandTable& table);

}  // namespace quillane
