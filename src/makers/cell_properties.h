#pragma once
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace quillane {

// The largest table the maker builds.
inline constexpr int kMaxTableRows = 50;
inline constexpr int kMaxTableColumns = 50;

// The per-cell properties the Table Maker edits.
enum class CellProperty {
    RowSpan,
    ColSpan,
    Align,
    VAlign,
    BgColor,
    BorderColor,
    BorderColorLight,
    BorderColorDark,
    Header,
    FontFace,
    FontSize,
    FontColor,
};

// One cell's properties as typed or picked; an empty text leaves its
// attribute out. header is 1 for a TH cell.
struct CellFormat {
    std::string rowSpan;
    std::string colSpan;
    std::string align;
    std::string vAlign;
    std::string bgColor;
    std::string borderColor;
    std::string borderColorLight;
    std::string borderColorDark;
    int header = 0;
    std::string fontFace;
    std::string fontSize;
    std::string fontColor;

    friend bool operator==(const CellFormat&, const CellFormat&) = default;
};

// A property's value as its input shows it; the header flag reads "1" or "0".
std::string CellPropertyText(const CellFormat& format, CellProperty property);
// Sets a property from its input's text; the header flag is 1 for "1", else 0.
void SetCellProperty(CellFormat& format, CellProperty property, std::string_view value);

// A rectangle of grid cells, rows and columns counted from 1, bounds included.
struct CellBlock {
    int firstRow = 1;
    int lastRow = 1;
    int firstColumn = 1;
    int lastColumn = 1;
    bool singleCell() const { return firstRow == lastRow && firstColumn == lastColumn; }
};

// CellProperties: the properties of cells 1..50 x 1..50. It lives as long as
// the program: the Table Maker's Done clears it, its Cancel keeps it for the
// next table. Only cells that were given a property are held.
class CellProperties {
public:
    // The cell's properties; all empty for a cell never set or outside 1..50.
    const CellFormat& at(int row, int column) const;
    // Cells outside 1..50 are not stored.
    void set(int row, int column, CellProperty property, std::string_view value);
    void clear() { cells_.clear(); }
    bool empty() const { return cells_.empty(); }

private:
    std::map<std::pair<int, int>, CellFormat> cells_;
};

// How a property input changed: typed into its box, or picked (from a list,
// a colour chooser, a check box).
enum class PropertyEdit { Typed, Picked };

// Whether an edit reaches every cell of a selected block: typing into the
// horizontal alignment, font name or font size box sets the current cell
// only; every other edit sets the whole block.
bool EditReachesBlock(CellProperty property, PropertyEdit how);

// Stores an edit of a property input: into every cell of `selection` when it
// spans several cells and the edit reaches blocks, else into the current cell.
void StoreCellProperty(CellProperties& store, CellProperty property, std::string_view value, PropertyEdit how,
                       const CellBlock& selection, int currentRow, int currentColumn);

}  // namespace quillane
