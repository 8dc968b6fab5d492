#include "app/user_levels.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "app/commands.h"
#include "app/recent_files.h"
#include "app/scoped_environment.h"
#include "app/start_sequence.h"
#include "editor/document_lifecycle.h"
#include "editor/file_commands.h"
#include "editor/menu_tree.h"
#include "editor/temp_folder.h"
#include "support/fakes.h"

namespace quillane {
namespace {

using testing::FakeDocumentView;
using testing::TestApp;

using NameSet = std::set<std::string>;

NameSet Names(std::span<const std::string_view> items) { return NameSet(items.begin(), items.end()); }

NameSet Union(NameSet a, const NameSet& b) {
    a.insert(b.begin(), b.end());
    return a;
}

// What a window has had hidden; levels never show anything.
NameSet Hidden(const FakeDocumentView& view) {
    NameSet out;
    for (const auto& [name, hidden] : view.hiddenItems) {
        EXPECT_TRUE(hidden) << name << " was made visible";
        if (hidden) out.insert(name);
    }
    return out;
}

const NameSet kRarelyUsed = {"mnuBanner", "BASE", "ISINDEX", "LINK", "NEXTID", "mnuByline", "Listing", "mnuLit",
                             "mnuAbbrev", "mnuAcronym", "mnuArg", "mnuAuthor", "CITE", "mnuCode", "mnuCredit", "DFN",
                             "mnuDeleteText", "mnuFootNote", "mnuInlineQuote", "mnuInsertText", "mnuKBD", "mnuPerson",
                             "SAMP", "VAR"};
const NameSet kBeginner = Union(kRarelyUsed, {"mnuAlignP", "Pre", "mnuStrikethru", "mnuSUB", "mnuSUP", "mnuTable",
                                              "mnuForm", "mnuFrameMaker", "mnuNSHR", "mnuLineBreak", "mnuNoBreak",
                                              "mnuUsemap", "mnuWordBreak", "mnuIEtags", "mnuJavaTags", "sep14",
                                              "sep15"});
const NameSet kIntermediate = {"mnuBanner", "BASE", "ISINDEX", "LINK", "NEXTID", "mnuByline", "Listing", "mnuLit",
                               "mnuAbbrev", "mnuAcronym", "mnuArg", "mnuAuthor", "mnuCredit", "DFN", "mnuDeleteText",
                               "mnuFootNote", "mnuInlineQuote", "mnuInsertText", "mnuPerson", "mnuStrikethru",
                               "mnuFrameMaker", "mnuNoBreak", "mnuUsemap", "mnuWordBreak", "mnuJavaTags", "sep15"};

TEST(UserLevelTables, HoldTheirItemsOnceEachAndEveryItemExists) {
    struct Row {
        const char* table;
        std::span<const std::string_view> items;
        const NameSet& expected;
        std::size_t size;
    };
    for (const Row& row : {Row{"rarely used", RarelyUsedItems(), kRarelyUsed, 24},
                           Row{"beginner", BeginnerItems(), kBeginner, 41},
                           Row{"intermediate", IntermediateItems(), kIntermediate, 26}}) {
        SCOPED_TRACE(row.table);
        EXPECT_EQ(row.items.size(), row.size);
        EXPECT_EQ(Names(row.items), row.expected);
    }
    std::vector<std::string_view> all(BeginnerItems().begin(), BeginnerItems().end());
    all.insert(all.end(), IntermediateItems().begin(), IntermediateItems().end());
    for (const CustomMenuGroup& group : CustomMenuGroups()) all.insert(all.end(), group.items.begin(), group.items.end());
    for (std::string_view name : all) {
        EXPECT_NE(FindMenuItem(DocumentMenuTree(), std::string(name)), nullptr) << name;
    }
}

TEST(UserLevelTables, CustomGroupsAreKeyedByTheirSettings) {
    std::vector<std::string_view> keys;
    for (const CustomMenuGroup& group : CustomMenuGroups()) keys.push_back(group.key);
    EXPECT_EQ(keys, (std::vector<std::string_view>{"HTML3Menu", "StructMenu", "AnchorMenu", "FormsMenu", "TablesMenu",
                                                   "NetscapeMenu", "IEMenu", "JavaMenu"}));
}

TEST(ApplyUserLevel, EachLevelHidesExactlyItsSet) {
    struct Row {
        const char* level;
        NameSet expected;
    };
    for (const Row& row : {Row{"beginner", kBeginner}, Row{"intermediate", kIntermediate}, Row{"advanced", {}},
                           Row{"", {}}, Row{"expert", {}}}) {
        SCOPED_TRACE(row.level);
        TestApp app;
        app.ctx.settings.MenuSystem = row.level;
        app.ctx.settings.HTML3Menu = "off";  // the switch is not the level's business
        FakeDocumentView view(1);
        ApplyUserLevel(app.ctx, view);
        EXPECT_EQ(Hidden(view), row.expected);
    }
}

TEST(ApplyUserLevel, CustomHidesTheGroupsThatAreOff) {
    struct Row {
        std::string Settings::*value;
        NameSet expected;
    };
    const std::vector<Row> rows = {
        {&Settings::HTML3Menu, kRarelyUsed},
        {&Settings::StructMenu, {"HeadElements"}},
        {&Settings::AnchorMenu, {}},
        {&Settings::FormsMenu, {"mnuForm"}},
        {&Settings::TablesMenu, {"mnuTable"}},
        {&Settings::NetscapeMenu, {"mnuNSHR", "mnuLineBreak", "mnuNoBreak", "mnuWordBreak"}},
        {&Settings::IEMenu, {"mnuIEtags", "sep14"}},
        {&Settings::JavaMenu, {"mnuJavaTags", "sep15"}},
    };
    NameSet allOff;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        TestApp app;
        Settings& s = app.ctx.settings;
        s.MenuSystem = "custom";
        for (const Row& other : rows) s.*other.value = "on";
        s.*rows[i].value = "off";
        FakeDocumentView view(1);
        ApplyUserLevel(app.ctx, view);
        EXPECT_EQ(Hidden(view), rows[i].expected);
        allOff = Union(allOff, rows[i].expected);
    }

