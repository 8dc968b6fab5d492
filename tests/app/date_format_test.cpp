#include "app/date_format.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

TEST(DateFormat, LongDateHasFullMonthTwoDigitDayAndTrailingSpace) {
    struct Row {
        DateTime t;
        const char* text;
    };
    const Row rows[] = {
        {{1997, 3, 7}, "March 07, 1997 "},
        {{2000, 1, 1}, "January 01, 2000 "},
        {{2024, 12, 31}, "December 31, 2024 "},
        {{2031, 9, 15}, "September 15, 2031 "},
    };
    for (const Row& r : rows) EXPECT_EQ(FormatLongDate(r.t), r.text);
}

TEST(DateFormat, TimesOnTheTwelveHourClock) {
    struct Row {
        int hour, minute;
        const char* twoDigitHour;  // "hh:mm AM/PM"
        const char* plain;         // "h:mm AM/PM"
    };
    const Row rows[] = {
        {0, 0, "12:00 AM", "12:00 AM"},   // midnight
        {0, 7, "12:07 AM", "12:07 AM"},
        {1, 1, "01:01 AM", "1:01 AM"},
        {9, 30, "09:30 AM", "9:30 AM"},   // single-digit hour
        {11, 59, "11:59 AM", "11:59 AM"},
        {12, 0, "12:00 PM", "12:00 PM"},  // noon
        {14, 5, "02:05 PM", "2:05 PM"},
        {23, 59, "11:59 PM", "11:59 PM"},
    };
    for (const Row& r : rows) {
        DateTime t{1997, 3, 7, r.hour, r.minute, 42};
        EXPECT_EQ(FormatTimeTwoDigitHour(t), r.twoDigitHour) << r.hour << ":" << r.minute;
        EXPECT_EQ(FormatTime(t), r.plain) << r.hour << ":" << r.minute;
    }
}

}  // namespace
}  // namespace quillane
