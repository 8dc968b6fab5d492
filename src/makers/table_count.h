#pragma once
#include <string_view>

namespace quillane {

inline constexpr const char* kMaxTableRowsMessage = "The maximum number of table rows is 50.";
inline constexpr const char* kMaxTableColumnsMessage = "The maximum number of table columns is 50.";

// What a typed row or column count stands for.
enum class TableCountKind {
    // Empty, zero, or not starting with a number: the default count (10 rows
    // or columns when finishing the properties; no change when resizing).
    Default,
    // A whole number 1..50 (a fraction rounded, halves to even): `value`.
    Count,
    // Above 50.
    TooLarge,
    // Begins like a number but is not one as a whole ("5x"), is negative, or
    // rounds to no row at all ("0.4"). Refused like a count above 50.
    Invalid,
};

struct TableCount {
    TableCountKind kind = TableCountKind::Default;
    int value = 0;
};

TableCount ReadTableCount(std::string_view text);

// Whether a reading is refused (the message of its box is shown).
inline bool Refused(const TableCount& count) {
    return count.kind == TableCountKind::TooLarge || count.kind == TableCountKind::Invalid;
}

}  // namespace quillane
