#pragma once
#include <span>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace quillane {

// How a fixed-tag command writes its text.
enum class TagMode {
    Wrap,      // open and close text around the selection (InsertTag)
    Insert,    // the text replaces the selection (InsertText)
    Heading,   // like Wrap, but without undo snapshot or edit-tag mode
    BaseFont,  // "<BASEFONT SIZE=" + digit + ">" replaces the selection
    DateTime,  // the current date and time replace the selection
    Script,    // the script block before "</HEAD>" (or at the caret)
};

// One menu command that inserts fixed HTML.
struct SimpleTag {
    std::string_view menu;       // the menu or submenu the item sits in
    std::string_view name;       // the item's name; array members as "heading(1)"
    std::string_view caption;    // with its '&' access-key marker
    std::string_view shortcut;   // portable key text ("Ctrl+L", "Shift+F1"); "" for none
    TagMode mode;
    std::string_view openText;   // the open text, or the text that is inserted
    std::string_view closeText;  // "" unless the mode wraps
    bool hidden;                 // hidden from the start (shown only by user levels that list it)
    int index;                   // array index of heading(n) and mnuBfont(n); 0 otherwise
};

// One main toolbar button that inserts fixed HTML (always Wrap or Insert).
struct SimpleTagButton {
    std::string_view name;  // "SSCommand7", "SSCommand22(1)"
    TagMode mode;
    std::string_view openText;
    std::string_view closeText;
};

// Every fixed-tag menu command, in menu order within each submenu.
std::span<const SimpleTag> SimpleTags();
// The fixed-tag buttons of the main toolbar.
std::span<const SimpleTagButton> SimpleTagButtons();
// The row of a menu item, or nullptr.
const SimpleTag* FindSimpleTag(std::string_view name);

// The texts the computing commands produce.
std::string HeadingOpenTag(int level);   // "<H" + digit + ">"
std::string HeadingCloseTag(int level);  // "</H" + digit + ">"
// "<BASEFONT SIZE=" + the last digit of size + ">".
std::string BaseFontText(int size);
// "mmmm dd, yyyy " + two spaces + "h:mm AM/PM".
std::string DateTimeText(const DateTime& now);
// The script block: the caret ends between the two parts.
inline constexpr std::string_view kScriptBlockOpen = "<SCRIPT LANGUAGE=\"JavaScript\">\r\n<!--\r\n\r\n";
inline constexpr std::string_view kScriptBlockClose = "//-->\r\n</SCRIPT>\r\n";
// The script block goes before this tag when the document has one.
inline constexpr std::string_view kHeadEndTag = "</HEAD>";

}  // namespace quillane
