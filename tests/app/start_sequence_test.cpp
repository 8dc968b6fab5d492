#include "app/start_sequence.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/new_page_text.h"
#include "app/scoped_environment.h"
#include "editor/document_lifecycle.h"
#include "editor/file_bytes.h"
#include "editor/hostile_files.h"
#include "support/fakes.h"

namespace quillane {
namespace {

using testing::ScopedCurrentFolder;
using testing::ScopedHome;
using testing::ScratchFolder;
using testing::TestApp;

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

class StartProgramTest : public ::testing::Test {
protected:
    ScopedCurrentFolder keepFolder;
    ScratchFolder home;
    ScopedHome homeVariable{home.path().string()};
    TestApp app;
};

TEST_F(StartProgramTest, FirstStartWithAnEmptyStore) {
    StartProgram(app.ctx, {});

    // Two thirds of the screen, centred; placed before it is shown.
    EXPECT_EQ(app.shell.rect, (TwipsRect{2560, 1920, 10240, 7680}));
    EXPECT_TRUE(app.shell.placedWhileHidden);
    EXPECT_TRUE(app.shell.shown);
    ASSERT_EQ(app.shell.documentWindows().size(), 1u);
    testing::FakeDocumentView* view = app.active();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->slot(), 1);
    EXPECT_EQ(view->caption(), "Untitled:1");

    const std::string expected = NewPageText(app.clock.time, "");
    EXPECT_EQ(app.editor().text(), expected);
    EXPECT_EQ(app.editor().selStart(), expected.size() - 22);
    EXPECT_EQ(app.editor().selLength(), 0u);
    EXPECT_GE(app.editor().focusCount, 1);
    EXPECT_FALSE(app.ctx.documentSlots[1].free);
    EXPECT_FALSE(app.ctx.documentSlots[1].modified);
    EXPECT_FALSE(app.editor().canUndo());
    EXPECT_EQ(app.editor().fontName, "MS Sans Serif");
    EXPECT_EQ(app.editor().fontSize, 10);
    EXPECT_FALSE(app.editor().fontBold);
    EXPECT_EQ(app.shell.status[StatusPanel::Length], FormatDocumentLength(expected.size()));
    EXPECT_TRUE(app.shell.documentToolbarEnabled);

