#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillane {

// The text of an INI file, kept byte for byte, so that a hand-edited file
// keeps its comments, its unknown sections and keys, their order and its line
// ends, and changing one key changes only that key's line.
//
// Reading rules:
// - Lines end in LF or CR LF; each line keeps its own end, and the last line
//   may have none.
// - A line whose first non-blank byte is '[' and that has a ']' after it
//   starts a section, named by the bytes between them, taken literally.
// - A line whose first non-blank byte is ';' or '#' is a comment.
// - Any other line with a '=' is a setting: the key is the text before the
//   first '=' without the spaces and tabs around it, the value every byte
//   after it up to the line end, spaces included (the window coordinates are
//   stored with a leading space).
// - Lines of any other form are kept and ignored.
// - Section and key names are compared exactly, case included; where a key
//   appears twice the first one counts.
// - A UTF-8 byte-order mark at the start is kept and ignored.
class IniText {
public:
    IniText() = default;
    explicit IniText(std::string_view bytes);

    // The value of a key, or std::nullopt when the file has no such key.
    std::optional<std::string> get(std::string_view section, std::string_view key) const;

    // Gives a key a value. An existing key keeps its line, with everything up
    // to its '=' and its line end; a new key goes after the last setting (or
    // other content) of its section, and a new section at the end of the
    // file after a blank line. New lines take the file's first line end (LF in
    // a file without one); a file without a final line end keeps it so.
    // A value holds one line: line breaks in it become spaces.
    void set(std::string_view section, std::string_view key, std::string_view value);

    // The whole file as it would be written.
    std::string bytes() const;

private:
    struct Line {
        std::string text;  // without its line end
        std::string end;   // "\n", "\r\n", or "" for a last line without one
    };

    std::string_view content(std::size_t index) const;
    // Where a key stands: its line, and the last line of content (no blank
    // or comment) of the first section of that name, where a new key goes;
    // npos for what the file does not have.
    struct Place {
        std::size_t keyLine;
        std::size_t sectionEnd;
    };
    Place find(std::string_view section, std::string_view key) const;
    void insertAfter(std::size_t index, std::string text);
    std::string newLineEnd() const;

    std::vector<Line> lines_;
};

}  // namespace quillane
