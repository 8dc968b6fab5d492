#include "editor/tag_colouring.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <random>
#include <ostream>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "editor/document_lifecycle.h"
#include "support/fakes.h"

namespace quillane {

void PrintTo(const StyleSpan& s, std::ostream* os) {
    *os << "{" << s.start << ", " << s.length << ", " << s.style << "}";
}

namespace {

using testing::FakeDocumentView;
using testing::MemoryEditor;
using testing::TestApp;

constexpr int T = kTagStyle;
constexpr int B = kTableTagStyle;
constexpr int V = kQuotedValueStyle;
constexpr int C = kCommentStyle;

struct ColourRow {
    const char* name;
    std::string text;
    bool quotes;
    bool tables;
    std::vector<StyleSpan> expected;
    int missingQuoteTags = 0;
};

const std::vector<ColourRow> kColourRows = {
    {"plain tags", "<P>Hello</P>", true, true, {{0, 3, T}, {8, 4, T}}},
    {"adjacent tags merge", "<B><I>x</I></B>", true, true, {{0, 6, T}, {7, 8, T}}},
    {"no tags", "just text", true, true, {}},
    {"empty text", "", true, true, {}},
    {"line ends and UTF-8 count as bytes", "\xC3\xA9<B>\r\n<I>", true, true, {{2, 3, T}, {7, 3, T}}},
    {"lone less-than runs to the next greater-than", "a < b > c", true, true, {{2, 5, T}}},
    {"nested-looking tag ends at the first greater-than", "<A <B>>", true, true, {{0, 6, T}}},
    {"double less-than", "<<B>", true, true, {{0, 4, T}}},

    {"table cell with value", "<TD ALIGN=\"left\">x</TD>", true, true,
     {{0, 10, B}, {10, 6, V}, {16, 1, B}, {18, 5, B}}},
    {"table tags off", "<TD ALIGN=\"left\">x</TD>", true, false,
     {{0, 10, T}, {10, 6, V}, {16, 1, T}, {18, 5, T}}},
    {"quotes off", "<TD ALIGN=\"left\">x</TD>", false, true, {{0, 17, B}, {18, 5, B}}},
    {"quotes and tables off", "<TD ALIGN=\"left\">x</TD>", false, false, {{0, 17, T}, {18, 5, T}}},
    {"lower-case table", "<table border=1>x</table>", true, true, {{0, 16, B}, {17, 8, B}}},
    {"mixed-case rows and heads", "<Tr>a</tR>b<th>c</TH>", true, true, {{0, 4, B}, {5, 5, B}, {11, 4, B}, {16, 5, B}}},
    {"THEAD and TRACK compare two letters", "<THEAD>x<TRACK>", true, true, {{0, 7, B}, {8, 7, B}}},
    {"other T tags are plain tags", "<TITLE>x<T>y</TT>", true, true, {{0, 7, T}, {8, 3, T}, {12, 5, T}}},
    {"table with value", "<TABLE WIDTH=\"50%\">", true, true, {{0, 13, B}, {13, 5, V}, {18, 1, B}}},

    {"two values", "<IMG SRC=\"a.gif\" ALT=\"x\">", true, true,
     {{0, 9, T}, {9, 7, V}, {16, 5, T}, {21, 3, V}, {24, 1, T}}},
    {"empty value", "<A B=\"\">", true, true, {{0, 5, T}, {5, 2, V}, {7, 1, T}}},
    {"value right after value", "<A B=\"x\"\"y\">", true, true, {{0, 5, T}, {5, 6, V}, {11, 1, T}}},
    {"greater-than first in a value is not checked", "<A B=\">x\">", true, true, {{0, 5, T}, {5, 4, V}, {9, 1, T}}},
    {"quotes off: greater-than in a value ends the tag", "<A HREF=\"x>y\">", false, true, {{0, 11, T}}},

    {"missing quote: value takes the greater-than", "<A HREF=\"x>y</A>", true, true,
     {{0, 8, T}, {8, 3, V}, {12, 4, T}}, 1},
    {"missing quote counted per tag", "<A B=\"x>1<A B=\"y>", true, true,
     {{0, 5, T}, {5, 3, V}, {9, 5, T}, {14, 3, V}}, 2},
    {"missing quote on the last character", "<A B=\"x>", true, true, {{0, 5, T}, {5, 3, V}}, 1},

    {"comment grey", "a<!-- note -->b", true, true, {{1, 13, C}}},
    {"shortest comment", "<!-->", true, true, {{0, 5, C}}},
    {"comment hides tags and quotes", "<!-- <B \"x> -->", true, true, {{0, 15, C}}},
    {"comment ends at the first end mark", "<!-- a --> b -->", true, true, {{0, 10, C}}},
    {"comment between tags", "<B><!--x--><TD>", true, true, {{0, 3, T}, {3, 8, C}, {11, 4, B}}},
    {"comment with quotes off", "<!-- \" -->", false, false, {{0, 10, C}}},

    {"unterminated comment: the tags in it still colour", "<!-- <B> x", true, true, {{5, 3, T}}},
    {"unterminated comments twice", "<!-- <!-- <I>", true, true, {{10, 3, T}}},
    {"unterminated comment alone", "<!--", true, true, {}},
    {"comment start cut short is a tag start", "x<!-", true, true, {}},
    {"unterminated tag at the end", "<B>x<I", true, true, {{0, 3, T}}},
    {"less-than as last character", "<B>x<", true, true, {{0, 3, T}}},
    {"unterminated table tag", "<TABLE", true, true, {}},
    {"unterminated closing table tag", "x</TABLE", true, true, {}},
    {"unterminated quote keeps its opening quote in the tag colour", "<A HREF=\"abc", true, true, {{0, 9, T}}},
    {"opening quote as last character", "<B>x<A HREF=\"", true, true, {{0, 3, T}, {4, 9, T}}},
    {"unterminated quote after a value", "<TD A=\"1\" B=\"2", true, true, {{0, 6, B}, {6, 3, V}, {9, 4, B}}},
    {"unterminated tag after a value", "<A B=\"x\" C", true, true, {{0, 5, T}, {5, 3, V}}},
};

TEST(ComputeTagColoursTest, Table) {
    for (const ColourRow& row : kColourRows) {
        SCOPED_TRACE(row.name);
        TagColouring got = ComputeTagColours(row.text, {row.quotes, row.tables});
        EXPECT_EQ(got.spans, row.expected);
        EXPECT_EQ(got.missingQuoteTags, row.missingQuoteTags);
    }
}

// A large text of many unterminated comment starts colours its tags as usual.
TEST(ComputeTagColoursTest, ManyUnterminatedCommentsKeepTheirTags) {
    std::string text;
    for (int k = 0; k < 20000; ++k) text += "<!-- <B>";
    TagColouring got = ComputeTagColours(text, {});
    ASSERT_EQ(got.spans.size(), 20000u);
    EXPECT_EQ(got.spans.back(), (StyleSpan{text.size() - 3, 3, T}));
}

// The colouring written out step by step, with 1-based positions and every
// selection painted over the earlier ones, as the user sees the result.
struct Painted {
    std::vector<int> styles;
    int missingQuoteTags = 0;
};

Painted PaintStepByStep(const std::string& text, bool quotes, bool tables, bool newPage) {
    const long n = static_cast<long>(text.size());
    Painted out{std::vector<int>(text.size(), kPlainTextStyle), 0};
    auto at = [&](long i) { return i >= 1 && i <= n ? text[i - 1] : '\0'; };
    auto paint = [&](long from, long to, int style) {
        for (long k = from; k <= to; ++k) out.styles[k - 1] = style;
    };
    for (long i = 1; i <= n; ++i) {
        if (at(i) != '<') continue;
        long s = i;
        if (newPage) {
            for (;;) {
                if (at(i) == '>') {
                    paint(s, i, T);
                    break;
                }
                if (++i > n) return out;
                if (at(i) == '"') {
                    paint(s, i, T);
                    long q = i;
                    do ++i;
                    while (i <= n && at(i) != '"');
                    if (i > n) return out;
                    paint(q, i, V);
                    s = i + 1;
                }
            }
            continue;
        }
        if (at(i + 1) == '!' && at(i + 2) == '-' && at(i + 3) == '-') {
            std::size_t found = text.find("-->", static_cast<std::size_t>(i));
            if (found != std::string::npos) {
                long p = static_cast<long>(found) + 1;
                paint(s, p + 2, C);
                i = p + 2;
            }
            continue;
        }
        int k = T;
        if (tables) {
            std::string w;
            for (long j = 1; j <= 6 && i + j <= n; ++j) w += static_cast<char>(std::toupper(static_cast<unsigned char>(at(i + j))));
            auto starts = [&](const char* p) { return w.rfind(p, 0) == 0; };
            if (w == "/TABLE" || starts("TABLE")) {
                k = B;
                i += 5;
            } else if (starts("TD") || starts("/TD") || starts("TH") || starts("/TH") || starts("TR") || starts("/TR")) {
                k = B;
            }
        }
        for (;;) {
            if (at(i) == '>') break;
            if (i == n) return out;
            ++i;
            if (quotes && at(i) == '"') {
                long q = i;
                paint(s, q, k);
                ++i;
                for (;;) {
                    if (at(i) == '"') break;
                    ++i;
                    if (at(i) == '>') {
                        ++out.missingQuoteTags;
                        break;
                    }
                    if (i > n) return out;
                }
                paint(q, i, V);
                s = i + 1;
            }
        }
        paint(s, i, k);
    }
    return out;
}

// The spans as one style per byte, checking they are ordered, disjoint,
// inside the text and merged where they touch in one style.
std::vector<int> StylesPerByte(const std::vector<StyleSpan>& spans, std::size_t size) {
    std::vector<int> styles(size, kPlainTextStyle);
    std::size_t end = 0;
    for (std::size_t k = 0; k < spans.size(); ++k) {
        const StyleSpan& s = spans[k];
        EXPECT_GT(s.length, 0u);
        EXPECT_GE(s.start, end);
        EXPECT_NE(s.style, kPlainTextStyle);
        if (k > 0 && s.start == end) {
            EXPECT_NE(s.style, spans[k - 1].style);
        }
        end = s.start + s.length;
        EXPECT_LE(end, size);
        for (std::size_t b = s.start; b < end && b < size; ++b) styles[b] = s.style;
    }
    return styles;
}

TEST(ComputeTagColoursTest, AgreesWithTheStepByStepColouringOnRandomTexts) {
    const std::vector<std::string> pieces = {"<",  ">",  "\"",    "<!--",   "-->", "<!-", "-", "!",  "/",
                                             "TD", "tr", "TABLE", "/table", "Th",  "TI",  "x", " ", "\r\n"};
    std::mt19937 random(1997);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int count = random() % 16; count > 0; --count) text += pieces[random() % pieces.size()];
        const bool quotes = round % 2 == 0;
        const bool tables = round % 4 < 2;
        SCOPED_TRACE(text);

