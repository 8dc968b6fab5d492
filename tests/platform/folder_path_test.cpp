#include "platform/folder_path.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

TEST(WithTrailingSlashTest, EndsEveryFolderWithOneSlash) {
    const struct {
        std::string folder;
        std::string expected;
    } rows[] = {
        {"", "/"},
        {"/", "/"},
        {"/home/ann", "/home/ann/"},
        {"/home/ann/", "/home/ann/"},
        {"web", "web/"},
    };
    for (const auto& row : rows) EXPECT_EQ(WithTrailingSlash(row.folder), row.expected) << row.folder;
}

}  // namespace
}  // namespace quillane
