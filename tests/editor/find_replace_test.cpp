#include "editor/find_replace.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "support/fakes.h"

namespace quillane {
namespace {

using testing::TestApp;

// The two dialogs as the search drives them, recorded.
struct RecordingSearchDialogs : SearchDialogs {
    void showFind(const std::string& text) override { calls.push_back("showFind:" + text); }
    void showReplace(const std::string& text, bool replacementFirst) override {
        calls.push_back("showReplace:" + text + (replacementFirst ? ":replacementFirst" : ""));
    }
    void hideReplace() override { calls.push_back("hideReplace"); }
    void closeAll() override { calls.push_back("closeAll"); }
    void bringToFront() override { calls.push_back("bringToFront"); }
    std::vector<std::string> calls;
};

class FindReplaceTest : public ::testing::Test {
protected:
    FindReplaceTest() {
        app.shell.createDocumentWindow(1);
        app.ctx.search.dialogs = &dialogs;
    }
    void setText(const std::string& text, std::size_t caret = 0, std::size_t length = 0) {
        app.editor().setText(text);
        app.editor().emptyUndoBuffer();
        select(caret, length);
    }
    void select(std::size_t start, std::size_t length) {
        app.editor().setSelStart(start);
        app.editor().setSelLength(length);
    }
    std::pair<std::size_t, std::size_t> selection() { return {app.editor().selStart(), app.editor().selLength()}; }
    std::vector<std::string> messages() { return app.messages.texts(); }
    FindState& state() { return app.ctx.search; }

    TestApp app;
    RecordingSearchDialogs dialogs;
};

using Sel = std::pair<std::size_t, std::size_t>;

TEST_F(FindReplaceTest, FindDownSelectsEachMatchThenReportsTheEndWithoutWrapping) {
    setText("abab");
    OpenFindDialog(app.ctx);
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"showFind:"});

    FindDialogFind(app.ctx, "ab");
    EXPECT_EQ(selection(), Sel(0, 2));
    FindDialogFind(app.ctx, "ab");
    EXPECT_EQ(selection(), Sel(2, 2));
    EXPECT_TRUE(messages().empty());

    FindDialogFind(app.ctx, "ab");
    EXPECT_EQ(selection(), Sel(2, 2));  // unchanged
    EXPECT_EQ(messages(), std::vector<std::string>{kFinishedSearching});
    EXPECT_EQ(dialogs.calls.back(), "closeAll");
    EXPECT_TRUE(state().notFound);
    EXPECT_EQ(state().lastFindText, "ab");
    EXPECT_GE(app.editor().focusCount, 3);
}

TEST_F(FindReplaceTest, ASelectionPrefillsTheDialogAndIsFoundFirst) {
    setText("xx ab ab", 3, 2);
    OpenFindDialog(app.ctx);
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"showFind:ab"});
    FindDialogFind(app.ctx, "ab");
    EXPECT_EQ(selection(), Sel(3, 2));
    FindDialogFind(app.ctx, "ab");
    EXPECT_EQ(selection(), Sel(6, 2));
}

TEST_F(FindReplaceTest, WithoutASelectionTheDialogShowsTheLastText) {
    setText("abc");
    state().lastFindText = "bc";
    OpenReplaceDialog(app.ctx);
    select(1, 1);
    OpenReplaceDialog(app.ctx);
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"showReplace:bc", "showReplace:b:replacementFirst"}));
    EXPECT_TRUE(state().newSearch);
}

TEST_F(FindReplaceTest, UpwardSearchStartsTwoBeforeTheCaretThenBeforeEachMatch) {
    setText("ab ab ab", 8);
    OpenFindDialog(app.ctx);
    SetSearchDirection(app.ctx, 0);
    std::vector<std::size_t> found;
    for (int i = 0; i < 3; ++i) {
        FindDialogFind(app.ctx, "ab");
        found.push_back(app.editor().selStart());
    }
    EXPECT_EQ(found, (std::vector<std::size_t>{6, 3, 0}));
    FindDialogFind(app.ctx, "ab");
    EXPECT_EQ(messages(), std::vector<std::string>{kFinishedSearching});

    // A one-character match right before the caret is not found.
    setText("xa", 2);
    state().newSearch = true;
    FindDialogFind(app.ctx, "a");
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_EQ(selection(), Sel(2, 0));
}

