#include "makers/cell_properties.h"

namespace quillane {

namespace {

std::string CellFormat::*TextField(CellProperty property) {
    switch (property) {
        case CellProperty::RowSpan: return &CellFormat::rowSpan;
        case CellProperty::ColSpan: return &CellFormat::colSpan;
        case CellProperty::Align: return &CellFormat::align;
        case CellProperty::VAlign: return &CellFormat::vAlign;
        case CellProperty::BgColor: return &CellFormat::bgColor;
        case CellProperty::BorderColor: return &CellFormat::borderColor;
        case CellProperty::BorderColorLight: return &CellFormat::borderColorLight;
        case CellProperty::BorderColorDark: return &CellFormat::borderColorDark;
        case CellProperty::FontFace: return &CellFormat::fontFace;
        case CellProperty::FontSize: return &CellFormat::fontSize;
        case CellProperty::FontColor: return &CellFormat::fontColor;
        case CellProperty::Header: break;
    }
    return nullptr;
}

bool InTable(int row, int column) {
    return row >= 1 && row <= kMaxTableRows && column >= 1 && column <= kMaxTableColumns;
}

}  // namespace

std::string CellPropertyText(const CellFormat& format, CellProperty property) {
    if (property == CellProperty::Header) return format.header == 1 ? "1" : "0";
    return format.*TextField(property);
}

void SetCellProperty(CellFormat& format, CellProperty property, std::string_view value) {
    if (property == CellProperty::Header) {
        format.header = value == "1" ? 1 : 0;
        return;
    }
    format.*TextField(property) = std::string(value);
}

const CellFormat& CellProperties::at(int row, int column) const {
    static const CellFormat kUnset;
    auto it = cells_.find({row, column});
    return it == cells_.end() ? kUnset : it->second;
}

void CellProperties::set(int row, int column, CellProperty property, std::string_view value) {
    if (!InTable(row, column)) return;
    SetCellProperty(cells_[{row, column}], property, value);
}

bool EditReachesBlock(CellProperty property, PropertyEdit how) {
    if (how == PropertyEdit::Picked) return true;
    return property != CellProperty::Align && property != CellProperty::FontFace && property != CellProperty::FontSize;
}

void StoreCellProperty(CellProperties& store, CellProperty property, std::string_view value, PropertyEdit how,
                       const CellBlock& selection, int currentRow, int currentColumn) {
    if (selection.singleCell() || !EditReachesBlock(property, how)) {
        store.set(currentRow, currentColumn, property, value);
        return;
    }
    for (int row = selection.firstRow; row <= selection.lastRow; ++row)
        for (int column = selection.firstColumn; column <= selection.lastColumn; ++column)
            store.set(row, column, property, value);
}

}  // namespace quillane
