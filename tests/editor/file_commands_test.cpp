#include "editor/file_commands.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <set>

#include "editor/file_bytes.h"
#include "editor/text_encoding.h"
#include "file_size_limit.h"
#include "hostile_files.h"
#include "platform/write_signals.h"
#include "support/fakes.h"
#include "temp_folder.h"

namespace quillane {
namespace {

using namespace std::string_literals;
using testing::FakeDocumentView;
using testing::FileSizeLimit;
using testing::kHundredGigabytes;
using testing::MakePipe;
using testing::MakeSparseFile;
using testing::PipeReleaser;
using testing::ReadAll;
using testing::TempFolder;
using testing::TestApp;

constexpr const char* kReadOnlyMessage = "Read only file.  Use Save As to save the file.";
constexpr const char* kNotARegularFile = "Not a regular file (a pipe, socket or device)";

class FileCommands : public ::testing::Test {
protected:
    FileCommands() {
        app.ctx.settings.FontName = "Courier New";
        app.ctx.settings.FontSize = 12;
        app.ctx.documentFolder = "/start/docs/";
        app.ctx.saveFolder = "/start/save/";
        // Colouring on open has its own test below; it also moves the focus.
        app.ctx.settings.ColorTags = 0;
    }

    FakeDocumentView& Open(const std::string& path) {
        DocumentView* view = OpenDocumentFile(app.ctx, path);
        EXPECT_NE(view, nullptr);
        return *app.active();
    }
    // A window with a text, as if typed: modified.
    FakeDocumentView& Typed(const std::string& caption, const std::string& text) {
        FakeDocumentView& view = Open(dir.write("typed.htm", ""));
        view.setCaption(caption);
        view.editor().setText(text);
        return view;
    }
    bool Modified(DocumentView& view) { return app.ctx.documentSlots[view.slot()].modified; }
    std::string Recent1() { return app.store.get("Startup", "RecentFile1", "Not Used"); }

