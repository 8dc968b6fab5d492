#include "editor/tag_attribute.h"

namespace quillane {

namespace {
char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

std::size_t FindNoCase(std::string_view haystack, std::string_view needle, std::size_t from) {
    if (needle.size() > haystack.size()) return std::string_view::npos;
    for (std::size_t i = from; i + needle.size() <= haystack.size(); ++i) {
        std::size_t k = 0;
        while (k < needle.size() && Upper(haystack[i + k]) == Upper(needle[k])) ++k;
        if (k == needle.size()) return i;
    }
    return std::string_view::npos;
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