        TagColouring got = ComputeTagColours(text, {quotes, tables});
        Painted want = PaintStepByStep(text, quotes, tables, false);
        ASSERT_EQ(StylesPerByte(got.spans, text.size()), want.styles) << quotes << tables;
        ASSERT_EQ(got.missingQuoteTags, want.missingQuoteTags);

        ASSERT_EQ(StylesPerByte(ComputeNewPageColours(text), text.size()),
                  PaintStepByStep(text, true, false, true).styles);
    }
}

struct NewPageRow {
    const char* name;
    std::string text;
    std::vector<StyleSpan> expected;
};

const std::vector<NewPageRow> kNewPageRows = {
    {"plain tags", "<P>Hello</P>", {{0, 3, T}, {8, 4, T}}},
    {"comment coloured as a tag", "<!-- Created on 3/7/97 -->\r\n<HTML>", {{0, 26, T}, {28, 6, T}}},
    {"table tags get no colour of their own", "<TD>x</TR>", {{0, 4, T}, {5, 5, T}}},
    {"values", "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\">",
     {{0, 14, T}, {14, 9, V}, {23, 6, T}, {29, 9, V}, {38, 1, T}}},
    {"a value runs to its closing quote past a greater-than", "<A HREF=\"x>y\">z", {{0, 8, T}, {8, 5, V}, {13, 1, T}}},
    {"unterminated tag", "<B>x<I", {{0, 3, T}}},
    {"unterminated value", "<A B=\"x", {{0, 6, T}}},
    {"empty", "", {}},
};

