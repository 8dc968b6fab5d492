#include "app/settings/settings_store.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>
#include <vector>

#include "app/app_context.h"
#include "app/settings/setting_values.h"
#include "app/window_placement.h"
#include "platform/home_folder.h"

namespace quillane {

namespace {

constexpr int kDefaultFontSize = 10;

// A stored folder as the program uses it: the untouched default means the
// home folder; every other non-empty folder ends in '/'. An empty folder stays
// empty, so that the missing-folder messages can see it.
std::string ResolveFolder(std::string stored) {
    if (stored == kUnsetPath) return HomeFolder();
    if (!stored.empty() && stored.back() != '/') stored += '/';
    return stored;
}

// Reads a number key into a 16-bit setting; a value that does not fit leaves
// the setting as it was.
void LoadNumber(SettingsBackend& store, const char* section, const char* key, const char* fallback,
                std::int16_t& target) {
    if (auto n = LeadingNumber16(store.get(section, key, fallback))) target = *n;
}

std::int16_t ClampTo16(int value) {
    return static_cast<std::int16_t>(std::clamp<int>(value, std::numeric_limits<std::int16_t>::min(),
                                                     std::numeric_limits<std::int16_t>::max()));
}

// The main window's place in section "Window".
constexpr std::array<const char*, 4> kWindowKeys = {"LeftXCoord", "LeftYCoord", "WindowXSize", "WindowYSize"};

// Whether the store holds a key at all: only a held value is the same whatever
// the fallback.
bool Holds(const SettingsBackend& store, const char* section, const char* key) {
    return store.get(section, key, "0") != "0" || store.get(section, key, "1") != "1";
}

TwipsRect PrimaryScreenArea(const Shell& shell) {
    std::vector<TwipsRect> screens = shell.screenAreasTwips();
    if (!screens.empty()) return screens.front();
    return {0, 0, shell.screenWidthTwips(), shell.screenHeightTwips()};
}

// The "Miscellaneous" switches LoadSettings reads, in its order.
std::array<std::pair<const char*, std::int16_t Settings::*>, 6> MiscSwitches() {
    return {{{"TipOfTheDay", &Settings::TipOfTheDay},
             {"BeginnerTableWizard", &Settings::BeginnerTableWizard},
             {"ColorTags", &Settings::ColorTags},
             {"TableColorTags", &Settings::TableColorTags},
             {"QuoteColorTags", &Settings::QuoteColorTags},
             {"WordWrap", &Settings::WordWrap}}};
}

// The groups of the custom menu set besides "HTML3Menu", which is also the
// rarely-used switch of every level.
std::array<std::pair<const char*, std::string Settings::*>, 7> CustomMenuGroups() {
    return {{{"StructMenu", &Settings::StructMenu},
             {"AnchorMenu", &Settings::AnchorMenu},
             {"FormsMenu", &Settings::FormsMenu},
             {"TablesMenu", &Settings::TablesMenu},
             {"NetscapeMenu", &Settings::NetscapeMenu},
             {"IEMenu", &Settings::IEMenu},
             {"JavaMenu", &Settings::JavaMenu}}};
}

const char* LevelText(MenuLevelOption level) {
    switch (level) {
        case MenuLevelOption::Beginner: return "beginner";
        case MenuLevelOption::Intermediate: return "intermediate";
        case MenuLevelOption::Advanced: return "advanced";
        case MenuLevelOption::Custom: return "custom";
        case MenuLevelOption::None: break;
    }
    return nullptr;
}

}  // namespace

void LoadSettings(AppContext& ctx) {
    SettingsBackend& store = ctx.platform.store;
    Settings& s = ctx.settings;

    s.WorkingDirectory = ctx.shell().programFolder();
    s.ImageDirectory = ctx.shell().programFolder();

    s.FontName = store.get("Font", "FontName", "MS Sans Serif");
    const std::int16_t sizeBefore = s.FontSize;
    if (auto fontSize = LeadingNumber16(store.get("Font", "FontSize", "10"))) s.FontSize = *fontSize;
    // Name and size reach the editor together. A size no font has (none, zero,
    // negative) leaves the editor at the size it had, or at the default.
    if (DocumentView* doc = ctx.activeDocument()) {
        int shown = s.FontSize > 0 ? s.FontSize : sizeBefore > 0 ? sizeBefore : kDefaultFontSize;
        doc->editor().setEditorFont(s.FontName, shown, false);
    }

    s.WorkingDirectory = ResolveFolder(store.get("Directory", "WorkingDirectory", kUnsetPath));
    s.ImageDirectory = ResolveFolder(store.get("Directory", "ImageDirectory", kUnsetPath));

    s.Browser = store.get("Apps", "Browser", kUnsetPath);
    s.Browser2 = store.get("Apps", "Browser2", kUnsetPath);
    s.ImageMapper = store.get("Apps", "ImageMapper", kUnsetPath);
    s.FTPClient = store.get("Apps", "FTPClient", kUnsetPath);
    s.PrinterProgram = store.get("Apps", "PrinterProgram", kUnsetPath);

    LoadNumber(store, "Window", "LeftXCoord", "0", s.LeftXCoord);
    LoadNumber(store, "Window", "LeftYCoord", "0", s.LeftYCoord);
    LoadNumber(store, "Window", "WindowXSize", "5000", s.WindowXSize);
    LoadNumber(store, "Window", "WindowYSize", "5000", s.WindowYSize);
    // With no place stored yet, 5000 twips square would be a small window in
    // a corner of today's screens, too narrow for its own menu bar.
    if (std::none_of(kWindowKeys.begin(), kWindowKeys.end(),
                     [&](const char* key) { return Holds(store, "Window", key); })) {
        const TwipsRect placed = FirstStartPlacement(PrimaryScreenArea(ctx.shell()));
        s.LeftXCoord = ClampTo16(placed.left);
        s.LeftYCoord = ClampTo16(placed.top);
        s.WindowXSize = ClampTo16(placed.width);
        s.WindowYSize = ClampTo16(placed.height);
    }

    for (const auto& [key, member] : MiscSwitches()) s.*member = SwitchValue(store.get("Miscellaneous", key, "on"));

    s.MenuSystem = store.get("Menu", "MenuSystem", "");
    s.HTML3Menu = store.get("Menu", "HTML3Menu", "off");
    if (s.MenuSystem == "custom") {
        for (const auto& [key, member] : CustomMenuGroups()) s.*member = store.get("Menu", key, "off");
    }

    for (int i = 1; i <= 15; ++i) s.FavoriteURLs[i] = store.get("Favorite URLs", "URL" + std::to_string(i), "");

    // A screen wider than a 16-bit twips value gives the largest width held.
    if (s.WindowXSize == 0) s.WindowXSize = ClampTo16(ctx.shell().screenWidthTwips());
    if (s.WindowYSize == 0) s.WindowYSize = ClampTo16(ctx.shell().screenHeightTwips());

    if (s.WorkingDirectory.empty()) {
        ctx.messages().say("Working Directory statements not found in INI file.");
    } else if (s.ImageDirectory.empty()) {
        ctx.messages().say("Image Directory statements not found in INI file.");
    }

    for (int n = 4; n <= 8; ++n) {
        s.ButtonText[n] = store.get("Toolbox", "ButtonText" + std::to_string(n), "");
        s.ButtonInsText[n] = store.get("Toolbox", "ButtonInsText" + std::to_string(n), "");
    }
}

void SaveSettings(AppContext& ctx, const SettingsPageFields& page) {
    SettingsBackend& store = ctx.platform.store;
    SettingsBatch batch(store);
    struct TextField {
        const char* section;
        const char* key;
        const std::string& value;
    };
    const TextField texts[] = {
        {"Directory", "WorkingDirectory", page.workingDirectory},
        {"Directory", "ImageDirectory", page.imageDirectory},
        {"Font", "FontName", page.fontName},
        {"Font", "FontSize", page.fontSize},
        {"Apps", "Browser", page.browser},
        {"Apps", "Browser2", page.browser2},
        {"Apps", "ImageMapper", page.imageMapper},
        {"Apps", "FTPClient", page.ftpClient},
        {"Apps", "PrinterProgram", page.printerProgram},
    };
    for (const TextField& f : texts) {
        if (!f.value.empty()) store.put(f.section, f.key, f.value);
    }

    const std::pair<const char*, bool> boxes[] = {
        {"TipOfTheDay", page.tipOfTheDay},       {"ColorTags", page.colorTags},
        {"QuoteColorTags", page.quoteColorTags}, {"TableColorTags", page.tableColorTags},
        {"WordWrap", page.wordWrap},             {"BeginnerTableWizard", page.beginnerTableWizard},
    };
    for (const auto& [key, on] : boxes) store.put("Miscellaneous", key, SwitchText(on));

    // The box says "hide", the key says "show".
    store.put("Menu", "HTML3Menu", SwitchText(!page.hideRarelyUsed));
}

void SaveMenuSystem(AppContext& ctx, const MenuSystemPageFields& page) {
    SettingsBackend& store = ctx.platform.store;
    SettingsBatch batch(store);
    Settings& s = ctx.settings;
    if (const char* level = LevelText(page.level)) s.MenuSystem = level;
    if (s.MenuSystem == "custom") {
        store.put("Menu", "HTML3Menu", s.HTML3Menu);
        for (const auto& [key, member] : CustomMenuGroups()) store.put("Menu", key, s.*member);
    }
    store.put("Menu", "MenuSystem", s.MenuSystem);
    // Stored last: the page's box decides over the custom set's HTML 3.0 item.
    store.put("Menu", "HTML3Menu", SwitchText(!page.hideRarelyUsed));
}

void SaveWindowGeometry(AppContext& ctx) {
    TwipsRect r = ctx.shell().geometry();
    SettingsBackend& store = ctx.platform.store;
    SettingsBatch batch(store);
    store.put("Window", "LeftXCoord", NumberText(r.left));
    store.put("Window", "LeftYCoord", NumberText(r.top));
    store.put("Window", "WindowXSize", NumberText(r.width));
    store.put("Window", "WindowYSize", NumberText(r.height));
}

}  // namespace quillane
