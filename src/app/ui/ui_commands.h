#pragma once

namespace quillane {

struct AppContext;
class CommandTable;
class MDIForm1;

// The commands that open windows of their own or close the main window:
// mnuNewFile (the Templates dialog), FileExit and mnuFileExit, and the Find
// and Replace dialogs. The context must outlive the main window.
void RegisterUiCommands(CommandTable& table, AppContext& ctx, MDIForm1& mainWindow);

}  // namespace quillane
