#include "app/new_page_text.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace quillane {
namespace {

using testing::TestApp;

TEST(NewPageText, ExactBytesWithAndWithoutBodyAttributes) {
    DateTime t{1997, 3, 7, 14, 5, 9};
    EXPECT_EQ(NewPageText(t, ""),
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\r\n"
              "<HTML>\r\n"
              "<HEAD>\r\n"
              "<TITLE>Document Title should be typed here</TITLE>\r\n"
              "</HEAD>\r\n"
              "\r\n"
              "<!-- Created on March 07, 1997  at 02:05 PM -->\r\n"
              "\r\n"
              "<BODY>\r\n"
              "\r\n"
              "\r\n"
              "\r\n"
              "</BODY>\r\n"
              "</HTML>");
    std::string withBody = NewPageText(t, " BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\"");
    EXPECT_NE(withBody.find("\r\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\">\r\n\r\n"), std::string::npos);
}

TEST(NewPageText, CaretOffsetIsTheFirstEmptyLineAfterBody) {
    for (const char* body : {"", " BGCOLOR=\"#C0C0C0\""}) {
        std::string text = NewPageText({2024, 12, 31, 0, 0, 0}, body);
        std::size_t caret = text.size() - kNewPageCaretFromEnd;
        std::string before = text.substr(0, caret);
        EXPECT_EQ(before.substr(before.size() - 2), "\r\n");
        EXPECT_EQ(before.substr(before.rfind("<BODY")), std::string("<BODY") + body + ">\r\n");
        EXPECT_EQ(text.substr(caret), "\r\n\r\n\r\n</BODY>\r\n</HTML>");
    }
}

TEST(TimePanelClick, ReplacesTheSelectionWithDateAndTime) {
    TestApp app;
    TimePanelClick(app.ctx);  // no document: nothing happens
    app.shell.createDocumentWindow(1);
    app.editor().setText("Updated: XXXX.");
    app.editor().setSelStart(9);
    app.editor().setSelLength(4);
    TimePanelClick(app.ctx);  // the fixed clock says 1997-03-07 14:05
    EXPECT_EQ(app.editor().text(), "Updated: March 07, 1997   2:05 PM.");
    EXPECT_EQ(app.editor().selStart(), 33u);
}

}  // namespace
}  // namespace quillane
