#include "platform/file_filter.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

TEST(FileFilter, SplitsDescriptionsAndPatterns) {
    struct Row {
        std::string filter;
        std::vector<FileFilter> expected;
    };
    const Row rows[] = {
        {"All Files (*.*)|*.*|Text Files (*.txt)|*.txt|HTML Files (*.htm, *.html)|*.htm;*.html",
         {{"All Files (*.*)", {"*"}},
          {"Text Files (*.txt)", {"*.txt"}},
          {"HTML Files (*.htm, *.html)", {"*.htm", "*.html"}}}},
        {"All Files (*.*)|*.*|EXE Files (*.exe)|*.exe|BAT Files (*.bat)|*.bat",
         {{"All Files (*.*)", {"*"}}, {"EXE Files (*.exe)", {"*.exe"}}, {"BAT Files (*.bat)", {"*.bat"}}}},
        // Blanks around patterns and empty patterns are dropped.
        {"Pictures|*.jpg;*.html;*.htm;*.gif ", {{"Pictures", {"*.jpg", "*.html", "*.htm", "*.gif"}}}},
        {"Odd| *.a ;;*.b;", {{"Odd", {"*.a", "*.b"}}}},
        // A description without its pattern is left out.
        {"Text|*.txt|Dangling", {{"Text", {"*.txt"}}}},
        {"Empty pattern|", {{"Empty pattern", {}}}},
        {"", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.filter);
        EXPECT_EQ(ParseFileFilter(row.filter), row.expected);
    }
}

}  // namespace
}  // namespace quillane
