#pragma once
#include <string>

namespace quillane {

struct AppContext;

// The "Settings" page of the Preferences dialog, as its OK hands it over.
struct SettingsPageFields {
    // Text boxes; an empty one leaves the stored value as it is.
    std::string workingDirectory;
    std::string imageDirectory;
    std::string fontName;
    std::string fontSize;
    std::string browser;
    std::string browser2;
    std::string imageMapper;
    std::string ftpClient;
    std::string printerProgram;
    // Check boxes.
    bool tipOfTheDay = true;
    bool colorTags = true;
    bool quoteColorTags = true;
    bool tableColorTags = true;
    bool wordWrap = true;
    bool beginnerTableWizard = true;
    // "Hide rarely-used HTML menu items" of the "Menu System" page, which this
    // page's OK stores as well.
    bool hideRarelyUsed = true;
};

// The level options of the "Menu System" page; None when none is selected.
enum class MenuLevelOption { None, Beginner, Intermediate, Advanced, Custom };

// The "Menu System" page of the Preferences dialog.
struct MenuSystemPageFields {
    MenuLevelOption level = MenuLevelOption::None;
    // "Hide rarely-used HTML menu items".
    bool hideRarelyUsed = true;
};

// The folder and program-path value that means "not set": the store's default.
inline constexpr const char* kUnsetPath = "c:\\";

// LoadSettings: every key into ctx.settings, in the documented order, with the
// two folder messages. Also sets the active document's editor font.
void LoadSettings(AppContext& ctx);
// SaveSettings: the "Settings" page into the store.
void SaveSettings(AppContext& ctx, const SettingsPageFields& page);
// SaveMenuSystem: the user level and the custom menu set into the store.
void SaveMenuSystem(AppContext& ctx, const MenuSystemPageFields& page);
// The main window's left, top, width and height into section "Window".
void SaveWindowGeometry(AppContext& ctx);

}  // namespace quillane