TEST_F(FindReplaceTest, CaseRule) {
    struct Row {
        bool matchCase;
        std::vector<std::size_t> found;
    };
    const Row rows[] = {{false, {0, 5, 10}}, {true, {10}}};
    for (const Row& r : rows) {
        setText("body Body BODY");
        state().newSearch = true;
        state().matchCase = r.matchCase;
        std::vector<std::size_t> found;
        while (FindDialogFind(app.ctx, "BODY"), !state().notFound) found.push_back(app.editor().selStart());
        EXPECT_EQ(found, r.found) << r.matchCase;
    }
}

TEST_F(FindReplaceTest, TheSearchStartsAtTheCaretOnceTheUserMovesIt) {
    setText("ab ab ab ab");
    state().newSearch = true;
    FindDialogFind(app.ctx, "ab");
    EXPECT_EQ(selection(), Sel(0, 2));
    select(7, 0);
    FindNextCommand(app.ctx);
    EXPECT_EQ(selection(), Sel(9, 2));
}

TEST_F(FindReplaceTest, FindNextSearchesAgainOrOpensTheDialog) {
    CommandTable table;
    RegisterFindCommands(table);
    setText("a a");
    table.run("mnuSFindNext", app.ctx, app.active());
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"showFind:"});
    EXPECT_TRUE(state().newSearch);

    state().findWhat = "a";
    table.run("mnuSFindNext", app.ctx, app.active());
    EXPECT_EQ(selection(), Sel(0, 1));
    table.run("mnuSFindNext", app.ctx, app.active());
    EXPECT_EQ(selection(), Sel(2, 1));
}

TEST_F(FindReplaceTest, PositionsPastTheSixteenBitRangeKeepTheSearchMoving) {
    std::string text(40000, '.');
    text += "<P>.<P>.<P>";
    setText(text, 39990);
    state().findWhat = "<P>";
    std::vector<std::size_t> found;
    for (int i = 0; i < 3; ++i) {
        FindNextCommand(app.ctx);
        found.push_back(app.editor().selStart());
    }
    EXPECT_EQ(found, (std::vector<std::size_t>{40000, 40004, 40008}));
    FindNextCommand(app.ctx);
    EXPECT_EQ(messages(), std::vector<std::string>{kFinishedSearching});
}

TEST_F(FindReplaceTest, SilentTargetsSelectOrDoNothing) {
    setText("<HTML><HEAD></HEAD><BODY></BODY>", 30);
    EXPECT_TRUE(FindSilentlyAround(app.ctx, "</HEAD>"));  // backward, after nothing forward
    EXPECT_EQ(selection(), Sel(12, 7));
    EXPECT_FALSE(state().searchDown);

    setText("<P>no head</P>", 5, 2);
    EXPECT_FALSE(FindSilentlyAround(app.ctx, "</HEAD>"));
    EXPECT_EQ(selection(), Sel(5, 2));
    EXPECT_FALSE(FindSilently(app.ctx, "<BODY", true));
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_FALSE(state().notFound);

    // The comparison with the silent texts is exact: any other text reports.
    state().findWhat = "<body";
    FindText(app.ctx);
    EXPECT_EQ(messages(), std::vector<std::string>{kFinishedSearching});

    // Without Match Case a silent search ignores case like any other.
    setText("<html><body>", 0);
    state().matchCase = false;
    EXPECT_TRUE(FindSilently(app.ctx, "<BODY", true));
    EXPECT_EQ(selection(), Sel(6, 5));
}

