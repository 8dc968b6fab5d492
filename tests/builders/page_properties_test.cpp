#include "builders/page_properties.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

BodyFields AllFields() {
    BodyFields f;
    f.backgroundColor = "FFFFFF";
    f.textColor = "000000";
    f.linkColor = "0000FF";
    f.visitedLinkColor = "800080";
    f.activeLinkColor = "FF0000";
    f.background = "img/back.gif";
    f.leftMargin = "10";
    f.topMargin = "20";
    f.fixedWatermark = true;
    return f;
}

TEST(PageProperties, BodyAttributesInTheirFixedOrder) {
    EXPECT_EQ(BodyText(AllFields()),
              "<BODY BACKGROUND=\"img/back.gif\" BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\""
              " VLINK=\"#800080\" ALINK=\"#FF0000\" LEFTMARGIN=\"10\" TOPMARGIN=\"20\" BGPROPERTIES=FIXED");

    BodyFields onlyBackground;
    onlyBackground.backgroundColor = "00FF00";
    EXPECT_EQ(BodyText(onlyBackground), "<BODY BGCOLOR=\"#00FF00\"");
    EXPECT_EQ(BodyAttributesText(onlyBackground), " BGCOLOR=\"#00FF00\"");

    EXPECT_EQ(BodyText({}), "<BODY");

    BodyFields watermarkOnly;
    watermarkOnly.fixedWatermark = true;
    watermarkOnly.topMargin = "0";
    EXPECT_EQ(BodyAttributesText(watermarkOnly), " TOPMARGIN=\"0\" BGPROPERTIES=FIXED");
}

TEST(PageProperties, TitleFallsBackToTheDefault) {
    EXPECT_EQ(PageTitleText({}), "Document Title should be typed here");
    EXPECT_EQ(PageTitleText({"My page", {}}), "My page");
}

TEST(PageProperties, OpeningReadsTheBodyTagWithItsCase) {
    // Quoted and unquoted values; a leading "#" leaves the colours.
    BodyFields a = ParseBodyTag("BODY BGCOLOR=\"#FFFFFF\" TEXT=#000000>");
    EXPECT_EQ(a.backgroundColor, "FFFFFF");
    EXPECT_EQ(a.textColor, "000000");
    EXPECT_EQ(a.linkColor, "");

    // Every attribute, written the way this builder writes them.
    EXPECT_EQ(ParseBodyTag(BodyText(AllFields()).substr(1) + ">"), AllFields());

    // " LINK=" needs its space: VLINK and ALINK do not count as LINK.
    BodyFields b = ParseBodyTag("BODY VLINK=#111111 ALINK=#222222 LINK=#333333>");
    EXPECT_EQ(b.visitedLinkColor, "111111");
    EXPECT_EQ(b.activeLinkColor, "222222");
    EXPECT_EQ(b.linkColor, "333333");
    EXPECT_EQ(ParseBodyTag("BODY VLINK=#111111>").linkColor, "");

    // Names are matched with their case.
    EXPECT_EQ(ParseBodyTag("BODY bgcolor=#FFFFFF>"), BodyFields{});

    // BGPROPERTIES ticks the watermark only for FIXED, in any case.
    EXPECT_TRUE(ParseBodyTag("BODY BGPROPERTIES=fixed>").fixedWatermark);
    EXPECT_TRUE(ParseBodyTag("BODY BGPROPERTIES=\"Fixed\">").fixedWatermark);
    EXPECT_FALSE(ParseBodyTag("BODY BGPROPERTIES=SCROLL>").fixedWatermark);

    // A quote without its partner runs to the closing ">"; a tag cut off at
    // the end of the text keeps its last character.
    EXPECT_EQ(ParseBodyTag("BODY BACKGROUND=\"a b.gif>").background, "a b.gif");
    EXPECT_EQ(ParseBodyTag("BODY LEFTMARGIN=5").leftMargin, "5");
    EXPECT_EQ(ParseBodyTag("BODY LEFTMARGIN=>").leftMargin, "");
    EXPECT_EQ(ParseBodyTag("BODY TOPMARGIN=\"\" LEFTMARGIN=3>").topMargin, "");
}

TEST(PageProperties, ColorsFromABodyTagLeaveTheRestEmpty) {
    BodyFields colors = ColorsFromBodyTag(BodyText(AllFields()).substr(1) + ">");
    BodyFields expected;
    CopyColors(AllFields(), expected);
    EXPECT_EQ(colors, expected);

    BodyFields target = AllFields();
    BodyFields other;
    other.backgroundColor = "123456";
    CopyColors(other, target);
    EXPECT_EQ(target.backgroundColor, "123456");
    EXPECT_EQ(target.textColor, "");
    EXPECT_EQ(target.background, "img/back.gif");
    EXPECT_TRUE(target.fixedWatermark);
}

TEST(BodyFieldsFromTag, FillsTheFieldsEditTagSets) {
    struct Row {
        const char* tag;
        BodyFields expected;
    };
    BodyFields white;
    white.backgroundColor = "FFFFFF";
    const Row rows[] = {
        // Only BGCOLOR: Text1 is FFFFFF and every other field is empty.
        {"BODY BGCOLOR=#FFFFFF>", white},
        {"BODY BGCOLOR=\"#FFFFFF\">", white},
        // Letters in any case; colours without "#", other values as written.
        {"body bgcolor=#ffffff text=\"#000000\" link=#0000ff vlink=#800080 alink=#ff0000 background=\"Img/B.GIF\" "
         "leftmargin=10 topmargin=\"20\" bgproperties=fixed>",
         {"ffffff", "000000", "0000ff", "800080", "ff0000", "Img/B.GIF", "10", "20", true}},
        {"BODY BGPROPERTIES=\"FIXED\">", {"", "", "", "", "", "", "", "", true}},
        {"BODY BGPROPERTIES=NONE>", {}},
        // LINK= counts only as an attribute of its own, not inside VLINK= or ALINK=.
        {"BODY VLINK=#111111 ALINK=#222222 LINK=#333333>", {"", "", "333333", "111111", "222222", "", "", "", false}},
        {"BODY VLINK=#111111>", {"", "", "", "111111", "", "", "", "", false}},
        {"BODY\r\nLINK=#333333>", {"", "", "333333", "", "", "", "", "", false}},
        {"BODY>", {}},
    };
    for (const Row& row : rows) EXPECT_EQ(BodyFieldsFromTag(row.tag), row.expected) << row.tag;
}

}  // namespace
}  // namespace quillane
