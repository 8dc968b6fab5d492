#include "makers/table_preview.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <optional>

#include "app/app_context.h"
#include "editor/temp_folder.h"
#include "support/fakes.h"

namespace quillane {
namespace {

using testing::ReadAll;
using testing::TempFolder;
using testing::TestApp;

// $XDG_CACHE_HOME for one test.
class ScopedCacheHome {
public:
    explicit ScopedCacheHome(const std::string& value) {
        if (const char* old = std::getenv("XDG_CACHE_HOME")) saved_ = old;
        setenv("XDG_CACHE_HOME", value.c_str(), 1);
    }
    ~ScopedCacheHome() {
        if (saved_)
            setenv("XDG_CACHE_HOME", saved_->c_str(), 1);
        else
            unsetenv("XDG_CACHE_HOME");
    }

private:
    std::optional<std::string> saved_;
};

const char* const kOneByTwo =
    "<TABLE BORDER>\r\n"
    "\t<TR>\r\n"
    "\t\t<TD>a</TD>\r\n"
    "\t\t<TD>b</TD>\r\n"
    "</TR>\r\n"
    "</TABLE>\r\n";

struct PreviewApp {
    PreviewApp() {
        app.shell.folder = program.folder();
        app.store.put("Apps", "Browser", "/usr/bin/browser");
        app.ctx.tableSettings.rows = 1;
        app.ctx.tableSettings.columns = 2;
        app.ctx.tableSettings.borderAttr = " BORDER";
    }
    TempFolder program;
    TempFolder cache;
    ScopedCacheHome cacheHome{cache.folderWithoutSlash()};
    TestApp app;
};

TEST(PreviewTable, WritesTheFileLayoutAndShowsItInTheFirstBrowser) {
    PreviewApp p;
    p.program.write("qlnvtabl.htm", "an earlier, longer preview that is replaced");
    PreviewTable(p.app.ctx, {{"a", "b"}});

    const std::string path = p.program.path("qlnvtabl.htm");
    EXPECT_EQ(ReadAll(path), kOneByTwo);
    ASSERT_EQ(p.app.launcher.launches.size(), 1u);
    EXPECT_EQ(p.app.launcher.launches[0].program, "/usr/bin/browser");
    EXPECT_EQ(p.app.launcher.launches[0].arguments, std::vector<std::string>{path});
    EXPECT_FALSE(p.app.shell.busy);
    EXPECT_TRUE(p.app.messages.shown.empty());
}

// An installed program's folder is not the user's to write: the preview goes
// to the user's cache folder instead.
TEST(PreviewTable, ReadOnlyProgramFolderUsesTheCacheFolder) {
    PreviewApp p;
    chmod(p.program.folderWithoutSlash().c_str(), 0555);
    PreviewTable(p.app.ctx, {{"a", "b"}});

    const std::string path = p.cache.folder() + "Quillane/qlnvtabl.htm";
    EXPECT_EQ(ReadAll(path), kOneByTwo);
    ASSERT_EQ(p.app.launcher.launches.size(), 1u);
    EXPECT_EQ(p.app.launcher.launches[0].arguments, std::vector<std::string>{path});
}

// Nowhere to write: said so, and no browser is shown a stale copy.
TEST(PreviewTable, UnwritableEverywhereIsReportedAndNothingStarts) {
    PreviewApp p;
    chmod(p.program.folderWithoutSlash().c_str(), 0555);
    // A file where the cache folder would be.
    p.cache.write("Quillane", "");
    PreviewTable(p.app.ctx, {{"a", "b"}});

    EXPECT_TRUE(p.app.launcher.launches.empty());
    ASSERT_EQ(p.app.messages.shown.size(), 1u);
    EXPECT_EQ(p.app.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(p.app.messages.shown[0].text.find("qlnvtabl.htm"), std::string::npos);
    EXPECT_FALSE(p.app.shell.busy);
}

}  // namespace
}  // namespace quillane
