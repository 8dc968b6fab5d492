#include "editor/text_search.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quillane {
namespace {

constexpr auto none = std::nullopt;

TEST(TextSearch, FindForwardRows) {
    struct Row {
        std::string text, what;
        std::size_t from;
        bool matchCase;
        std::optional<std::size_t> expected;
    };
    const Row rows[] = {
        {"abab", "ab", 0, true, 0},
        {"abab", "ab", 1, true, 2},
        {"abab", "ab", 3, true, none},
        {"abab", "ab", 5, true, none},      // start beyond the end
        {"abab", "", 0, true, none},        // nothing to look for
        {"xBoDy", "body", 0, false, 1},
        {"xBoDy", "body", 0, true, none},
        {"body BODY", "BODY", 0, true, 5},
        {"a1A1", "a1", 1, false, 2},         // either case of the first byte
        {"[x{X", "{x", 0, false, 2},        // '[' and '{' differ by 32 but are no letters
        {"\xC3\xA9\xC3\x89", "\xC3\x89", 0, false, 2},  // non-ASCII bytes compare exactly
        {"aaa", "aaaa", 0, false, none},
        {"aXyaxY", "AXY", 1, false, 3},
    };
    for (const Row& r : rows)
        EXPECT_EQ(FindForward(r.text, r.what, r.from, r.matchCase), r.expected) << r.text << " / " << r.what;
}

TEST(TextSearch, FindBackwardRows) {
    struct Row {
        std::string text, what;
        std::size_t last;
        bool matchCase;
        std::optional<std::size_t> expected;
    };
    const Row rows[] = {
        {"abab", "ab", 3, true, 2},   // a start at 3 would run past the end
        {"abab", "ab", 1, true, 0},
        {"abab", "ba", 0, true, none},
        {"abab", "", 3, true, none},
        {"Body body", "BODY", 8, false, 5},
        {"Body body", "BODY", 4, false, 0},
        {"Body body", "BODY", 8, true, none},
        {"ab", "abc", 5, false, none},
    };
    for (const Row& r : rows)
        EXPECT_EQ(FindBackward(r.text, r.what, r.last, r.matchCase), r.expected) << r.text << " / " << r.what;
}

std::string applied(std::string text, const ReplaceAllEdit& e) {
    if (e.count > 0) text.replace(e.start, e.length, e.replacement);
    return text;
}

TEST(TextSearch, ReplaceAllDownTouchesOnlyTheSpanOfTheMatches) {
    ReplaceAllEdit e = PlanReplaceAllDown("xxaxaxx", "a", "bb", 0, true);
    EXPECT_EQ(e.count, 2u);
    EXPECT_EQ(e.start, 2u);
    EXPECT_EQ(e.length, 3u);
    EXPECT_EQ(e.replacement, "bbxbb");
    EXPECT_EQ(e.caret, 7u);
    EXPECT_EQ(applied("xxaxaxx", e), "xxbbxbbxx");
}

TEST(TextSearch, ReplaceAllDownContinuesAfterTheInsertedText) {
    EXPECT_EQ(applied("aaa", PlanReplaceAllDown("aaa", "a", "aa", 0, true)), "aaaaaa");
    EXPECT_EQ(applied("aaa", PlanReplaceAllDown("aaa", "a", "b", 1, true)), "abb");
    EXPECT_EQ(applied("aaaa", PlanReplaceAllDown("aaaa", "aa", "a", 0, true)), "aa");
    EXPECT_EQ(PlanReplaceAllDown("abc", "x", "y", 0, true).count, 0u);
}

TEST(TextSearch, ReplaceAllUpMayRunOnIntoInsertedText) {
    // "aab" up from the end: "ab" at 1 becomes "b", giving "ab", whose "ab"
    // at 0 reaches into the inserted "b".
    ReplaceAllEdit e = PlanReplaceAllUp("aab", "ab", "b", 1, true);
    EXPECT_EQ(e.count, 2u);
    EXPECT_EQ(applied("aab", e), "b");
    EXPECT_EQ(e.caret, 1u);
}

TEST(TextSearch, ReplaceAllUpNeverSearchesInsertedTextAgain) {
    ReplaceAllEdit e = PlanReplaceAllUp("aXa", "a", "aa", 1, true);
    EXPECT_EQ(e.count, 1u);
    EXPECT_EQ(applied("aXa", e), "aaXa");
    EXPECT_EQ(e.caret, 2u);
    e = PlanReplaceAllUp("a.a.a.", "A", "aAa", 4, false);
    EXPECT_EQ(e.count, 3u);
    EXPECT_EQ(applied("a.a.a.", e), "aAa.aAa.aAa.");
    EXPECT_EQ(e.caret, 3u);
}

TEST(TextSearch, ReplaceAllUpRunsPastSeveralInsertions) {
    // Each "ab" leaves "b"; the next match consumes the inserted "b" and the
    // one before it, and reaches the original tail.
    ReplaceAllEdit e = PlanReplaceAllUp("aaab", "aab", "", 1, true);
    EXPECT_EQ(applied("aaab", e), "a");
    EXPECT_EQ(e.count, 1u);
    e = PlanReplaceAllUp("aaaabbb", "ab", "", 5, true);
    EXPECT_EQ(applied("aaaabbb", e), "a");
    EXPECT_EQ(e.count, 3u);
}

}  // namespace
}  // namespace quillane
