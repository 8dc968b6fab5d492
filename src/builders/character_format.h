#pragma once
#include <array>
#include <string>
#include <string_view>

namespace quillane {

// One style check box of the Format Characters dialog and the tags it adds.
struct CharacterStyle {
    std::string_view checkBox;  // SSCheck1 ... SSCheck15
    std::string_view caption;
    std::string_view openTag;
    std::string_view closeTag;
};

// The style boxes in their fixed order, which is also the nesting order:
// five physical styles, then ten logical ones.
inline constexpr std::size_t kPhysicalStyleCount = 5;
inline constexpr std::array<CharacterStyle, 15> kCharacterStyles = {{
    {"SSCheck1", "Bold", "<B>", "</B>"},
    {"SSCheck2", "Italic", "<I>", "</I>"},
    {"SSCheck3", "Underline", "<U>", "</U>"},
    {"SSCheck4", "Strikethrough", "<S>", "</S>"},
    {"SSCheck5", "Typewriter Text", "<TT>", "</TT>"},
    {"SSCheck6", "Citation <CITE>", "<CITE>", "</CITE>"},
    {"SSCheck7", "Code <CODE>", "<CODE>", "</CODE>"},
    {"SSCheck8", "Defining Instance <DFN>", "<DFN>", "</DFN>"},
    {"SSCheck9", "Emphasis <EM>", "<EM>", "</EM>"},
    {"SSCheck10", "Keyboard <KBD>", "<KBD>", "</KBD>"},
    {"SSCheck11", "Person <PERSON>", "<PERSON>", "</PERSON>"},
    {"SSCheck12", "Sample <SAMP>", "<SAMP>", "</SAMP>"},
    {"SSCheck13", "Strong <STRONG>", "<STRONG>", "</STRONG>"},
    {"SSCheck14", "Variable <VAR>", "<VAR>", "</VAR>"},
    {"SSCheck15", "Blink <BLINK>", "<BLINK>", "</BLINK>"},
}};

inline constexpr std::array<std::string_view, 8> kFontSizeItems = {
    "Default", "1 - small", "2", "3", "4", "5", "6", "7 - large",
};
inline constexpr std::array<std::string_view, 3> kPositionItems = {"Normal", "Subscript", "Superscript"};

// The fields of the Format Characters dialog, as typed.
struct CharacterFormatFields {
    std::string face;                // Combo3
    std::string color;               // Text1: RRGGBB without "#"
    std::string size = "Default";    // Combo1
    std::string position = "Normal"; // Combo2
    std::array<bool, kCharacterStyles.size()> styles{};  // in kCharacterStyles order
    friend bool operator==(const CharacterFormatFields&, const CharacterFormatFields&) = default;
};

struct FontTags {
    std::string open;
    std::string close;
    friend bool operator==(const FontTags&, const FontTags&) = default;
};

// BuildFontTags: a FONT tag outermost (only when a face, colour or size is
// given), then the ticked styles in table order, then SUB or SUP innermost;
// the close text mirrors them. Nothing is validated: empty fields give two
// empty texts.
FontTags BuildFontTags(const CharacterFormatFields& fields);

// The fields Edit Tag fills from a FONT tag text (everything after its "<"):
// FACE, SIZE and COLOR read with GetTagAttribute, the colour without a
// leading "#". A missing attribute gives an empty text.
struct FontTagFields {
    std::string face;
    std::string size;
    std::string color;
    friend bool operator==(const FontTagFields&, const FontTagFields&) = default;
};
FontTagFields FontFieldsFromTag(std::string_view tagText);

}  // namespace quillane
