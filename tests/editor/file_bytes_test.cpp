#include "editor/file_bytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string_view>
#include <thread>
#include <vector>

#include "file_size_limit.h"
#include "hostile_files.h"
#include "temp_folder.h"

namespace quillane {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;
using testing::FileSizeLimit;
using testing::kHundredGigabytes;
using testing::MakePipe;
using testing::MakeSocket;
using testing::MakeSparseFile;
using testing::PipeReleaser;
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
    // The system's own files say their size is 0 and have bytes all the same.
    const std::string path = "/proc/self/cmdline";
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(bytes.empty());
    FileReadResult read = ReadFileBytes(path);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.bytes, bytes);

    // Past the bound they are refused like any file that is too large.
    FileReadResult bounded = ReadFileBytes(path, bytes.size() - 1);
    EXPECT_EQ(bounded.status, FileStatus::Failed);
    EXPECT_TRUE(bounded.error.starts_with(std::strerror(EFBIG))) << bounded.error;
    EXPECT_TRUE(bounded.bytes.empty());
}

TEST(ReadFileBytes, FileOverTheBoundIsRefusedUnread) {
    TempFolder dir;
    const std::string page = dir.write("page.htm", std::string(1000, 'p'));
    EXPECT_TRUE(ReadFileBytes(page, 1000).ok());
    FileReadResult over = ReadFileBytes(page, 999);
    EXPECT_EQ(over.status, FileStatus::Failed);
    EXPECT_TRUE(over.error.starts_with(std::strerror(EFBIG))) << over.error;

    // Far larger than memory: refused at once, not read until memory runs out.
    FileReadResult huge = ReadFileBytes(MakeSparseFile(dir, "huge.htm", kHundredGigabytes));
    EXPECT_EQ(huge.status, FileStatus::Failed);
    EXPECT_EQ(huge.error, std::string(std::strerror(EFBIG)) + " (the largest document is " +
                              std::to_string(MaxDocumentBytes() >> 20) + " MB)");
    EXPECT_LE(MaxDocumentBytes(), std::size_t{512} << 20);
}

// Opening a pipe would wait for a writer, reading a device would not end.
TEST(ReadFileBytes, PipesSocketsAndDevicesAreRefusedWithoutWaiting) {
    TempFolder dir;
    int socketFd = -1;
    const std::string pipe = MakePipe(dir, "pipe.htm");
    const std::string socket = MakeSocket(dir, "socket.htm", socketFd);
    PipeReleaser releaser(pipe);
    for (const std::string& path : {pipe, socket, "/dev/zero"s, "/dev/null"s}) {
        SCOPED_TRACE(path);
        FileReadResult r = ReadFileBytes(path);
        EXPECT_EQ(r.status, FileStatus::Failed);
        EXPECT_EQ(r.error, "Not a regular file (a pipe, socket or device)");
    }
    close(socketFd);
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

    // A folder that cannot be written takes no new file, and its read-only
    // file stays read-only.
    fs::create_directory(dir.path("shut"));
    std::string inside = dir.write("shut/locked.htm", "inside\r\n");
    ASSERT_EQ(chmod(inside.c_str(), 0444), 0);
    ASSERT_EQ(chmod(dir.path("shut").c_str(), 0555), 0);
    EXPECT_EQ(WriteFileAtomically(inside, "lost").status, FileStatus::CannotOpen);
    EXPECT_EQ(WriteFileAtomically(dir.path("shut/new.htm"), "lost").status, FileStatus::CannotOpen);
    EXPECT_EQ(ReadAll(inside), "inside\r\n");
    ASSERT_EQ(chmod(dir.path("shut").c_str(), 0755), 0);

    EXPECT_EQ(dir.names(), (std::set<std::string>{"locked.htm", "shut"}));
    std::set<std::string> shut;
    for (const auto& e : fs::directory_iterator(dir.path("shut"))) shut.insert(e.path().filename().string());
    EXPECT_EQ(shut, (std::set<std::string>{"locked.htm"}));
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

ino_t InodeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(stat(path.c_str(), &st), 0);
    return st.st_ino;
}

// Where a new file could not take the old one's place without losing
// something, the old file gets the bytes itself: it keeps its inode.
TEST(WriteFileAtomically, FileInAFolderThatCannotBeWrittenIsWrittenInPlace) {
    TempFolder dir;
    fs::create_directory(dir.path("shut"));
    const std::string page = dir.write("shut/page.htm", "old content, longer than the new\r\n");
    ASSERT_EQ(chmod(page.c_str(), 0640), 0);
    const ino_t inode = InodeOf(page);
    ASSERT_EQ(chmod(dir.path("shut").c_str(), 0555), 0);
    for (const std::string& bytes : {"short\r\n"s, std::string(300000, 'g') + "\r\n", ""s, "a\0b"s}) {
        SCOPED_TRACE(bytes.size());
        FileWriteResult r = WriteFileAtomically(page, bytes);
        ASSERT_TRUE(r.ok()) << r.error;
        EXPECT_EQ(ReadAll(page), bytes);
        EXPECT_EQ(InodeOf(page), inode);
        EXPECT_EQ(ModeOf(page), 0640u);
    }
    ASSERT_EQ(chmod(dir.path("shut").c_str(), 0755), 0);
    std::set<std::string> shut;
    for (const auto& e : fs::directory_iterator(dir.path("shut"))) shut.insert(e.path().filename().string());
    EXPECT_EQ(shut, (std::set<std::string>{"page.htm"}));
}

