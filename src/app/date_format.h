#pragma once
#include <string>

#include "platform/clock.h"

namespace quillane {

// "mmmm dd, yyyy ": full English month name, two-digit day, comma, four-digit
// year and a trailing space ("March 07, 1997 ").
std::string FormatLongDate(const DateTime& t);
// "hh:mm AM/PM": two-digit 12-hour clock ("02:05 PM", "12:00 AM" at midnight).
std::string FormatTimeTwoDigitHour(const DateTime& t);
// "h:mm AM/PM": the hour without a leading zero ("2:05 PM").
std::string FormatTime(const DateTime& t);

}  // namespace quillane
