#include "builders/character_format.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

std::size_t StyleIndex(std::string_view caption) {
    for (std::size_t i = 0; i < kCharacterStyles.size(); ++i)
        if (kCharacterStyles[i].caption == caption) return i;
    ADD_FAILURE() << "no style " << caption;
    return 0;
}

CharacterFormatFields WithStyles(std::initializer_list<std::string_view> captions) {
    CharacterFormatFields f;
    for (std::string_view c : captions) f.styles[StyleIndex(c)] = true;
    return f;
}

TEST(CharacterFormat, NothingChangedGivesTwoEmptyTexts) {
    EXPECT_EQ(BuildFontTags(CharacterFormatFields{}), (FontTags{"", ""}));
    CharacterFormatFields cleared;
    cleared.size = "";
    cleared.position = "";
    EXPECT_EQ(BuildFontTags(cleared), (FontTags{"", ""}));
}

TEST(CharacterFormat, SizeAndBold) {
    CharacterFormatFields f = WithStyles({"Bold"});
    f.size = "3";
    EXPECT_EQ(BuildFontTags(f), (FontTags{"<FONT SIZE=3><B>", "</B></FONT>"}));
}

TEST(CharacterFormat, FaceColourStylesAndSuperscript) {
    CharacterFormatFields f = WithStyles({"Italic", "Code <CODE>"});
    f.face = "Arial";
    f.color = "FF0000";
    f.position = "Superscript";
    EXPECT_EQ(BuildFontTags(f),
              (FontTags{"<FONT FACE=\"Arial\" COLOR=\"#FF0000\"><I><CODE><SUP>", "</SUP></CODE></I></FONT>"}));
}

TEST(CharacterFormat, SizeTexts) {
    struct Row {
        std::string size;
        std::string open;
    };
    const Row rows[] = {
        {"Default", ""},           {"", ""},
        {"1 - small", "<FONT SIZE=1>"}, {"7 - large", "<FONT SIZE=7>"},
        {"2", "<FONT SIZE=2>"},    {"6", "<FONT SIZE=6>"},
        {"+1", "<FONT SIZE=+1>"},  {"default", "<FONT SIZE=default>"},
    };
    for (const Row& row : rows) {
        CharacterFormatFields f;
        f.size = row.size;
        const FontTags tags = BuildFontTags(f);
        EXPECT_EQ(tags.open, row.open) << row.size;
        EXPECT_EQ(tags.close, row.open.empty() ? "" : "</FONT>") << row.size;
    }
}

TEST(CharacterFormat, PositionTexts) {
    struct Row {
        std::string position;
        FontTags tags;
    };
    const Row rows[] = {
        {"Normal", {"", ""}},
        {"", {"", ""}},
        {"subscript", {"", ""}},
        {"Subscript", {"<SUB>", "</SUB>"}},
        {"Superscript", {"<SUP>", "</SUP>"}},
    };
    for (const Row& row : rows) {
        CharacterFormatFields f;
        f.position = row.position;
        EXPECT_EQ(BuildFontTags(f), row.tags) << row.position;
    }
}

TEST(CharacterFormat, OnlyAStyleHasNoFontTag) {
    EXPECT_EQ(BuildFontTags(WithStyles({"Strong <STRONG>"})), (FontTags{"<STRONG>", "</STRONG>"}));
}

TEST(CharacterFormat, AllStylesNestInTableOrderInsideFontOutsidePosition) {
    CharacterFormatFields f;
    f.styles.fill(true);
    f.color = "00ff00";
    f.position = "Subscript";
    EXPECT_EQ(BuildFontTags(f),
              (FontTags{"<FONT COLOR=\"#00ff00\"><B><I><U><S><TT><CITE><CODE><DFN><EM><KBD><PERSON><SAMP><STRONG>"
                        "<VAR><BLINK><SUB>",
                        "</SUB></BLINK></VAR></STRONG></SAMP></PERSON></KBD></EM></DFN></CODE></CITE></TT></S></U>"
                        "</I></B></FONT>"}));
}

TEST(CharacterFormat, StyleTableRows) {
    ASSERT_EQ(kCharacterStyles.size(), 15u);
    EXPECT_EQ(kCharacterStyles[0].checkBox, "SSCheck1");
    EXPECT_EQ(kCharacterStyles[4].caption, "Typewriter Text");
    EXPECT_EQ(kCharacterStyles[4].openTag, "<TT>");
    EXPECT_EQ(kCharacterStyles[7].caption, "Defining Instance <DFN>");
    EXPECT_EQ(kCharacterStyles[14].checkBox, "SSCheck15");
    EXPECT_EQ(kCharacterStyles[14].closeTag, "</BLINK>");
}

TEST(CharacterFormat, FontFieldsFromTag) {
    struct Row {
        std::string tag;
        FontTagFields fields;
    };
    const Row rows[] = {
        {"FONT FACE=\"Times New Roman\" SIZE=4 COLOR=\"#FF0000\">", {"Times New Roman", "4", "FF0000"}},
        {"font color=00ff00 size=\"+1\">", {"", "+1", "00ff00"}},
        {"FONT>", {"", "", ""}},
        {"FONT COLOR=#>", {"", "", ""}},
    };
    for (const Row& row : rows) EXPECT_EQ(FontFieldsFromTag(row.tag), row.fields) << row.tag;
}

}  // namespace
}  // namespace quillane
