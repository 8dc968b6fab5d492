#include "app/window_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillane {
namespace {

// Two screens side by side at 96 dpi: a 1600 x 1000 primary with a 40 pixel
// panel along its top, and a 1280 x 1024 one to its right.
const std::vector<TwipsRect> kScreens = {{0, 600, 24000, 14400}, {24000, 0, 19200, 15360}};

TEST(FirstStartPlacement, TwoThirdsOfTheScreenCentred) {
    EXPECT_EQ(FirstStartPlacement({0, 0, 24000, 15000}), (TwipsRect{4000, 2500, 16000, 10000}));
    EXPECT_EQ(FirstStartPlacement(kScreens[0]), (TwipsRect{4000, 3000, 16000, 9600}));
    EXPECT_EQ(FirstStartPlacement({-19200, 0, 19200, 15360}), (TwipsRect{-16000, 2560, 12800, 10240}));
}

TEST(KeepTitleBarOnScreen, PlacesWhoseTitleBarCanBeGrabbedStay) {
    const TwipsRect rows[] = {
        {1200, 1200, 9000, 6000},     // well inside the primary screen
        {30000, 0, 9000, 6000},       // on the second screen, above the primary's panel
        {-7500, 3000, 9000, 6000},    // mostly off to the left, a grip still showing
        {22000, 600, 9000, 6000},     // across both screens
        {1200, 14700, 9000, 6000},    // only the title bar above the bottom edge
        {1200, 400, 9000, 6000},      // the bar's top under the panel, most of it below
        {1200, 1200, 900, 600},       // narrower than a grip, wholly on screen
    };
    for (const TwipsRect& place : rows) {
        SCOPED_TRACE(testing::Message() << place.left << "," << place.top);
        EXPECT_EQ(KeepTitleBarOnScreen(place, kScreens), place);
    }
    EXPECT_EQ(KeepTitleBarOnScreen({-90000, 90000, 9000, 6000}, {}), (TwipsRect{-90000, 90000, 9000, 6000}));
}

TEST(KeepTitleBarOnScreen, PlacesOffEveryScreenMoveTheLeastWayOntoThePrimary) {
    struct Row {
        TwipsRect stored;
        TwipsRect placed;
    };
    const Row rows[] = {
        {{-20000, 3000, 9000, 6000}, {0, 3000, 9000, 6000}},         // off to the left
        {{1200, -3000, 9000, 6000}, {1200, 600, 9000, 6000}},        // above the top
        {{1200, 200, 9000, 6000}, {1200, 600, 9000, 6000}},          // behind the panel
        {{1200, 20000, 9000, 6000}, {1200, 9000, 9000, 6000}},       // below the bottom
        {{-30000, -30000, 9000, 6000}, {0, 600, 9000, 6000}},        // off a corner
        {{32000, 20000, 9000, 6000}, {15000, 9000, 9000, 6000}},     // below the second screen
        {{-8900, 3000, 9000, 6000}, {0, 3000, 9000, 6000}},          // only a sliver showing
        {{-30000, 3000, 30000, 20000}, {0, 600, 30000, 20000}},      // larger than the screen
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.stored.left << "," << row.stored.top);
        EXPECT_EQ(KeepTitleBarOnScreen(row.stored, kScreens), row.placed);
    }
}

}  // namespace
}  // namespace quillane
