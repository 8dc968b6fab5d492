#include "builders/simple_tag_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "app/command_table.h"
#include "builders/simple_tags.h"
#include "editor/document_lifecycle.h"
#include "support/fakes.h"
#include "support/marked_text.h"

namespace quillane {
namespace {

using testing::FakeDocumentView;
using testing::MarkedText;
using testing::SetMarkedText;
using testing::TestApp;

struct Fixture {
    Fixture() { RegisterSimpleTagCommands(commands); }
    FakeDocumentView& open(const std::string& marked) {
        NewDocument(app.ctx);
        SetMarkedText(app.editor(), marked);
        return *app.active();
    }
    // Runs a command from the active window's menu and shows the result.
    std::string run(const std::string& name) {
        EXPECT_TRUE(commands.run(name, app.ctx, app.active())) << name;
        return MarkedText(app.editor());
    }
    TestApp app;
    CommandTable commands;
};

TEST(SimpleTagCommands, EveryRowAndButtonIsRegistered) {
    Fixture f;
    for (const SimpleTag& tag : SimpleTags()) EXPECT_TRUE(f.commands.has(std::string(tag.name))) << tag.name;
    for (const SimpleTagButton& b : SimpleTagButtons()) EXPECT_TRUE(f.commands.has(std::string(b.name))) << b.name;
}

TEST(SimpleTagCommands, FixedCommandsWriteTheirExactText) {
    struct Row {
        const char* command;
        const char* before;
        const char* after;
        bool snapshot;  // an undo snapshot was taken
    };
    const Row rows[] = {
        {"Bold", "ab|cd", "ab<B>|</B>cd", true},
        {"Bold", "ab[cd]", "ab<B>[cd]</B>", true},
        {"Comment", "a|b", "a<!--|-->b", true},
        {"mnuPRight", "[text]", "<P ALIGN=Right>[text]</P>", true},
        {"mnuTableData", "|", "<TD>|</TD>", true},
        {"mnuCenter", "x[y]z", "x<CENTER>[y]</CENTER>z", true},
        {"head", "|", "<HEAD>|</HEAD>", true},
        {"heading(3)", "x[word]y", "x<H3>[word]</H3>y", false},
        {"heading(3)", "|", "<H3>|</H3>", false},
        {"heading(6)", "a|", "a<H6>|</H6>", false},
        {"mnuBR", "a[xyz]b", "a<BR>|b", false},
        {"HR", "a|b", "a<HR>|b", false},
        {"mnuNBSP", "a|b", "a&nbsp;|b", false},
        {"mnuListItem", "[old]", "<LI>|", false},
        {"mnuClearLeftBR", "|", "<BR CLEAR=left>|", false},
        {"mnuClearRightBR", "x[y]", "x<BR CLEAR=right>|", false},
        {"mnuWordBreak", "a|", "a<WBR>|", false},
        {"mnuBfont(7)", "a[b]c", "a<BASEFONT SIZE=7>|c", false},
        {"mnuBfont(1)", "|", "<BASEFONT SIZE=1>|", false},
        {"mnuDate", "x|y", "xMarch 07, 1997   2:05 PM|y", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.command) + " on " + r.before);
        Fixture f;
        f.open(r.before);
        EXPECT_EQ(f.run(r.command), r.after);
        EXPECT_EQ(f.app.ctx.undoSlot != 0, r.snapshot);
        EXPECT_GT(f.app.editor().focusCount, 0);
    }
}

// Every wrap and insert row of the table, at a caret and over a selection.
TEST(SimpleTagCommands, EveryFixedRowInsertsItsText) {
    for (const SimpleTag& tag : SimpleTags()) {
        if (tag.mode != TagMode::Wrap && tag.mode != TagMode::Insert) continue;
        SCOPED_TRACE(std::string(tag.name));
        const std::string open(tag.openText);
        const std::string close(tag.closeText);
        {
            Fixture f;
            f.open("ab|cd");
            EXPECT_EQ(f.run(std::string(tag.name)), "ab" + open + "|" + close + "cd");
        }
        {
            Fixture f;
            f.open("ab[cd]ef");
            const std::string expected =
                tag.mode == TagMode::Wrap ? "ab" + open + "[cd]" + close + "ef" : "ab" + open + "|ef";
            EXPECT_EQ(f.run(std::string(tag.name)), expected);
        }
    }
}

TEST(SimpleTagCommands, HeadingsIgnoreEditTagMode) {
    Fixture f;
    f.open("[<H1>]");
    f.app.ctx.editTagMode = true;
    EXPECT_EQ(f.run("heading(2)"), "<H2>[<H1>]</H2>");
    EXPECT_TRUE(f.app.ctx.editTagMode);
}

TEST(SimpleTagCommands, WrapCommandsConsumeEditTagMode) {
    Fixture f;
    f.open("x[<B>]y");
    f.app.ctx.editTagMode = true;
    EXPECT_EQ(f.run("Italic"), "x<I>|y");
    EXPECT_FALSE(f.app.ctx.editTagMode);
}

TEST(SimpleTagCommands, ActOnTheWindowWhoseMenuWasUsed) {
    Fixture f;
    FakeDocumentView& first = f.open("one|");
    FakeDocumentView& second = f.open("two|");
    ASSERT_EQ(f.app.active(), &second);
    f.commands.run("Underline", f.app.ctx, &first);
    EXPECT_EQ(MarkedText(first.memoryEditor()), "one<U>|</U>");
    EXPECT_EQ(MarkedText(second.memoryEditor()), "two|");
}

TEST(SimpleTagCommands, ScriptBlockGoesBeforeTheHeadEndOrToTheCaret) {
    const std::string open = "<SCRIPT LANGUAGE=\"JavaScript\">\r\n<!--\r\n\r\n";
    const std::string close = "//-->\r\n</SCRIPT>\r\n";
    struct Row {
        std::string before;
        std::string after;
    };
    const Row rows[] = {
        // </HEAD> before the caret: found searching backwards.
        {"<HEAD>\r\n</HEAD>\r\n<BODY>\r\n|\r\n</BODY>",
         "<HEAD>\r\n" + open + "|" + close + "</HEAD>\r\n<BODY>\r\n\r\n</BODY>"},
        // </HEAD> after the caret.
        {"|<HTML>\r\n<HEAD>\r\n</HEAD>\r\n", "<HTML>\r\n<HEAD>\r\n" + open + "|" + close + "</HEAD>\r\n"},
        // Case does not matter.
        {"<head></head>\r\n|", "<head>" + open + "|" + close + "</head>\r\n"},
        // No head: at the caret; a selection collapses to its start and stays.
        {"ab|cd", "ab" + open + "|" + close + "cd"},
        {"a[bc]d", "a" + open + "|" + close + "bcd"},
        {"|", open + "|" + close},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.before);
        Fixture f;
        f.open(r.before);
        f.app.ctx.editTagMode = true;
        EXPECT_EQ(f.run("mnuJavaScript"), r.after);
        EXPECT_FALSE(f.app.ctx.editTagMode);
        EXPECT_NE(f.app.ctx.undoSlot, 0);
        EXPECT_TRUE(f.app.messages.shown.empty());
    }
}

