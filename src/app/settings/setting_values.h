#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillane {

// The text forms of the store and their in-memory values.

// A switch: "on" and the empty text are 1, any other text 0.
std::int16_t SwitchValue(std::string_view text);
// The stored word for a switch.
inline const char* SwitchText(bool on) { return on ? "on" : "off"; }

// The leading number of a text: spaces skipped, an optional sign, then
// decimal digits; 0 when there are none. std::nullopt when the number does
// not fit a 16-bit signed integer.
std::optional<std::int16_t> LeadingNumber16(std::string_view text);

// A number as the store keeps it: one leading space for 0 and above, a minus
// sign for negative values (" 1200", "-5").
std::string NumberText(int value);

}  // namespace quillane
