#include "app/date_format.h"

#include <array>
#include <cstdio>

namespace quillane {

namespace {

constexpr std::array<const char*, 12> kMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                                                     "July",    "August",   "September", "October", "November", "December"};

std::string TwoDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

// 12 at noon and midnight, 1 to 11 otherwise.
int Hour12(int hour) {
    int h = hour % 12;
    return h == 0 ? 12 : h;
}

const char* Meridiem(int hour) { return hour < 12 ? "AM" : "PM"; }

}  // namespace

std::string FormatLongDate(const DateTime& t) {
    const char* month = t.month >= 1 && t.month <= 12 ? kMonthNames[t.month - 1] : "";
    return std::string(month) + " " + TwoDigits(t.day) + ", " + std::to_string(t.year) + " ";
}

std::string FormatTimeTwoDigitHour(const DateTime& t) {
    return TwoDigits(Hour12(t.hour)) + ":" + TwoDigits(t.minute) + " " + Meridiem(t.hour);
}

std::string FormatTime(const DateTime& t) {
    return std::to_string(Hour12(t.hour)) + ":" + TwoDigits(t.minute) + " " + Meridiem(t.hour);
}

}  // namespace quillane
