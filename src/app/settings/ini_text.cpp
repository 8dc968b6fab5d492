#include "app/settings/ini_text.h"

#include <algorithm>

namespace quillane {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char FirstNonBlank(std::string_view s) {
    auto it = std::find_if_not(s.begin(), s.end(), IsBlank);
    return it == s.end() ? '\0' : *it;
}

std::optional<std::string_view> SectionName(std::string_view line) {
    std::size_t open = line.find_first_not_of(" \t");
    if (open == std::string_view::npos || line[open] != '[') return std::nullopt;
    std::size_t close = line.find(']', open + 1);
    if (close == std::string_view::npos) return std::nullopt;
    return line.substr(open + 1, close - open - 1);
}

bool IsComment(std::string_view line) {
    char first = FirstNonBlank(line);
    return first == ';' || first == '#';
}

// The key of a setting line; std::nullopt for every other kind of line.
std::optional<std::string_view> KeyOf(std::string_view line) {
    if (SectionName(line) || IsComment(line)) return std::nullopt;
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    std::string_view key = Trimmed(line.substr(0, equals));
    if (key.empty()) return std::nullopt;
    return key;
}

std::string OneLine(std::string_view value) {
    std::string line(value);
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

}  // namespace

IniText::IniText(std::string_view bytes) {
    while (!bytes.empty()) {
        std::size_t lf = bytes.find('\n');
        if (lf == std::string_view::npos) {
            lines_.push_back({std::string(bytes), ""});
            break;
        }
        std::size_t textLength = lf > 0 && bytes[lf - 1] == '\r' ? lf - 1 : lf;
        lines_.push_back({std::string(bytes.substr(0, textLength)), std::string(bytes.substr(textLength, lf + 1 - textLength))});
        bytes.remove_prefix(lf + 1);
    }
}

std::string_view IniText::content(std::size_t index) const {
    std::string_view text = lines_[index].text;
    if (index == 0 && text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return text;
}

IniText::Place IniText::find(std::string_view section, std::string_view key) const {
    Place place{std::string::npos, std::string::npos};
    enum { NotSeen, InFirst, PastFirst } first = NotSeen;
    bool inSection = false;  // lines before the first section belong to none
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view line = content(i);
        if (auto name = SectionName(line)) {
            if (first == InFirst) first = PastFirst;
            inSection = *name == section;
            if (inSection && first == NotSeen) {
                first = InFirst;
                place.sectionEnd = i;
            }
            continue;
        }
        if (first == InFirst && !Trimmed(line).empty() && !IsComment(line)) place.sectionEnd = i;
        if (inSection && KeyOf(line) == key) {
            place.keyLine = i;
            return place;
        }
    }
    return place;
}

std::optional<std::string> IniText::get(std::string_view section, std::string_view key) const {
    std::size_t index = find(section, key).keyLine;
    if (index == std::string::npos) return std::nullopt;
    std::string_view line = lines_[index].text;
    return std::string(line.substr(line.find('=') + 1));
}

std::string IniText::newLineEnd() const {
    for (const Line& line : lines_) {
        if (!line.end.empty()) return line.end;
    }
    return "\n";
}

void IniText::insertAfter(std::size_t index, std::string text) {
    Line line{std::move(text), newLineEnd()};
    if (index == std::string::npos) {
        lines_.insert(lines_.begin(), std::move(line));
        return;
    }
    // The line that was last without an end gets one; the new last line
    // goes without, as the file did.
    if (lines_[index].end.empty()) std::swap(lines_[index].end, line.end);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index) + 1, std::move(line));
}

void IniText::set(std::string_view section, std::string_view key, std::string_view value) {
    std::string text = OneLine(value);
    Place place = find(section, key);
    if (place.keyLine != std::string::npos) {
        std::string& line = lines_[place.keyLine].text;
        line.replace(line.find('=') + 1, std::string::npos, text);
        return;
    }
    std::string setting = std::string(key) + "=" + text;
    if (place.sectionEnd != std::string::npos) {
        insertAfter(place.sectionEnd, std::move(setting));
        return;
    }
    std::size_t last = lines_.empty() ? std::string::npos : lines_.size() - 1;
    if (!lines_.empty() && !Trimmed(content(last)).empty()) insertAfter(last++, "");
    insertAfter(last, "[" + std::string(section) + "]");
    insertAfter(last == std::string::npos ? 0 : last + 1, std::move(setting));
}

std::string IniText::bytes() const {
    std::string out;
    std::size_t size = 0;
    for (const Line& line : lines_) size += line.text.size() + line.end.size();
    out.reserve(size);
    for (const Line& line : lines_) out.append(line.text).append(line.end);
    return out;
}

}  // namespace quillane