TEST_F(FindReplaceTest, ReplaceAlternatesBetweenFindingAndReplacing) {
    setText("a-a");
    state().newSearch = true;
    ReplaceDialogReplace(app.ctx, "a", "bc");
    EXPECT_EQ(selection(), Sel(0, 1));
    ReplaceDialogReplace(app.ctx, "a", "bc");
    EXPECT_EQ(app.editor().text(), "bc-a");
    EXPECT_EQ(selection(), Sel(2, 0));
    ReplaceDialogReplace(app.ctx, "a", "bc");
    EXPECT_EQ(selection(), Sel(3, 1));
    ReplaceDialogReplace(app.ctx, "a", "bc");
    EXPECT_EQ(app.editor().text(), "bc-bc");
    ReplaceDialogReplace(app.ctx, "a", "bc");
    EXPECT_EQ(messages(), std::vector<std::string>{kFinishedSearching});
    EXPECT_EQ(state().lastFindText, "a");
}

TEST_F(FindReplaceTest, ReplaceAllCountsInOneUndoStep) {
    setText("aaa");
    state().newSearch = true;
    ReplaceDialogReplaceAll(app.ctx, "a", "b");
    EXPECT_EQ(app.editor().text(), "bbb");
    EXPECT_EQ(messages(),
              std::vector<std::string>{"Quillane has completed searching the document.  A total of  3 replacements were made"});
    EXPECT_EQ(app.messages.shown[0].title, "");
    EXPECT_EQ(selection(), Sel(3, 0));
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"hideReplace", "closeAll", "closeAll"}));
    EXPECT_EQ(state().replaceCount, 0u);
    EXPECT_FALSE(state().notFound);
    EXPECT_EQ(state().findWhat, "a");
    EXPECT_EQ(state().lastFindText, "a");

    app.editor().undo();
    EXPECT_EQ(app.editor().text(), "aaa");
    EXPECT_FALSE(app.editor().canUndo());
}

TEST_F(FindReplaceTest, ReplaceAllWithoutAMatchLeavesTheSelection) {
    setText("abc", 1, 1);
    ReplaceDialogReplaceAll(app.ctx, "x", "y");
    EXPECT_EQ(app.editor().text(), "abc");
    EXPECT_EQ(selection(), Sel(1, 1));
    EXPECT_EQ(messages(), std::vector<std::string>{kFinishedSearching});
    EXPECT_FALSE(app.editor().canUndo());
}

TEST_F(FindReplaceTest, ReplaceAllStartsAtTheCaretAndEnds) {
    struct Row {
        std::string text;
        std::size_t caret;
        bool down;
        std::string find, with, expected;
        std::size_t count;
    };
    const Row rows[] = {
        {"a a a", 2, true, "a", "aa", "a aa aa", 2},
        {"a a a", 5, false, "a", "aa", "aa aa a", 2},  // the last "a" is right before the caret
        {"xAxax", 0, true, "a", "ba", "xbaxbax", 2},
        {"<BODY><BODY>", 0, true, "<BODY", "<BODY", "<BODY><BODY>", 2},
    };
    for (const Row& r : rows) {
        setText(r.text, r.caret);
        app.messages.shown.clear();
        state().newSearch = true;
        state().searchDown = r.down;
        ReplaceDialogReplaceAll(app.ctx, r.find, r.with);
        EXPECT_EQ(app.editor().text(), r.expected) << r.text;
        EXPECT_EQ(messages(), std::vector<std::string>{ReplaceAllCompletionMessage(r.count)}) << r.text;
    }
}

TEST_F(FindReplaceTest, ReplaceAllAfterAFailedSearchStillReplaces) {
    setText("xa");
    state().newSearch = true;
    FindDialogFind(app.ctx, "zz");
    ASSERT_TRUE(state().notFound);
    ReplaceDialogReplaceAll(app.ctx, "a", "b");
    EXPECT_EQ(app.editor().text(), "xb");
}

