#include "platform/twips.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

TEST(Twips, ConvertsAtTheLogicalDpi) {
    struct Row {
        int twips;
        double dpi;
        int pixels;
    };
    const Row rows[] = {
        {1440, 96, 96}, {1440, 120, 120}, {15, 96, 1}, {20000, 96, 1333},
        {0, 96, 0},     {-250, 96, -17},  {1440, 0, 96},  // no DPI known: 96
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.twips << " twips at " << row.dpi);
        EXPECT_EQ(TwipsToPixels(row.twips, row.dpi), row.pixels);
    }
    EXPECT_EQ(PixelsToTwips(96, 96), 1440);
    EXPECT_EQ(PixelsToTwips(1, 96), 15);
    EXPECT_EQ(PixelsToTwips(144, 144), 1440);
}

TEST(Twips, RoundTripStaysWithinOnePixel) {
    for (double dpi : {72.0, 96.0, 120.0, 144.0, 192.0}) {
        for (int px = 0; px < 3000; px += 7) {
            EXPECT_EQ(TwipsToPixels(PixelsToTwips(px, dpi), dpi), px) << px << " at " << dpi;
        }
    }
}

}  // namespace
}  // namespace quillane
