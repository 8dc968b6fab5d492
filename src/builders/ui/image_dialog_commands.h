#pragma once
#include <string>

class QWidget;

namespace quillane {

class CommandTable;
class DocumentView;
struct AppContext;

// The commands that open the image dialogs: the menu items Graphics (Insert
// Inline Image) and mnuUsemap (client-side image map). The dialogs open
// over `parent`, on the window whose menu was used or else the active one.
void RegisterImageDialogs(CommandTable& table, QWidget* parent);

// Edit Tag on an IMG tag: the image dialog opens on `view` with its fields
// (and the hidden Advanced dialog's) filled from the tag's text (everything
// after its "<" through its ">"), which is selected; OK replaces it.
void EditImageTag(AppContext& ctx, DocumentView& view, QWidget* parent, const std::string& tagText);

}  // namespace quillane
