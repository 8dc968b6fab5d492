#include "platform/file_filter.h"

namespace quillane {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t begin = 0;
    while (true) {
        std::size_t end = text.find(separator, begin);
        parts.push_back(text.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin));
        if (end == std::string_view::npos) return parts;
        begin = end + 1;
    }
}

std::string_view Trim(std::string_view text) {
    const std::string_view blanks = " \t";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(std::string_view filter) {
    std::vector<FileFilter> entries;
    if (filter.empty()) return entries;
    std::vector<std::string_view> fields = Split(filter, '|');
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
        FileFilter entry;
        entry.description = std::string(fields[i]);
        for (std::string_view pattern : Split(fields[i + 1], ';')) {
            pattern = Trim(pattern);
            if (pattern.empty()) continue;
            entry.patterns.push_back(pattern == "*.*" ? "*" : std::string(pattern));
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace quillane