TEST(ComputeNewPageColoursTest, Table) {
    for (const NewPageRow& row : kNewPageRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ComputeNewPageColours(row.text), row.expected);
    }
}

TEST(TagColourLookTest, AppearanceOfEachStyle) {
    EXPECT_EQ(TagColourLook(kPlainTextStyle).color, (Rgb{0, 0, 0}));
    EXPECT_EQ(TagColourLook(kTagStyle).color, (Rgb{255, 0, 50}));
    EXPECT_EQ(TagColourLook(kTableTagStyle).color, (Rgb{0, 160, 42}));
    EXPECT_EQ(TagColourLook(kQuotedValueStyle).color, (Rgb{0, 0, 255}));
    EXPECT_EQ(TagColourLook(kCommentStyle).color, (Rgb{159, 159, 159}));
    for (int style : {kPlainTextStyle, kTagStyle, kTableTagStyle, kQuotedValueStyle})
        EXPECT_FALSE(TagColourLook(style).italic) << style;
    EXPECT_TRUE(TagColourLook(kCommentStyle).italic);
}

// What the program looked like while the editor took the styles.
struct RunSnapshot {
    bool coloringInProgress = false;
    bool busy = false;
    std::string status;
    bool visible = true;
};

class ObservingEditor : public MemoryEditor {
public:
    void applyStyles(std::vector<StyleSpan> spans) override {
        MemoryEditor::applyStyles(std::move(spans));
        if (observe) observe();
    }
    std::function<void()> observe;
};

