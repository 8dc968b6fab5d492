#include "editor/text_search.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
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

std::string upperCased(std::string t) {
    for (char& c : t)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return t;
}

TEST(TextSearch, WithoutCaseEveryFormIsFoundAtAnyDistance) {
    // Fillers of no letter, of the lower and of the upper form of the first
    // byte, before a match far or near.
    const std::string forms[] = {"td", "tD", "Td", "TD"};
    for (char filler : {'x', 't', 'T'}) {
        for (std::size_t distance : {0u, 1u, 200u, 255u, 256u, 257u, 767u, 5000u, 70000u, 300000u}) {
            for (const std::string& inText : forms) {
                const std::string text = std::string(distance, filler) + inText + "x";
                for (const std::string& what : forms) {
                    EXPECT_EQ(FindForward(text, what, 0, false), distance) << filler << distance << inText << what;
                    EXPECT_EQ(FindBackward(text, what, text.size(), false), distance)
                        << filler << distance << inText << what;
                }
                EXPECT_EQ(FindForward(text, "tx", 0, false), std::nullopt);
            }
        }
    }
}

TEST(TextSearch, WithoutCaseSearchesAsOnUpperCasedTexts) {
    // Long texts with few places where the first byte occurs, in either case.
    std::mt19937 rng(4);
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(rng); };
    const std::string rare = "tTdDa";
    for (int round = 0; round < 300; ++round) {
        std::string text(pick(20000), 'x');
        const std::size_t spread = 1 + pick(2000);
        for (char& c : text)
            if (pick(spread) == 0) c = rare[pick(rare.size() - 1)];
        std::string what = pick(1) ? "td" : "tDa";
        for (char& c : what)
            if (pick(1)) c = upperCased(std::string(1, c))[0];
        const std::string T = upperCased(text), W = upperCased(what);
        for (int probe = 0; probe < 20; ++probe) {
            const std::size_t at = pick(text.size());
            const std::size_t forward = T.find(W, at);
            const std::size_t backward = T.rfind(W, at);
            ASSERT_EQ(FindForward(text, what, at, false),
                      forward == std::string::npos ? std::nullopt : std::optional<std::size_t>(forward))
                << round << " " << what << " from " << at;
            ASSERT_EQ(FindBackward(text, what, at, false),
                      backward == std::string::npos ? std::nullopt : std::optional<std::size_t>(backward))
                << round << " " << what << " from " << at;
        }
        for (bool down : {true, false}) {
            const std::size_t first = down ? 0 : text.size();
            auto plan = down ? PlanReplaceAllDown : PlanReplaceAllUp;
            const ReplaceAllEdit noCase = plan(text, what, "TH", first, false);
            const ReplaceAllEdit onUpper = plan(T, W, "TH", first, true);
            ASSERT_EQ(noCase.count, onUpper.count) << round << (down ? " down" : " up");
            ASSERT_EQ(noCase.start, onUpper.start);
            ASSERT_EQ(noCase.length, onUpper.length);
            ASSERT_EQ(noCase.caret, onUpper.caret);
            ASSERT_EQ(upperCased(noCase.replacement), upperCased(onUpper.replacement));
        }
    }
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
