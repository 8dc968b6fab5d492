#pragma once
#include <string>
#include <string_view>

namespace quillane {

// GetTagAttribute: the value of an attribute in a tag text (everything after
// the tag's "<" through its ">"). `name` ends in "=", e.g. "SRC=". The name is
// found anywhere in the tag, letters compared without regard to case, so
// "SRC=" also matches inside "LOWSRC=". "" when the name does not occur.
std::string GetTagAttribute(std::string_view tagText, std::string_view name);

// Whether a word occurs anywhere in the tag text, without regard to case
// (CONTROLS, ISMAP, NOSHADE).
bool TagHasWord(std::string_view tagText, std::string_view word);

// Finds `needle` in `haystack` from `from` on, ASCII letters compared without
// regard to case; std::string_view::npos when absent.
std::size_t FindNoCase(std::string_view haystack, std::string_view needle, std::size_t from = 0);

}  // namespace quillane
