#include "makers/cell_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quillane {
namespace {

TEST(CharacterCount, CountsCharactersNotBytes) {
    struct Row {
        std::string text;
        std::size_t count;
    };
    const Row rows[] = {
        {"", 0},
        {"abc", 3},
        {"\xC3\xA9t\xC3\xA9", 3},           // two-byte characters
        {"\xE2\x82\xAC", 1},                // a three-byte character
        {"\xF0\x9F\x98\x80!", 2},           // a four-byte character
        {"a\xFF" "b", 3},                   // a byte that is not UTF-8
        {"\xC3", 1},                        // a sequence cut short
        {"\xE2\x82" "a", 3},                // a sequence broken by a plain byte
    };
    for (const Row& r : rows) EXPECT_EQ(CharacterCount(r.text), r.count) << r.text;
}

TEST(CellTextFits, AtMost255Characters) {
    EXPECT_TRUE(CellTextFits(std::string(255, 'x')));
    EXPECT_FALSE(CellTextFits(std::string(256, 'x')));
    // 255 two-byte characters are 510 bytes and still fit.
    std::string wide;
    for (int i = 0; i < 255; ++i) wide += "\xC3\xA9";
    EXPECT_TRUE(CellTextFits(wide));
    EXPECT_FALSE(CellTextFits(wide + "a"));
    EXPECT_STREQ(kCellTextTooLongMessage, "The maximum number of characters in each cell is 255.");
}

}  // namespace
}  // namespace quillane
