#include "makers/table_count.h"

#include <cmath>

#include "makers/cell_properties.h"

namespace quillane {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A number at the start of a text: blanks, a sign, digits, a decimal point and
// more digits. `end` is where it stopped; a text without digits reads as 0.
struct LeadingNumber {
    double value = 0;
    std::size_t end = 0;
    bool hasDigits = false;
};

LeadingNumber ReadLeadingNumber(std::string_view text) {
    LeadingNumber n;
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    double value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        n.hasDigits = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        double scale = 0.1;
        for (; i < text.size() && IsDigit(text[i]); ++i, scale /= 10) {
            value += (text[i] - '0') * scale;
            n.hasDigits = true;
        }
    }
    n.value = negative ? -value : value;
    n.end = i;
    return n;
}

// Halves go to the even neighbour, as the counts have always been rounded.
long RoundHalfEven(double value) {
    double floor = std::floor(value);
    double rest = value - floor;
    long whole = static_cast<long>(floor);
    if (rest > 0.5) return whole + 1;
    if (rest < 0.5) return whole;
    return whole % 2 == 0 ? whole : whole + 1;
}

}  // namespace

TableCount ReadTableCount(std::string_view text) {
    const LeadingNumber n = ReadLeadingNumber(text);
    if (!n.hasDigits || n.value == 0) return {TableCountKind::Default, 0};
    if (n.value > kMaxTableRows) return {TableCountKind::TooLarge, 0};

    std::size_t end = n.end;
    while (end < text.size() && IsBlank(text[end])) ++end;
    if (end != text.size() || n.value < 0) return {TableCountKind::Invalid, 0};
    const long count = RoundHalfEven(n.value);
    if (count < 1) return {TableCountKind::Invalid, 0};
    return {TableCountKind::Count, static_cast<int>(count)};
}

}  // namespace quillane
