#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillane {
namespace {

// An argv as a shell builds it, with its terminating null.
struct Argv {
    explicit Argv(std::vector<std::string> words) : storage(std::move(words)) {
        for (std::string& w : storage) pointers.push_back(w.data());
        pointers.push_back(nullptr);
    }
    int argc() const { return static_cast<int>(storage.size()); }
    char** argv() { return pointers.data(); }
    std::vector<std::string> storage;
    std::vector<char*> pointers;
};

TEST(CommandLine, EveryArgumentIsAFileAndTheToolkitSeesOnlyTheProgramName) {
    const std::vector<std::string> files = {"-reverse", "-platform", "offscreen", "-style", "fusion",
                                            "--", "caf\xE9 dir/a;b.htm", "", "-qwindowgeometry"};
    std::vector<std::string> words = {"/usr/bin/quillane"};
    words.insert(words.end(), files.begin(), files.end());
    Argv shell(words);

    CommandLine line(shell.argc(), shell.argv());
    EXPECT_EQ(line.files(), files);
    ASSERT_EQ(line.toolkitArgc(), 1);
    EXPECT_EQ(line.toolkitArgv()[0], shell.argv()[0]);
    EXPECT_EQ(line.toolkitArgv()[1], nullptr);
}

TEST(CommandLine, NoArgumentsGiveNoFiles) {
    Argv nameOnly({"quillane"});
    CommandLine line(nameOnly.argc(), nameOnly.argv());
    EXPECT_TRUE(line.files().empty());
    EXPECT_EQ(line.toolkitArgc(), 1);

    // Started without even a name: the toolkit still gets one.
    Argv none({});
    CommandLine empty(none.argc(), none.argv());
    EXPECT_TRUE(empty.files().empty());
    ASSERT_EQ(empty.toolkitArgc(), 1);
    EXPECT_STREQ(empty.toolkitArgv()[0], "quillane");
    EXPECT_EQ(empty.toolkitArgv()[1], nullptr);
}

}  // namespace
}  // namespace quillane
