#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace quillane {

// The in-memory settings: one variable per key of the store, named after it.
// Switches hold 1 (on) or 0 (off).
struct Settings {
    // "Directory"
    std::string WorkingDirectory;
    std::string ImageDirectory;
    // "Font"
    std::string FontName = "MS Sans Serif";
    std::int16_t FontSize = 10;
    // "Apps"
    std::string Browser = "c:\\";
    std::string Browser2 = "c:\\";
    std::string ImageMapper = "c:\\";
    std::string FTPClient = "c:\\";
    std::string PrinterProgram = "c:\\";
    // "Window", in twips
    std::int16_t LeftXCoord = 0;
    std::int16_t LeftYCoord = 0;
    std::int16_t WindowXSize = 5000;
    std::int16_t WindowYSize = 5000;
    // "Miscellaneous"
    std::int16_t TipOfTheDay = 1;
    std::int16_t ColorTags = 1;
    std::int16_t QuoteColorTags = 1;
    std::int16_t TableColorTags = 1;
    std::int16_t WordWrap = 1;
    std::int16_t BeginnerTableWizard = 1;
    // "Menu"
    std::string MenuSystem;
    std::string HTML3Menu = "off";
    std::string StructMenu;
    std::string AnchorMenu;
    std::string FormsMenu;
    std::string TablesMenu;
    std::string NetscapeMenu;
    std::string IEMenu;
    std::string JavaMenu;
    // "Favorite URLs": index 1 to 15 (0 unused)
    std::array<std::string, 16> FavoriteURLs;
    // "Toolbox": user-defined buttons 4 to 8 (0-3 unused)
    std::array<std::string, 9> ButtonText;
    std::array<std::string, 9> ButtonInsText;
};

}  // namespace quillane
