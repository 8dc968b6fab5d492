#include "editor/edit_tag.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "editor/document_lifecycle.h"
#include "editor/editing_commands.h"
#include "editor/insertion.h"
#include "support/fakes.h"
#include "support/marked_text.h"

namespace quillane {
namespace {

using testing::FakeDocumentView;
using testing::MarkedText;
using testing::SetMarkedText;
using testing::TestApp;

TEST(EditableTagKind, FirstMatchingBeginningInOrder) {
    struct Row {
        const char* tagText;
        const char* kind;
    };
    const Row rows[] = {
        {"IMG SRC=\"a.gif\">", "IMG"},
        {"img src=a.gif>", "IMG"},
        {"APPLET CODE=x.class>", "APPLET"},
        {"Param NAME=a VALUE=b>", "PARAM"},
        {"A HREF=\"x.htm\">x</A>", "A HREF"},
        {"a href=x>", "A HREF"},
        {"BODY BGCOLOR=\"#FFFFFF\">", "BODY"},
        {"FONT SIZE=2>", "FONT"},
        {"HR WIDTH=50%>", "HR"},
        {"hr>", "HR"},
        // Exactly one space between A and HREF.
        {"A  HREF=x>", ""},
        {"A NAME=x>", ""},
        {"B>", ""},
        {"/A>", ""},
        {" IMG>", ""},
        {"IM>", ""},
        {"", ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(EditableTagKind(r.tagText), r.kind) << r.tagText;
    }
}

// Rows in the marked-text form: caret as |, the expected selection in brackets.
TEST(FindTagAtCaret, FindsTheTagAroundTheCaret) {
    struct Row {
        const char* before;
        const char* selected;  // nullptr: no tag
        const char* tagText;
        std::optional<std::string> linkText;
    };
    const Row rows[] = {
        // Caret right after the ">": that tag.
        {"<B>|text", "[<B>]text", "B>", {}},
        // Caret just before a "<": the previous tag.
        {"<B>text|<I>", "[<B>]text<I>", "B>", {}},
        {"x<IMG SRC=a.gif>y<I>|", "x<IMG SRC=a.gif>y[<I>]", "I>", {}},
        {"x<img sr|c=a.gif>y", "x[<img src=a.gif>]y", "img src=a.gif>", {}},
        // Caret on the "<" itself counts the character before it.
        {"<P>a|<HR>", "[<P>]a<HR>", "P>", {}},
        {"<P>a<|HR>", "<P>a[<HR>]", "HR>", {}},
        {"<TD\r\nWIDTH=5>|", "[<TD\r\nWIDTH=5>]", "TD\r\nWIDTH=5>", {}},
        // A link reaches through its "</A>", any case.
        {"x<a href=\"h.htm\">Ho|me</a>y", "x[<a href=\"h.htm\">Home</a>]y", "a href=\"h.htm\">Home</a>", "Home"},
        {"<A HREF=x>|</A><A HREF=y>z</A>", "[<A HREF=x></A>]<A HREF=y>z</A>", "A HREF=x></A>", ""},
        {"<A HREF=x>|a<B>b</B></a>", "[<A HREF=x>a<B>b</B></a>]", "A HREF=x>a<B>b</B></a>", "a<B>b</B>"},
        // Without a "</A>" only the start tag.
        {"<A HREF=\"x\">text|", "[<A HREF=\"x\">]text", "A HREF=\"x\">", {}},
        // Other tags never reach further than their ">".
        {"<A NAME=x>|t</A>", "[<A NAME=x>]t</A>", "A NAME=x>", {}},
        {"no tag|", nullptr, "", {}},
        {"|<B>", nullptr, "", {}},
        {"ab<B|", nullptr, "", {}},
        {"a > b|", nullptr, "", {}},
        {"|", nullptr, "", {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.before);
        TestApp app;
        NewDocument(app.ctx);
        SetMarkedText(app.editor(), r.before);
        std::optional<TagAtCaret> tag = FindTagAtCaret(app.editor().textView(), app.editor().selStart());
        if (!r.selected) {
            EXPECT_FALSE(tag.has_value());
            continue;
        }
        ASSERT_TRUE(tag.has_value());
        app.editor().setSelStart(tag->start);
        app.editor().setSelLength(tag->length);
        EXPECT_EQ(MarkedText(app.editor()), r.selected);
        EXPECT_EQ(tag->tagText, r.tagText);
        EXPECT_EQ(tag->linkText, r.linkText);
    }
}

// What a registered dialog saw when Edit Tag opened it.
struct OpenedDialog {
    std::string kind;
    std::string tagText;
    std::optional<std::string> linkText;
    std::string selection;  // the editor in marked-text form
    bool editTagMode = false;
};

struct EditTagFixture {
    EditTagFixture() {
        NewDocument(app.ctx);
        for (std::string_view kind : kEditableTagKinds) {
            editors.add(kind, [this](AppContext& ctx, DocumentView& view, const EditedTag& tag) {
                opened.push_back({std::string(tag.kind), tag.tagText, tag.linkText, MarkedText(view.editor()),
                                  ctx.editTagMode});
                if (replacement) InsertTag(ctx, view, *replacement, "");
            });
        }
    }
    void run(const std::string& marked) {
        SetMarkedText(app.editor(), marked);
        CommandTable table;
        RegisterEditTagCommand(table, editors);
        ASSERT_TRUE(table.run("mnuEditTag", app.ctx, app.active()));
    }
    TestApp app;
    TagEditors editors;
    std::vector<OpenedDialog> opened;
    std::optional<std::string> replacement;  // what the dialog's OK inserts
};

TEST(EditTag, OpensTheDialogOfTheTagInEditTagMode) {
    EditTagFixture f;
    f.run("x<a href=\"h.htm\" target=_top>Ho|me</a>y");
    ASSERT_EQ(f.opened.size(), 1u);
    EXPECT_EQ(f.opened[0].kind, "A HREF");
    EXPECT_EQ(f.opened[0].tagText, "a href=\"h.htm\" target=_top>Home</a>");
    EXPECT_EQ(f.opened[0].linkText, "Home");
    EXPECT_EQ(f.opened[0].selection, "x[<a href=\"h.htm\" target=_top>Home</a>]y");
    EXPECT_TRUE(f.opened[0].editTagMode);
    EXPECT_FALSE(f.app.ctx.editTagMode);
}

TEST(EditTag, TheDialogsOkReplacesTheSelectedTag) {
    EditTagFixture f;
    f.replacement = "<HR WIDTH=75%>";
    f.run("a<HR WIDTH=50%>|b");
    ASSERT_EQ(f.opened.size(), 1u);
    EXPECT_EQ(f.opened[0].kind, "HR");
    EXPECT_EQ(MarkedText(f.app.editor()), "a<HR WIDTH=75%>|b");
    EXPECT_FALSE(f.app.ctx.editTagMode);
}

TEST(EditTag, LinkWithoutEndTagSelectsTheStartTagOnly) {
    EditTagFixture f;
    f.run("<A HREF=\"x.htm\">te|xt");
    ASSERT_EQ(f.opened.size(), 1u);
    EXPECT_EQ(f.opened[0].tagText, "A HREF=\"x.htm\">");
    EXPECT_FALSE(f.opened[0].linkText.has_value());
    EXPECT_EQ(f.opened[0].selection, "[<A HREF=\"x.htm\">]text");
}

TEST(EditTag, TagWithoutDialogStaysSelected) {
    struct Row {
        const char* before;
        const char* after;
    };
    for (const Row& r : {Row{"a<B>|b", "a[<B>]b"}, Row{"<FONT SIZE=2>|x", "[<FONT SIZE=2>]x"}}) {
        SCOPED_TRACE(r.before);
        TestApp app;
        NewDocument(app.ctx);
        SetMarkedText(app.editor(), r.before);
        // The core registration has no dialogs (FONT's has not been added).
        CommandTable table;
        RegisterEditingCommands(table);
        ASSERT_TRUE(table.run("mnuEditTag", app.ctx, app.active()));
        EXPECT_EQ(MarkedText(app.editor()), r.after);
        EXPECT_FALSE(app.ctx.editTagMode);
    }
}

TEST(EditTag, NoTagSelectsAndOpensNothing) {
    EditTagFixture f;
    f.run("plain [text] only");
    EXPECT_TRUE(f.opened.empty());
    EXPECT_EQ(MarkedText(f.app.editor()), "plain [text] only");
    EXPECT_FALSE(f.app.ctx.editTagMode);
}

TEST(EditTag, WithoutADocumentDoesNothing) {
    TestApp app;
    CommandTable table;
    RegisterEditTagCommand(table, TagEditors());
    ASSERT_TRUE(table.run("mnuEditTag", app.ctx, nullptr));
    EXPECT_FALSE(app.ctx.editTagMode);
}

}  // namespace
}  // namespace quillane