    // Every box off hides every group; "on" and empty texts hide nothing.
    for (const char* value : {"off", "on", ""}) {
        SCOPED_TRACE(value);
        TestApp app;
        app.ctx.settings.MenuSystem = "custom";
        for (const Row& row : rows) app.ctx.settings.*row.value = value;
        FakeDocumentView view(1);
        ApplyUserLevel(app.ctx, view);
        EXPECT_EQ(Hidden(view), std::string(value) == "off" ? allOff : NameSet{});
    }
}

// Every window the program makes gets the level alone, however it was made;
// the rarely-used switch belongs to the first window.
TEST(ApplyUserLevel, EveryWayOfMakingAWindowGetsTheLevel) {
    testing::TempFolder dir;
    const std::string page = dir.write("page.htm", "<HTML>\r\n");
    dir.write("plain.qlt", "<HTML>\r\n");
    CommandTable commands;
    RegisterCoreCommands(commands);
    struct Way {
        const char* name;
        std::function<void(TestApp&)> make;
    };
    const std::vector<Way> ways = {
        {"New", [](TestApp& app) { NewDocument(app.ctx); }},
        {"New with a template",
         [&](TestApp& app) {
             app.shell.folder = dir.folder();
             OpenTemplate(app.ctx, "plain.qlt");
         }},
        {"Open",
         [&](TestApp& app) {
             app.dialogs.fileAnswers = {page};
             FileOpenCommand(app.ctx);
         }},
        {"Open UNIX file",
         [&](TestApp& app) {
             app.dialogs.fileAnswers = {page};
             OpenUnixCommand(app.ctx);
         }},
        {"recent file",
         [&](TestApp& app) {
             app.store.put("Startup", "RecentFile1", page);
             GetRecentFiles(app.ctx);
             ASSERT_TRUE(commands.run("mnuRecentFile(1)", app.ctx, nullptr));
         }},
    };
    struct Row {
        const char* level;
        NameSet expected;
    };
    for (const Row& row : {Row{"beginner", kBeginner}, Row{"intermediate", kIntermediate}, Row{"", {}}}) {
        for (const Way& way : ways) {
            SCOPED_TRACE(std::string(row.level) + ", " + way.name);
            TestApp app;
            app.ctx.settings.MenuSystem = row.level;
            app.ctx.settings.HTML3Menu = "off";
            way.make(app);
            ASSERT_NE(app.active(), nullptr);
            EXPECT_EQ(Hidden(*app.active()), row.expected);
        }
    }

    // Custom with Tables off and Java on.
    TestApp app;
    app.ctx.settings.MenuSystem = "custom";
    app.ctx.settings.HTML3Menu = "on";
    app.ctx.settings.TablesMenu = "off";
    app.ctx.settings.JavaMenu = "on";
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        way.make(app);
        EXPECT_FALSE(app.active()->menuItemVisible("mnuTable"));
        EXPECT_TRUE(app.active()->menuItemVisible("mnuJavaTags"));
    }
}

