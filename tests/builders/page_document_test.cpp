#include "builders/page_document.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/document_lifecycle.h"
#include "support/fakes.h"
#include "support/marked_text.h"

namespace quillane {
namespace {

using testing::MarkedText;
using testing::SetMarkedText;
using testing::TestApp;

const std::string kHead = "<HTML>\r\n<HEAD>\r\n<TITLE>Old title</TITLE>\r\n</HEAD>\r\n";
const std::string kBody = "<BODY BGCOLOR=\"#FFFFFF\" TEXT=#000000 LINK=#0000FF>";
// The same tag as the OK writes it back.
const std::string kWritten = "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\">";
const std::string kRest = "\r\nHello\r\n</BODY>\r\n</HTML>";

struct Page {
    explicit Page(const std::string& marked) {
        NewDocument(app.ctx);
        SetMarkedText(app.editor(), marked);
    }
    DocumentView& view() { return *app.active(); }
    std::string text() { return app.editor().text(); }
    TestApp app;
};

TEST(ReadPageProperties, ReadsTitleAndBodyAndSelectsTheTag) {
    Page page(kHead + "|" + kBody + kRest);
    PagePropertiesFields fields = ReadPageProperties(page.app.ctx, page.view());
    EXPECT_EQ(fields.title, "Old title");
    EXPECT_EQ(fields.body.backgroundColor, "FFFFFF");
    EXPECT_EQ(fields.body.textColor, "000000");
    EXPECT_EQ(fields.body.linkColor, "0000FF");
    EXPECT_EQ(fields.body.visitedLinkColor, "");
    // The tag is selected from its "<" up to, not including, its ">".
    EXPECT_EQ(MarkedText(page.app.editor()), kHead + "[" + kBody.substr(0, kBody.size() - 1) + "]>" + kRest);
    EXPECT_TRUE(page.app.ctx.editTagMode);
    EXPECT_EQ(page.app.ctx.search.findWhat, "<BODY");
}

TEST(ReadPageProperties, FindsTheTagsFromAnyCaretPosition) {
    for (const std::string& marked : {"|" + kHead + kBody + kRest, kHead + kBody + kRest + "|",
                                      kHead + kBody.substr(0, 3) + "|" + kBody.substr(3) + kRest}) {
        Page page(marked);
        PagePropertiesFields fields = ReadPageProperties(page.app.ctx, page.view());
        EXPECT_EQ(fields.title, "Old title") << marked;
        EXPECT_EQ(fields.body.linkColor, "0000FF") << marked;
        EXPECT_EQ(page.app.editor().selStart(), kHead.size()) << marked;
    }
}

TEST(ReadPageProperties, FollowsTheSearchCaseSetting) {
    const std::string lower = "<head><title>t</title></head><body bgcolor=#ABCDEF>x</body>";
    Page page("|" + lower);
    PagePropertiesFields fields = ReadPageProperties(page.app.ctx, page.view());
    EXPECT_EQ(fields.title, "t");
    // Found without regard to case, but attribute names are read with theirs.
    EXPECT_EQ(fields.body.backgroundColor, "");
    EXPECT_EQ(page.app.editor().selText(), "<body bgcolor=#ABCDEF");

    Page exact("|" + lower);
    exact.app.ctx.search.matchCase = true;
    EXPECT_EQ(ReadPageProperties(exact.app.ctx, exact.view()), PagePropertiesFields{});
    EXPECT_FALSE(exact.app.ctx.editTagMode);
    EXPECT_EQ(MarkedText(exact.app.editor()), "|" + lower);
}

TEST(ReadPageProperties, APageWithoutTheTagsGivesEmptyFieldsSilently) {
    Page page("plain |text without tags <TITLE>unclosed");
    EXPECT_EQ(ReadPageProperties(page.app.ctx, page.view()), PagePropertiesFields{});
    EXPECT_EQ(MarkedText(page.app.editor()), "plain |text without tags <TITLE>unclosed");
    EXPECT_FALSE(page.app.ctx.editTagMode);
    EXPECT_TRUE(page.app.messages.shown.empty());

    // A BODY tag without ">" runs to the end of the text.
    Page cut("|<BODY TEXT=#123456");
    PagePropertiesFields fields = ReadPageProperties(cut.app.ctx, cut.view());
    EXPECT_EQ(fields.body.textColor, "123456");
    EXPECT_EQ(MarkedText(cut.app.editor()), "[<BODY TEXT=#123456]");
}

TEST(ApplyPageProperties, RewritesOnlyTheTagUpToItsOldCloser) {
    Page page(kHead + "|" + kBody + kRest);
    PagePropertiesFields fields = ReadPageProperties(page.app.ctx, page.view());
    fields.body = {};
    fields.body.backgroundColor = "00FF00";
    ApplyPageProperties(page.app.ctx, page.view(), fields, false);
    EXPECT_EQ(page.text(), kHead + "<BODY BGCOLOR=\"#00FF00\">" + kRest);
    EXPECT_FALSE(page.app.ctx.editTagMode);
    EXPECT_EQ(page.app.ctx.bodyAttributes, " BGCOLOR=\"#00FF00\"");
    EXPECT_EQ(page.app.ctx.pageTitle, "Old title");
    // One undo snapshot of the page before the change.
    EXPECT_EQ(page.app.ctx.undoText, kHead + kBody + kRest);
}

TEST(ApplyPageProperties, ReplacesTheTitleUnlessTheBoxIsEmpty) {
    Page page(kHead + "|" + kBody + kRest);
    PagePropertiesFields fields = ReadPageProperties(page.app.ctx, page.view());
    fields.title = "New title";
    ApplyPageProperties(page.app.ctx, page.view(), fields, false);
    EXPECT_EQ(page.text(), "<HTML>\r\n<HEAD>\r\n<TITLE>New title</TITLE>\r\n</HEAD>\r\n" + kWritten + kRest);

    // An empty box keeps the document's title, but the program keeps the
    // default title; the tag the dialog selected is still found.
    Page empty(kHead + "|" + kBody + kRest);
    PagePropertiesFields none = ReadPageProperties(empty.app.ctx, empty.view());
    none.title.clear();
    ApplyPageProperties(empty.app.ctx, empty.view(), none, false);
    EXPECT_EQ(empty.text(), kHead + kWritten + kRest);
    EXPECT_EQ(empty.app.ctx.pageTitle, "Document Title should be typed here");
}

TEST(ApplyPageProperties, InsertsTheMetaLinesOnlyWhenConfirmed) {
    Page page(kHead + "|" + kBody + kRest);
    page.app.ctx.metaLines = {"<META Name=\"description\" Content=\"d\">\r\n", "",
                              "<META HTTP-EQUIV=\"Refresh\" Content=\"5;URL=x\">\r\n"};
    PagePropertiesFields fields = ReadPageProperties(page.app.ctx, page.view());
    ApplyPageProperties(page.app.ctx, page.view(), fields, true);
    const std::string withMeta =
        "<HTML>\r\n<HEAD>\r\n<META Name=\"description\" Content=\"d\">\r\n"
        "<META HTTP-EQUIV=\"Refresh\" Content=\"5;URL=x\">\r\n\r\n<TITLE>Old title</TITLE>\r\n</HEAD>\r\n" +
        kWritten + kRest;
    EXPECT_EQ(page.text(), withMeta);

    // A second OK without a new confirmation adds nothing.
    fields = ReadPageProperties(page.app.ctx, page.view());
    ApplyPageProperties(page.app.ctx, page.view(), fields, false);
    EXPECT_EQ(page.text(), withMeta);

    // Confirmed, but every line empty: nothing either.
    page.app.ctx.metaLines = {};
    ApplyPageProperties(page.app.ctx, page.view(), fields, true);
    EXPECT_EQ(page.text(), withMeta);
}

TEST(ApplyPageProperties, LeavesAlonePartsThePageLacks) {
    // No title, no HEAD: only the BODY tag changes.
    Page page("x <BODY>|y");
    PagePropertiesFields fields;
    fields.title = "T";
    fields.body.textColor = "000000";
    page.app.ctx.metaLines = {"<META Name=\"keywords\" Content=\"k\">\r\n", "", ""};
    ApplyPageProperties(page.app.ctx, page.view(), fields, true);
    EXPECT_EQ(page.text(), "x <BODY TEXT=\"#000000\">y");

    // Nothing to rewrite at all: the text stays as it was.
    Page bare("some |text");
    ApplyPageProperties(bare.app.ctx, bare.view(), fields, true);
    EXPECT_EQ(bare.text(), "some text");
    EXPECT_EQ(bare.app.ctx.bodyAttributes, " TEXT=\"#000000\"");
    EXPECT_EQ(bare.app.ctx.pageTitle, "T");
}

TEST(ApplyPageProperties, NewPageModeWritesTheFieldsIntoTheFreshPage) {
    // The toolbar's new page: nothing is read, the fields start empty.
    const std::string fresh =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\r\n<HTML>\r\n<HEAD>\r\n\r\n<TITLE></TITLE>\r\n</HEAD>"
        "\r\n\r\n\r\n<!-- Created on March 07, 1997  at 02:05 PM -->\r\n\r\n<BODY>\r\n\r\n\r\n\r\n</BODY>\r\n</HTML>";
    Page page(fresh + "|");
    PagePropertiesFields fields;
    fields.title = "Home";
    fields.body.backgroundColor = "FFFFFF";
    page.app.ctx.metaLines = {"", "<META Name=\"keywords\" Content=\"k\">\r\n", ""};
    ApplyPageProperties(page.app.ctx, page.view(), fields, true);
    EXPECT_EQ(page.text(),
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\r\n<HTML>\r\n<HEAD>\r\n"
              "<META Name=\"keywords\" Content=\"k\">\r\n\r\n\r\n<TITLE>Home</TITLE>\r\n</HEAD>"
              "\r\n\r\n\r\n<!-- Created on March 07, 1997  at 02:05 PM -->\r\n\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n\r\n\r\n\r\n"
              "</BODY>\r\n</HTML>");
}

TEST(CancelPageProperties, CollapsesTheSelectionToItsStart) {
    Page page("ab[<BODY]>c");
    CancelPageProperties(page.view());
    EXPECT_EQ(MarkedText(page.app.editor()), "ab|<BODY>c");
}

}  // namespace
}  // namespace quillane
