#pragma once
#include <cstdint>
#include <string>

namespace quillane {

// The table-level settings the Table Properties dialog collects and the Table
// Maker builds from. Every attribute text is empty or starts with one space,
// so that they concatenate as they are. One instance for the program.
struct TableSettings {
    // While the Table Maker opens: the grid's counts including the numbered
    // header row and column (R + 1, C + 1); once it is open: R and C.
    std::int16_t rows = 0;
    std::int16_t columns = 0;
    std::string borderAttr;            // " BORDER" or " BORDER=" + size
    std::string cellSpacingAttr;       // " CELLSPACING=" + value
    std::string cellPaddingAttr;       // " CELLPADDING=" + value
    std::string widthAttr;             // " WIDTH=" + quote + value + quote
    std::string heightAttr;            // " HEIGHT=" + quote + value + quote
    std::string bgColorAttr;           // " BGCOLOR=" + colour
    std::string borderColorAttr;       // " BORDERCOLOR=" + colour
    std::string borderColorLightAttr;  // " BORDERCOLORLIGHT=" + colour
    std::string borderColorDarkAttr;   // " BORDERCOLORDARK=" + colour
    std::string captionAlignAttr;      // " ALIGN=Top" or " ALIGN=Bottom"
    // CR LF + "<CAPTION" + captionAlignAttr + ">" + text + "</CAPTION>"
    std::string captionBlock;

    friend bool operator==(const TableSettings&, const TableSettings&) = default;
};

}  // namespace quillane
