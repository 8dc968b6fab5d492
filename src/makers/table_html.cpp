#include "makers/table_html.h"

namespace quillane {

namespace {

constexpr std::string_view kCrLf = "\r\n";

void AppendAttribute(std::string& out, std::string_view name, const std::string& value) {
    if (value.empty()) return;
    out += ' ';
    out += name;
    out += '=';
    out += value;
}

std::string CellText(const CellTextGrid& texts, int row, int column) {
    if (row < 1 || static_cast<std::size_t>(row) > texts.size()) return {};
    const auto& cells = texts[static_cast<std::size_t>(row - 1)];
    if (column < 1 || static_cast<std::size_t>(column) > cells.size()) return {};
    return cells[static_cast<std::size_t>(column - 1)];
}

std::string TableStartLine(const TableSettings& s) {
    return "<TABLE" + s.borderAttr + s.cellSpacingAttr + s.cellPaddingAttr + s.widthAttr + s.heightAttr +
           s.bgColorAttr + s.borderColorAttr + s.borderColorLightAttr + s.borderColorDarkAttr + ">" +
           s.captionBlock + std::string(kCrLf);
}

}  // namespace

std::string BuildCellLine(const CellFormat& format, std::string_view text) {
    const char* tag = format.header == 1 ? "TH" : "TD";
    std::string attributes;
    AppendAttribute(attributes, "COLSPAN", format.colSpan);
    AppendAttribute(attributes, "ROWSPAN", format.rowSpan);
    AppendAttribute(attributes, "ALIGN", format.align);
    AppendAttribute(attributes, "VALIGN", format.vAlign);
    AppendAttribute(attributes, "BGCOLOR", format.bgColor);
    AppendAttribute(attributes, "BORDERCOLOR", format.borderColor);
    AppendAttribute(attributes, "BORDERCOLORLIGHT", format.borderColorLight);
    AppendAttribute(attributes, "BORDERCOLORDARK", format.borderColorDark);

    std::string font;
    if (!format.fontFace.empty()) font += " FACE=\"" + format.fontFace + "\"";
    AppendAttribute(font, "SIZE", format.fontSize);
    AppendAttribute(font, "COLOR", format.fontColor);

    std::string line = "\t\t<";
    line += tag;
    line += attributes;
    line += '>';
    if (font.empty()) {
        line += text;
    } else {
        line += "<FONT" + font + ">";
        line += text;
        line += "</FONT>";
    }
    line += "</";
    line += tag;
    line += '>';
    return line;
}

std::string BuildTableHtml(const TableSettings& settings, const CellTextGrid& texts, const CellProperties& properties,
                           TableLayout layout) {
    std::string out = TableStartLine(settings);
    for (int row = 1; row <= settings.rows; ++row) {
        out += "\t<TR>";
        out += kCrLf;
        for (int column = 1; column <= settings.columns; ++column) {
            out += BuildCellLine(properties.at(row, column), CellText(texts, row, column));
            out += kCrLf;
        }
        // In the editor layout the row's end tag closes the last cell line.
        if (layout == TableLayout::Editor) out.resize(out.size() - kCrLf.size());
        out += "</TR>";
        out += kCrLf;
    }
    out += "</TABLE>";
    if (layout == TableLayout::File) {
        out += kCrLf;
    } else {
        for (int row = 1; row <= settings.rows; ++row) out += kCrLf;
    }
    return out;
}

std::size_t TrailingLineBreaks(const TableSettings& settings) {
    return settings.rows > 0 ? static_cast<std::size_t>(settings.rows) * kCrLf.size() : 0;
}

}  // namespace quillane
