#pragma once
#include <cstddef>
#include <string_view>

namespace quillane {

// A table cell holds at most 255 characters of HTML.
inline constexpr std::size_t kMaxCellTextLength = 255;
inline constexpr const char* kCellTextTooLongMessage = "The maximum number of characters in each cell is 255.";

// Characters, not bytes: each UTF-8 sequence counts once (a stray byte that
// is not UTF-8 counts as one character).
std::size_t CharacterCount(std::string_view utf8);

inline bool CellTextFits(std::string_view utf8) { return CharacterCount(utf8) <= kMaxCellTextLength; }

}  // namespace quillane