class ObservedView : public FakeDocumentView {
public:
    ObservedView() : FakeDocumentView(1) {}
    EditorControl& editor() override { return editor_; }
    ObservingEditor editor_;
};

class ColorTagsTest : public ::testing::Test {
protected:
    ColorTagsTest() {
        view.editor_.observe = [this] {
            during.push_back({app.ctx.coloringInProgress, app.shell.busy, app.shell.status[StatusPanel::Help],
                              view.editor_.visible()});
        };
    }
    void setText(const std::string& text) { view.editor_.setText(text); }

    TestApp app;
    ObservedView view;
    std::vector<RunSnapshot> during;
};

TEST_F(ColorTagsTest, ColoursWithTheSettingsAndDefinesTheStyles) {
    setText("<TD ALIGN=\"left\">x</TD><!--c-->");
    app.ctx.settings.QuoteColorTags = 0;
    ColorTags(app.ctx, view);
    EXPECT_EQ(view.editor_.appliedSpans, (std::vector<StyleSpan>{{0, 17, B}, {18, 5, B}, {23, 8, C}}));

    app.ctx.settings.QuoteColorTags = 1;
    app.ctx.settings.TableColorTags = 0;
    ColorTags(app.ctx, view);
    EXPECT_EQ(view.editor_.appliedSpans,
              (std::vector<StyleSpan>{{0, 10, T}, {10, 6, V}, {16, 1, T}, {18, 5, T}, {23, 8, C}}));

    for (int style : {kPlainTextStyle, kTagStyle, kTableTagStyle, kQuotedValueStyle, kCommentStyle}) {
        ASSERT_TRUE(view.editor_.styles.count(style)) << style;
        EXPECT_EQ(view.editor_.styles[style].color, TagColourLook(style).color);
        EXPECT_EQ(view.editor_.styles[style].italic, TagColourLook(style).italic);
    }
}