    EXPECT_EQ(app.ctx.settings.WorkingDirectory, home.slashed());
    EXPECT_EQ(app.ctx.documentFolder, home.slashed());
    EXPECT_EQ(app.ctx.saveFolder, home.slashed());
    EXPECT_EQ(std::filesystem::current_path(), home.path());
    EXPECT_TRUE(app.messages.shown.empty());
    EXPECT_TRUE(app.store.values.empty());
}

TEST_F(StartProgramTest, StoredSettingsPlaceTheWindowAndReachTheFirstEditor) {
    ScratchFolder site;
    app.store.put("Window", "LeftXCoord", " 1200");
    app.store.put("Window", "LeftYCoord", "-5");
    app.store.put("Window", "WindowXSize", "0");
    app.store.put("Window", "WindowYSize", " 8000");
    app.store.put("Font", "FontName", "DejaVu Sans Mono");
    app.store.put("Font", "FontSize", "13");
    app.store.put("Directory", "WorkingDirectory", site.path().string());
    app.store.put("Startup", "RecentFile1", "/s/a.htm");
    app.ctx.bodyAttributes = " BGCOLOR=\"#FFFFFF\"";

    StartProgram(app.ctx, {});

    EXPECT_EQ(app.shell.rect, (TwipsRect{1200, -5, 15360, 8000}));
    EXPECT_EQ(app.editor().fontName, "DejaVu Sans Mono");
    EXPECT_EQ(app.editor().fontSize, 13);
    EXPECT_EQ(app.editor().text(), NewPageText(app.clock.time, " BGCOLOR=\"#FFFFFF\""));
    EXPECT_EQ(app.ctx.documentFolder, site.slashed());
    EXPECT_EQ(std::filesystem::current_path(), site.path());
    EXPECT_EQ(app.shell.recentEntries[1], (std::pair<std::string, bool>("/s/a.htm", true)));
    EXPECT_EQ(app.active()->recentEntries[1], (std::pair<std::string, bool>("/s/a.htm", true)));
}

// A place left behind by a screen that is gone: the title bar comes back
// onto the screen, the size stays.
TEST_F(StartProgramTest, StoredPlaceOffTheScreenComesBackOnIt) {
    app.store.put("Window", "LeftXCoord", " 30000");
    app.store.put("Window", "LeftYCoord", "-20000");
    app.store.put("Window", "WindowXSize", " 9000");
    app.store.put("Window", "WindowYSize", " 6000");
    StartProgram(app.ctx, {});
    EXPECT_EQ(app.shell.rect, (TwipsRect{6360, 0, 9000, 6000}));
    EXPECT_TRUE(app.shell.placedWhileHidden);
}

TEST_F(StartProgramTest, MissingWorkingFolderKeepsTheCurrentFolderAndGoesOn) {
    ScratchFolder launch;
    std::filesystem::current_path(launch.path());
    app.store.put("Directory", "WorkingDirectory", (launch.path() / "gone").string());
    StartProgram(app.ctx, {});
    EXPECT_EQ(std::filesystem::current_path(), launch.path());
    EXPECT_EQ(app.ctx.documentFolder, (launch.path() / "gone").string() + "/");
    EXPECT_EQ(app.active()->caption(), "Untitled:1");
}

TEST_F(StartProgramTest, EmptyWorkingFolderIsReportedAtEachLoadAndTheStartGoesOn) {
    app.store.put("Directory", "WorkingDirectory", "");
    StartProgram(app.ctx, {});
    EXPECT_EQ(app.messages.texts(), (std::vector<std::string>(2, "Working Directory statements not found in INI file.")));
    EXPECT_EQ(app.active()->caption(), "Untitled:1");
}

TEST_F(StartProgramTest, CommandLineFilesOpenInOrderAfterUntitled) {
    ScratchFolder launch;
    WriteFile(launch.path() / "a.htm", "<P>a</P>");
    WriteFile(launch.path() / "b b.htm", "<P>b</P>");
    std::filesystem::current_path(launch.path());
    const std::string a = (launch.path() / "a.htm").string();
    const std::string b = (launch.path() / "b b.htm").string();

    // A relative argument names a file in the folder the program started in,
    // not in the working folder the start moves to.
    StartProgram(app.ctx, {a, "b b.htm"});

    std::vector<DocumentView*> windows = app.shell.documentWindows();
    ASSERT_EQ(windows.size(), 3u);
    EXPECT_EQ(windows[0]->caption(), "Untitled:1");
    EXPECT_EQ(windows[1]->caption(), a);
    EXPECT_EQ(windows[2]->caption(), b);
    EXPECT_EQ(windows[1]->editor().text(), "<P>a</P>");
    EXPECT_EQ(windows[2]->editor().text(), "<P>b</P>");
    EXPECT_EQ(app.active(), windows[2]);
    EXPECT_EQ(std::filesystem::current_path(), home.path());
}

TEST_F(StartProgramTest, AnUnopenableCommandLineFileIsReportedAndTheRestStillOpen) {
    ScratchFolder launch;
    WriteFile(launch.path() / "ok.htm", "ok");
    const std::string missing = (launch.path() / "missing.htm").string();
    const std::string ok = (launch.path() / "ok.htm").string();
    StartProgram(app.ctx, {missing, ok});
    EXPECT_EQ(app.messages.texts(), (std::vector<std::string>{"Can't open file: " + missing}));
    ASSERT_EQ(app.shell.documentWindows().size(), 2u);
    EXPECT_EQ(app.active()->caption(), ok);
}

// A pipe, the zero device and a file far larger than memory on the command
// line: each is refused with its reason, the files after them still open.
TEST_F(StartProgramTest, PipesDevicesAndHugeFilesOnTheCommandLineAreRefused) {
    testing::TempFolder launch;
    const std::string pipe = testing::MakePipe(launch, "pipe.htm");
    testing::PipeReleaser releaser(pipe);
    const std::string huge = testing::MakeSparseFile(launch, "huge.htm", testing::kHundredGigabytes);
    const std::string ok = launch.write("ok.htm", "ok");
    StartProgram(app.ctx, {pipe, "/dev/zero", huge, ok});

    const std::string notAFile = "\n\nNot a regular file (a pipe, socket or device)";
    const std::string tooLarge = "\n\nFile too large (the largest document is " +
                                 std::to_string(MaxDocumentBytes() >> 20) + " MB)";
    EXPECT_EQ(app.messages.texts(),
              (std::vector<std::string>{"Can't open file: " + pipe + notAFile, "Can't open file: /dev/zero" + notAFile,
                                        "Can't open file: " + huge + tooLarge}));
    ASSERT_EQ(app.shell.documentWindows().size(), 2u);
    EXPECT_EQ(app.active()->caption(), ok);
    EXPECT_FALSE(app.shell.busy);
}

}  // namespace
}  // namespace quillane
