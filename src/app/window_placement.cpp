#include "app/window_placement.h"

#include <algorithm>

namespace quillane {

namespace {

// The title bar as high as window managers draw it, about 30 pixels: the
// frame's corner is stored, so the bar runs from the stored top down.
constexpr int kTitleBarTwips = 450;
// How much of the bar's width must be on the screen for a pointer to grab it.
constexpr int kGripTwips = 1500;

int Overlap(int start, int length, int areaStart, int areaLength) {
    return std::min(start + length, areaStart + areaLength) - std::max(start, areaStart);
}

bool TitleBarOn(const TwipsRect& window, const TwipsRect& screen) {
    const int across = Overlap(window.left, window.width, screen.left, screen.width);
    const int down = Overlap(window.top, kTitleBarTwips, screen.top, screen.height);
    return across >= std::min(window.width, kGripTwips) && down * 2 >= kTitleBarTwips;
}

// The nearest start at which length fits in the area; the area's start when
// it does not fit at all.
int Within(int start, int length, int areaStart, int areaLength) {
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

}  // namespace

TwipsRect FirstStartPlacement(const TwipsRect& screen) {
    const int width = screen.width * 2 / 3;
    const int height = screen.height * 2 / 3;
    return {screen.left + (screen.width - width) / 2, screen.top + (screen.height - height) / 2, width, height};
}

TwipsRect KeepTitleBarOnScreen(const TwipsRect& window, const std::vector<TwipsRect>& screens) {
    if (screens.empty()) return window;
    for (const TwipsRect& screen : screens) {
        if (TitleBarOn(window, screen)) return window;
    }
    const TwipsRect& primary = screens.front();
    TwipsRect moved = window;
    moved.left = Within(window.left, window.width, primary.left, primary.width);
    moved.top = Within(window.top, window.height, primary.top, primary.height);
    return moved;
}

}  // namespace quillane
