#include "makers/table_count.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

TEST(ReadTableCount, ClassifiesTypedCounts) {
    using K = TableCountKind;
    struct Row {
        const char* text;
        K kind;
        int value;
    };
    const Row rows[] = {
        // Empty, zero and text without a leading number: the default.
        {"", K::Default, 0},
        {"0", K::Default, 0},
        {"000", K::Default, 0},
        {"abc", K::Default, 0},
        {"-", K::Default, 0},
        {"x5", K::Default, 0},
        {"0x", K::Default, 0},
        // Whole numbers 1..50, blanks around them allowed.
        {"1", K::Count, 1},
        {"10", K::Count, 10},
        {"50", K::Count, 50},
        {"+7", K::Count, 7},
        {" 7 ", K::Count, 7},
        {"07", K::Count, 7},
        // Fractions round to the nearest whole number, halves to even.
        {"2.5", K::Count, 2},
        {"3.5", K::Count, 4},
        {"4.6", K::Count, 5},
        {"6.", K::Count, 6},
        {".9", K::Count, 1},
        // Above 50, also when the text goes on after the number.
        {"51", K::TooLarge, 0},
        {"50.4", K::TooLarge, 0},
        {"999999999999999999999", K::TooLarge, 0},
        {"60x", K::TooLarge, 0},
        // Numbers that are not a count: refused.
        {"5x", K::Invalid, 0},
        {"1 0", K::Invalid, 0},
        {"2.5.1", K::Invalid, 0},
        {"-3", K::Invalid, 0},
        {"-60", K::Invalid, 0},
        {"0.4", K::Invalid, 0},
        {"0.5", K::Invalid, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string("\"") + r.text + "\"");
        const TableCount count = ReadTableCount(r.text);
        EXPECT_EQ(count.kind, r.kind);
        EXPECT_EQ(count.value, r.value);
        EXPECT_EQ(Refused(count), r.kind == K::TooLarge || r.kind == K::Invalid);
    }
}

}  // namespace
}  // namespace quillane