    TestApp app;
    TempFolder dir;
};

TEST_F(FileCommands, OpenColoursTheTagsWithoutMarkingTheDocumentModified) {
    app.ctx.settings.ColorTags = 1;
    FakeDocumentView& view = Open(dir.write("page.htm", "<B>bold</B>"));
    EXPECT_FALSE(view.memoryEditor().appliedSpans.empty());
    EXPECT_TRUE(view.memoryEditor().visible());
    EXPECT_FALSE(Modified(view));
    EXPECT_FALSE(app.ctx.coloringInProgress);

    // A UNIX file is never coloured.
    FakeDocumentView* unixView = dynamic_cast<FakeDocumentView*>(OpenUnixFile(app.ctx, dir.write("u.htm", "<B>x</B>\n")));
    ASSERT_NE(unixView, nullptr);
    EXPECT_TRUE(unixView->memoryEditor().appliedSpans.empty());
}

TEST_F(FileCommands, OpenShowsTheFileUnchangedAndSaveAddsOneLineEnd) {
    struct Case {
        const char* name;
        std::string bytes;
        TextEncoding encoding;
    };
    const Case cases[] = {
        {"empty", "", TextEncoding::Utf8},
        {"CR LF page", "<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n", TextEncoding::Utf8},
        {"no final line end", "<P>last line", TextEncoding::Utf8},
        {"mixed line ends and lone CR", "a\nb\r\nc\rd\n\n", TextEncoding::Utf8},
        {"NUL bytes", "a\0b\r\n\0"s, TextEncoding::Utf8},
        {"UTF-8 with a stray byte", "caf\xC3\xA9 na\xC3\xAFve \xFF", TextEncoding::Utf8},
        {"windows-1252", "caf\xE9 \x93quoted\x94\r\n\x81", TextEncoding::Windows1252},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = dir.write("page.htm", c.bytes);
        FakeDocumentView& view = Open(path);
        EXPECT_EQ(view.caption(), path);
        EXPECT_EQ(view.editor().text(), DecodeFileBytes(c.bytes).utf8);
        EXPECT_EQ(app.ctx.documentSlots[view.slot()].encoding, c.encoding);
        EXPECT_FALSE(Modified(view));
        EXPECT_FALSE(view.editor().canUndo());
        EXPECT_FALSE(app.shell.busy);

        ASSERT_TRUE(SaveCommand(app.ctx, view));
        EXPECT_EQ(ReadAll(path), c.bytes + "\r\n");
        EXPECT_EQ(view.caption(), path);
        EXPECT_EQ(view.memoryEditor().focusCount, 1);
    }
    EXPECT_EQ(dir.names(), (std::set<std::string>{"page.htm"}));
}

TEST_F(FileCommands, OpenFillsANewWindowInTheLowestFreeSlot) {
    app.ctx.documentSlots.release(1);  // no document open
    app.shell.documentToolbarEnabled = false;
    std::string path = dir.write("page.htm", "<P>text</P>");
    FakeDocumentView& view = Open(path);
    EXPECT_EQ(view.slot(), 1);
    EXPECT_TRUE(app.shell.documentToolbarEnabled);
    EXPECT_EQ(view.memoryEditor().fontName, "Courier New");
    EXPECT_EQ(view.memoryEditor().fontSize, 12);
    EXPECT_FALSE(view.memoryEditor().fontBold);
    EXPECT_EQ(app.shell.status[StatusPanel::Length], " 11 bytes");
    EXPECT_EQ(Open(path).slot(), 2);
}

TEST_F(FileCommands, FileThatCannotBeOpenedMakesNoWindow) {
    for (const std::string& path : {dir.path("missing.htm"), dir.folder()}) {
        SCOPED_TRACE(path);
        app.messages.shown.clear();
        EXPECT_EQ(OpenDocumentFile(app.ctx, path), nullptr);
        EXPECT_EQ(OpenUnixFile(app.ctx, path), nullptr);
        ASSERT_EQ(app.messages.shown.size(), 2u);
        EXPECT_EQ(app.messages.shown[0].text, "Can't open file: " + path);
        EXPECT_EQ(app.messages.shown[0].title, "");
        EXPECT_EQ(app.messages.shown[0].buttons, MessageButtons::Ok);
        EXPECT_TRUE(app.shell.documentWindows().empty());
        EXPECT_EQ(app.ctx.documentSlots.lastSlot(), 1);
        EXPECT_FALSE(app.shell.busy);
    }
}

// A file that is there but is no document says why, and the program goes on.
TEST_F(FileCommands, PipeDeviceOrHugeFileIsRefusedWithTheReason) {
    const std::string pipe = MakePipe(dir, "pipe.htm");
    PipeReleaser releaser(pipe);
    const std::string huge = MakeSparseFile(dir, "huge.htm", kHundredGigabytes);
    const std::string tooLarge =
        std::string(std::strerror(EFBIG)) + " (the largest document is " + std::to_string(MaxDocumentBytes() >> 20) + " MB)";
    const std::pair<std::string, std::string> cases[] = {
        {pipe, kNotARegularFile}, {"/dev/zero", kNotARegularFile}, {huge, tooLarge}};
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path);
        app.messages.shown.clear();
        EXPECT_EQ(OpenDocumentFile(app.ctx, path), nullptr);
        EXPECT_EQ(OpenUnixFile(app.ctx, path), nullptr);
        EXPECT_EQ(app.messages.texts(), std::vector<std::string>(2, "Can't open file: " + path + "\n\n" + reason));
        EXPECT_TRUE(app.shell.documentWindows().empty());
        EXPECT_FALSE(app.shell.busy);
    }
    // The Open command keeps it off the recent list.
    app.dialogs.fileAnswers = {huge};
    FileOpenCommand(app.ctx);
    EXPECT_EQ(Recent1(), "Not Used");
    EXPECT_EQ(app.ctx.documentSlots.lastSlot(), 1);
}

TEST_F(FileCommands, EditedWindows1252DocumentIsWrittenInItsEncoding) {
    std::string path = dir.write("old.htm", "caf\xE9");
    FakeDocumentView& view = Open(path);
    view.editor().setSelStart(view.editor().length());
    view.editor().setSelText(" \xE2\x82\xAC \xE2\x86\x92");  // euro sign, arrow
    EXPECT_TRUE(Modified(view));
    ASSERT_TRUE(SaveCommand(app.ctx, view));
    EXPECT_EQ(ReadAll(path), "caf\xE9 \x80 &#8594;\r\n");
    EXPECT_FALSE(Modified(view));
}

