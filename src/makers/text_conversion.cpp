#include "makers/text_conversion.h"

#include "app/app_context.h"
#include "editor/insertion.h"

namespace quillane {

namespace {

constexpr std::string_view kCrLf = "\r\n";

bool CrLfAt(std::string_view text, std::size_t i) {
    return i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n';
}

}  // namespace

std::string ConvertToList(std::string_view text) {
    std::string out = "<UL>";
    std::string item;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i + 1 == text.size()) {
            item += text[i];
            out += std::string(kCrLf) + "<LI>" + item;
        } else if (CrLfAt(text, i)) {
            out += std::string(kCrLf) + "<LI>" + item;
            item.clear();
            ++i;
        } else {
            item += text[i];
        }
    }
    out += kCrLf;
    out += "</UL>";
    return out;
}

std::string ConvertToTable(std::string_view text, char delimiter) {
    std::string out = "<TABLE>";
    out += kCrLf;
    std::string cell;
    std::string row;
    // Whether the current line has begun (a cell was closed by a delimiter).
    bool lineOpen = false;
    auto closeCell = [&] {
        row += std::string(kCrLf) + "\t\t<TD>" + cell + "</TD>";
        cell.clear();
    };
    auto completeLine = [&] {
        out += "\t<TR>" + row + "</TR>" + std::string(kCrLf);
        row.clear();
        lineOpen = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == delimiter) {
            closeCell();
            lineOpen = true;
        } else if (i + 1 == text.size()) {
            cell += c;
            closeCell();
            completeLine();
        } else if (CrLfAt(text, i)) {
            closeCell();
            completeLine();
            ++i;
        } else {
            cell += c;
        }
    }
    // A text ending in the delimiter: its last line still goes into the table,
    // with the empty cell after the delimiter, as any line ending in it does.
    if (lineOpen) {
        closeCell();
        completeLine();
    }
    out += "</TABLE>";
    return out;
}

std::string ConvertText(std::string_view text, ConvertOption option) {
    switch (option) {
        case ConvertOption::SpaceDelimited: return ConvertToTable(text, ' ');
        case ConvertOption::TabDelimited: return ConvertToTable(text, '\t');
        case ConvertOption::CommaDelimited: return ConvertToTable(text, ',');
        case ConvertOption::List: return ConvertToList(text);
        case ConvertOption::None: break;
    }
    return {};
}

bool ConvertSelection(AppContext& ctx, ConvertOption option) {
    if (option == ConvertOption::None) {
        ctx.messages().say(kSelectOptionMessage);
        return false;
    }
    if (DocumentView* view = ctx.activeDocument())
        InsertText(*view, ConvertText(view->editor().selText(), option), true);
    return true;
}

}  // namespace quillane
