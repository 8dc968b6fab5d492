#pragma once
#include <string>

class QWidget;

namespace quillane {

class CommandTable;
class DocumentView;
struct AppContext;

// The commands that open the multimedia dialogs (mnuNSHR, mnuJavaApplet,
// mnuJavaParam, mnuBGSound, mnuembed, mnuFloatFrame, mnuMarquee), over
// `parent`, on the window whose menu was used or else the active one.
void RegisterMultimediaDialogs(CommandTable& table, QWidget* parent);

// Edit Tag on an HR, APPLET or PARAM tag: the dialog opens on `view` with
// its fields filled from the tag's text (everything after its "<" through
// its ">"), which is selected; OK replaces it.
void EditRuleTag(AppContext& ctx, DocumentView& view, QWidget* parent, const std::string& tagText);
void EditAppletTag(AppContext& ctx, DocumentView& view, QWidget* parent, const std::string& tagText);
void EditParamTag(AppContext& ctx, DocumentView& view, QWidget* parent, const std::string& tagText);

}  // namespace quillane
