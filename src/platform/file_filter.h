#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace quillane {

// One entry of a file dialog's filter list.
struct FileFilter {
    std::string description;
    std::vector<std::string> patterns;
    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

// Splits "description|pattern;pattern|description|pattern" into entries.
// Patterns are trimmed and empty ones dropped; "*.*" becomes "*" because on
// this system it would hide every file without a dot in its name. A trailing
// description without a pattern is ignored.
std::vector<FileFilter> ParseFileFilter(std::string_view filter);

}  // namespace quillane