TEST(WriteFileAtomically, HardLinksStayOneFile) {
    TempFolder dir;
    const std::string page = dir.write("page.htm", "old");
    fs::create_hard_link(page, dir.path("other name.htm"));
    ASSERT_TRUE(WriteFileAtomically(page, "new through one name").ok());
    EXPECT_EQ(ReadAll(dir.path("other name.htm")), "new through one name");
    EXPECT_EQ(fs::hard_link_count(page), 2u);
    // Through a symbolic link to one of them, too.
    fs::create_symlink("other name.htm", dir.path("link.htm"));
    ASSERT_TRUE(WriteFileAtomically(dir.path("link.htm"), "via the link").ok());
    EXPECT_EQ(ReadAll(page), "via the link");
    EXPECT_EQ(InodeOf(page), InodeOf(dir.path("other name.htm")));
    EXPECT_EQ(dir.names(), (std::set<std::string>{"page.htm", "other name.htm", "link.htm"}));
}

TEST(WriteFileAtomically, AnotherUsersFileKeepsItsOwner) {
    // Only the superuser can give a file to someone else to try this with.
    if (geteuid() != 0) GTEST_SKIP() << "needs root to make a file of another user";
    TempFolder dir;
    const std::string page = dir.write("theirs.htm", "old");
    ASSERT_EQ(chown(page.c_str(), 65534, 65534), 0);
    ASSERT_EQ(chmod(page.c_str(), 0664), 0);
    const ino_t inode = InodeOf(page);
    ASSERT_TRUE(WriteFileAtomically(page, "new").ok());
    struct stat st {};
    ASSERT_EQ(stat(page.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(st.st_ino, inode);
    EXPECT_EQ(ReadAll(page), "new");
}

// The space is reserved before the first old byte is overwritten.
TEST(WriteFileAtomically, InPlaceWriteThatDoesNotFitLeavesTheOldBytes) {
    TempFolder dir;
    const std::string page = dir.write("page.htm", "old page\r\n");
    fs::create_hard_link(page, dir.path("link.htm"));
    FileWriteResult r;
    {
        FileSizeLimit limit(16);
        r = WriteFileAtomically(page, std::string(4096, 'n'));
    }
    EXPECT_EQ(r.status, FileStatus::Failed);
    EXPECT_EQ(r.error, std::strerror(EFBIG));
    EXPECT_EQ(ReadAll(page), "old page\r\n");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"page.htm", "link.htm"}));
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

// A save onto a device or a pipe would block on a pipe without a reader
// that reads, or hand a page to a device; neither is a document's file.
TEST(WriteFileAtomically, DevicesPipesAndSocketsCannotBeOpened) {
    TempFolder dir;
    const std::string pipe = MakePipe(dir, "pipe.htm");
    // A reader that never reads.
    int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    int socketFd = -1;
    const std::string socket = MakeSocket(dir, "socket.htm", socketFd);
    // The superuser could rename over the system's own device should this
    // ever go wrong; it gets a device of its own.
    std::string device = "/dev/null";
    if (geteuid() == 0) {
        device = dir.path("null");
        ASSERT_EQ(mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    }
    const std::string big(1 << 20, 'b');
    for (const std::string& path : {pipe, socket, device}) {
        SCOPED_TRACE(path);
        FileWriteResult r = WriteFileAtomically(path, big);
        EXPECT_EQ(r.status, FileStatus::CannotOpen);
        EXPECT_EQ(r.error, "Not a regular file (a pipe, socket or device)");
    }
    close(reader);
    close(socketFd);
    std::set<std::string> names{"pipe.htm", "socket.htm"};
    if (geteuid() == 0) names.insert("null");
    EXPECT_EQ(dir.names(), names);
}

TEST(WriteFileAtomically, PipeWithoutReaderIsRefusedAtOnce) {
    TempFolder dir;
    ASSERT_EQ(mkfifo(dir.path("pipe").c_str(), 0644), 0);
    EXPECT_EQ(WriteFileAtomically(dir.path("pipe"), "x").status, FileStatus::CannotOpen);
}

}  // namespace
}  // namespace quillane
