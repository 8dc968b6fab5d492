#include "app/commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_table.h"
#include "editor/document_lifecycle.h"
#include "editor/temp_folder.h"
#include "support/fakes.h"

namespace quillane {
namespace {

using testing::TempFolder;
using testing::TestApp;

struct CommandsTest : ::testing::Test {
    CommandsTest() { RegisterCoreCommands(commands); }
    bool run(const std::string& name, DocumentView* target = nullptr) { return commands.run(name, app.ctx, target); }
    TestApp app;
    CommandTable commands;
};

TEST_F(CommandsTest, HelpItemsOpenTheirTopics) {
    const std::pair<const char*, int> rows[] = {
        {"Help", 0}, {"mnuHowto", 40}, {"mnuHTMLtagRef", 33}, {"mnuUploadToWeb", 42}, {"mnuTutorial", 10}};
    for (const auto& [name, topic] : rows) {
        app.help.topics.clear();
        ASSERT_TRUE(run(name)) << name;
        EXPECT_EQ(app.help.topics, std::vector<int>{topic}) << name;
    }
}

TEST_F(CommandsTest, WindowItemsArrangeTheWindows) {
    const std::pair<const char*, WindowArrangement> rows[] = {{"cascademnu", WindowArrangement::Cascade},
                                                              {"TileHoriz", WindowArrangement::TileHorizontally},
                                                              {"TileVert", WindowArrangement::TileVertically},
                                                              {"ArrangeIcon", WindowArrangement::ArrangeIcons}};
    for (const auto& [name, how] : rows) {
        app.shell.arrangements.clear();
        ASSERT_TRUE(run(name)) << name;
        EXPECT_EQ(app.shell.arrangements, std::vector<WindowArrangement>{how}) << name;
    }
}

TEST_F(CommandsTest, CloseActsOnTheWindowWhoseMenuWasUsed) {
    DocumentView& first = NewDocument(app.ctx);
    NewDocument(app.ctx);
    ASSERT_TRUE(run("FileClose", &first));
    ASSERT_EQ(app.shell.documentWindows().size(), 1u);
    EXPECT_NE(app.active(), &first);
    // Without a target, the active window.
    ASSERT_TRUE(run("FileClose"));
    EXPECT_TRUE(app.shell.documentWindows().empty());
    // With no window at all, nothing happens.
    EXPECT_TRUE(run("FileClose"));
    EXPECT_TRUE(run("FileSave"));
    EXPECT_TRUE(app.messages.shown.empty());
}

TEST_F(CommandsTest, CloseAllStopsAtACancelledPrompt) {
    DocumentView& changed = NewDocument(app.ctx);
    app.editor().setSelText("changed");
    NewDocument(app.ctx);
    app.messages.answers.push_back(MessageAnswer::Cancel);
    ASSERT_TRUE(run("mnuCloseAll"));
    ASSERT_EQ(app.shell.documentWindows().size(), 1u);
    EXPECT_EQ(app.active(), &changed);
    EXPECT_EQ(app.messages.shown.size(), 1u);
}

TEST_F(CommandsTest, SaveWritesTheTargetWindow) {
    TempFolder folder;
    const std::string path = folder.write("page.htm", "old");
    DocumentView& view = NewDocument(app.ctx);
    view.editor().setText("new");
    view.setCaption(path);
    NewDocument(app.ctx);  // another window is active
    ASSERT_TRUE(run("FileSave", &view));
    EXPECT_EQ(testing::ReadAll(path), "new\r\n");
}

// A recent entry opens the file its caption names and refreshes the list.
TEST_F(CommandsTest, RecentEntryOpensItsFile) {
    TempFolder folder;
    const std::string a = folder.write("a.htm", "A");
    const std::string b = folder.write("b.htm", "B");
    app.shell.setRecentEntry(1, a, true);
    app.shell.setRecentEntry(2, b, true);
    app.store.put("Startup", "RecentFile1", a);
    app.store.put("Startup", "RecentFile2", b);
    ASSERT_TRUE(run("mnuRecentFile(2)"));
    EXPECT_EQ(app.active()->caption(), b);
    EXPECT_EQ(app.editor().text(), "B");
    // The open window's own entries are refreshed from the store.
    EXPECT_EQ(app.active()->recentEntries[1], std::make_pair(a, true));
    EXPECT_EQ(app.active()->recentEntries[2], std::make_pair(b, true));
}

TEST_F(CommandsTest, EveryFileCommandIsRegistered) {
    for (const char* name : {"FileOpen", "mnuOpenUNIX", "FileInsert", "FileSave", "FileSaveAs", "mnuUNIXsave", "FileClose",
                             "mnuCloseAll", "mnuRecentFile(1)", "mnuRecentFile(4)", "mnuColorize", "Bold"})
        EXPECT_TRUE(commands.has(name)) << name;
    // These need windows of their own and are registered with them.
    for (const char* name : {"mnuNewFile", "FileExit", "mnuFileExit", "mnuRecentFile(0)"})
        EXPECT_FALSE(commands.has(name)) << name;
}

}  // namespace
}  // namespace quillane
