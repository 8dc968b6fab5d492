#pragma once
#include <string>

class QWidget;

namespace quillane {

class CommandTable;
class DocumentView;
struct AppContext;

// The commands that open the Web Page Properties dialog: the menu item
// mnuPageProps and the main toolbar's SSCommand32. The dialog opens over
// `parent`.
void RegisterPagePropertyDialogs(CommandTable& table, QWidget* parent);

// Edit Tag on a BODY tag: the window's selection covers the tag and tagText
// is its text after the "<". The dialog opens over the page as usual, with
// the BODY fields taken from the tag; OK rewrites the tag.
void EditBodyTag(AppContext& ctx, DocumentView& view, QWidget* parent, const std::string& tagText);

}  // namespace quillane
