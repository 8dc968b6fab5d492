#include "platform/twips.h"

#include <cmath>

namespace quillane {

namespace {

double UsableDpi(double logicalDpi) { return logicalDpi > 0 ? logicalDpi : 96.0; }

}  // namespace

int TwipsToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * UsableDpi(logicalDpi) / kTwipsPerInch));
}

int PixelsToTwips(int pixels, double logicalDpi) {
    return static_cast<int>(std::lround(pixels * double(kTwipsPerInch) / UsableDpi(logicalDpi)));
}

}  // namespace quillane
