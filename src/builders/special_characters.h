#pragma once
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace quillane {

// One cell of a character page: the text it inserts (empty for a cell that
// inserts nothing) and the character drawn for it.
struct SpecialCharacter {
    std::string_view entity;
    std::string_view glyph;
};

using SpecialCharacterRow = std::vector<SpecialCharacter>;

// One page of the Special Characters dialog: its tab caption, the size of its
// picture in pixels and its rows of cells, top to bottom, left to right.
struct SpecialCharacterPage {
    std::string_view tab;
    int width = 0;
    int height = 0;
    std::vector<SpecialCharacterRow> rows;
};

// The three pages, in tab order: Vowels, Various, Math.
std::span<const SpecialCharacterPage> SpecialCharacterPages();

// The number of cells in the longest row: the page is drawn as that many
// equal columns and as many equal rows as it has.
std::size_t ColumnCount(const SpecialCharacterPage& page);

// The cell under a point of the page's picture (pixels from its top left),
// std::nullopt outside every cell: below the last row, right of a row's last
// cell, or outside the picture.
std::optional<SpecialCharacter> SpecialCharacterAt(const SpecialCharacterPage& page, int x, int y);

}  // namespace quillane
