#include "platform/shipped_files_folder.h"

#include <gtest/gtest.h>

#include <set>

namespace quillane {
namespace {

TEST(ShippedFilesFolder, BuildTreeOrInstallation) {
    struct Row {
        std::string exeFolder;
        std::set<std::string> folders;
        std::string expected;
    };
    const Row rows[] = {
        {"/home/u/quillane/build", {"/home/u/quillane/build/help"}, "/home/u/quillane/build/"},
        {"/home/u/quillane/build/", {"/home/u/quillane/build/help"}, "/home/u/quillane/build/"},
        {"/usr/bin", {}, "/usr/share/quillane/"},
        {"/opt/q/bin/", {"/opt/q/share/quillane/help"}, "/opt/q/share/quillane/"},
        // Another subfolder beside the executable does not count.
        {"/usr/local/bin", {"/usr/local/bin/templates"}, "/usr/local/share/quillane/"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.exeFolder);
        std::vector<std::string> asked;
        auto isFolder = [&](const std::string& path) {
            asked.push_back(path);
            return row.folders.count(path) > 0;
        };
        EXPECT_EQ(ShippedFilesFolder(row.exeFolder, isFolder), row.expected);
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].substr(asked[0].size() - 5), "/help");
    }
}

}  // namespace
}  // namespace quillane
