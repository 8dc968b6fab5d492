#include "editor/file_bytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string_view>
#include <thread>
#include <vector>

#include "file_size_limit.h"
#include "temp_folder.h"

namespace quillane {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;
using testing::FileSizeLimit;
using testing::ReadAll;
using testing::TempFolder;
namespace fs = std::filesystem;

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(stat(path.c_str(), &st), 0);
    return st.st_mode & 07777;
}

bool IsLink(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

TEST(ReadFileBytes, ReadsEveryByteAndRefusesWhatIsNotAFile) {
    TempFolder dir;
    std::string bytes = "a\0\r\n\xFF\xE9"s + std::string(200000, 'x');
    FileReadResult read = ReadFileBytes(dir.write("page.htm", bytes));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.bytes, bytes);

    EXPECT_TRUE(ReadFileBytes(dir.write("empty.htm", "")).ok());

    struct Case {
        const char* name;
        std::string path;
    };
    const Case refused[] = {
        {"missing", dir.path("missing.htm")},
        {"folder", dir.folder()},
        {"folder without slash", dir.folderWithoutSlash()},
        {"empty name", ""},
        {"embedded NUL", dir.path("page.htm") + "\0x"s},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.name);
        FileReadResult r = ReadFileBytes(c.path);
        EXPECT_EQ(r.status, FileStatus::CannotOpen);
        EXPECT_FALSE(r.error.empty());
    }
}

TEST(ReadFileBytes, ReadsToTheEndWhenTheSizeIsNotKnownBeforehand) {
    // A pipe has no size: its bytes come in pieces until the writer closes it.
    TempFolder dir;
    const std::string pipe = dir.path("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    const std::string bytes = "<P>\r\n"s + std::string(300000, 'p') + "\0end"s;
    std::thread writer([&] {
        std::ofstream out(pipe, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    });
    FileReadResult read = ReadFileBytes(pipe);
    writer.join();
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.bytes, bytes);
}

TEST(WriteFileAtomically, PiecesAreWrittenOneAfterTheOther) {
    TempFolder dir;
    const std::string big(300000, 'b');
    struct Case {
        const char* name;
        std::vector<std::string_view> pieces;
        std::string bytes;
    };
    const Case cases[] = {
        {"no pieces", {}, ""},
        {"text and line end", {"<P>text</P>", "\r\n"}, "<P>text</P>\r\n"},
        {"empty pieces between", {"", "a\0b"sv, "", "c"}, "a\0bc"s},
        {"large piece", {big, "\r\n"}, big + "\r\n"},
    };
    const std::string path = dir.path("page.htm");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FileWriteResult r = WriteFileAtomically(path, c.pieces);
        ASSERT_TRUE(r.ok()) << r.error;
        EXPECT_EQ(ReadAll(path), c.bytes);
    }
    EXPECT_EQ(dir.names(), (std::set<std::string>{"page.htm"}));
    // A device gets them in place.
    const std::string_view pieces[] = {"a", "b"};
    EXPECT_TRUE(WriteFileAtomically("/dev/null", pieces).ok());
}

TEST(WriteFileAtomically, NewFileGetsTheUmaskModeAndExactBytes) {
    TempFolder dir;
    mode_t old = umask(027);
    std::string bytes = "x\0y\r\n"s;
    FileWriteResult r = WriteFileAtomically(dir.path("new.htm"), bytes);
    umask(old);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(ReadAll(dir.path("new.htm")), bytes);
    EXPECT_EQ(ModeOf(dir.path("new.htm")), 0640u);
    EXPECT_EQ(dir.names(), (std::set<std::string>{"new.htm"}));
}

