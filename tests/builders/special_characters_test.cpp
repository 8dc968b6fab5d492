#include "builders/special_characters.h"

#include <gtest/gtest.h>

#include <string>

namespace quillane {
namespace {

const SpecialCharacterPage& Page(std::size_t i) { return SpecialCharacterPages()[i]; }

std::string Entity(std::size_t page, std::size_t row, std::size_t cell) {
    return std::string(Page(page).rows.at(row).at(cell).entity);
}

TEST(SpecialCharacters, PagesInTabOrderWithTheirPictureSizes) {
    ASSERT_EQ(SpecialCharacterPages().size(), 3u);
    EXPECT_EQ(Page(0).tab, "Vowels");
    EXPECT_EQ(Page(1).tab, "Various");
    EXPECT_EQ(Page(2).tab, "Math");
    EXPECT_EQ(std::pair(Page(0).width, Page(0).height), std::pair(424, 160));
    EXPECT_EQ(std::pair(Page(1).width, Page(1).height), std::pair(283, 128));
    EXPECT_EQ(std::pair(Page(2).width, Page(2).height), std::pair(361, 166));
}

TEST(SpecialCharacters, RowLengths) {
    const std::vector<std::vector<std::size_t>> expected = {
        {7, 7, 8, 8, 10, 11},
        {11, 11, 11, 11, 11},
        {13, 13, 13, 13, 10, 6},
    };
    for (std::size_t p = 0; p < 3; ++p) {
        std::vector<std::size_t> lengths;
        for (const SpecialCharacterRow& row : Page(p).rows) lengths.push_back(row.size());
        EXPECT_EQ(lengths, expected[p]) << Page(p).tab;
    }
}

TEST(SpecialCharacters, CellsSpotChecked) {
    struct Row {
        std::size_t page, row, cell;
        std::string entity;
    };
    const Row rows[] = {
        {0, 0, 0, "&Agrave;"}, {0, 0, 6, "&AElig;"},   {0, 3, 7, "&iuml;"},    {0, 5, 10, "&yuml;"},
        {1, 0, 0, "&#185;"},   {1, 0, 3, "&#176;"},    {1, 0, 10, "&trade;"},  {1, 1, 2, "&lt;"},
        {1, 1, 6, ""},         {1, 1, 10, ""},         {1, 2, 5, "&quot;"},    {1, 2, 9, "&amp;"},
        {1, 3, 5, "&szlig;"},  {1, 3, 6, ""},          {1, 4, 4, "&eth;"},     {2, 0, 9, ""},
        {2, 0, 12, "&Mu;"},    {2, 1, 9, "&Omega;"},   {2, 3, 12, "&zeta;"},   {2, 4, 0, ""},
        {2, 4, 8, "&equiv;"},  {2, 4, 9, "&nequiv;"},  {2, 5, 5, "&inf;"},
    };
    for (const Row& r : rows) EXPECT_EQ(Entity(r.page, r.row, r.cell), r.entity) << r.page << r.row << r.cell;
}

TEST(SpecialCharacters, EveryCellWithTextHasAGlyphAndEmptyCellsNone) {
    for (const SpecialCharacterPage& page : SpecialCharacterPages())
        for (const SpecialCharacterRow& row : page.rows)
            for (const SpecialCharacter& c : row) EXPECT_EQ(c.entity.empty(), c.glyph.empty()) << c.entity;
    EXPECT_EQ(Page(1).rows[0][0].glyph, "\u00B9");
    EXPECT_EQ(Page(2).rows[5][5].glyph, "\u221E");
}

TEST(SpecialCharacters, HitTest) {
    // Vowels: 6 rows over 160 pixels, 11 columns over 424.
    struct Row {
        std::size_t page;
        int x, y;
        std::optional<std::string> entity;
    };
    const Row rows[] = {
        {0, 0, 0, "&Agrave;"},
        {0, 423, 159, "&yuml;"},
        {0, 40, 0, "&Aacute;"},   // second column
        {0, 38, 27, "&agrave;"},  // second row, first column
        {0, 300, 0, std::nullopt},  // right of the first row's last cell
        {0, -1, 0, std::nullopt},
        {0, 0, 160, std::nullopt},
        {0, 424, 0, std::nullopt},
        {1, 160, 30, ""},  // the empty cell of the second row
        {2, 360, 165, std::nullopt},
        {2, 120, 150, "&empty;"},
    };
    for (const Row& r : rows) {
        const std::optional<SpecialCharacter> hit = SpecialCharacterAt(Page(r.page), r.x, r.y);
        ASSERT_EQ(hit.has_value(), r.entity.has_value()) << r.x << "," << r.y;
        if (hit) {
            EXPECT_EQ(std::string(hit->entity), *r.entity) << r.x << "," << r.y;
        }
    }
}

}  // namespace
}  // namespace quillane
