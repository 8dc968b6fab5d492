#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/rgb.h"

namespace quillane {

struct AppContext;
class CommandTable;

// What the colour chooser hands back to the dialogs with colour swatches.
struct ColorChoice {
    bool cancelled = true;
    std::uint32_t number = 0;  // 0x00BBGGRR
    std::string text;          // RRGGBB, upper-case hex
};

// ChooseColor: the system colour dialog. Cancelled: nothing else is set.
ColorChoice ChooseColor(AppContext& ctx);

// HexColorToRGB: digits 1-2, 3-4 and 5-6 of the text give red, green and
// blue. A..F (either case) count 10..15, digits their value, anything else
// (including a missing digit) 0. An empty text gives the grey 192, 192, 192.
Rgb HexColorToRGB(std::string_view text);

// The six-digit colour text RRGGBB, upper-case, zero-padded.
std::string RgbToHexText(Rgb color);

// Black or white, whichever reads better on `background`: black on colours
// whose perceived brightness (0.299 R + 0.587 G + 0.114 B) is at least half.
Rgb ReadableInk(Rgb background);

// The colour as one number, 0x00BBGGRR.
std::uint32_t RgbToColorNumber(Rgb color);

// The toolbar's colour chooser (SSCommand42): "#" and the chosen colour text
// replace the active document's selection; Cancel inserts nothing.
void InsertChosenColor(AppContext& ctx);
void RegisterColorCommands(CommandTable& table);

}  // namespace quillane