TEST(SimpleTagCommands, ToolbarButtonsActOnTheActiveDocumentAndRefocusIt) {
    Fixture f;
    // No document: nothing happens.
    EXPECT_TRUE(f.commands.run("SSCommand7", f.app.ctx, nullptr));

    f.open("a[b]c");
    f.commands.run("SSCommand7", f.app.ctx, nullptr);
    EXPECT_EQ(MarkedText(f.app.editor()), "a<B>[b]</B>c");
    EXPECT_NE(f.app.ctx.undoSlot, 0);

    f.app.editor().focusCount = 0;
    f.commands.run("SSCommand22(1)", f.app.ctx, nullptr);
    EXPECT_EQ(MarkedText(f.app.editor()), "a<B><LI>|</B>c");
    EXPECT_GT(f.app.editor().focusCount, 0);

    // Toolbar headings go through InsertTag: snapshot and edit-tag mode.
    f.open("x[<H1>]y");
    f.app.ctx.editTagMode = true;
    f.app.ctx.undoSlot = 0;
    f.commands.run("SSCommand3", f.app.ctx, nullptr);
    EXPECT_EQ(MarkedText(f.app.editor()), "x<H3>|y");
    EXPECT_EQ(f.app.ctx.undoSlot, f.app.active()->slot());
}

}  // namespace
}  // namespace quillane
