#include "builders/page_properties.h"

#include "editor/tag_attribute.h"

namespace quillane {

namespace {

std::string WithoutHash(std::string value) {
    if (!value.empty() && value.front() == '#') value.erase(0, 1);
    return value;
}

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string AsciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// The value that starts at `v` in the tag text: up to the next double quote
// when it opens with one, else up to the next space; never the tag's closing
// ">".
std::string ValueAt(std::string_view tagText, std::size_t v) {
    std::size_t end = tagText.size();
    if (end > 0 && tagText.back() == '>') --end;
    if (v >= end) return "";
    std::size_t stop;
    if (tagText[v] == '"') {
        ++v;
        stop = tagText.find('"', v);
    } else {
        stop = tagText.find(' ', v);
    }
    if (stop == std::string_view::npos || stop > end) stop = end;
    return stop > v ? std::string(tagText.substr(v, stop - v)) : "";
}

// The opening's reading: the first occurrence of the name, letter case kept.
std::string ExactAttribute(std::string_view tagText, std::string_view name) {
    std::size_t p = tagText.find(name);
    return p == std::string_view::npos ? "" : ValueAt(tagText, p + name.size());
}

// "LINK=" where it is not the tail of VLINK= or ALINK=.
std::string LinkAttribute(std::string_view tagText) {
    for (std::size_t p = FindNoCase(tagText, "LINK="); p != std::string_view::npos;
         p = FindNoCase(tagText, "LINK=", p + 1)) {
        if (p == 0 || !IsAsciiLetter(tagText[p - 1])) return GetTagAttribute(tagText.substr(p), "LINK=");
    }
    return "";
}

void Append(std::string& out, const char* name, const std::string& value, const char* prefix = "") {
    if (!value.empty()) out += std::string(" ") + name + "=\"" + prefix + value + "\"";
}

}  // namespace

std::string PageTitleText(const PagePropertiesFields& fields) {
    return fields.title.empty() ? kDefaultPageTitle : fields.title;
}

std::string BodyAttributesText(const BodyFields& f) {
    std::string out;
    Append(out, "BACKGROUND", f.background);
    Append(out, "BGCOLOR", f.backgroundColor, "#");
    Append(out, "TEXT", f.textColor, "#");
    Append(out, "LINK", f.linkColor, "#");
    Append(out, "VLINK", f.visitedLinkColor, "#");
    Append(out, "ALINK", f.activeLinkColor, "#");
    Append(out, "LEFTMARGIN", f.leftMargin);
    Append(out, "TOPMARGIN", f.topMargin);
    if (f.fixedWatermark) out += " BGPROPERTIES=FIXED";
    return out;
}

std::string BodyText(const BodyFields& fields) { return "<BODY" + BodyAttributesText(fields); }

BodyFields ColorsFromBodyTag(std::string_view tagText) {
    BodyFields f;
    f.backgroundColor = WithoutHash(ExactAttribute(tagText, "BGCOLOR="));
    f.linkColor = WithoutHash(ExactAttribute(tagText, " LINK="));
    f.textColor = WithoutHash(ExactAttribute(tagText, "TEXT="));
    f.visitedLinkColor = WithoutHash(ExactAttribute(tagText, "VLINK="));
    f.activeLinkColor = WithoutHash(ExactAttribute(tagText, "ALINK="));
    return f;
}

BodyFields ParseBodyTag(std::string_view tagText) {
    BodyFields f = ColorsFromBodyTag(tagText);
    f.leftMargin = ExactAttribute(tagText, "LEFTMARGIN=");
    f.topMargin = ExactAttribute(tagText, "TOPMARGIN=");
    f.background = ExactAttribute(tagText, "BACKGROUND=");
    f.fixedWatermark = AsciiUpper(ExactAttribute(tagText, "BGPROPERTIES=")) == "FIXED";
    return f;
}

BodyFields BodyFieldsFromTag(std::string_view tagText) {
    BodyFields f;
    f.backgroundColor = WithoutHash(GetTagAttribute(tagText, "BGCOLOR="));
    f.linkColor = WithoutHash(LinkAttribute(tagText));
    f.textColor = WithoutHash(GetTagAttribute(tagText, "TEXT="));
    f.visitedLinkColor = WithoutHash(GetTagAttribute(tagText, "VLINK="));
    f.activeLinkColor = WithoutHash(GetTagAttribute(tagText, "ALINK="));
    f.leftMargin = GetTagAttribute(tagText, "LEFTMARGIN=");
    f.topMargin = GetTagAttribute(tagText, "TOPMARGIN=");
    f.background = GetTagAttribute(tagText, "BACKGROUND=");
    f.fixedWatermark = AsciiUpper(GetTagAttribute(tagText, "BGPROPERTIES=")) == "FIXED";
    return f;
}

void CopyColors(const BodyFields& from, BodyFields& to) {
    to.backgroundColor = from.backgroundColor;
    to.textColor = from.textColor;
    to.linkColor = from.linkColor;
    to.visitedLinkColor = from.visitedLinkColor;
    to.activeLinkColor = from.activeLinkColor;
}

}  // namespace quillane