TEST_F(ColorTagsTest, RunIsFlaggedBusyAndReportedThenEverythingRestored) {
    setText("<P>Hello</P> world");
    view.editor_.setSelStart(5);
    view.editor_.setSelLength(4);
    int focusBefore = view.editor_.focusCount;

    ColorTags(app.ctx, view);

    ASSERT_EQ(during.size(), 1u);
    EXPECT_TRUE(during[0].coloringInProgress);
    EXPECT_TRUE(during[0].busy);
    EXPECT_EQ(during[0].status, "Please wait while tags are being colorized...");
    EXPECT_FALSE(app.ctx.coloringInProgress);
    EXPECT_FALSE(app.shell.busy);
    EXPECT_EQ(app.shell.status[StatusPanel::Help], "Press F1 for help");
    EXPECT_EQ(view.editor_.selStart(), 5u);
    EXPECT_EQ(view.editor_.selLength(), 0u);
    EXPECT_EQ(view.editor_.focusCount, focusBefore + 1);
    EXPECT_EQ(view.editor_.text(), "<P>Hello</P> world");
    EXPECT_TRUE(app.messages.shown.empty());
}

TEST_F(ColorTagsTest, MissingQuotesShowTheMessageOncePerRun) {
    setText("<A HREF=\"x>y</A><IMG SRC=\"a>");
    view.editor_.setSelStart(3);
    ColorTags(app.ctx, view);

    ASSERT_EQ(app.messages.shown.size(), 1u);
    const MessageRequest& m = app.messages.shown[0];
    EXPECT_EQ(m.text, "There are missing quotation marks or errors in your document.");
    EXPECT_EQ(m.title, "");
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_EQ(view.editor_.appliedSpans,
              (std::vector<StyleSpan>{{0, 8, T}, {8, 3, V}, {12, 13, T}, {25, 3, V}}));
    EXPECT_FALSE(app.ctx.coloringInProgress);
    EXPECT_FALSE(app.shell.busy);
    EXPECT_EQ(view.editor_.selStart(), 3u);
}

TEST_F(ColorTagsTest, MissingQuoteMessagesPerRunWhateverTheirNumber) {
    struct Row {
        std::size_t faultyTags;
        std::size_t messages;
    };
    for (Row row : {Row{0, 0}, Row{1, 1}, Row{2, 1}, Row{100000, 1}}) {
        std::string page = "<P>x</P>";
        for (std::size_t k = 0; k < row.faultyTags; ++k) page += "<a\"xx>";
        setText(page);
        for (int run = 1; run <= 2; ++run) {
            app.messages.shown.clear();
            ColorTags(app.ctx, view);
            ASSERT_EQ(app.messages.shown.size(), row.messages) << row.faultyTags << " tags, run " << run;
            for (const MessageRequest& m : app.messages.shown)
                EXPECT_EQ(m.text, "There are missing quotation marks or errors in your document.");
            EXPECT_FALSE(app.ctx.coloringInProgress);
        }
    }
}

TEST_F(ColorTagsTest, UnterminatedTagStillEndsTheRunNormally) {
    setText("<B>x</B><A HREF=\"abc");
    view.editor_.setSelStart(9);
    ColorTags(app.ctx, view);
    EXPECT_EQ(view.editor_.appliedSpans, (std::vector<StyleSpan>{{0, 3, T}, {4, 13, T}}));
    EXPECT_FALSE(app.ctx.coloringInProgress);
    EXPECT_FALSE(app.shell.busy);
    EXPECT_EQ(app.shell.status[StatusPanel::Help], "Press F1 for help");
    EXPECT_EQ(view.editor_.selStart(), 9u);
}