TEST_F(FileCommands, TemplateOpensUntitledAndSaveAsksForAName) {
    for (const char* name : {"page.QLT", "page.qlt", "page.Qlt"}) {
        SCOPED_TRACE(name);
        std::string path = dir.write(name, "<HTML></HTML>");
        FakeDocumentView& view = Open(path);
        EXPECT_EQ(view.caption(), "Untitled:" + std::to_string(view.slot()));

        app.dialogs.fileAnswers = {std::nullopt};
        EXPECT_FALSE(SaveCommand(app.ctx, view));
        EXPECT_EQ(app.dialogs.fileRequests.back().title, "Save As");
        EXPECT_EQ(dir.names(), (std::set<std::string>{name}));

        app.dialogs.fileAnswers = {dir.path("mine.htm")};
        ASSERT_TRUE(SaveCommand(app.ctx, view));
        EXPECT_EQ(ReadAll(dir.path("mine.htm")), "<HTML></HTML>\r\n");
        EXPECT_EQ(ReadAll(path), "<HTML></HTML>");
        EXPECT_EQ(view.caption(), dir.path("mine.htm"));
        std::filesystem::remove(dir.path("mine.htm"));
        std::filesystem::remove(path);
    }
}

TEST_F(FileCommands, OpenCommandRemembersTheFileAndItsFolder) {
    std::string path = dir.write("page.htm", "<P>");
    app.dialogs.fileAnswers = {path};
    FileOpenCommand(app.ctx);
    const FileDialogRequest& request = app.dialogs.fileRequests.at(0);
    EXPECT_EQ(request.title, "Open");
    EXPECT_EQ(request.filter, kFilterOpen);
    EXPECT_EQ(request.filterIndex, 3);
    EXPECT_EQ(request.startFolder, "/start/docs/");
    EXPECT_EQ(request.initialName, "");
    EXPECT_FALSE(request.overwritePrompt);
    ASSERT_NE(app.active(), nullptr);
    EXPECT_EQ(app.active()->caption(), path);
    EXPECT_EQ(app.active()->editor().text(), "<P>");
    EXPECT_EQ(Recent1(), path);
    EXPECT_EQ(app.ctx.documentFolder, dir.folder());
    EXPECT_EQ(app.active()->recentEntries[1].first, path);
}

TEST_F(FileCommands, OpenCommandCancelOnlyFocusesTheEditor) {
    FakeDocumentView& view = Typed("Untitled:1", "text");
    app.dialogs.fileAnswers = {std::nullopt};
    FileOpenCommand(app.ctx);
    app.dialogs.fileAnswers = {std::nullopt};
    OpenUnixCommand(app.ctx);
    EXPECT_EQ(app.shell.documentWindows().size(), 1u);
    EXPECT_EQ(view.memoryEditor().focusCount, 2);
    EXPECT_EQ(app.ctx.documentFolder, "/start/docs/");
    EXPECT_EQ(Recent1(), "Not Used");

    // With no window at all, Cancel has nothing to focus.
    TestApp empty;
    FileOpenCommand(empty.ctx);
    EXPECT_TRUE(empty.shell.documentWindows().empty());
}

TEST_F(FileCommands, FailedOpenFromTheDialogStaysOffTheRecentList) {
    app.dialogs.fileAnswers = {dir.path("gone.htm")};
    FileOpenCommand(app.ctx);
    EXPECT_EQ(app.messages.texts(), std::vector<std::string>{"Can't open file: " + dir.path("gone.htm")});
    EXPECT_EQ(Recent1(), "Not Used");
    EXPECT_EQ(app.ctx.documentFolder, dir.folder());
}

TEST_F(FileCommands, OpenUnixTurnsEveryLineFeedIntoCrLf) {
    std::string path = dir.write("unix.htm", "a\nb\r\nc\n\n");
    app.dialogs.fileAnswers = {path};
    OpenUnixCommand(app.ctx);
    const FileDialogRequest& request = app.dialogs.fileRequests.at(0);
    EXPECT_EQ(request.title, "Open");
    EXPECT_EQ(request.filter, kFilterOpenUnix);
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.startFolder, "/start/docs/");
    EXPECT_EQ(request.initialName, "");
    FakeDocumentView& view = *app.active();
    EXPECT_EQ(view.editor().text(), "a\r\nb\r\r\nc\r\n\r\n");
    EXPECT_EQ(view.caption(), path);
    EXPECT_FALSE(Modified(view));
    EXPECT_FALSE(view.editor().canUndo());
    EXPECT_EQ(view.memoryEditor().fontName, "Courier New");
    EXPECT_EQ(Recent1(), path);
    EXPECT_EQ(app.ctx.documentFolder, dir.folder());

    // A UNIX template is a template too.
    DocumentView* unixTemplate = OpenUnixFile(app.ctx, dir.write("t.qlt", "x\n"));
    ASSERT_NE(unixTemplate, nullptr);
    EXPECT_EQ(unixTemplate->caption(), "Untitled:" + std::to_string(unixTemplate->slot()));
}

