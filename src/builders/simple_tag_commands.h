#pragma once

namespace quillane {

class CommandTable;
class DocumentView;
struct AppContext;

// Registers every fixed-tag menu command (by its item name) and every
// fixed-tag toolbar button (by its button name).
void RegisterSimpleTagCommands(CommandTable& commands);

// The script-block command: the block goes just before "</HEAD>" when the
// document has one, else at the caret.
void InsertScriptBlock(AppContext& ctx, DocumentView& view);

}  // namespace quillane
