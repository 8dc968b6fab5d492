#include "app/settings/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/recent_files.h"
#include "app/scoped_environment.h"
#include "app/settings/file_settings_backend.h"
#include "support/fakes.h"

namespace quillane {
namespace {

using testing::ScopedHome;
using testing::ScratchFolder;
using testing::TestApp;

constexpr const char* kHome = "/home/quill/";

class LoadSettingsTest : public ::testing::Test {
protected:
    ScopedHome home{"/home/quill"};
    TestApp app;
    Settings& s = app.ctx.settings;
    void put(const char* section, const char* key, const std::string& value) { app.store.put(section, key, value); }
};

TEST_F(LoadSettingsTest, FreshStoreGivesTheDefaultsAndWritesNothing) {
    LoadSettings(app.ctx);
    EXPECT_EQ(s.WorkingDirectory, kHome);
    EXPECT_EQ(s.ImageDirectory, kHome);
    EXPECT_EQ(s.FontName, "MS Sans Serif");
    EXPECT_EQ(s.FontSize, 10);
    for (const std::string* path : {&s.Browser, &s.Browser2, &s.ImageMapper, &s.FTPClient, &s.PrinterProgram})
        EXPECT_EQ(*path, "c:\\");
    // Two thirds of the fake 15360 x 11520 screen, centred.
    EXPECT_EQ(s.LeftXCoord, 2560);
    EXPECT_EQ(s.LeftYCoord, 1920);
    EXPECT_EQ(s.WindowXSize, 10240);
    EXPECT_EQ(s.WindowYSize, 7680);
    for (std::int16_t sw : {s.TipOfTheDay, s.ColorTags, s.QuoteColorTags, s.TableColorTags, s.WordWrap,
                            s.BeginnerTableWizard})
        EXPECT_EQ(sw, 1);
    EXPECT_EQ(s.MenuSystem, "");
    EXPECT_EQ(s.HTML3Menu, "off");
    EXPECT_EQ(s.StructMenu, "");
    EXPECT_EQ(s.JavaMenu, "");
    EXPECT_EQ(s.FavoriteURLs[1], "");
    EXPECT_EQ(s.ButtonText[4], "");
    EXPECT_TRUE(app.messages.shown.empty());
    EXPECT_TRUE(app.store.values.empty());
}

TEST_F(LoadSettingsTest, FoldersResolveToTheHomeFolderOrGainATrailingSlash) {
    struct Row {
        std::string stored;
        std::string loaded;
    };
    const Row rows[] = {
        {"c:\\", kHome}, {"/srv/site", "/srv/site/"}, {"/srv/site/", "/srv/site/"}, {"/", "/"}};
    for (const Row& r : rows) {
        put("Directory", "WorkingDirectory", r.stored);
        put("Directory", "ImageDirectory", r.stored);
        LoadSettings(app.ctx);
        EXPECT_EQ(s.WorkingDirectory, r.loaded) << r.stored;
        EXPECT_EQ(s.ImageDirectory, r.loaded) << r.stored;
    }
}

TEST_F(LoadSettingsTest, ProgramPathsAreKeptAsStored) {
    put("Apps", "Browser", "/usr/bin/firefox");
    put("Apps", "PrinterProgram", "lpr");
    LoadSettings(app.ctx);
    EXPECT_EQ(s.Browser, "/usr/bin/firefox");
    EXPECT_EQ(s.PrinterProgram, "lpr");
    EXPECT_EQ(s.Browser2, "c:\\");
}

TEST_F(LoadSettingsTest, WindowGeometryTakesTheLeadingNumberAndFallsBackToTheScreen) {
    struct Row {
        const char* key;
        const char* stored;
        std::int16_t Settings::*member;
        std::int16_t loaded;
    };
    const Row rows[] = {
        {"LeftXCoord", " 1200", &Settings::LeftXCoord, 1200},
        {"LeftYCoord", "-5", &Settings::LeftYCoord, -5},
        {"LeftXCoord", "abc", &Settings::LeftXCoord, 0},
        {"WindowXSize", "0", &Settings::WindowXSize, 15360},    // the fake screen's width
        {"WindowXSize", "abc", &Settings::WindowXSize, 15360},
        {"WindowYSize", "", &Settings::WindowYSize, 11520},     // and height
        {"WindowYSize", " 7000", &Settings::WindowYSize, 7000},
        {"WindowXSize", "32767", &Settings::WindowXSize, 32767},
    };
    for (const Row& r : rows) {
        TestApp fresh;
        fresh.store.put("Window", r.key, r.stored);
        LoadSettings(fresh.ctx);
        EXPECT_EQ(fresh.ctx.settings.*r.member, r.loaded) << r.key << "=" << r.stored;
    }
}

// Only a store with no place at all gets the first-start place; each key that
// is there makes the others take their own defaults.
TEST_F(LoadSettingsTest, FirstStartPlaceOnlyWithoutAnyWindowKey) {
    for (const char* key : {"LeftXCoord", "LeftYCoord", "WindowXSize", "WindowYSize"}) {
        for (const char* stored : {"0", "1", ""}) {
            SCOPED_TRACE(std::string(key) + "=" + stored);
            TestApp fresh;
            fresh.store.put("Window", key, stored);
            LoadSettings(fresh.ctx);
            const Settings& loaded = fresh.ctx.settings;
            const bool width = std::string(key) == "WindowXSize";
            const bool height = std::string(key) == "WindowYSize";
            const int number = std::string(stored) == "1" ? 1 : 0;
            EXPECT_EQ(loaded.LeftXCoord, std::string(key) == "LeftXCoord" ? number : 0);
            EXPECT_EQ(loaded.LeftYCoord, std::string(key) == "LeftYCoord" ? number : 0);
            EXPECT_EQ(loaded.WindowXSize, width ? (number ? 1 : 15360) : 5000);
            EXPECT_EQ(loaded.WindowYSize, height ? (number ? 1 : 11520) : 5000);
        }
    }

    // Centred on the primary screen's usable area, wherever it lies.
    TestApp panel;
    panel.shell.screens = {{-15360, 600, 15360, 10920}, {0, 0, 28800, 16200}};
    LoadSettings(panel.ctx);
    const Settings& loaded = panel.ctx.settings;
    EXPECT_EQ((TwipsRect{loaded.LeftXCoord, loaded.LeftYCoord, loaded.WindowXSize, loaded.WindowYSize}),
              (TwipsRect{-12800, 2420, 10240, 7280}));
}

TEST_F(LoadSettingsTest, NumbersBeyondSixteenBitsLeaveTheValueInMemory) {
    s.LeftXCoord = 77;
    s.FontSize = 12;
    put("Window", "LeftXCoord", "40000");
    put("Window", "LeftYCoord", "-40000");
    put("Window", "WindowXSize", "99999");
    put("Font", "FontSize", "70000");
    put("Window", "WindowYSize", " 6000");  // the steps after the overflow still run
    LoadSettings(app.ctx);
    EXPECT_EQ(s.LeftXCoord, 77);
    EXPECT_EQ(s.LeftYCoord, 0);
    EXPECT_EQ(s.WindowXSize, 5000);
    EXPECT_EQ(s.FontSize, 12);
    EXPECT_EQ(s.WindowYSize, 6000);
}

TEST_F(LoadSettingsTest, WidthOfAScreenBeyondSixteenBitsIsClamped) {
    struct WideShell : testing::FakeShell {
        int screenWidthTwips() const override { return 57600; }  // 3840 pixels at 15 twips each
    };
    WideShell shell;
    AppContext ctx(Platform{shell, app.messages, app.dialogs, app.store, app.launcher, app.clipboard, app.clock,
                            app.help});
    put("Window", "WindowXSize", "0");
    LoadSettings(ctx);
    EXPECT_EQ(ctx.settings.WindowXSize, 32767);
}

TEST_F(LoadSettingsTest, SwitchesAreOnForOnOrEmptyAndOffForAnyOtherWord) {
    struct Row {
        const char* stored;
        std::int16_t loaded;
    };
    const Row rows[] = {{"on", 1}, {"", 1}, {"off", 0}, {"yes", 0}, {"On", 0}};
    const char* keys[] = {"TipOfTheDay", "BeginnerTableWizard", "ColorTags", "TableColorTags", "QuoteColorTags",
                          "WordWrap"};
    for (const Row& r : rows) {
        for (const char* key : keys) put("Miscellaneous", key, r.stored);
        LoadSettings(app.ctx);
        for (std::int16_t sw : {s.TipOfTheDay, s.ColorTags, s.QuoteColorTags, s.TableColorTags, s.WordWrap,
                                s.BeginnerTableWizard})
            EXPECT_EQ(sw, r.loaded) << '"' << r.stored << '"';
    }
}

TEST_F(LoadSettingsTest, CustomMenuSetIsReadOnlyForTheCustomLevel) {
    put("Menu", "StructMenu", "on");
    put("Menu", "JavaMenu", "on");
    put("Menu", "HTML3Menu", "on");
    put("Menu", "MenuSystem", "advanced");
    LoadSettings(app.ctx);
    EXPECT_EQ(s.MenuSystem, "advanced");
    EXPECT_EQ(s.HTML3Menu, "on");
    EXPECT_EQ(s.StructMenu, "");
    EXPECT_EQ(s.JavaMenu, "");

    put("Menu", "MenuSystem", "custom");
    LoadSettings(app.ctx);
    EXPECT_EQ(s.StructMenu, "on");
    EXPECT_EQ(s.JavaMenu, "on");
    for (const std::string* group : {&s.AnchorMenu, &s.FormsMenu, &s.TablesMenu, &s.NetscapeMenu, &s.IEMenu})
        EXPECT_EQ(*group, "off");
}

TEST_F(LoadSettingsTest, FavoriteUrlsAndUserButtonsAreRead) {
    put("Favorite URLs", "URL1", "http://one.example/");
    put("Favorite URLs", "URL15", "http://fifteen.example/");
    put("Toolbox", "ButtonText4", "Sig");
    put("Toolbox", "ButtonInsText4", "<ADDRESS>me</ADDRESS>");
    put("Toolbox", "ButtonText8", "HR");
    put("Toolbox", "ButtonInsText8", "<HR>");
    LoadSettings(app.ctx);
    EXPECT_EQ(s.FavoriteURLs[1], "http://one.example/");
    EXPECT_EQ(s.FavoriteURLs[2], "");
    EXPECT_EQ(s.FavoriteURLs[15], "http://fifteen.example/");
    EXPECT_EQ(s.ButtonText[4], "Sig");
    EXPECT_EQ(s.ButtonInsText[4], "<ADDRESS>me</ADDRESS>");
    EXPECT_EQ(s.ButtonText[8], "HR");
    EXPECT_EQ(s.ButtonInsText[8], "<HR>");
}

TEST_F(LoadSettingsTest, EmptyStoredFoldersGiveOneMessageWorkingFolderFirst) {
    struct Row {
        const char* working;
        const char* image;
        std::vector<std::string> messages;
    };
    const Row rows[] = {
        {"", "", {"Working Directory statements not found in INI file."}},
        {"", "/srv/img", {"Working Directory statements not found in INI file."}},
        {"/srv/site", "", {"Image Directory statements not found in INI file."}},
        {"/srv/site", "/srv/img", {}},
    };
    for (const Row& r : rows) {
        TestApp fresh;
        fresh.store.put("Directory", "WorkingDirectory", r.working);
        fresh.store.put("Directory", "ImageDirectory", r.image);
        LoadSettings(fresh.ctx);
        EXPECT_EQ(fresh.messages.texts(), r.messages) << r.working << " | " << r.image;
        EXPECT_EQ(fresh.ctx.settings.WorkingDirectory, r.working[0] ? std::string(r.working) + "/" : "");
    }
}

TEST_F(LoadSettingsTest, EditorFontReachesTheActiveDocument) {
    LoadSettings(app.ctx);  // no document: the font step has no target
    EXPECT_EQ(s.FontName, "MS Sans Serif");

    app.shell.createDocumentWindow(1);
    put("Font", "FontName", "DejaVu Sans Mono");
    put("Font", "FontSize", "14");
    LoadSettings(app.ctx);
    EXPECT_EQ(app.editor().fontName, "DejaVu Sans Mono");
    EXPECT_EQ(app.editor().fontSize, 14);
    EXPECT_FALSE(app.editor().fontBold);

    // A size of nothing, zero, below zero or beyond 16 bits leaves the editor
    // at the size it had; the name still changes.
    for (const char* size : {"abc", "0", "-3", "70000"}) {
        s.FontSize = 14;
        put("Font", "FontName", std::string("Face ") + size);
        put("Font", "FontSize", size);
        LoadSettings(app.ctx);
        EXPECT_EQ(app.editor().fontName, std::string("Face ") + size);
        EXPECT_EQ(app.editor().fontSize, 14) << size;
    }
    EXPECT_EQ(s.FontSize, 14);  // 70000 does not fit: the value in memory stays

    // With no usable size before either, the editor gets the default size.
    s.FontSize = 0;
    put("Font", "FontSize", "none");
    LoadSettings(app.ctx);
    EXPECT_EQ(app.editor().fontSize, 10);
}

class SaveSettingsTest : public ::testing::Test {
protected:
    TestApp app;
    std::string stored(const char* section, const char* key) { return app.store.get(section, key, "<none>"); }
};

TEST_F(SaveSettingsTest, EmptyTextFieldsKeepTheStoredValue) {
    app.store.put("Apps", "Browser", "/usr/bin/firefox");
    app.store.put("Directory", "WorkingDirectory", "/srv/site");
    SettingsPageFields page;
    page.imageDirectory = "/srv/img";
    page.fontName = "Courier";
    page.fontSize = "12";
    page.browser2 = "/usr/bin/lynx";
    page.imageMapper = "gimp";
    page.ftpClient = "filezilla";
    page.printerProgram = "lpr";
    SaveSettings(app.ctx, page);
    EXPECT_EQ(stored("Apps", "Browser"), "/usr/bin/firefox");
    EXPECT_EQ(stored("Directory", "WorkingDirectory"), "/srv/site");
    EXPECT_EQ(stored("Directory", "ImageDirectory"), "/srv/img");
    EXPECT_EQ(stored("Font", "FontName"), "Courier");
    EXPECT_EQ(stored("Font", "FontSize"), "12");
    EXPECT_EQ(stored("Apps", "Browser2"), "/usr/bin/lynx");
    EXPECT_EQ(stored("Apps", "ImageMapper"), "gimp");
    EXPECT_EQ(stored("Apps", "FTPClient"), "filezilla");
    EXPECT_EQ(stored("Apps", "PrinterProgram"), "lpr");
}

TEST_F(SaveSettingsTest, CheckBoxesWriteOnOffAndTheHideBoxTheInverse) {
    SettingsPageFields page;
    page.tipOfTheDay = false;
    page.colorTags = true;
    page.quoteColorTags = false;
    page.tableColorTags = true;
    page.wordWrap = false;
    page.beginnerTableWizard = true;
    page.hideRarelyUsed = true;
    SaveSettings(app.ctx, page);
    EXPECT_EQ(stored("Miscellaneous", "TipOfTheDay"), "off");
    EXPECT_EQ(stored("Miscellaneous", "ColorTags"), "on");
    EXPECT_EQ(stored("Miscellaneous", "QuoteColorTags"), "off");
    EXPECT_EQ(stored("Miscellaneous", "TableColorTags"), "on");
    EXPECT_EQ(stored("Miscellaneous", "WordWrap"), "off");
    EXPECT_EQ(stored("Miscellaneous", "BeginnerTableWizard"), "on");
    EXPECT_EQ(stored("Menu", "HTML3Menu"), "off");

    page.hideRarelyUsed = false;
    SaveSettings(app.ctx, page);
    EXPECT_EQ(stored("Menu", "HTML3Menu"), "on");
}

TEST_F(SaveSettingsTest, MenuSystemCustomStoresTheSetThenTheHideBoxOverridesHtml3) {
    Settings& s = app.ctx.settings;
    s.HTML3Menu = "off";  // as the custom-menu dialog left it
    s.StructMenu = "on";
    s.AnchorMenu = "off";
    s.FormsMenu = "on";
    s.TablesMenu = "off";
    s.NetscapeMenu = "on";
    s.IEMenu = "off";
    s.JavaMenu = "on";
    SaveMenuSystem(app.ctx, {MenuLevelOption::Custom, /*hideRarelyUsed=*/false});
    EXPECT_EQ(s.MenuSystem, "custom");
    EXPECT_EQ(stored("Menu", "MenuSystem"), "custom");
    EXPECT_EQ(stored("Menu", "HTML3Menu"), "on");
    EXPECT_EQ(stored("Menu", "StructMenu"), "on");
    EXPECT_EQ(stored("Menu", "AnchorMenu"), "off");
    EXPECT_EQ(stored("Menu", "FormsMenu"), "on");
    EXPECT_EQ(stored("Menu", "TablesMenu"), "off");
    EXPECT_EQ(stored("Menu", "NetscapeMenu"), "on");
    EXPECT_EQ(stored("Menu", "IEMenu"), "off");
    EXPECT_EQ(stored("Menu", "JavaMenu"), "on");

    s.HTML3Menu = "on";
    SaveMenuSystem(app.ctx, {MenuLevelOption::Custom, /*hideRarelyUsed=*/true});
    EXPECT_EQ(stored("Menu", "HTML3Menu"), "off");
}

TEST_F(SaveSettingsTest, MenuSystemOtherLevelsStoreNoCustomSet) {
    struct Row {
        MenuLevelOption option;
        const char* level;
    };
    const Row rows[] = {{MenuLevelOption::Beginner, "beginner"},
                        {MenuLevelOption::Intermediate, "intermediate"},
                        {MenuLevelOption::Advanced, "advanced"}};
    for (const Row& r : rows) {
        TestApp fresh;
        fresh.ctx.settings.StructMenu = "on";
        SaveMenuSystem(fresh.ctx, {r.option, true});
        EXPECT_EQ(fresh.ctx.settings.MenuSystem, r.level);
        EXPECT_EQ(fresh.store.get("Menu", "MenuSystem", "<none>"), r.level);
        EXPECT_EQ(fresh.store.get("Menu", "HTML3Menu", "<none>"), "off");
        EXPECT_FALSE(fresh.store.has("Menu", "StructMenu"));
    }
}

TEST_F(SaveSettingsTest, MenuSystemWithoutASelectedLevelStoresTheLevelInMemory) {
    app.ctx.settings.MenuSystem = "intermediate";
    SaveMenuSystem(app.ctx, {MenuLevelOption::None, false});
    EXPECT_EQ(app.ctx.settings.MenuSystem, "intermediate");
    EXPECT_EQ(stored("Menu", "MenuSystem"), "intermediate");
    EXPECT_EQ(stored("Menu", "HTML3Menu"), "on");
}

TEST_F(SaveSettingsTest, WindowGeometryIsWrittenAsNumberTextAndReadsBack) {
    app.shell.rect = {1200, -5, 9000, 0};
    SaveWindowGeometry(app.ctx);
    EXPECT_EQ(stored("Window", "LeftXCoord"), " 1200");
    EXPECT_EQ(stored("Window", "LeftYCoord"), "-5");
    EXPECT_EQ(stored("Window", "WindowXSize"), " 9000");
    EXPECT_EQ(stored("Window", "WindowYSize"), " 0");
    EXPECT_EQ(app.store.values.size(), 4u);

    LoadSettings(app.ctx);
    EXPECT_EQ(app.ctx.settings.LeftXCoord, 1200);
    EXPECT_EQ(app.ctx.settings.LeftYCoord, -5);
    EXPECT_EQ(app.ctx.settings.WindowXSize, 9000);
    EXPECT_EQ(app.ctx.settings.WindowYSize, 11520);
}

// The program's flows over a settings file on disk.
class SettingsFileTest : public ::testing::Test {
protected:
    ScopedHome home{"/home/quill"};
    ScratchFolder dir;
    std::filesystem::path path = dir.path() / "Quillane.ini";
    TestApp app;

