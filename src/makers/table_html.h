#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "makers/cell_properties.h"
#include "makers/table_settings.h"

namespace quillane {

// The texts of the data cells, [row - 1][column - 1]. Missing cells are empty.
using CellTextGrid = std::vector<std::vector<std::string>>;

enum class TableLayout {
    // For the document (Done): the last cell of a row carries "</TR>", and the
    // text ends in one CR LF per row after "</TABLE>".
    Editor,
    // For the preview file: "</TR>" on a line of its own, one CR LF after
    // "</TABLE>".
    File,
};

// One data cell: TAB TAB "<TD" or "<TH", the cell attributes, ">", the text
// (in a FONT element when a font property is set) and the end tag.
std::string BuildCellLine(const CellFormat& format, std::string_view text);

// BuildTableHtml: the TABLE element of settings.rows x settings.columns cells.
std::string BuildTableHtml(const TableSettings& settings, const CellTextGrid& texts, const CellProperties& properties,
                           TableLayout layout);

// The number of bytes that follow "</TABLE>" in the editor layout.
std::size_t TrailingLineBreaks(const TableSettings& settings);

}  // namespace quillane
