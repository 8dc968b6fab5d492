#include "editor/tag_attribute.h"

#include "editor/text_search.h"

namespace quillane {

std::size_t FindNoCase(std::string_view haystack, std::string_view needle, std::size_t from) {
    if (needle.empty()) return from <= haystack.size() ? from : std::string_view::npos;
    return FindForward(haystack, needle, from, false).value_or(std::string_view::npos);
}

bool TagHasWord(std::string_view tagText, std::string_view word) {
    return FindNoCase(tagText, word) != std::string_view::npos;
}

std::string GetTagAttribute(std::string_view tagText, std::string_view name) {
    std::size_t p = FindNoCase(tagText, name);
    if (p == std::string_view::npos || tagText.empty()) return "";
    std::size_t v = p + name.size();
    // The tag's final character (its ">") never belongs to a value.
    std::size_t last = tagText.size() - 1;
    if (v < tagText.size() && tagText[v] == '"') {
        std::size_t close = tagText.find('"', v + 1);
        std::size_t end = close == std::string_view::npos ? last : close;
        return end > v + 1 ? std::string(tagText.substr(v + 1, end - v - 1)) : "";
    }
    std::size_t space = tagText.find(' ', v);
    std::size_t end = space == std::string_view::npos ? last : space;
    return end > v ? std::string(tagText.substr(v, end - v)) : "";
}

}  // namespace quillane