    std::string fileBytes() const {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void writeFile(const std::string& bytes) const { std::ofstream(path, std::ios::binary) << bytes; }
    AppContext contextWith(SettingsBackend& store) {
        return AppContext(Platform{app.shell, app.messages, app.dialogs, store, app.launcher, app.clipboard,
                                   app.clock, app.help});
    }
    // The Settings page as the Preferences dialog fills it from memory.
    static SettingsPageFields PageOf(const Settings& s) {
        SettingsPageFields page;
        page.workingDirectory = s.WorkingDirectory;
        page.imageDirectory = s.ImageDirectory;
        page.fontName = s.FontName;
        page.fontSize = std::to_string(s.FontSize);
        page.browser = s.Browser;
        page.browser2 = s.Browser2;
        page.imageMapper = s.ImageMapper;
        page.ftpClient = s.FTPClient;
        page.printerProgram = s.PrinterProgram;
        page.tipOfTheDay = s.TipOfTheDay != 0;
        page.colorTags = s.ColorTags != 0;
        page.quoteColorTags = s.QuoteColorTags != 0;
        page.tableColorTags = s.TableColorTags != 0;
        page.wordWrap = s.WordWrap != 0;
        page.beginnerTableWizard = s.BeginnerTableWizard != 0;
        page.hideRarelyUsed = s.HTML3Menu != "on";
        return page;
    }
};

TEST_F(SettingsFileTest, LoadAndSaveChangeOnlyTheLinesOfChangedValues) {
    const std::string before =
        "; My Quillane settings\r\n"
        "\r\n"
        "[Directory]\r\n"
        "WorkingDirectory=/srv/site/\r\n"
        "ImageDirectory=/srv/site/img/\r\n"
        "[Font]\r\n"
        "FontName=DejaVu Sans Mono\r\n"
        "FontSize=10\r\n"
        "[Apps]\r\n"
        "Browser=/usr/bin/caf\xE9\r\n"
        "Browser2=/opt/\xFF\xFE\x80/w3m\r\n"
        "ImageMapper=gimp\r\n"
        "FTPClient=ftp\r\n"
        "PrinterProgram=lpr\r\n"
        "# kept for later: Browser3=/usr/bin/links\r\n"
        "\r\n"
        "[Miscellaneous]\r\n"
        "TipOfTheDay=off\r\n"
        "ColorTags=on\r\n"
        "QuoteColorTags=on\r\n"
        "TableColorTags=on\r\n"
        "WordWrap=on\r\n"
        "BeginnerTableWizard=on\r\n"
        "MainMenuBox=off\r\n"
        "[Menu]\r\n"
        "MenuSystem=custom\r\n"
        "HTML3Menu=off\r\n"
        "[Favorite URLs]\r\n"
        "URL1=http://one.example/?a=1,b=2\r\n"
        "[Plugins of another version]\r\n"
        "Spell=on\r\n";
    writeFile(before);
    {
        FileSettingsBackend store(path.string());
        AppContext ctx = contextWith(store);
        LoadSettings(ctx);
        const Settings& s = ctx.settings;
        EXPECT_EQ(s.Browser, "/usr/bin/caf\xE9");
        EXPECT_EQ(s.Browser2, "/opt/\xFF\xFE\x80/w3m");
        EXPECT_EQ(s.FavoriteURLs[1], "http://one.example/?a=1,b=2");
        EXPECT_EQ(s.TipOfTheDay, 0);

        // The user changes the font size and the word wrap box, nothing else.
        SettingsPageFields page = PageOf(s);
        page.fontSize = "12";
        page.wordWrap = false;
        SaveSettings(ctx, page);
    }
    std::string after = before;
    after.replace(after.find("FontSize=10"), 11, "FontSize=12");
    after.replace(after.find("WordWrap=on"), 11, "WordWrap=off");
    EXPECT_EQ(fileBytes(), after);
}

TEST_F(SettingsFileTest, PipeInPlaceOfTheFileGivesTheDefaultsAndStaysAPipe) {
    ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
    FileSettingsBackend store(path.string());
    AppContext ctx = contextWith(store);
    LoadSettings(ctx);
    // The same as with no file at all.
    FileSettingsBackend none((dir.path() / "missing.ini").string());
    AppContext fresh = contextWith(none);
    LoadSettings(fresh);
    EXPECT_EQ(ctx.settings.WindowXSize, fresh.settings.WindowXSize);
    EXPECT_EQ(ctx.settings.LeftXCoord, fresh.settings.LeftXCoord);
    EXPECT_EQ(ctx.settings.Browser, "c:\\");
    app.shell.rect = {1200, 300, 9000, 7000};
    SaveWindowGeometry(ctx);
    SaveSettings(ctx, PageOf(ctx.settings));
    EXPECT_TRUE(std::filesystem::is_fifo(path));
}

// Counts how often a store would reach the disk: each put outside a batch and
// each end of an outermost batch.
class CountingStore : public testing::MemorySettings {
public:
    void put(const std::string& section, const std::string& key, const std::string& value) override {
        MemorySettings::put(section, key, value);
        if (depth == 0) ++writes;
    }
    void beginBatch() override { ++depth; }
    void endBatch() override {
        if (--depth == 0) ++writes;
    }
    int depth = 0;
    int writes = 0;
};

TEST(SettingsWritesTest, EachSaveOfManyKeysReachesTheDiskOnce) {
    struct Row {
        const char* what;
        std::function<void(AppContext&)> save;
        int writes;
    };
    const Row rows[] = {
        {"SaveSettings", [](AppContext& ctx) { SaveSettings(ctx, SettingsPageFields{}); }, 1},
        {"SaveMenuSystem", [](AppContext& ctx) { SaveMenuSystem(ctx, {MenuLevelOption::Custom, true}); }, 1},
        {"SaveWindowGeometry", [](AppContext& ctx) { SaveWindowGeometry(ctx); }, 1},
        {"AddToRecentFiles",
         [](AppContext& ctx) {
             for (const char* page : {"/a.htm", "/b.htm", "/c.htm", "/d.htm"}) AddToRecentFiles(ctx, page);
         },
         4},  // one write for each file added
    };
    for (const Row& r : rows) {
        TestApp app;
        CountingStore store;
        AppContext ctx(Platform{app.shell, app.messages, app.dialogs, store, app.launcher, app.clipboard, app.clock,
                                app.help});
        r.save(ctx);
        EXPECT_GT(store.values.size(), 1u) << r.what;
        EXPECT_EQ(store.writes, r.writes) << r.what;
    }
}

}  // namespace
}  // namespace quillane
