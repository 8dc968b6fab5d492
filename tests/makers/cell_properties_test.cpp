#include "makers/cell_properties.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

using P = CellProperty;

TEST(CellProperties, HoldsEachPropertyPerCellWithinFiftyByFifty) {
    CellProperties store;
    EXPECT_TRUE(store.empty());
    EXPECT_EQ(store.at(3, 4), CellFormat{});

    const P all[] = {P::RowSpan, P::ColSpan,  P::Align,    P::VAlign,   P::BgColor,  P::BorderColor,
                     P::BorderColorLight,     P::BorderColorDark,       P::FontFace, P::FontSize, P::FontColor};
    int n = 0;
    for (P p : all) store.set(50, 50, p, "v" + std::to_string(n++));
    store.set(50, 50, P::Header, "1");
    n = 0;
    for (P p : all) EXPECT_EQ(CellPropertyText(store.at(50, 50), p), "v" + std::to_string(n++));
    EXPECT_EQ(store.at(50, 50).header, 1);
    EXPECT_EQ(CellPropertyText(store.at(50, 50), P::Header), "1");
    // Other cells are untouched.
    EXPECT_EQ(store.at(50, 49), CellFormat{});

    // The header flag is 1 or 0.
    store.set(1, 1, P::Header, "0");
    EXPECT_EQ(CellPropertyText(store.at(1, 1), P::Header), "0");

    // Cells outside the 50 x 50 store are not kept.
    store.set(51, 1, P::Align, "Left");
    store.set(1, 51, P::Align, "Left");
    store.set(0, 1, P::Align, "Left");
    EXPECT_EQ(store.at(51, 1), CellFormat{});
    EXPECT_EQ(store.at(1, 51), CellFormat{});
    EXPECT_EQ(store.at(0, 1), CellFormat{});

    store.clear();
    EXPECT_TRUE(store.empty());
    EXPECT_EQ(store.at(50, 50), CellFormat{});
}

TEST(StoreCellProperty, BlockOrCurrentCell) {
    struct Row {
        const char* name;
        P property;
        PropertyEdit how;
        CellBlock selection;
        bool wholeBlock;
    };
    const CellBlock block{1, 2, 1, 3};
    const CellBlock single{2, 2, 2, 2};
    const Row rows[] = {
        {"alignment picked", P::Align, PropertyEdit::Picked, block, true},
        {"alignment typed", P::Align, PropertyEdit::Typed, block, false},
        {"font name typed", P::FontFace, PropertyEdit::Typed, block, false},
        {"font size typed", P::FontSize, PropertyEdit::Typed, block, false},
        {"font name picked", P::FontFace, PropertyEdit::Picked, block, true},
        {"vertical alignment typed", P::VAlign, PropertyEdit::Typed, block, true},
        {"row span typed", P::RowSpan, PropertyEdit::Typed, block, true},
        {"column span typed", P::ColSpan, PropertyEdit::Typed, block, true},
        {"colour typed", P::BgColor, PropertyEdit::Typed, block, true},
        {"font colour typed", P::FontColor, PropertyEdit::Typed, block, true},
        {"header ticked", P::Header, PropertyEdit::Picked, block, true},
        {"single cell", P::BgColor, PropertyEdit::Picked, single, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        CellProperties store;
        const std::string value = r.property == P::Header ? "1" : "X";
        StoreCellProperty(store, r.property, value, r.how, r.selection, 2, 2);
        for (int row = 1; row <= 3; ++row) {
            for (int column = 1; column <= 4; ++column) {
                const bool inBlock = row >= r.selection.firstRow && row <= r.selection.lastRow &&
                                     column >= r.selection.firstColumn && column <= r.selection.lastColumn;
                const bool expected = (row == 2 && column == 2) || (r.wholeBlock && inBlock);
                const std::string unset = r.property == P::Header ? "0" : "";
                EXPECT_EQ(CellPropertyText(store.at(row, column), r.property), expected ? value : unset)
                    << "cell " << row << "," << column;
            }
        }
    }
}

}  // namespace
}  // namespace quillane
