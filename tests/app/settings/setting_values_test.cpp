#include "app/settings/setting_values.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quillane {
namespace {

TEST(SettingValues, SwitchIsOnForOnAndEmptyOnly) {
    struct Row {
        const char* text;
        std::int16_t value;
    };
    const Row rows[] = {{"on", 1}, {"", 1}, {"off", 0}, {"yes", 0}, {"ON", 0}, {" on", 0}, {"1", 0}};
    for (const Row& r : rows) EXPECT_EQ(SwitchValue(r.text), r.value) << '"' << r.text << '"';
    EXPECT_STREQ(SwitchText(true), "on");
    EXPECT_STREQ(SwitchText(false), "off");
}

TEST(SettingValues, LeadingNumberTakesSignAndDigitsAfterSpaces) {
    struct Row {
        const char* text;
        std::optional<std::int16_t> value;
    };
    const Row rows[] = {
        {"5000", 5000},         {" 1200", 1200},     {"   -5", -5},   {"+7", 7},       {"12abc", 12},
        {"abc", 0},             {"", 0},             {"-", 0},       {" ", 0},        {"0", 0},
        {"32767", 32767},       {"-32768", -32768},  {"32768", std::nullopt},          {"-32769", std::nullopt},
        {"99999999999999999999", std::nullopt},     {"10.5", 10},   {"- 5", 0},      {"\t8", 8},
    };
    for (const Row& r : rows) EXPECT_EQ(LeadingNumber16(r.text), r.value) << '"' << r.text << '"';
}

TEST(SettingValues, NumberTextHasALeadingSpaceUnlessNegative) {
    EXPECT_EQ(NumberText(1200), " 1200");
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(-5), "-5");
}

}  // namespace
}  // namespace quillane
