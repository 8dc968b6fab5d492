#include "platform/write_signals.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "editor/file_bytes.h"
#include "editor/temp_folder.h"

namespace quillane {
namespace {

using testing::ReadAll;
using testing::TempFolder;

bool FailedWith(const FileWriteResult& r, int error) {
    return r.status == FileStatus::Failed && r.error == std::strerror(error);
}

// Run in a child of the test, as the program runs: the limit's signal would
// end the child, and the test sees how it ended.
TEST(IgnoreWriteSignals, WritesPastTheFileSizeLimitFailInsteadOfEndingTheProgram) {
    TempFolder dir;
    const std::string page = dir.write("page.htm", "old page\r\n");
    const std::string linked = dir.write("linked.htm", "old linked page\r\n");
    std::filesystem::create_hard_link(linked, dir.path("link.htm"));
    EXPECT_EXIT(
        {
            IgnoreWriteSignals();
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 16;
            setrlimit(RLIMIT_FSIZE, &limit);
            const std::string bytes(4096, 'n');
            // One through a temporary file, one in place.
            bool failed = FailedWith(WriteFileAtomically(page, bytes), EFBIG) &&
                          FailedWith(WriteFileAtomically(linked, bytes), EFBIG);
            std::_Exit(failed ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadAll(page), "old page\r\n");
    EXPECT_EQ(ReadAll(linked), "old linked page\r\n");
    EXPECT_EQ(dir.names(), (std::set<std::string>{"page.htm", "linked.htm", "link.htm"}));
}

TEST(IgnoreWriteSignals, WriteIntoAPipeWithoutReaderFails) {
    EXPECT_EXIT(
        {
            IgnoreWriteSignals();
            int ends[2];
            if (pipe(ends) != 0) std::_Exit(2);
            close(ends[0]);
            bool failed = write(ends[1], "x", 1) < 0 && errno == EPIPE;
            std::_Exit(failed ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// The browsers and programs the editor starts keep the signals' defaults.
TEST(IgnoreWriteSignals, ProgramsStartedAfterwardsStillGetTheSignals) {
    EXPECT_EXIT(
        {
            IgnoreWriteSignals();
            pid_t child = fork();
            if (child == 0) {
                execl("/bin/sh", "sh", "-c", "kill -XFSZ $$; kill -PIPE $$; exit 0", static_cast<char*>(nullptr));
                std::_Exit(3);
            }
            int status = 0;
            waitpid(child, &status, 0);
            std::_Exit(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace quillane
