#include "builders/color_choice.h"

#include <optional>

#include "app/app_context.h"
#include "app/command_table.h"
#include "editor/insertion.h"

namespace quillane {

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

// The byte written by the two digits starting at `first`; a digit beyond the
// end of the text counts as 0.
std::uint8_t PairValue(std::string_view text, std::size_t first) {
    int high = first < text.size() ? HexDigitValue(text[first]) : 0;
    int low = first + 1 < text.size() ? HexDigitValue(text[first + 1]) : 0;
    return static_cast<std::uint8_t>(high * 16 + low);
}

}  // namespace

ColorChoice ChooseColor(AppContext& ctx) {
    ColorChoice choice;
    std::optional<Rgb> color = ctx.platform.dialogs.chooseColor(std::nullopt);
    if (!color) return choice;
    choice.cancelled = false;
    choice.number = RgbToColorNumber(*color);
    choice.text = RgbToHexText(*color);
    return choice;
}

Rgb HexColorToRGB(std::string_view text) {
    if (text.empty()) return Rgb{192, 192, 192};
    return Rgb{PairValue(text, 0), PairValue(text, 2), PairValue(text, 4)};
}

Rgb ReadableInk(Rgb background) {
    const int brightness = 299 * background.r + 587 * background.g + 114 * background.b;
    return brightness >= 1000 * 128 ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
}

std::string RgbToHexText(Rgb color) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (std::uint8_t byte : {color.r, color.g, color.b}) {
        out += kDigits[byte >> 4];
        out += kDigits[byte & 0x0F];
    }
    return out;
}

std::uint32_t RgbToColorNumber(Rgb color) {
    return static_cast<std::uint32_t>(color.r) | (static_cast<std::uint32_t>(color.g) << 8) |
           (static_cast<std::uint32_t>(color.b) << 16);
}

void InsertChosenColor(AppContext& ctx) {
    DocumentView* view = ctx.activeDocument();
    if (!view) return;
    ColorChoice choice = ChooseColor(ctx);
    if (!choice.cancelled) InsertText(*view, "#" + choice.text, true);
}

void RegisterColorCommands(CommandTable& table) {
    table.add("SSCommand42", [](AppContext& ctx, DocumentView*) { InsertChosenColor(ctx); });
}

}  // namespace quillane
