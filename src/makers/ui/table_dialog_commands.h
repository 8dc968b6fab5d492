#pragma once

class QWidget;

namespace quillane {

struct AppContext;
class CommandTable;

// The Table Properties dialog, then (when it finishes) the Table Maker.
void OpenTableMaker(AppContext& ctx, QWidget* parent);
// The Convert dialog.
void OpenConvertDialog(AppContext& ctx, QWidget* parent);

// Registers mnuTableMaker and the main toolbar's SSCommand25(0) (the table
// dialogs), and TblCnvrt, mnuListCnvrt and HTMLCnvrt (the Convert dialog).
// The dialogs open over `parent` and need a document window.
void RegisterTableDialogs(CommandTable& table, QWidget* parent);

}  // namespace quillane
