#include "makers/text_conversion.h"

#include <gtest/gtest.h>

#include "editor/document_lifecycle.h"
#include "support/fakes.h"
#include "support/marked_text.h"

namespace quillane {
namespace {

TEST(ConvertToTable, TheCommaExample) {
    EXPECT_EQ(ConvertToTable("a,b\r\nc,d", ','),
              "<TABLE>\r\n"
              "\t<TR>\r\n"
              "\t\t<TD>a</TD>\r\n"
              "\t\t<TD>b</TD></TR>\r\n"
              "\t<TR>\r\n"
              "\t\t<TD>c</TD>\r\n"
              "\t\t<TD>d</TD></TR>\r\n"
              "</TABLE>");
}

// Lines become TR elements, the pieces between delimiters TD cells.
TEST(ConvertToTable, LinesAndCells) {
    struct Row {
        const char* name;
        std::string text;
        char delimiter;
        std::string rows;  // the TR elements between "<TABLE>\r\n" and "</TABLE>"
    };
    auto tr = [](std::initializer_list<const char*> cells) {
        std::string row = "\t<TR>";
        for (const char* c : cells) row += std::string("\r\n\t\t<TD>") + c + "</TD>";
        return row + "</TR>\r\n";
    };
    const Row rows[] = {
        {"empty selection", "", ',', ""},
        {"space", "Dog Cat Mouse", ' ', tr({"Dog", "Cat", "Mouse"})},
        {"tab", "Dog\tCat\tMouse", '\t', tr({"Dog", "Cat", "Mouse"})},
        {"comma keeps the blanks", "Dog, Cat", ',', tr({"Dog", " Cat"})},
        {"two spaces give an empty cell", "a  b", ' ', tr({"a", "", "b"})},
        {"final CR LF adds no row", "a,b\r\n", ',', tr({"a", "b"})},
        {"empty line: one empty cell", "a\r\n\r\nb", ',', tr({"a"}) + tr({""}) + tr({"b"})},
        {"line ending in the delimiter", "a,\r\nb", ',', tr({"a", ""}) + tr({"b"})},
        // The last line is written also when the selection ends with the
        // delimiter, with its trailing empty cell like any other line.
        {"selection ending in the delimiter", "a,b\r\nc,", ',', tr({"a", "b"}) + tr({"c", ""})},
        {"only the delimiter", ",", ',', tr({"", ""})},
        {"other delimiters are text", "a b,c", '\t', tr({"a b,c"})},
        {"a lone LF is text", "a\nb", ',', tr({"a\nb"})},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(ConvertToTable(r.text, r.delimiter), "<TABLE>\r\n" + r.rows + "</TABLE>");
    }
}

TEST(ConvertToList, OneItemPerLine) {
    struct Row {
        std::string text;
        std::string list;
    };
    const Row rows[] = {
        {"", "<UL>\r\n</UL>"},
        {"one", "<UL>\r\n<LI>one\r\n</UL>"},
        {"one\r\ntwo", "<UL>\r\n<LI>one\r\n<LI>two\r\n</UL>"},
        {"one\r\ntwo\r\n", "<UL>\r\n<LI>one\r\n<LI>two\r\n</UL>"},
        {"one\r\n\r\n three ", "<UL>\r\n<LI>one\r\n<LI>\r\n<LI> three \r\n</UL>"},
        {"x", "<UL>\r\n<LI>x\r\n</UL>"},
    };
    for (const Row& r : rows) EXPECT_EQ(ConvertToList(r.text), r.list) << r.text;
}

TEST(ConvertText, EachOption) {
    const std::string text = "a b\tc,d";
    EXPECT_EQ(ConvertText(text, ConvertOption::SpaceDelimited), ConvertToTable(text, ' '));
    EXPECT_EQ(ConvertText(text, ConvertOption::TabDelimited), ConvertToTable(text, '\t'));
    EXPECT_EQ(ConvertText(text, ConvertOption::CommaDelimited), ConvertToTable(text, ','));
    EXPECT_EQ(ConvertText(text, ConvertOption::List), ConvertToList(text));
    EXPECT_EQ(ConvertText(text, ConvertOption::None), "");
}

TEST(ConvertSelection, ReplacesTheSelectionWithoutSnapshot) {
    testing::TestApp app;
    NewDocument(app.ctx);
    testing::SetMarkedText(app.editor(), "x[a,b]y");
    EXPECT_TRUE(ConvertSelection(app.ctx, ConvertOption::CommaDelimited));
    EXPECT_EQ(testing::MarkedText(app.editor()),
              "x<TABLE>\r\n\t<TR>\r\n\t\t<TD>a</TD>\r\n\t\t<TD>b</TD></TR>\r\n</TABLE>|y");
    EXPECT_EQ(app.ctx.undoSlot, 0);
    EXPECT_TRUE(app.messages.shown.empty());
}

TEST(ConvertSelection, WithoutAnOptionAsksForOne) {
    testing::TestApp app;
    NewDocument(app.ctx);
    testing::SetMarkedText(app.editor(), "[a]");
    EXPECT_FALSE(ConvertSelection(app.ctx, ConvertOption::None));
    EXPECT_EQ(app.messages.texts(), std::vector<std::string>{"Select an Option."});
    EXPECT_EQ(testing::MarkedText(app.editor()), "[a]");
}

}  // namespace
}  // namespace quillane
