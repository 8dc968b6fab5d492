#include "builders/character_format.h"

#include "editor/tag_attribute.h"

namespace quillane {

namespace {

constexpr char Q = '"';

// The SIZE value for the size box: the two captioned ends give their digit,
// anything else is written as typed (such as +1).
std::string SizeValue(const std::string& size) {
    if (size == "1 - small") return "1";
    if (size == "7 - large") return "7";
    return size;
}

}  // namespace

FontTags BuildFontTags(const CharacterFormatFields& fields) {
    std::string attributes;
    if (!fields.face.empty()) attributes += std::string(" FACE=") + Q + fields.face + Q;
    if (!fields.color.empty()) attributes += std::string(" COLOR=") + Q + "#" + fields.color + Q;
    if (!fields.size.empty() && fields.size != "Default") attributes += " SIZE=" + SizeValue(fields.size);

    FontTags tags;
    const bool font = !attributes.empty();
    if (font) tags.open = "<FONT" + attributes + ">";
    for (std::size_t i = 0; i < kCharacterStyles.size(); ++i)
        if (fields.styles[i]) tags.open += kCharacterStyles[i].openTag;
    if (fields.position == "Subscript") {
        tags.open += "<SUB>";
        tags.close = "</SUB>";
    } else if (fields.position == "Superscript") {
        tags.open += "<SUP>";
        tags.close = "</SUP>";
    }
    for (std::size_t i = kCharacterStyles.size(); i-- > 0;)
        if (fields.styles[i]) tags.close += kCharacterStyles[i].closeTag;
    if (font) tags.close += "</FONT>";
    return tags;
}

FontTagFields FontFieldsFromTag(std::string_view tagText) {
    FontTagFields fields;
    fields.face = GetTagAttribute(tagText, "FACE=");
    fields.size = GetTagAttribute(tagText, "SIZE=");
    fields.color = GetTagAttribute(tagText, "COLOR=");
    if (!fields.color.empty() && fields.color.front() == '#') fields.color.erase(0, 1);
    return fields;
}

}  // namespace quillane