TEST_F(FindReplaceTest, CancelKeepsTheTextAndCaseForFindNext) {
    FindDialogCancel(app.ctx, "abc", true);
    EXPECT_EQ(state().findWhat, "abc");
    EXPECT_TRUE(state().matchCase);
    ReplaceDialogCancel(app.ctx, "", false);
    EXPECT_EQ(state().findWhat, "");
    EXPECT_FALSE(state().matchCase);
    EXPECT_EQ(state().lastFindText, "");
}

TEST_F(FindReplaceTest, DialogEvents) {
    state().searchDown = false;
    OnSearchDialogLoaded(app.ctx);
    EXPECT_TRUE(state().searchDown);
    SetSearchDirection(app.ctx, 0);
    EXPECT_FALSE(state().searchDown);
    SetMatchCase(app.ctx, true);
    EXPECT_TRUE(state().matchCase);

    app.shell.status[StatusPanel::Help] = "Press F1 for Help";
    OnSearchDialogMouseMove(app.ctx);
    EXPECT_EQ(app.shell.status[StatusPanel::Help], "");

    OnEditorFocusedForSearch(app.ctx);
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"bringToFront"});
}

TEST(FindReplaceWithoutDocument, EverythingFailsSilently) {
    TestApp app;
    RecordingSearchDialogs dialogs;
    app.ctx.search.dialogs = &dialogs;
    app.ctx.search.findWhat = "a";
    EXPECT_FALSE(FindText(app.ctx));
    FindNextCommand(app.ctx);
    ReplaceDialogReplace(app.ctx, "a", "b");
    ReplaceDialogReplaceAll(app.ctx, "a", "b");
    EXPECT_TRUE(app.messages.shown.empty());
    EXPECT_FALSE(app.ctx.search.notFound);
    OpenFindDialog(app.ctx);
    EXPECT_EQ(dialogs.calls.back(), "showFind:a");
}

// ---------------------------------------------------------------------------
// The search as first described, step by step: the whole text upper-cased
// for every search, Replace All as a loop of searches and replacements. The
// one addition is the rule that makes an upward Replace All end: after a
// replacement the next search begins just before the inserted text.

struct Literal {
    std::string text;
    std::size_t selStart = 0, selLength = 0;
    FindState s;
    std::vector<std::string> messages;

    static std::string upper(std::string t) {
        for (char& c : t)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        return t;
    }

    // startOverride: the search start of the upward Replace All rule.
    bool findText(long startOverride = -1) {
        s.notFound = false;
        long offset = selStart == s.lastFoundPosition ? 1 : 0;
        if (s.newSearch) offset = 0;
        long start = static_cast<long>(selStart) + offset;
        if (startOverride >= 0) start = startOverride;
        std::string F = s.matchCase ? s.findWhat : upper(s.findWhat);
        std::string T = s.matchCase ? text : upper(text);
        long found = -1;
        if (s.searchDown) {
            std::size_t p = static_cast<std::size_t>(start) <= T.size() ? T.find(F, start) : std::string::npos;
            if (p != std::string::npos && !F.empty()) found = static_cast<long>(p);
        } else {
            for (long p = start - 1; p >= 1; --p)  // 1-based
                if (T.substr(p - 1, F.size()) == F) {
                    found = p - 1;
                    break;
                }
        }
        if (found >= 0) {
            selStart = found;
            selLength = F.size();
        } else if (!IsSilentSearchTarget(s.findWhat)) {
            s.notFound = true;
            messages.push_back(s.replaceCount == 0 ? std::string(kFinishedSearching) : s.completionMessage);
        }
        s.lastFoundPosition = selStart;
        s.newSearch = false;
        return found >= 0;
    }

    void setSelText(const std::string& r) {
        text.replace(selStart, selLength, r);
        selStart += r.size();
        selLength = 0;
    }

    void replaceAll(const std::string& find, const std::string& with) {
        s.replaceCount = 0;
        s.findWhat = s.lastFindText = find;
        long override = -1;
        for (int guard = 0; s.notFound != 1 && guard < 10000; ++guard) {
            if (findText(override)) {
                s.replaceCount++;
                s.completionMessage = "Quillane has completed searching the document.  A total of  " +
                                      std::to_string(s.replaceCount) + " replacements were made";
                std::size_t matchStart = selStart;
                setSelText(with);
                if (!s.searchDown) override = static_cast<long>(matchStart) + 1;
            }
        }
        s.replaceCount = 0;
        s.notFound = false;
    }
};