TEST(WriteFileAtomically, ReplacementKeepsThePermissionBits) {
    TempFolder dir;
    for (mode_t mode : {0600u, 0640u, 0604u, 0755u, 0620u}) {
        SCOPED_TRACE(mode);
        std::string path = dir.write("page.htm", "old content that is longer");
        ASSERT_EQ(chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(WriteFileAtomically(path, "new").ok());
        EXPECT_EQ(ReadAll(path), "new");
        EXPECT_EQ(ModeOf(path), mode);
        ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    }
    EXPECT_EQ(dir.names(), (std::set<std::string>{"page.htm"}));
}

// A file with no write permission bit is read-only for everyone, the superuser
// included, although the rename over it would succeed.
TEST(WriteFileAtomically, ReadOnlyFileOrFolderCannotBeOpenedAndStaysAsItWas) {
    TempFolder dir;
    std::string file = dir.write("locked.htm", "keep me\r\n");
    ASSERT_EQ(chmod(file.c_str(), 0444), 0);
    FileWriteResult r = WriteFileAtomically(file, "lost");
    EXPECT_EQ(r.status, FileStatus::CannotOpen);
    EXPECT_EQ(ReadAll(file), "keep me\r\n");
    EXPECT_EQ(ModeOf(file), 0444u);

    fs::create_directory(dir.path("shut"));
    std::string inside = dir.write("shut/page.htm", "inside\r\n");
    ASSERT_EQ(chmod(dir.path("shut").c_str(), 0555), 0);
    EXPECT_EQ(WriteFileAtomically(inside, "lost").status, FileStatus::CannotOpen);
    EXPECT_EQ(WriteFileAtomically(dir.path("shut/new.htm"), "lost").status, FileStatus::CannotOpen);
    EXPECT_EQ(ReadAll(inside), "inside\r\n");
    ASSERT_EQ(chmod(dir.path("shut").c_str(), 0755), 0);

    EXPECT_EQ(dir.names(), (std::set<std::string>{"locked.htm", "shut"}));
    std::set<std::string> shut;
    for (const auto& e : fs::directory_iterator(dir.path("shut"))) shut.insert(e.path().filename().string());
    EXPECT_EQ(shut, (std::set<std::string>{"page.htm"}));
}

TEST(WriteFileAtomically, InvalidNamesCannotBeOpened) {
    TempFolder dir;
    fs::create_directory(dir.path("sub"));
    struct Case {
        const char* name;
        std::string path;
    };
    const Case cases[] = {
        {"empty", ""},
        {"missing folder", dir.path("nowhere/page.htm")},
        {"ends in a slash", dir.folder() + "page.htm/"},
        {"a folder", dir.path("sub")},
        {"embedded NUL", dir.path("page.htm") + "\0.txt"s},
        {"name too long", dir.path(std::string(300, 'n'))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FileWriteResult r = WriteFileAtomically(c.path, "x");
        EXPECT_EQ(r.status, FileStatus::CannotOpen);
        EXPECT_FALSE(r.error.empty());
    }
    EXPECT_EQ(dir.names(), (std::set<std::string>{"sub"}));
}

TEST(WriteFileAtomically, LongestNameStillGetsATemporaryFile) {
    TempFolder dir;
    std::string name(255, 'l');
    ASSERT_TRUE(WriteFileAtomically(dir.path(name), "long").ok());
    EXPECT_EQ(ReadAll(dir.path(name)), "long");
    EXPECT_EQ(dir.names(), (std::set<std::string>{name}));
}

TEST(WriteFileAtomically, SymbolicLinkStaysALinkAndItsTargetIsWritten) {
    TempFolder dir;
    fs::create_directory(dir.path("real"));
    std::string target = dir.write("real/page.htm", "old");
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    fs::create_symlink(target, dir.path("absolute.htm"));
    fs::create_symlink("real/page.htm", dir.path("relative.htm"));
    fs::create_symlink("relative.htm", dir.path("chain.htm"));

    for (const char* link : {"absolute.htm", "relative.htm", "chain.htm"}) {
        SCOPED_TRACE(link);
        std::string content = std::string("via ") + link;
        ASSERT_TRUE(WriteFileAtomically(dir.path(link), content).ok());
        EXPECT_TRUE(IsLink(dir.path(link)));
        EXPECT_EQ(ReadAll(target), content);
        EXPECT_EQ(ModeOf(target), 0640u);
    }

    // A link to a file not yet there creates the file, not a plain file in
    // the link's place.
    fs::create_symlink("real/later.htm", dir.path("dangling.htm"));
    ASSERT_TRUE(WriteFileAtomically(dir.path("dangling.htm"), "later").ok());
    EXPECT_TRUE(IsLink(dir.path("dangling.htm")));
    EXPECT_EQ(ReadAll(dir.path("real/later.htm")), "later");

    fs::create_symlink("loop.htm", dir.path("loop.htm"));
    EXPECT_EQ(WriteFileAtomically(dir.path("loop.htm"), "x").status, FileStatus::CannotOpen);
    EXPECT_TRUE(IsLink(dir.path("loop.htm")));

    std::set<std::string> real;
    for (const auto& e : fs::directory_iterator(dir.path("real"))) real.insert(e.path().filename().string());
    EXPECT_EQ(real, (std::set<std::string>{"page.htm", "later.htm"}));
}

// A file size limit makes the write fail part-way, as a full disk would.
TEST(WriteFileAtomically, WriteErrorKeepsTheOldFileAndLeavesNoTemporaryFile) {
    TempFolder dir;
    std::string path = dir.write("page.htm", "old page\r\n");
    FileWriteResult r;
    {
        FileSizeLimit limit(16);
        r = WriteFileAtomically(path, std::string(4096, 'n'));
    }
    EXPECT_EQ(r.status, FileStatus::Failed);
    EXPECT_EQ(r.error, std::strerror(EFBIG));
    EXPECT_EQ(ReadAll(path), "old page\r\n");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"page.htm"}));
}

TEST(WriteFileAtomically, DevicesAreWrittenInPlace) {
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    FileWriteResult r = WriteFileAtomically("/dev/full", "x");
    EXPECT_EQ(r.status, FileStatus::Failed);
    EXPECT_EQ(r.error, std::strerror(ENOSPC));
    EXPECT_TRUE(WriteFileAtomically("/dev/null", "x").ok());
}

TEST(WriteFileAtomically, PipeWithoutReaderIsRefusedAtOnce) {
    TempFolder dir;
    ASSERT_EQ(mkfifo(dir.path("pipe").c_str(), 0644), 0);
    EXPECT_EQ(WriteFileAtomically(dir.path("pipe"), "x").status, FileStatus::CannotOpen);
}

}  // namespace
}  // namespace quillane
