#pragma once
#include <optional>
#include <string>

#include "makers/table_html.h"

namespace quillane {

struct AppContext;

// The data rows and columns of the Table Maker's grid.
struct TableGridSize {
    int rows = 0;
    int columns = 0;
};

// Opening the Table Maker: the settings hold the grid's counts with the
// header line (R + 1, C + 1); they now take the table's own R and C, kept
// within 0..50.
TableGridSize OpenTableGrid(TableSettings& settings);

// Done: takes the undo snapshot, replaces the active document's selection
// with the table (editor layout), leaves the caret right after "</TABLE>" in
// front of the row count's line breaks and clears CellProperties. With no
// document open nothing is inserted, CellProperties stays, and false results.
bool InsertTable(AppContext& ctx, const CellTextGrid& texts);

// Insert Image: the image browse dialog in the last image folder; on a
// choice the IMG tag for the cell, the file's folder becoming the last image
// folder. std::nullopt after Cancel.
std::optional<std::string> BrowseCellImage(AppContext& ctx);

}  // namespace quillane
