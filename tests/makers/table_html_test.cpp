#include "makers/table_html.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace quillane {
namespace {

CellFormat Format(std::initializer_list<std::pair<CellProperty, const char*>> values) {
    CellFormat f;
    for (const auto& [property, value] : values) SetCellProperty(f, property, value);
    return f;
}

TEST(BuildCellLine, AttributesAndFontWrapperInTheirOrder) {
    using P = CellProperty;
    struct Row {
        const char* name;
        CellFormat format;
        const char* text;
        const char* line;
    };
    const Row rows[] = {
        {"no properties", {}, "x", "\t\t<TD>x</TD>"},
        {"empty cell", {}, "", "\t\t<TD></TD>"},
        {"header, centred, font size 4", Format({{P::Header, "1"}, {P::Align, "Center"}, {P::FontSize, "4"}}), "Name",
         "\t\t<TH ALIGN=Center><FONT SIZE=4>Name</FONT></TH>"},
        {"header flag 0", Format({{P::Header, "0"}}), "a", "\t\t<TD>a</TD>"},
        {"border colour alone", Format({{P::BorderColor, "FF0000"}}), "a", "\t\t<TD BORDERCOLOR=FF0000>a</TD>"},
        {"light border colour alone", Format({{P::BorderColorLight, "00FF00"}}), "a",
         "\t\t<TD BORDERCOLORLIGHT=00FF00>a</TD>"},
        {"every attribute, set in reverse", Format({{P::BorderColorDark, "444444"},
                                                    {P::BorderColorLight, "333333"},
                                                    {P::BorderColor, "222222"},
                                                    {P::BgColor, "111111"},
                                                    {P::VAlign, "Top"},
                                                    {P::Align, "Right"},
                                                    {P::RowSpan, "2"},
                                                    {P::ColSpan, "3"}}),
         "a",
         "\t\t<TD COLSPAN=3 ROWSPAN=2 ALIGN=Right VALIGN=Top BGCOLOR=111111 BORDERCOLOR=222222 "
         "BORDERCOLORLIGHT=333333 BORDERCOLORDARK=444444>a</TD>"},
        {"font face alone", Format({{P::FontFace, "Arial"}}), "a", "\t\t<TD><FONT FACE=\"Arial\">a</FONT></TD>"},
        {"font colour alone", Format({{P::FontColor, "0000FF"}}), "a", "\t\t<TD><FONT COLOR=0000FF>a</FONT></TD>"},
        {"one wrapper for all three", Format({{P::FontColor, "0000FF"}, {P::FontSize, "2"}, {P::FontFace, "Arial"}}),
         "a", "\t\t<TD><FONT FACE=\"Arial\" SIZE=2 COLOR=0000FF>a</FONT></TD>"},
        // Values are written as typed, never checked or escaped.
        {"typed values verbatim", Format({{P::Align, "middle\"x"}, {P::FontSize, "+1"}}), "a<b>&",
         "\t\t<TD ALIGN=middle\"x><FONT SIZE=+1>a<b>&</FONT></TD>"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(BuildCellLine(r.format, r.text), r.line);
    }
}

TableSettings Size(int rows, int columns) {
    TableSettings s;
    s.rows = static_cast<std::int16_t>(rows);
    s.columns = static_cast<std::int16_t>(columns);
    return s;
}

TEST(BuildTableHtml, TwoByTwoInBothLayouts) {
    const TableSettings s = Size(2, 2);
    const CellTextGrid texts = {{"a", "b"}, {"c", "d"}};
    const CellProperties none;
    EXPECT_EQ(BuildTableHtml(s, texts, none, TableLayout::Editor),
              "<TABLE>\r\n"
              "\t<TR>\r\n"
              "\t\t<TD>a</TD>\r\n"
              "\t\t<TD>b</TD></TR>\r\n"
              "\t<TR>\r\n"
              "\t\t<TD>c</TD>\r\n"
              "\t\t<TD>d</TD></TR>\r\n"
              "</TABLE>\r\n\r\n");
    EXPECT_EQ(BuildTableHtml(s, texts, none, TableLayout::File),
              "<TABLE>\r\n"
              "\t<TR>\r\n"
              "\t\t<TD>a</TD>\r\n"
              "\t\t<TD>b</TD>\r\n"
              "</TR>\r\n"
              "\t<TR>\r\n"
              "\t\t<TD>c</TD>\r\n"
              "\t\t<TD>d</TD>\r\n"
              "</TR>\r\n"
              "</TABLE>\r\n");
    EXPECT_EQ(TrailingLineBreaks(s), 4u);
}

TEST(BuildTableHtml, StartTagCaptionAndCellsFromTheirStores) {
    TableSettings s = Size(1, 2);
    s.borderAttr = " BORDER=1";
    s.cellSpacingAttr = " CELLSPACING=2";
    s.cellPaddingAttr = " CELLPADDING=4";
    s.widthAttr = " WIDTH=\"100%\"";
    s.heightAttr = " HEIGHT=\"50%\"";
    s.bgColorAttr = " BGCOLOR=FFFFFF";
    s.borderColorAttr = " BORDERCOLOR=000000";
    s.borderColorLightAttr = " BORDERCOLORLIGHT=C0C0C0";
    s.borderColorDarkAttr = " BORDERCOLORDARK=808080";
    s.captionBlock = "\r\n<CAPTION ALIGN=Top>Prices</CAPTION>";
    CellProperties properties;
    properties.set(1, 2, CellProperty::Header, "1");
    // A text grid shorter than the table gives empty cells.
    EXPECT_EQ(BuildTableHtml(s, {{"x"}}, properties, TableLayout::Editor),
              "<TABLE BORDER=1 CELLSPACING=2 CELLPADDING=4 WIDTH=\"100%\" HEIGHT=\"50%\" BGCOLOR=FFFFFF "
              "BORDERCOLOR=000000 BORDERCOLORLIGHT=C0C0C0 BORDERCOLORDARK=808080>\r\n"
              "<CAPTION ALIGN=Top>Prices</CAPTION>\r\n"
              "\t<TR>\r\n"
              "\t\t<TD>x</TD>\r\n"
              "\t\t<TH></TH></TR>\r\n"
              "</TABLE>\r\n");
}

std::string ReadGolden(const std::string& name) {
    std::ifstream in(std::string(TEST_DATA_DIR) + "/makers/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A full-size 50 x 50 table with properties spread over it, against files
// checked by hand once.
TEST(BuildTableHtml, LargestTableMatchesGoldenFiles) {
    TableSettings s = Size(kMaxTableRows, kMaxTableColumns);
    s.borderAttr = " BORDER";
    s.captionBlock = "\r\n<CAPTION>Fifty</CAPTION>";
    CellTextGrid texts(kMaxTableRows, std::vector<std::string>(kMaxTableColumns));
    CellProperties properties;
    for (int row = 1; row <= kMaxTableRows; ++row) {
        for (int column = 1; column <= kMaxTableColumns; ++column) {
            texts[row - 1][column - 1] = std::to_string(row) + "." + std::to_string(column);
            if (row == 1) properties.set(row, column, CellProperty::Header, "1");
            if (column == 1) properties.set(row, column, CellProperty::Align, "Right");
            if ((row + column) % 7 == 0) properties.set(row, column, CellProperty::BgColor, "FFFF00");
            if (row == column) properties.set(row, column, CellProperty::FontSize, "2");
        }
    }
    properties.set(50, 50, CellProperty::FontFace, "Courier New");
    properties.set(50, 50, CellProperty::ColSpan, "1");

    const std::string editor = BuildTableHtml(s, texts, properties, TableLayout::Editor);
    const std::string file = BuildTableHtml(s, texts, properties, TableLayout::File);
    ASSERT_FALSE(ReadGolden("table_50x50_editor.txt").empty());
    EXPECT_EQ(editor, ReadGolden("table_50x50_editor.txt"));
    EXPECT_EQ(file, ReadGolden("table_50x50_file.htm"));
}

}  // namespace
}  // namespace quillane