TEST(ApplyUserLevel, CancelledOpenReappliesTheLevelToTheActiveWindow) {
    testing::TempFolder dir;
    const std::string page = dir.write("page.htm", "<HTML>\r\n");
    using Command = void (*)(AppContext&);
    for (Command command : {Command{FileOpenCommand}, Command{OpenUnixCommand}}) {
        TestApp app;
        DocumentView* opened = OpenDocumentFile(app.ctx, page);
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(Hidden(*app.active()), NameSet{});
        // Chosen in Preferences after the window was made.
        app.ctx.settings.MenuSystem = "beginner";

        const int focused = app.editor().focusCount;
        app.dialogs.fileAnswers = {std::nullopt};
        command(app.ctx);
        EXPECT_EQ(app.active(), opened);
        EXPECT_EQ(Hidden(*app.active()), kBeginner);
        EXPECT_EQ(app.editor().focusCount, focused + 1);

        // A chosen file opens with the level too.
        app.dialogs.fileAnswers = {page};
        command(app.ctx);
        EXPECT_NE(app.active(), opened);
        EXPECT_EQ(Hidden(*app.active()), kBeginner);
    }

    // With no window, Cancel has nothing to apply the level to.
    TestApp empty;
    empty.ctx.settings.MenuSystem = "beginner";
    FileOpenCommand(empty.ctx);
    OpenUnixCommand(empty.ctx);
    EXPECT_TRUE(empty.shell.documentWindows().empty());
}

class StartUserLevel : public ::testing::Test {
protected:
    testing::ScopedCurrentFolder keepFolder;
    testing::ScratchFolder home;
    testing::ScopedHome homeVariable{home.path().string()};
    TestApp app;
};

TEST_F(StartUserLevel, FirstWindowGetsTheLevelAndTheRarelyUsedSwitch) {
    struct Row {
        const char* level;
        const char* html3;  // nullptr: not stored
        NameSet expected;
    };
    const std::vector<Row> rows = {
        {nullptr, nullptr, kRarelyUsed},  // the defaults: advanced, switch off
        {"advanced", "", kRarelyUsed},
        {"advanced", "on", {}},
        {"beginner", "on", kBeginner},
        {"intermediate", "off", Union(kIntermediate, kRarelyUsed)},
        // Custom with only the switch stored: the other groups default to "off".
        {"custom", "on", {"HeadElements", "mnuForm", "mnuTable", "mnuNSHR", "mnuLineBreak", "mnuNoBreak",
                          "mnuWordBreak", "mnuIEtags", "sep14", "mnuJavaTags", "sep15"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.level ? row.level : "(none)") + "/" + (row.html3 ? row.html3 : "(none)"));
        TestApp app;
        if (row.level) app.store.put("Menu", "MenuSystem", row.level);
        if (row.html3) app.store.put("Menu", "HTML3Menu", row.html3);
        StartProgram(app.ctx, {});
        ASSERT_EQ(app.active()->caption(), "Untitled:1");
        EXPECT_EQ(Hidden(*app.active()), row.expected);
    }
}

TEST_F(StartUserLevel, LaterWindowsShowTheRarelyUsedItemsAgain) {
    // Defaults: advanced, switch off. Only the first window hides the items.
    testing::TempFolder dir;
    const std::string page = dir.write("page.htm", "<HTML>\r\n");
    StartProgram(app.ctx, {page});
    FakeDocumentView* first = app.shell.window(1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Hidden(*first), kRarelyUsed);
    EXPECT_EQ(app.active()->caption(), page);
    EXPECT_EQ(Hidden(*app.active()), NameSet{});

    NewDocument(app.ctx);
    for (const char* name : {"BASE", "ISINDEX", "LINK", "NEXTID", "CITE", "mnuCode", "mnuFootNote", "mnuKBD", "SAMP",
                             "VAR"}) {
        EXPECT_FALSE(first->menuItemVisible(name)) << name;
        EXPECT_TRUE(app.active()->menuItemVisible(name)) << name;
    }
}

TEST_F(StartUserLevel, CommandLineFilesGetTheLevelWithoutTheRarelyUsedSwitch) {
    testing::TempFolder dir;
    const std::string page = dir.write("page.htm", "<HTML>\r\n");
    app.store.put("Menu", "MenuSystem", "intermediate");
    StartProgram(app.ctx, {page});
    ASSERT_NE(app.shell.window(1), nullptr);
    EXPECT_EQ(Hidden(*app.shell.window(1)), Union(kIntermediate, kRarelyUsed));
    ASSERT_EQ(app.active()->caption(), page);
    EXPECT_EQ(Hidden(*app.active()), kIntermediate);
}

TEST_F(StartUserLevel, CustomLevelReadsItsStoredSet) {
    app.store.put("Menu", "MenuSystem", "custom");
    app.store.put("Menu", "HTML3Menu", "on");
    for (const char* key : {"StructMenu", "AnchorMenu", "FormsMenu", "NetscapeMenu", "IEMenu"}) {
        app.store.put("Menu", key, "on");
    }
    // TablesMenu and JavaMenu are not stored: their default is "off".
    StartProgram(app.ctx, {});
    EXPECT_EQ(Hidden(*app.active()), (NameSet{"mnuTable", "mnuJavaTags", "sep15"}));
}

}  // namespace
}  // namespace quillane