class FindReplaceAgainstLiteral : public FindReplaceTest {
protected:
    std::mt19937 rng{1997};
    std::string randomText(std::size_t maxLength) {
        static const char letters[] = "aAbB.";
        std::string t(std::uniform_int_distribution<std::size_t>(0, maxLength)(rng), ' ');
        for (char& c : t) c = letters[std::uniform_int_distribution<int>(0, 4)(rng)];
        return t;
    }
    std::size_t upTo(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(rng); }
    bool coin() { return std::uniform_int_distribution<int>(0, 1)(rng) == 1; }

    // Both start from the same text, selection and search state.
    Literal prepare() {
        Literal lit;
        lit.text = randomText(14);
        lit.selStart = upTo(lit.text.size());
        lit.selLength = upTo(lit.text.size() - lit.selStart);
        lit.s.matchCase = coin();
        lit.s.searchDown = coin();
        lit.s.newSearch = coin();
        lit.s.lastFoundPosition = coin() ? lit.selStart : upTo(lit.text.size() + 1);
        setText(lit.text, lit.selStart, lit.selLength);
        app.messages.shown.clear();
        FindState& s = state();
        s.matchCase = lit.s.matchCase;
        s.searchDown = lit.s.searchDown;
        s.newSearch = lit.s.newSearch;
        s.lastFoundPosition = lit.s.lastFoundPosition;
        s.notFound = false;
        return lit;
    }

    void expectSame(const Literal& lit, const std::string& what) {
        ASSERT_EQ(app.editor().text(), lit.text) << what;
        ASSERT_EQ(selection(), Sel(lit.selStart, lit.selLength)) << what;
        ASSERT_EQ(messages(), lit.messages) << what;
        ASSERT_EQ(state().lastFoundPosition, lit.s.lastFoundPosition) << what;
        ASSERT_EQ(state().notFound, lit.s.notFound) << what;
        ASSERT_EQ(state().newSearch, lit.s.newSearch) << what;
        ASSERT_EQ(state().replaceCount, lit.s.replaceCount) << what;
    }
};

TEST_F(FindReplaceAgainstLiteral, ReplaceAllGivesTheSameTextCaretAndMessage) {
    for (int round = 0; round < 20000; ++round) {
        Literal lit = prepare();
        std::string find = randomText(3), with = randomText(3);
        if (find.empty()) find = "a";
        if (with.empty()) with = "B";
        std::string what = "round " + std::to_string(round) + " text '" + lit.text + "' find '" + find +
                           "' with '" + with + "' " + (lit.s.searchDown ? "down" : "up") +
                           (lit.s.matchCase ? " case" : "");
        lit.replaceAll(find, with);
        ReplaceDialogReplaceAll(app.ctx, find, with);
        expectSame(lit, what);
    }
}

TEST_F(FindReplaceAgainstLiteral, SuccessiveSearchesFindTheSameMatches) {
    for (int round = 0; round < 5000; ++round) {
        Literal lit = prepare();
        std::string find = randomText(3);
        lit.s.findWhat = state().findWhat = find.empty() ? "b" : find;
        std::string what = "round " + std::to_string(round) + " text '" + lit.text + "' find '" + lit.s.findWhat + "'";
        for (int step = 0; step < 6 && !lit.s.notFound; ++step) {
            if (step == 3 && coin()) {  // the user moves the caret
                std::size_t caret = upTo(lit.text.size());
                lit.selStart = caret;
                lit.selLength = 0;
                select(caret, 0);
            }
            lit.findText();
            FindText(app.ctx);
            expectSame(lit, what + " step " + std::to_string(step));
        }
    }
}

}  // namespace
}  // namespace quillane
