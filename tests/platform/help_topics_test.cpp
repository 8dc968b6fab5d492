#include "platform/help_topics.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

TEST(HelpTopics, ContextNumbersMapToPages) {
    struct Row {
        int contextNumber;
        std::string page;
    };
    const Row rows[] = {
        {10, "tutorial.html"}, {33, "glossary.html"}, {40, "howto.html"}, {42, "upload.html"},
        {0, "index.html"},     {18, "index.html"},    {-1, "index.html"}, {99999, "index.html"},
    };
    for (const Row& row : rows) EXPECT_EQ(HelpTopicPage(row.contextNumber), row.page) << row.contextNumber;
    EXPECT_STREQ(kHelpContentsPage, "index.html");
}

}  // namespace
}  // namespace quillane
