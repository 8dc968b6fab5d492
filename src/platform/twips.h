#pragma once

namespace quillane {

// Twips are 1/1440 inch. Conversions use the screen's logical DPI; a DPI of
// zero or less stands for the usual 96.
inline constexpr int kTwipsPerInch = 1440;

int TwipsToPixels(int twips, double logicalDpi);
int PixelsToTwips(int pixels, double logicalDpi);

}  // namespace quillane