TEST_F(FileCommands, SaveUnixFormatDropsEveryCrAndChangesNothingElse) {
    struct Case {
        std::string text;
        std::string file;
    };
    const Case cases[] = {
        {"a\r\nb", "a\nb\r\n"},
        {"a\r\r\nb\r\n", "a\nb\n\r\n"},
        {"lone\rcr", "lonecr\r\n"},
        {"", "\r\n"},
    };
    FakeDocumentView& view = Typed("/site/page.htm", "");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        view.editor().setText(c.text);
        app.dialogs.fileAnswers = {dir.path("export.htm")};
        SaveUnixCommand(app.ctx, view);
        EXPECT_EQ(ReadAll(dir.path("export.htm")), c.file);
        EXPECT_EQ(view.caption(), "/site/page.htm");
        EXPECT_TRUE(Modified(view));
    }
    const FileDialogRequest& request = app.dialogs.fileRequests.at(0);
    EXPECT_EQ(request.title, "Save UNIX File As...");
    EXPECT_EQ(request.filter, kFilterSave);
    EXPECT_EQ(request.filterIndex, 3);
    EXPECT_EQ(request.startFolder, std::nullopt);
    EXPECT_EQ(request.initialName, "");
    // The chosen file may be open in another window: replacing it is asked.
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_EQ(Recent1(), "Not Used");
    EXPECT_TRUE(app.messages.shown.empty());
}

TEST_F(FileCommands, SaveUnixFormatFailureAndCancel) {
    FakeDocumentView& view = Typed("/site/page.htm", "a\r\nb");
    std::string locked = dir.write("locked.htm", "old");
    chmod(locked.c_str(), 0444);
    app.dialogs.fileAnswers = {locked, std::nullopt};
    SaveUnixCommand(app.ctx, view);
    ASSERT_EQ(app.messages.shown.size(), 1u);
    EXPECT_EQ(app.messages.shown[0].title, "Open Error");
    EXPECT_EQ(app.messages.shown[0].text, "Error encountered while trying to open file.");
    EXPECT_EQ(app.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(ReadAll(locked), "old");
    EXPECT_EQ(view.memoryEditor().focusCount, 1);

    SaveUnixCommand(app.ctx, view);  // Cancel
    EXPECT_EQ(view.memoryEditor().focusCount, 2);
    EXPECT_EQ(dir.names(), (std::set<std::string>{"locked.htm", "typed.htm"}));
}

TEST_F(FileCommands, SaveOntoAReadOnlyFileOrFolderKeepsEverything) {
    FakeDocumentView& view = Typed("x", "new text");
    std::filesystem::create_directory(dir.path("shut"));
    std::string locked = dir.write("locked.htm", "old text\r\n");
    chmod(locked.c_str(), 0444);

    std::string lockedInShut = dir.write("shut/locked.htm", "locked in shut");
    chmod(lockedInShut.c_str(), 0444);
    chmod(dir.path("shut").c_str(), 0555);

    for (const std::string& path : {locked, lockedInShut, dir.path("shut/new.htm"), dir.path("no/such/folder.htm")}) {
        SCOPED_TRACE(path);
        view.setCaption(path);
        app.messages.shown.clear();
        int focus = view.memoryEditor().focusCount;
        EXPECT_FALSE(SaveCommand(app.ctx, view));
        ASSERT_EQ(app.messages.shown.size(), 1u);
        EXPECT_EQ(app.messages.shown[0].text, kReadOnlyMessage);
        EXPECT_EQ(app.messages.shown[0].title, "");
        EXPECT_EQ(view.caption(), path);
        EXPECT_TRUE(Modified(view));
        EXPECT_EQ(view.memoryEditor().focusCount, focus + 1);
        EXPECT_FALSE(app.shell.busy);
    }
    EXPECT_EQ(ReadAll(locked), "old text\r\n");
    EXPECT_EQ(ReadAll(lockedInShut), "locked in shut");
    chmod(dir.path("shut").c_str(), 0755);
    EXPECT_EQ(dir.names(), (std::set<std::string>{"locked.htm", "shut", "typed.htm"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path("shut")), {}), 1);
}

TEST_F(FileCommands, OtherWriteErrorShowsTheSystemText) {
    std::string path = dir.write("page.htm", "old");
    FakeDocumentView& view = Typed(path, std::string(4096, 'n'));
    bool saved = true;
    {
        FileSizeLimit limit(16);
        saved = SaveCommand(app.ctx, view);
    }
    EXPECT_FALSE(saved);
    ASSERT_EQ(app.messages.shown.size(), 1u);
    EXPECT_EQ(app.messages.shown[0].title, "Quillane");
    EXPECT_EQ(app.messages.shown[0].text, std::strerror(EFBIG));
    EXPECT_EQ(app.messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(Modified(view));
    EXPECT_EQ(view.memoryEditor().focusCount, 1);
    EXPECT_EQ(ReadAll(path), "old");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"page.htm", "typed.htm"}));
}

