#pragma once
#include <QWidget>

#include "platform/twips.h"

namespace quillane {

// Window layouts are given in twips; these convert with the logical DPI of
// the screen the widget is on.
inline int TwipsToPixelsX(const QWidget& w, int twips) { return TwipsToPixels(twips, w.logicalDpiX()); }
inline int TwipsToPixelsY(const QWidget& w, int twips) { return TwipsToPixels(twips, w.logicalDpiY()); }
inline int PixelsToTwipsX(const QWidget& w, int pixels) { return PixelsToTwips(pixels, w.logicalDpiX()); }
inline int PixelsToTwipsY(const QWidget& w, int pixels) { return PixelsToTwips(pixels, w.logicalDpiY()); }

}  // namespace quillane
