#include "app/settings/setting_values.h"

#include <limits>

namespace quillane {

std::int16_t SwitchValue(std::string_view text) { return text.empty() || text == "on" ? 1 : 0; }

std::optional<std::int16_t> LeadingNumber16(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Saturates far above the 16-bit range, so any digit run stays safe.
    constexpr long long kCeiling = 1'000'000;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kCeiling) magnitude = kCeiling;
    }
    long long value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::string NumberText(int value) { return value < 0 ? std::to_string(value) : " " + std::to_string(value); }

}  // namespace quillane
