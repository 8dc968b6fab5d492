#include "editor/insertion.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/document_lifecycle.h"
#include "support/fakes.h"
#include "support/marked_text.h"

namespace quillane {
namespace {

using testing::FakeDocumentView;
using testing::MarkedText;
using testing::SetMarkedText;
using testing::TestApp;

FakeDocumentView& OpenWindow(TestApp& app, const std::string& marked) {
    NewDocument(app.ctx);
    SetMarkedText(app.editor(), marked);
    app.ctx.documentSlots[app.active()->slot()].modified = false;
    return *app.active();
}

TEST(InsertTag, PlacesTextCaretAndSelection) {
    struct Row {
        const char* before;  // caret as |, selection in brackets
        const char* open;
        const char* close;
        bool editTagMode;
        const char* after;
        bool focused;
    };
    const Row rows[] = {
        {"abc|def", "<B>", "</B>", false, "abc<B>|</B>def", true},
        {"abc[def]ghi", "<B>", "</B>", false, "abc<B>[def]</B>ghi", true},
        {"x[<HR WIDTH=50%>]y", "<HR WIDTH=75%>", "", true, "x<HR WIDTH=75%>|y", false},
        {"x[<HR WIDTH=50%>]y", "<HR WIDTH=75%>", "", false, "x<HR WIDTH=75%>[<HR WIDTH=50%>]y", true},
        // An empty close text leaves the caret after the open text.
        {"ab|cd", "<HR>", "", false, "ab<HR>|cd", true},
        // The whole document: open text at 0, close text at the end.
        {"[abc]", "<P>", "</P>", false, "<P>[abc]</P>", true},
        // Edit-tag mode without a selection is an ordinary insertion.
        {"ab|cd", "<B>", "</B>", true, "ab<B>|</B>cd", true},
        // Line breaks and multi-byte characters stay inside the re-selection.
        {"x[a\r\nb]y", "<PRE>", "</PRE>", false, "x<PRE>[a\r\nb]</PRE>y", true},
        {"[\xC3\xA9t\xC3\xA9]", "<I>", "</I>", false, "<I>[\xC3\xA9t\xC3\xA9]</I>", true},
        {"|", "<TITLE>", "</TITLE>", false, "<TITLE>|</TITLE>", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.before);
        TestApp app;
        FakeDocumentView& view = OpenWindow(app, r.before);
        const std::string textBefore = view.editor().text();
        const std::size_t caretBefore = view.editor().selStart();
        app.ctx.editTagMode = r.editTagMode;

        InsertTag(app.ctx, r.open, r.close);

        EXPECT_EQ(MarkedText(app.editor()), r.after);
        EXPECT_EQ(app.editor().focusCount > 0, r.focused);
        EXPECT_FALSE(app.ctx.editTagMode);
        EXPECT_EQ(app.ctx.undoText, textBefore);
        EXPECT_EQ(app.ctx.undoCaret, caretBefore);
        EXPECT_EQ(app.ctx.undoSlot, view.slot());
        EXPECT_TRUE(app.ctx.documentSlots[view.slot()].modified);
    }
}

TEST(InsertTag, WithoutADocumentOnlyClearsEditTagMode) {
    TestApp app;
    app.ctx.editTagMode = true;
    app.ctx.undoText = "kept";
    app.ctx.undoSlot = 3;
    InsertTag(app.ctx, "<B>", "</B>");
    EXPECT_FALSE(app.ctx.editTagMode);
    EXPECT_EQ(app.ctx.undoText, "kept");
    EXPECT_EQ(app.ctx.undoSlot, 3);
}

TEST(InsertTag, ActsOnTheGivenWindowAndSnapshotsIt) {
    TestApp app;
    FakeDocumentView& first = OpenWindow(app, "one|");
    FakeDocumentView& second = OpenWindow(app, "two|");
    ASSERT_EQ(app.active(), &second);
    InsertTag(app.ctx, first, "<B>", "</B>");
    EXPECT_EQ(MarkedText(first.memoryEditor()), "one<B>|</B>");
    EXPECT_EQ(MarkedText(second.memoryEditor()), "two|");
    EXPECT_EQ(app.ctx.undoText, "one");
    EXPECT_EQ(app.ctx.undoSlot, first.slot());
}

TEST(InsertText, ReplacesTheSelectionWithoutSnapshotOrEditTagMode) {
    struct Row {
        const char* before;
        const char* text;
        bool focus;
        const char* after;
    };
    const Row rows[] = {
        {"ab|cd", "<BR>", true, "ab<BR>|cd"},
        {"a[xyz]b", "<HR>", false, "a<HR>|b"},
        {"[all]", "", true, "|"},
        {"x[<IMG SRC=\"a.gif\">]", "<IMG SRC=\"b.gif\">", false, "x<IMG SRC=\"b.gif\">|"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.before);
        TestApp app;
        FakeDocumentView& view = OpenWindow(app, r.before);
        app.ctx.editTagMode = true;
        InsertText(app.ctx, r.text, r.focus);
        EXPECT_EQ(MarkedText(app.editor()), r.after);
        EXPECT_EQ(app.editor().focusCount > 0, r.focus);
        EXPECT_TRUE(app.ctx.editTagMode);
        EXPECT_EQ(app.ctx.undoSlot, 0);
        EXPECT_TRUE(app.ctx.documentSlots[view.slot()].modified);
    }
}

TEST(InsertText, WithoutADocumentDoesNothing) {
    TestApp app;
    InsertText(app.ctx, "<BR>", true);
    EXPECT_EQ(app.ctx.undoSlot, 0);
}

TEST(WrapSelection, WrapsLikeInsertTagWithoutSnapshotOrFlag) {
    TestApp app;
    FakeDocumentView& view = OpenWindow(app, "ab[cd]ef");
    app.ctx.editTagMode = true;
    WrapSelection(view.editor(), "<H2>", "</H2>");
    EXPECT_EQ(MarkedText(app.editor()), "ab<H2>[cd]</H2>ef");
    EXPECT_TRUE(app.ctx.editTagMode);
    EXPECT_EQ(app.ctx.undoSlot, 0);
}

TEST(UndoSnapshot, BelongsToTheWindowItWasTakenIn) {
    TestApp app;
    FakeDocumentView& first = OpenWindow(app, "first|");
    FakeDocumentView& second = OpenWindow(app, "sec|ond");
    EXPECT_FALSE(HasUndoSnapshotFor(app.ctx, first));
    EXPECT_FALSE(HasUndoSnapshotFor(app.ctx, second));

    SaveUndoSnapshot(app.ctx);  // the active window: second
    EXPECT_EQ(app.ctx.undoText, "second");
    EXPECT_EQ(app.ctx.undoCaret, 3u);
    EXPECT_TRUE(HasUndoSnapshotFor(app.ctx, second));
    EXPECT_FALSE(HasUndoSnapshotFor(app.ctx, first));

    // Closing another window keeps it; closing its own window drops it.
    ForgetUndoSnapshot(app.ctx, first.slot());
    EXPECT_TRUE(HasUndoSnapshotFor(app.ctx, second));
    ForgetUndoSnapshot(app.ctx, second.slot());
    EXPECT_FALSE(HasUndoSnapshotFor(app.ctx, second));
}

TEST(UndoSnapshot, KeepsCaretsBeyondSixteenBits) {
    TestApp app;
    FakeDocumentView& view = OpenWindow(app, std::string(40000, 'x') + "|");
    SaveUndoSnapshot(app.ctx, view);
    EXPECT_EQ(app.ctx.undoCaret, 40000u);
}

TEST(EditTagMode, ClearedWhenATagDialogCloses) {
    TestApp app;
    app.ctx.editTagMode = true;
    {
        TagDialogScope dialog(app.ctx);
        EXPECT_TRUE(app.ctx.editTagMode);
    }
    EXPECT_FALSE(app.ctx.editTagMode);
}

}  // namespace
}  // namespace quillane
