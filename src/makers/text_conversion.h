#pragma once
#include <string>
#include <string_view>

namespace quillane {

struct AppContext;

inline constexpr const char* kSelectOptionMessage = "Select an Option.";

// The choices of the Convert dialog.
enum class ConvertOption { None, SpaceDelimited, TabDelimited, CommaDelimited, List };

// "<UL>", then CR LF "<LI>" + line for each line of the text, then CR LF
// "</UL>". A final CR LF ends the last line without adding an item.
std::string ConvertToList(std::string_view text);

// "<TABLE>" CR LF, one TR element per line with a TD cell for each piece
// between delimiters, then "</TABLE>". A line ending in the delimiter has a
// trailing empty cell, also when it is the text's last line.
std::string ConvertToTable(std::string_view text, char delimiter);

// The conversion of an option; None gives "".
std::string ConvertText(std::string_view text, ConvertOption option);

// OK of the Convert dialog: replaces the active document's selection with its
// conversion. No option: the message "Select an Option." and false (the
// dialog stays open). No undo snapshot is taken.
bool ConvertSelection(AppContext& ctx, ConvertOption option);

}  // namespace quillane
