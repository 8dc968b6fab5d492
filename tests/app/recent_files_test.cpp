#include "app/recent_files.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/fakes.h"

namespace quillane {
namespace {

using testing::TestApp;

std::vector<std::string> StoredList(TestApp& app) {
    std::vector<std::string> out;
    for (int i = 1; i <= 4; ++i) out.push_back(app.store.get("Startup", "RecentFile" + std::to_string(i), "Not Used"));
    return out;
}

std::vector<std::string> MainCaptions(TestApp& app) {
    std::vector<std::string> out;
    for (int i = 1; i <= 4; ++i) out.push_back(app.shell.recentEntryCaption(i));
    return out;
}

using Entry = std::pair<std::string, bool>;

TEST(RecentFiles, FiveOpensKeepTheLastFourNewestFirst) {
    TestApp app;
    for (const char* path : {"/s/a.htm", "/s/b.htm", "/s/c.htm", "/s/d.htm", "/s/e.htm"}) AddToRecentFiles(app.ctx, path);
    const std::vector<std::string> expected = {"/s/e.htm", "/s/d.htm", "/s/c.htm", "/s/b.htm"};
    EXPECT_EQ(StoredList(app), expected);
    EXPECT_EQ(MainCaptions(app), expected);
    EXPECT_EQ(app.shell.recentEntries[0], Entry("-", true));
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(app.shell.recentEntries[i].second) << i;
}

TEST(RecentFiles, ReopeningAListedFileDoesNotReorder) {
    TestApp app;
    for (const char* path : {"/s/a.htm", "/s/b.htm", "/s/c.htm", "/s/a.htm", "/s/b.htm"}) AddToRecentFiles(app.ctx, path);
    const std::vector<std::string> expected = {"/s/c.htm", "/s/b.htm", "/s/a.htm", "Not Used"};
    EXPECT_EQ(StoredList(app), expected);
    EXPECT_TRUE(IsOnRecentList(app.ctx, "/s/a.htm"));
    EXPECT_FALSE(IsOnRecentList(app.ctx, "/s/z.htm"));
}

TEST(RecentFiles, UnusedEntriesAreNeitherShownNorShifted) {
    TestApp app;
    GetRecentFiles(app.ctx);
    EXPECT_TRUE(app.shell.recentEntries.empty());  // all five keep their start state

    app.store.put("Startup", "RecentFile1", "/s/a.htm");
    app.store.put("Startup", "RecentFile2", "Not Used here");
    WriteRecentFiles(app.ctx, "/s/b.htm");
    EXPECT_EQ(StoredList(app), (std::vector<std::string>{"/s/b.htm", "/s/a.htm", "Not Used", "Not Used"}));
    EXPECT_FALSE(app.store.has("Startup", "RecentFile3"));

    GetRecentFiles(app.ctx);
    EXPECT_EQ(app.shell.recentEntries.size(), 3u);  // separator, 1 and 2
    EXPECT_EQ(app.shell.recentEntries[2], Entry("/s/a.htm", true));
    EXPECT_EQ(app.shell.recentEntryCaption(3), "RecentFile3");
}

TEST(RecentFiles, EntriesAreNeverHiddenAgain) {
    TestApp app;
    app.store.put("Startup", "RecentFile3", "/s/c.htm");
    GetRecentFiles(app.ctx);
    app.store.put("Startup", "RecentFile3", "Not Used");
    GetRecentFiles(app.ctx);
    EXPECT_EQ(app.shell.recentEntries[3], Entry("/s/c.htm", true));
    EXPECT_EQ(app.shell.recentEntries[0], Entry("-", true));
}

TEST(RecentFiles, OpenDocumentWindowsShowTheEntriesFromTheNextRefresh) {
    TestApp app;
    auto& first = dynamic_cast<testing::FakeDocumentView&>(app.shell.createDocumentWindow(1));
    auto& second = dynamic_cast<testing::FakeDocumentView&>(app.shell.createDocumentWindow(2));
    AddToRecentFiles(app.ctx, "/s/a.htm");
    for (auto* view : {&first, &second}) {
        EXPECT_EQ(view->recentEntries[0], Entry("-", true));
        EXPECT_EQ(view->recentEntries[1], Entry("/s/a.htm", true));
    }

    auto& later = dynamic_cast<testing::FakeDocumentView&>(app.shell.createDocumentWindow(3));
    EXPECT_TRUE(later.recentEntries.empty());
    AddToRecentFiles(app.ctx, "/s/b.htm");
    EXPECT_EQ(later.recentEntries[1], Entry("/s/b.htm", true));
    EXPECT_EQ(later.recentEntries[2], Entry("/s/a.htm", true));
}

TEST(RecentFiles, IsOnRecentListLooksAtTheMainWindowEntriesNotTheStore) {
    TestApp app;
    app.store.put("Startup", "RecentFile1", "/s/a.htm");
    EXPECT_FALSE(IsOnRecentList(app.ctx, "/s/a.htm"));
    GetRecentFiles(app.ctx);
    EXPECT_TRUE(IsOnRecentList(app.ctx, "/s/a.htm"));
}

}  // namespace
}  // namespace quillane