TEST_F(ColorTagsTest, SwitchedOffMakesEverythingPlainAndSelected) {
    setText("<B>x</B>");
    ColorTags(app.ctx, view);
    ASSERT_FALSE(view.editor_.appliedSpans.empty());

    app.ctx.settings.ColorTags = 0;
    view.editor_.setSelStart(2);
    ColorTags(app.ctx, view);

    EXPECT_TRUE(view.editor_.appliedSpans.empty());
    EXPECT_EQ(view.editor_.selStart(), 0u);
    EXPECT_EQ(view.editor_.selLength(), 8u);
    ASSERT_EQ(during.size(), 2u);
    EXPECT_TRUE(during[1].coloringInProgress);
    EXPECT_FALSE(during[1].busy);
    EXPECT_FALSE(app.ctx.coloringInProgress);
}

TEST(ColorTagsDocumentTest, LeavesTheModifiedFlagAsItWas) {
    TestApp app;
    DocumentView& view = NewDocument(app.ctx);
    view.editor().setText("<P>Hello</P>");
    const int slot = view.slot();

    app.ctx.documentSlots[slot].modified = false;
    ColorTags(app.ctx, view);
    EXPECT_FALSE(app.ctx.documentSlots[slot].modified);
    EXPECT_FALSE(app.editor().appliedSpans.empty());

    app.ctx.documentSlots[slot].modified = true;
    ColorTags(app.ctx, view);
    EXPECT_TRUE(app.ctx.documentSlots[slot].modified);
}

TEST(RefreshTagColorsCommandTest, ColoursTheActiveDocumentAndFocusesIt) {
    TestApp app;
    CommandTable table;
    RegisterTagColouringCommands(table);
    ASSERT_TRUE(table.has("mnuColorize"));

    EXPECT_TRUE(table.run("mnuColorize", app.ctx, nullptr));  // no document: nothing happens

    NewDocument(app.ctx);
    app.editor().setText("<B>x");
    int focusBefore = app.editor().focusCount;
    EXPECT_TRUE(table.run("mnuColorize", app.ctx, nullptr));
    EXPECT_EQ(app.editor().appliedSpans, (std::vector<StyleSpan>{{0, 3, T}}));
    EXPECT_GT(app.editor().focusCount, focusBefore);
    EXPECT_FALSE(app.ctx.coloringInProgress);
}

TEST_F(ColorTagsTest, NewPageIsColouredHiddenWithoutStatusOrFlag) {
    setText("<!-- Created on 3/7/97 -->\r\n<A HREF=\"x\">");
    view.editor_.setSelStart(10);
    app.shell.status[StatusPanel::Help] = "Press F1 for help";

    ColorNewPage(view);

    EXPECT_EQ(view.editor_.appliedSpans, (std::vector<StyleSpan>{{0, 26, T}, {28, 8, T}, {36, 3, V}, {39, 1, T}}));
    ASSERT_EQ(during.size(), 1u);
    EXPECT_FALSE(during[0].visible);
    EXPECT_FALSE(during[0].coloringInProgress);
    EXPECT_FALSE(during[0].busy);
    EXPECT_EQ(during[0].status, "Press F1 for help");
    EXPECT_TRUE(view.editor_.visible());
    EXPECT_EQ(view.editor_.selStart(), 0u);
    EXPECT_EQ(view.editor_.selLength(), 0u);
    EXPECT_EQ(view.editor_.styles[kTagStyle].color, (Rgb{255, 0, 50}));
    EXPECT_TRUE(app.messages.shown.empty());
}

// ColorNewPage ignores the settings: it colours with every switch off.
TEST_F(ColorTagsTest, NewPageIgnoresTheSettings) {
    app.ctx.settings.ColorTags = 0;
    app.ctx.settings.QuoteColorTags = 0;
    app.ctx.settings.TableColorTags = 0;
    setText("<TD A=\"1\">");
    ColorNewPage(view);
    EXPECT_EQ(view.editor_.appliedSpans, (std::vector<StyleSpan>{{0, 6, T}, {6, 3, V}, {9, 1, T}}));
}

}  // namespace
}  // namespace quillane