// The folder cannot take a new file, a second name would lose its link:
// the file itself is written, and stays the same file.
TEST_F(FileCommands, SaveWritesInPlaceWhereANewFileWouldLoseSomething) {
    std::filesystem::create_directory(dir.path("shut"));
    const std::string inShut = dir.write("shut/page.htm", "in shut, the old text");
    chmod(dir.path("shut").c_str(), 0555);
    const std::string linked = dir.write("linked.htm", "linked, the old text");
    std::filesystem::create_hard_link(linked, dir.path("second name.htm"));
    FakeDocumentView& view = Typed("x", "new text");
    for (const std::string& path : {inShut, linked}) {
        SCOPED_TRACE(path);
        struct stat before {};
        ASSERT_EQ(stat(path.c_str(), &before), 0);
        view.setCaption(path);
        view.editor().setText("new text for " + path);
        ASSERT_TRUE(SaveCommand(app.ctx, view));
        EXPECT_EQ(ReadAll(path), "new text for " + path + "\r\n");
        EXPECT_FALSE(Modified(view));
        struct stat after {};
        ASSERT_EQ(stat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
    }
    EXPECT_TRUE(app.messages.shown.empty());
    EXPECT_EQ(ReadAll(dir.path("second name.htm")), "new text for " + linked + "\r\n");
    chmod(dir.path("shut").c_str(), 0755);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path("shut")), {}), 1);
    EXPECT_EQ(dir.names(), (std::set<std::string>{"linked.htm", "second name.htm", "shut", "typed.htm"}));
}

TEST_F(FileCommands, SaveOntoAPipeIsRefusedWithoutWaiting) {
    const std::string pipe = MakePipe(dir, "pipe.htm");
    int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);  // never reads
    FakeDocumentView& view = Typed(pipe, std::string(1 << 20, 'p'));
    EXPECT_FALSE(SaveCommand(app.ctx, view));
    EXPECT_EQ(app.messages.texts(), std::vector<std::string>{kReadOnlyMessage});
    EXPECT_TRUE(Modified(view));
    close(reader);
}

// As the program runs: its own signal setup, then a limit the save runs into.
// The child reports what it saw; the folder shows what it left.
TEST_F(FileCommands, SaveUnderTheFileSizeLimitReportsTheErrorAndKeepsTheOldFile) {
    const std::string path = dir.write("page.htm", "old page\r\n");
    const std::string linked = dir.write("linked.htm", "old linked page\r\n");
    std::filesystem::create_hard_link(linked, dir.path("link.htm"));
    // One saved through a temporary file, one in place.
    FakeDocumentView* views[] = {&Typed(path, std::string(4096, 'n')), &Typed(linked, std::string(4096, 'n'))};
    EXPECT_EXIT(
        {
            IgnoreWriteSignals();
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 64;
            setrlimit(RLIMIT_FSIZE, &limit);
            bool reported = true;
            for (FakeDocumentView* view : views) {
                app.messages.shown.clear();
                reported = reported && !SaveCommand(app.ctx, *view) && Modified(*view) &&
                           app.messages.shown.size() == 1 && app.messages.shown[0].text == std::strerror(EFBIG) &&
                           app.messages.shown[0].title == "Quillane";
            }
            std::_Exit(reported ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadAll(path), "old page\r\n");
    EXPECT_EQ(ReadAll(linked), "old linked page\r\n");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"page.htm", "linked.htm", "link.htm", "typed.htm"}));
}

