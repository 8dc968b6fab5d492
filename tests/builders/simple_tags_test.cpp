#include "builders/simple_tags.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quillane {
namespace {

// A sample of rows written out by hand, so that the table is checked against
// independent text rather than against itself.
TEST(SimpleTags, SampleRowsHoldTheirExactTexts) {
    struct Row {
        const char* name;
        const char* menu;
        const char* caption;
        const char* shortcut;
        TagMode mode;
        const char* open;
        const char* close;
        bool hidden;
    };
    const Row rows[] = {
        {"mnuBanner", "HeadElements", "&Banner", "", TagMode::Wrap, "<BANNER>", "</BANNER>", true},
        {"BASE", "HeadElements", "B&ase", "", TagMode::Insert, "<BASE>", "", false},
        {"head", "HeadElements", "&Head", "", TagMode::Wrap, "<HEAD>", "</HEAD>", false},
        {"heading(3)", "Headings", "<H&3>", "Shift+F3", TagMode::Heading, "<H3>", "</H3>", false},
        {"mnuPCenter", "mnuAlignP", "&Center", "", TagMode::Wrap, "<P ALIGN=Center>", "</P>", false},
        {"Comment", "ParaTextElements", "&Comment - <!-- -->", "", TagMode::Wrap, "<!--", "-->", false},
        {"HR", "ParaTextElements", "&Horizontal Rule - <HR>", "Ctrl+H", TagMode::Insert, "<HR>", "", false},
        {"mnuNBSP", "ParaTextElements", "Non-breaking spa&ce - &&nbsp;", "Ctrl+N", TagMode::Insert, "&nbsp;", "", false},
        {"DFN", "mnuLogicFont", "D&efining Instance - <DFN>", "", TagMode::Wrap, "<DFN>", "</DFN>", true},
        {"mnuStrong", "mnuLogicFont", "Stron&g Emphasis - <STRONG>", "", TagMode::Wrap, "<STRONG>", "</STRONG>", false},
        {"Bold", "Styles", "&Bold - <B>", "Ctrl+B", TagMode::Wrap, "<B>", "</B>", false},
        {"mnuSUP", "Styles", "Su&perscript - <SUP>", "Ctrl+Shift+F1", TagMode::Wrap, "<SUP>", "</SUP>", false},
        {"mnuListItem", "List", "Li&st Item - <LI>", "Ctrl+L", TagMode::Insert, "<LI>", "", false},
        {"mnuTableTable", "mnuTable", "<TA&BLE></TABLE>", "Ctrl+T", TagMode::Wrap, "<TABLE>", "</TABLE>", false},
        {"mnuTableHeader", "mnuTable", "&Header - <TH>", "", TagMode::Wrap, "<TH>", "</TH>", false},
        {"mnuDate", "InsertMenu", "&Date and Time", "", TagMode::DateTime, "", "", false},
        {"mnuBfont(7)", "mnuBaseFont", "&7", "", TagMode::BaseFont, "<BASEFONT SIZE=7>", "", false},
        {"mnuCenter", "NetscapeMenu", "&Center - <CENTER>", "Ctrl+E", TagMode::Wrap, "<CENTER>", "</CENTER>", false},
        {"mnuClearAllBR", "mnuLineBreak", "Clear = &all", "", TagMode::Insert, "<BR CLEAR=all>", "", false},
        {"mnuNoBreak", "NetscapeMenu", "&No Break - <NOBR>", "", TagMode::Wrap, "<NOBR>", "</NOBR>", false},
        {"mnuJavaScript", "mnuJavaTags", "&JavaScript tags", "", TagMode::Script,
         "<SCRIPT LANGUAGE=\"JavaScript\">\r\n<!--\r\n\r\n", "//-->\r\n</SCRIPT>\r\n", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const SimpleTag* tag = FindSimpleTag(r.name);
        ASSERT_NE(tag, nullptr);
        EXPECT_EQ(tag->menu, r.menu);
        EXPECT_EQ(tag->caption, r.caption);
        EXPECT_EQ(tag->shortcut, r.shortcut);
        EXPECT_EQ(tag->mode, r.mode);
        EXPECT_EQ(tag->openText, r.open);
        EXPECT_EQ(tag->closeText, r.close);
        EXPECT_EQ(tag->hidden, r.hidden);
    }
    EXPECT_EQ(FindSimpleTag("mnuTableMaker"), nullptr);
}

TEST(SimpleTags, RowsAreWellFormed) {
    std::set<std::string_view> names;
    std::set<std::string_view> shortcuts;
    for (const SimpleTag& tag : SimpleTags()) {
        SCOPED_TRACE(std::string(tag.name));
        EXPECT_TRUE(names.insert(tag.name).second) << "duplicate name";
        if (!tag.shortcut.empty()) {
            EXPECT_TRUE(shortcuts.insert(tag.shortcut).second) << "duplicate shortcut";
        }
        EXPECT_FALSE(tag.caption.empty());
        EXPECT_FALSE(tag.menu.empty());
        switch (tag.mode) {
            case TagMode::Wrap:
            case TagMode::Heading:
            case TagMode::Script:
                EXPECT_FALSE(tag.openText.empty());
                EXPECT_FALSE(tag.closeText.empty());
                break;
            case TagMode::Insert:
            case TagMode::BaseFont:
                EXPECT_FALSE(tag.openText.empty());
                EXPECT_TRUE(tag.closeText.empty());
                break;
            case TagMode::DateTime:
                EXPECT_TRUE(tag.openText.empty());
                EXPECT_TRUE(tag.closeText.empty());
                break;
        }
        // Array members, and only they, carry their index in the name.
        if (tag.index > 0) {
            EXPECT_TRUE(tag.name.ends_with("(" + std::to_string(tag.index) + ")"));
        } else {
            EXPECT_EQ(tag.name.find('('), std::string_view::npos);
        }
    }
}

TEST(SimpleTags, ComputedRowsAgreeWithTheirTextFunctions) {
    for (const SimpleTag& tag : SimpleTags()) {
        SCOPED_TRACE(std::string(tag.name));
        if (tag.mode == TagMode::Heading) {
            EXPECT_EQ(tag.openText, HeadingOpenTag(tag.index));
            EXPECT_EQ(tag.closeText, HeadingCloseTag(tag.index));
        }
        if (tag.mode == TagMode::BaseFont) {
            EXPECT_EQ(tag.openText, BaseFontText(tag.index));
        }
        if (tag.mode == TagMode::Script) {
            EXPECT_EQ(tag.openText, kScriptBlockOpen);
            EXPECT_EQ(tag.closeText, kScriptBlockClose);
        }
    }
}

TEST(SimpleTags, ComputedTexts) {
    EXPECT_EQ(HeadingOpenTag(1), "<H1>");
    EXPECT_EQ(HeadingCloseTag(6), "</H6>");
    EXPECT_EQ(HeadingCloseTag(3).size(), 5u);
    EXPECT_EQ(BaseFontText(1), "<BASEFONT SIZE=1>");
    EXPECT_EQ(BaseFontText(7), "<BASEFONT SIZE=7>");
    // Only the last digit of the index is written.
    EXPECT_EQ(BaseFontText(12), "<BASEFONT SIZE=2>");
    EXPECT_EQ(kScriptBlockOpen, "<SCRIPT LANGUAGE=\"JavaScript\">\r\n<!--\r\n\r\n");
    EXPECT_EQ(kScriptBlockClose, "//-->\r\n</SCRIPT>\r\n");
}

TEST(SimpleTags, DateAndTimeTextHasThreeSpacesBeforeTheHour) {
    struct Row {
        DateTime t;
        const char* text;
    };
    const Row rows[] = {
        {{1997, 3, 7, 14, 5, 9}, "March 07, 1997   2:05 PM"},
        {{2001, 12, 25, 0, 0, 0}, "December 25, 2001   12:00 AM"},
        {{2024, 1, 31, 12, 30, 0}, "January 31, 2024   12:30 PM"},
        {{1999, 10, 9, 9, 59, 59}, "October 09, 1999   9:59 AM"},
        {{2030, 7, 4, 23, 1, 0}, "July 04, 2030   11:01 PM"},
    };
    for (const Row& r : rows) EXPECT_EQ(DateTimeText(r.t), r.text);
}

TEST(SimpleTags, ToolbarButtons) {
    struct Row {
        const char* name;
        TagMode mode;
        const char* open;
        const char* close;
    };
    const Row expected[] = {
        {"SSCommand1", TagMode::Wrap, "<H1>", "</H1>"},
        {"SSCommand2", TagMode::Wrap, "<H2>", "</H2>"},
        {"SSCommand3", TagMode::Wrap, "<H3>", "</H3>"},
        {"SSCommand4", TagMode::Wrap, "<H4>", "</H4>"},
        {"SSCommand5", TagMode::Wrap, "<H5>", "</H5>"},
        {"SSCommand6", TagMode::Wrap, "<H6>", "</H6>"},
        {"SSCommand7", TagMode::Wrap, "<B>", "</B>"},
        {"SSCommand8", TagMode::Wrap, "<I>", "</I>"},
        {"SSCommand9", TagMode::Wrap, "<U>", "</U>"},
        {"SSCommand29", TagMode::Wrap, "<P>", "</P>"},
        {"SSCommand31", TagMode::Wrap, "<!--", "-->"},
        {"SSCommand33", TagMode::Wrap, "<P ALIGN=Left>", "</P>"},
        {"SSCommand34", TagMode::Wrap, "<P ALIGN=Center>", "</P>"},
        {"SSCommand35", TagMode::Wrap, "<P ALIGN=Right>", "</P>"},
        {"SSCommand36", TagMode::Wrap, "<BLOCKQUOTE>", "</BLOCKQUOTE>"},
        {"SSCommand23", TagMode::Insert, "<HR>", ""},
        {"SSCommand30", TagMode::Insert, "<BR>", ""},
        {"SSCommand22(1)", TagMode::Insert, "<LI>", ""},
        {"SSCommand22(2)", TagMode::Wrap, "<UL>", "</UL>"},
        {"SSCommand22(3)", TagMode::Wrap, "<OL>", "</OL>"},
        {"SSCommand22(4)", TagMode::Wrap, "<DL>", "</DL>"},
        {"SSCommand25(1)", TagMode::Wrap, "<TABLE>", "</TABLE>"},
        {"SSCommand25(2)", TagMode::Wrap, "<TR>", "</TR>"},
        {"SSCommand25(3)", TagMode::Wrap, "<TH>", "</TH>"},
        {"SSCommand25(4)", TagMode::Wrap, "<TD>", "</TD>"},
    };
    auto buttons = SimpleTagButtons();
    ASSERT_EQ(buttons.size(), std::size(expected));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(buttons[i].name, expected[i].name);
        EXPECT_EQ(buttons[i].mode, expected[i].mode);
        EXPECT_EQ(buttons[i].openText, expected[i].open);
        EXPECT_EQ(buttons[i].closeText, expected[i].close);
    }
}

}  // namespace
}  // namespace quillane
