#pragma once
#include <vector>

#include "platform/shell.h"

namespace quillane {

// Where the main window opens when no place is stored: two thirds of the
// screen's usable area each way, centred on it.
TwipsRect FirstStartPlacement(const TwipsRect& screen);

// A stored place whose title bar would be on no screen, so that the window
// could not be grabbed, moved the least way onto the first (primary) screen.
// A place with its title bar on some screen, or no screens known, stays.
TwipsRect KeepTitleBarOnScreen(const TwipsRect& window, const std::vector<TwipsRect>& screens);

}  // namespace quillane