TEST_F(FileCommands, SaveKeepsPermissionsAndSymbolicLinks) {
    std::string real = dir.write("real.htm", "old");
    chmod(real.c_str(), 0640);
    std::filesystem::create_symlink("real.htm", dir.path("link.htm"));
    FakeDocumentView& view = Typed(dir.path("link.htm"), "new");
    ASSERT_TRUE(SaveCommand(app.ctx, view));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path("link.htm")));
    EXPECT_EQ(ReadAll(real), "new\r\n");
    struct stat st {};
    ASSERT_EQ(stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(FileCommands, SaveAsWritesRemembersAndRenames) {
    FakeDocumentView& view = Typed("Untitled:2", "<P>");
    std::string path = dir.path("saved.htm");
    app.dialogs.fileAnswers = {path};
    SaveAsCommand(app.ctx, view);
    const FileDialogRequest& request = app.dialogs.fileRequests.at(0);
    EXPECT_EQ(request.title, "Save As");
    EXPECT_EQ(request.filter, kFilterSave);
    EXPECT_EQ(request.filterIndex, 3);
    EXPECT_EQ(request.startFolder, "/start/save/");
    EXPECT_EQ(request.initialName, "");
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_EQ(ReadAll(path), "<P>\r\n");
    EXPECT_EQ(view.caption(), path);
    EXPECT_FALSE(Modified(view));
    EXPECT_EQ(app.ctx.saveFolder, dir.folder());
    EXPECT_EQ(app.ctx.documentFolder, "/start/docs/");
    EXPECT_EQ(Recent1(), path);
}

TEST_F(FileCommands, SaveAsCancelOrFailureChangesNothing) {
    FakeDocumentView& view = Typed("Untitled:3", "<P>");
    app.dialogs.fileAnswers = {std::nullopt};
    SaveAsCommand(app.ctx, view);
    EXPECT_EQ(SaveDocumentAs(app.ctx), "");  // the queue is empty: Cancel
    EXPECT_FALSE(SaveCommand(app.ctx, view));
    EXPECT_EQ(app.dialogs.fileRequests.size(), 3u);
    EXPECT_EQ(view.caption(), "Untitled:3");
    EXPECT_TRUE(Modified(view));
    EXPECT_EQ(app.ctx.saveFolder, "/start/save/");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"typed.htm"}));

    std::string locked = dir.write("locked.htm", "old");
    chmod(locked.c_str(), 0444);
    app.dialogs.fileAnswers = {locked};
    SaveAsCommand(app.ctx, view);
    EXPECT_EQ(app.messages.texts(), std::vector<std::string>{kReadOnlyMessage});
    EXPECT_EQ(view.caption(), "Untitled:3");
    EXPECT_EQ(Recent1(), "Not Used");
    EXPECT_EQ(ReadAll(locked), "old");
}

TEST_F(FileCommands, InsertFileReplacesTheSelection) {
    FakeDocumentView& view = Typed("page", "Hello World!");
    view.editor().setSelStart(6);
    view.editor().setSelLength(5);
    app.dialogs.fileAnswers = {dir.write("part.htm", "<B>caf\xE9</B>")};
    InsertFileCommand(app.ctx, view);
    EXPECT_EQ(view.editor().text(), "Hello <B>caf\xC3\xA9</B>!");
    EXPECT_EQ(view.editor().selStart(), 18u);
    EXPECT_EQ(view.editor().selLength(), 0u);
    const FileDialogRequest& request = app.dialogs.fileRequests.at(0);
    EXPECT_EQ(request.title, "Insert File...");
    EXPECT_EQ(request.filter, kFilterSave);
    EXPECT_EQ(request.filterIndex, 3);
    EXPECT_EQ(request.startFolder, std::nullopt);
    EXPECT_EQ(request.initialName, std::nullopt);
    EXPECT_TRUE(app.messages.shown.empty());
}

