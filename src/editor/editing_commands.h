#pragma once
#include <string>
#include <string_view>

namespace quillane {

struct AppContext;
class CommandTable;
class DocumentView;

// The editing commands of the Edit menu. Each acts on the given window (the
// one whose menu was used).

// Undo (mnuUndo): the editor's own undo when it has one; otherwise the
// program's undo snapshot is put back, but only a snapshot taken in this very
// window and holding some text, so that Undo never blanks a document or fills
// it with another window's text.
void UndoCommand(AppContext& ctx, DocumentView& view);
// Cut, Copy and Paste through the program's clipboard. Cut and Copy replace
// the clipboard's content with the selection (empty when nothing is selected).
void CutCommand(AppContext& ctx, DocumentView& view);
void CopyCommand(AppContext& ctx, DocumentView& view);
// Paste: the selection becomes the clipboard's text with its line ends made
// CR LF, as every document's are; the caret after it.
void PasteCommand(AppContext& ctx, DocumentView& view);
// Select All (mnuSelectAll): the whole text selected from position 0.
void SelectAllCommand(DocumentView& view);
// Word Wrap (mnuWordWrap): toggles the check mark. Off: the right margin goes
// to 20000 twips (no wrapping). On: the margin follows the window's width.
// The stored "WordWrap" setting is not changed.
void WordWrapCommand(AppContext& ctx, DocumentView& view);

// The clipboard's text with every line end (CR LF, a lone LF or a lone CR)
// made CR LF.
std::string WithDocumentLineEnds(std::string_view text);

// Registers mnuUndo, cut, copy, paste, mnuSelectAll, mnuWordWrap, mnuEditTag
// (the tag is found and selected; no dialogs until RegisterEditTagDialogs
// adds them) and HTMLStrip.
void RegisterEditingCommands(CommandTable& table);

}  // namespace quillane
