#include "editor/editing_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "app/command_table.h"
#include "editor/document_lifecycle.h"
#include "editor/insertion.h"
#include "support/fakes.h"
#include "support/marked_text.h"

namespace quillane {
namespace {

using testing::FakeDocumentView;
using testing::MarkedText;
using testing::SetMarkedText;
using testing::TestApp;

// A new window holding `marked`, with nothing the editor itself could undo.
FakeDocumentView& OpenWindow(TestApp& app, const std::string& marked) {
    NewDocument(app.ctx);
    FakeDocumentView& view = *app.active();
    SetMarkedText(view.memoryEditor(), marked);
    view.memoryEditor().emptyUndoBuffer();
    app.ctx.documentSlots[view.slot()].modified = false;
    return view;
}

void RunCommand(TestApp& app, const std::string& command, DocumentView* target) {
    CommandTable table;
    RegisterEditingCommands(table);
    ASSERT_TRUE(table.run(command, app.ctx, target)) << command;
}

TEST(Undo, UsesTheEditorsOwnUndoWhenItHasOne) {
    TestApp app;
    FakeDocumentView& view = OpenWindow(app, "ab|");
    view.editor().setSelText("c");
    SaveUndoSnapshot(app.ctx, view);
    app.ctx.undoText = "not this";
    RunCommand(app, "mnuUndo", &view);
    EXPECT_EQ(view.editor().text(), "ab");
}

TEST(Undo, FallsBackOnThisWindowsSnapshot) {
    TestApp app;
    FakeDocumentView& view = OpenWindow(app, "ab|cd");
    InsertTag(app.ctx, view, "<B>", "</B>");
    view.memoryEditor().emptyUndoBuffer();
    app.ctx.documentSlots[view.slot()].modified = false;

    RunCommand(app, "mnuUndo", &view);

    EXPECT_EQ(MarkedText(view.editor()), "ab|cd");
    EXPECT_TRUE(app.ctx.documentSlots[view.slot()].modified);
    // The snapshot is kept; the restore itself can be undone by the editor.
    EXPECT_EQ(app.ctx.undoText, "abcd");
    RunCommand(app, "mnuUndo", &view);
    EXPECT_EQ(view.editor().text(), "ab<B></B>cd");
}

// Restoring would blank the window or fill it with another document's text.
TEST(Undo, NeverRestoresAnEmptyOrForeignSnapshot) {
    enum class Snapshot { NoneTaken, OtherWindow, EmptyText, ClosedWindowsSlot };
    for (Snapshot kind : {Snapshot::NoneTaken, Snapshot::OtherWindow, Snapshot::EmptyText, Snapshot::ClosedWindowsSlot}) {
        SCOPED_TRACE(static_cast<int>(kind));
        TestApp app;
        FakeDocumentView* view = nullptr;
        switch (kind) {
            case Snapshot::NoneTaken:
                view = &OpenWindow(app, "mine|");
                break;
            case Snapshot::OtherWindow: {
                FakeDocumentView& other = OpenWindow(app, "other|");
                InsertTag(app.ctx, other, "<B>", "</B>");
                view = &OpenWindow(app, "mine|");
                break;
            }
            case Snapshot::EmptyText:
                view = &OpenWindow(app, "|");
                InsertTag(app.ctx, *view, "<B>", "</B>");
                SetMarkedText(view->memoryEditor(), "mine|");
                view->memoryEditor().emptyUndoBuffer();
                app.ctx.documentSlots[view->slot()].modified = false;
                break;
            case Snapshot::ClosedWindowsSlot: {
                FakeDocumentView& closing = OpenWindow(app, "closed|");
                InsertTag(app.ctx, closing, "<B>", "</B>");
                app.ctx.documentSlots[closing.slot()].modified = false;
                ASSERT_TRUE(app.shell.closeDocumentWindow(closing));
                view = &OpenWindow(app, "mine|");  // reuses the slot
                break;
            }
        }
        RunCommand(app, "mnuUndo", view);
        EXPECT_EQ(view->editor().text(), "mine");
        EXPECT_FALSE(app.ctx.documentSlots[view->slot()].modified);
    }
}

TEST(Clipboard, CutCopyAndPaste) {
    struct Row {
        const char* command;
        const char* before;
        const char* clipboardBefore;
        const char* after;
        const char* clipboardAfter;
    };
    const Row rows[] = {
        {"cut", "a[bc]d", "old", "a|d", "bc"},
        // Nothing selected: the clipboard is emptied, the text stays.
        {"cut", "ab|cd", "old", "ab|cd", ""},
        {"copy", "a[b\r\nc]d", "old", "a[b\r\nc]d", "b\r\nc"},
        {"copy", "ab|cd", "old", "ab|cd", ""},
        {"paste", "a[bc]d", "XY", "aXY|d", "XY"},
        {"paste", "ab|cd", "", "ab|cd", ""},
        // Line ends from other programs become the documents' CR LF.
        {"paste", "|", "1\n2\r\n3\r4\n\n", "1\r\n2\r\n3\r\n4\r\n\r\n|", "1\n2\r\n3\r4\n\n"},
        {"paste", "x|", "caf\xC3\xA9", "xcaf\xC3\xA9|", "caf\xC3\xA9"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.command) + " " + r.before);
        TestApp app;
        FakeDocumentView& view = OpenWindow(app, r.before);
        app.clipboard.value = r.clipboardBefore;
        RunCommand(app, r.command, &view);
        EXPECT_EQ(MarkedText(view.editor()), r.after);
        EXPECT_EQ(app.clipboard.value, r.clipboardAfter);
        EXPECT_GT(view.memoryEditor().focusCount, 0);
    }
}

// Cut, Copy, Paste and Undo act on the window whose menu was used.
TEST(Clipboard, ActsOnTheWindowWhoseMenuWasUsed) {
    TestApp app;
    FakeDocumentView& first = OpenWindow(app, "[one]");
    FakeDocumentView& second = OpenWindow(app, "[two]");
    ASSERT_EQ(app.active(), &second);
    RunCommand(app, "cut", &first);
    EXPECT_EQ(first.editor().text(), "");
    EXPECT_EQ(second.editor().text(), "two");
    EXPECT_EQ(app.clipboard.value, "one");
}

TEST(SelectAll, SelectsTheWholeTextFromTheStart) {
    TestApp app;
    FakeDocumentView& view = OpenWindow(app, "ab\r\nc|d");
    RunCommand(app, "mnuSelectAll", &view);
    EXPECT_EQ(MarkedText(view.editor()), "[ab\r\ncd]");
    EXPECT_GT(view.memoryEditor().focusCount, 0);
}

TEST(WordWrap, TogglesTheCheckMarkAndTheMargin) {
    TestApp app;
    app.ctx.settings.WordWrap = 1;
    FakeDocumentView& view = OpenWindow(app, "text|");
    view.innerWidth = 7000;
    ASSERT_TRUE(view.wordWrapChecked());

    RunCommand(app, "mnuWordWrap", &view);
    EXPECT_FALSE(view.wordWrapChecked());
    EXPECT_EQ(view.editor().rightMargin(), 20000);
    // Typing no longer moves the margin.
    view.editor().setSelText("x");
    EXPECT_EQ(view.editor().rightMargin(), 20000);

    RunCommand(app, "mnuWordWrap", &view);
    EXPECT_TRUE(view.wordWrapChecked());
    EXPECT_EQ(view.editor().rightMargin(), 7000 - 250);

    // The stored setting is not the menu's.
    EXPECT_EQ(app.ctx.settings.WordWrap, 1);
    EXPECT_FALSE(app.store.has("Miscellaneous", "WordWrap"));
}

TEST(EditingCommands, NeedAWindow) {
    TestApp app;
    CommandTable table;
    RegisterEditingCommands(table);
    for (const char* name : {"mnuUndo", "cut", "copy", "paste", "mnuSelectAll", "mnuWordWrap", "mnuEditTag", "HTMLStrip"}) {
        ASSERT_TRUE(table.run(name, app.ctx, nullptr)) << name;
    }
    EXPECT_TRUE(app.messages.shown.empty());
    EXPECT_TRUE(app.dialogs.fileRequests.empty());
}

}  // namespace
}  // namespace quillane
