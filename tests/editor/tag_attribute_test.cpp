#include "editor/tag_attribute.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

TEST(GetTagAttribute, ReadsValuesAsTheTagWritesThem) {
    struct Case {
        const char* tag;
        const char* name;
        const char* value;
    } cases[] = {
        {"IMG SRC=\"a b.gif\" ALT=\"x\">", "SRC=", "a b.gif"},
        {"IMG SRC=\"a.gif\" ALT=\"x\">", "alt=", "x"},
        {"IMG WIDTH=10 HEIGHT=20>", "WIDTH=", "10"},
        {"IMG WIDTH=10 HEIGHT=20>", "HEIGHT=", "20"},   // ends before the final ">"
        {"IMG SRC=\"open.gif>", "SRC=", "open.gif"},    // no closing quote
        {"IMG LOWSRC=\"l.gif\" SRC=\"s.gif\">", "SRC=", "l.gif"},  // first occurrence wins
        {"BODY VLINK=\"#0000FF\" LINK=\"#FF0000\">", "LINK=", "#0000FF"},
        {"IMG ALT=\"\">", "ALT=", ""},
        {"IMG ALT=>", "ALT=", ""},
        {"IMG SRC=\"a.gif\">", "BORDER=", ""},
        {"a href=\"index.htm\">Home</a>", "HREF=", "index.htm"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetTagAttribute(c.tag, c.name), c.value) << c.tag << " " << c.name;
    }
}

TEST(GetTagAttribute, WordsAndSearchIgnoreCase) {
    EXPECT_TRUE(TagHasWord("HR noshade SIZE=2>", "NOSHADE"));
    EXPECT_FALSE(TagHasWord("HR SIZE=2>", "NOSHADE"));
    EXPECT_EQ(FindNoCase("abcABC", "Bc", 2), 4u);
    EXPECT_EQ(FindNoCase("abc", "abcd"), std::string_view::npos);
    EXPECT_EQ(FindNoCase("abc", "", 1), 1u);  // nothing to look for is found at once
    EXPECT_EQ(FindNoCase("abc", "", 4), std::string_view::npos);
    EXPECT_EQ(FindNoCase("abc", "C", 4), std::string_view::npos);
    EXPECT_EQ(FindNoCase("a", "", 0), 0u);
    EXPECT_EQ(FindNoCase("", "", 0), 0u);
}

}  // namespace
}  // namespace quillane