TEST_F(FileCommands, InsertFileCancelMissingFileAndReadError) {
    FakeDocumentView& view = Typed("page", "text");
    app.dialogs.fileAnswers = {std::nullopt, dir.path("missing.htm")};
    InsertFileCommand(app.ctx, view);
    InsertFileCommand(app.ctx, view);
    EXPECT_EQ(view.memoryEditor().focusCount, 2);
    EXPECT_TRUE(app.messages.shown.empty());

    // Opens, but reading fails with an I/O error.
    if (access("/proc/self/mem", R_OK) == 0) {
        app.dialogs.fileAnswers = {"/proc/self/mem"};
        InsertFileCommand(app.ctx, view);
        ASSERT_EQ(app.messages.shown.size(), 1u);
        EXPECT_EQ(app.messages.shown[0].title, "Open Error");
        EXPECT_EQ(app.messages.shown[0].text,
                  "Error encountered while trying to open file.  File could be too large or not a text file.");
        EXPECT_EQ(app.messages.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(view.memoryEditor().focusCount, 3);
    }
    EXPECT_EQ(view.editor().text(), "text");
}

TEST_F(FileCommands, InsertFileRefusesPipesDevicesAndHugeFiles) {
    FakeDocumentView& view = Typed("page", "text");
    const std::string pipe = MakePipe(dir, "pipe.htm");
    PipeReleaser releaser(pipe);
    const std::string huge = MakeSparseFile(dir, "huge.htm", kHundredGigabytes);
    int focus = view.memoryEditor().focusCount;
    for (const std::string& path : {pipe, "/dev/zero"s, huge}) {
        SCOPED_TRACE(path);
        app.messages.shown.clear();
        app.dialogs.fileAnswers = {path};
        InsertFileCommand(app.ctx, view);
        ASSERT_EQ(app.messages.shown.size(), 1u);
        EXPECT_EQ(app.messages.shown[0].title, "Open Error");
        EXPECT_EQ(app.messages.shown[0].text,
                  "Error encountered while trying to open file.  File could be too large or not a text file.");
        EXPECT_EQ(view.memoryEditor().focusCount, ++focus);
    }
    EXPECT_EQ(view.editor().text(), "text");
}

TEST_F(FileCommands, TemplatesAreListedSortedAndOpenedUntitled) {
    for (const char* name : {"b.qlt", "A.QLT", "c.Qlt", "notes.txt", "qlt", ".hidden.qlt", "x.qlt.bak"})
        dir.write(name, std::string("<P>") + name);
    std::filesystem::create_directory(dir.path("folder.qlt"));

    // The program folder with and without its final '/'.
    for (const std::string& folder : {dir.folder(), dir.folderWithoutSlash()}) {
        SCOPED_TRACE(folder);
        app.shell.folder = folder;
        EXPECT_EQ(ListTemplates(app.ctx), (std::vector<std::string>{"A.QLT", "b.qlt", "c.Qlt"}));
        OpenTemplate(app.ctx, "b.qlt");
        EXPECT_EQ(app.active()->caption(), "Untitled:" + std::to_string(app.active()->slot()));
        EXPECT_EQ(app.active()->editor().text(), "<P>b.qlt");
        EXPECT_FALSE(Modified(*app.active()));

        // Nothing chosen: the folder itself, which cannot be opened.
        app.messages.shown.clear();
        std::size_t windows = app.shell.documentWindows().size();
        OpenTemplate(app.ctx, "");
        EXPECT_EQ(app.messages.texts(), std::vector<std::string>{"Can't open file: " + dir.folder()});
        EXPECT_EQ(app.shell.documentWindows().size(), windows);
    }

    app.shell.folder = dir.path("missing") + "/";
    EXPECT_TRUE(ListTemplates(app.ctx).empty());
}

// The templates the program ships: CR LF lines, upper-case tags, each a whole
// page that opens as a new document.
TEST_F(FileCommands, ShippedTemplatesArePagesThatOpenUntitled) {
    namespace fs = std::filesystem;
    app.shell.folder = (fs::path(TEST_DATA_DIR).parent_path().parent_path() / "resources/templates/").string();
    std::vector<std::string> names = ListTemplates(app.ctx);
    EXPECT_GE(names.size(), 3u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        OpenTemplate(app.ctx, name);
        std::string text = app.active()->editor().text();
        EXPECT_EQ(app.active()->caption(), "Untitled:" + std::to_string(app.active()->slot()));
        EXPECT_TRUE(text.starts_with("<HTML>\r\n"));
        EXPECT_TRUE(text.ends_with("</HTML>\r\n"));
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') {
                EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
            }
            if (text[i] != '<') continue;
            std::size_t j = i + 1 + (i + 1 < text.size() && text[i + 1] == '/');
            for (; j < text.size() && std::isalnum(static_cast<unsigned char>(text[j])); ++j)
                EXPECT_FALSE(std::islower(static_cast<unsigned char>(text[j]))) << "lower-case tag at " << i;
        }
    }
}

}  // namespace
}  // namespace quillane
