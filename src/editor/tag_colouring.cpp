#include "editor/tag_colouring.h"

#include <cstring>
#include <utility>

#include "app/app_context.h"
#include "app/command_table.h"

namespace quillane {

namespace {

struct StyleLook {
    int style;
    TextStyle look;
};

constexpr StyleLook kLooks[] = {
    {kPlainTextStyle, {{0, 0, 0}, false}},
    {kTagStyle, {{255, 0, 50}, false}},
    {kTableTagStyle, {{0, 160, 42}, false}},
    {kQuotedValueStyle, {{0, 0, 255}, false}},
    {kCommentStyle, {{159, 159, 159}, true}},
};

// Collects the coloured segments [from, end) in text order, merging a segment
// into the previous one when it continues it in the same style.
class SpanCollector {
public:
    explicit SpanCollector(std::vector<StyleSpan>& out) : out_(out) {}
    void add(std::size_t from, std::size_t end, int style) {
        if (end <= from) return;
        if (!out_.empty()) {
            StyleSpan& last = out_.back();
            if (last.style == style && last.start + last.length == from) {
                last.length += end - from;
                return;
            }
        }
        out_.push_back({from, end - from, style});
    }

private:
    std::vector<StyleSpan>& out_;
};

// The next '<' at or after pos, or text.size().
std::size_t NextTagStart(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return text.size();
    const void* hit = std::memchr(text.data() + pos, '<', text.size() - pos);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : text.size();
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Whether the text at pos, upper-cased, starts with word.
bool UpperStartsWith(std::string_view text, std::size_t pos, std::string_view word) {
    if (text.size() - pos < word.size()) return false;
    for (std::size_t k = 0; k < word.size(); ++k)
        if (Upper(text[pos + k]) != word[k]) return false;
    return true;
}

template <std::size_t Count>
bool UpperStartsWithAny(std::string_view text, std::size_t pos, const std::string_view (&words)[Count]) {
    for (std::string_view word : words)
        if (UpperStartsWith(text, pos, word)) return true;
    return false;
}

// Tags starting with these words (upper-cased) are table tags; the TABLE ones
// also skip their five letters before the search for '>'.
constexpr std::string_view kTableWords[] = {"/TABLE", "TABLE"};
constexpr std::string_view kTablePartWords[] = {"TD", "/TD", "TH", "/TH", "TR", "/TR"};

// Finds "-->" for comments. Once a search has failed, every later one fails
// too, so an unterminated "<!--" repeated through the text costs one search.
class CommentEndFinder {
public:
    explicit CommentEndFinder(std::string_view text) : text_(text) {}
    std::size_t find(std::size_t from) {
        if (from >= noneFrom_) return std::string_view::npos;
        std::size_t p = text_.find("-->", from);
        if (p == std::string_view::npos) noneFrom_ = from;
        return p;
    }

private:
    std::string_view text_;
    std::size_t noneFrom_ = std::string_view::npos;
};

}  // namespace

TextStyle TagColourLook(int style) {
    for (const StyleLook& l : kLooks)
        if (l.style == style) return l.look;
    return kLooks[0].look;
}

void DefineTagColourStyles(EditorControl& editor) {
    for (const StyleLook& l : kLooks) editor.defineStyle(l.style, l.look);
}

TagColouring ComputeTagColours(std::string_view text, const TagColouringOptions& options) {
    TagColouring result;
    SpanCollector spans(result.spans);
    CommentEndFinder commentEnd(text);
    const char* t = text.data();
    const std::size_t n = text.size();

    for (std::size_t i = NextTagStart(text, 0); i < n; i = NextTagStart(text, i + 1)) {
        std::size_t start = i;

        // A comment runs from "<!--" through the first "-->" found from the
        // '!', so "<!-->" is complete. Without an end the '<' is plain text.
        if (i + 3 < n && t[i + 1] == '!' && t[i + 2] == '-' && t[i + 3] == '-') {
            std::size_t p = commentEnd.find(i + 1);
            if (p != std::string_view::npos) {
                spans.add(start, p + 3, kCommentStyle);
                i = p + 2;
            }
            continue;
        }

        int style = kTagStyle;
        if (options.tableTags) {
            if (UpperStartsWithAny(text, i + 1, kTableWords)) {
                style = kTableTagStyle;
                i += 5;
            } else if (UpperStartsWithAny(text, i + 1, kTablePartWords)) {
                style = kTableTagStyle;
            }
        }

        // To the '>' that ends the tag; a text ending inside the tag ends the
        // run with the unfinished part uncoloured.
        while (t[i] != '>') {
            if (i + 1 == n) return result;
            ++i;
            if (options.quotedValues && t[i] == '"') {
                const std::size_t quote = i;
                spans.add(start, quote, style);
                ++i;
                for (;;) {
                    if (i >= n || t[i] == '"') break;
                    ++i;
                    if (i < n && t[i] == '>') {
                        // The value swallows the '>', which then ends the tag.
                        ++result.missingQuoteTags;
                        break;
                    }
                }
                if (i >= n) {
                    // No closing quote: the opening one keeps the tag's colour.
                    spans.add(quote, quote + 1, style);
                    return result;
                }
                spans.add(quote, i + 1, kQuotedValueStyle);
                start = i + 1;
            }
        }
        spans.add(start, i + 1, style);
    }
    return result;
}

std::vector<StyleSpan> ComputeNewPageColours(std::string_view text) {
    std::vector<StyleSpan> out;
    SpanCollector spans(out);
    const char* t = text.data();
    const std::size_t n = text.size();

    for (std::size_t i = NextTagStart(text, 0); i < n; i = NextTagStart(text, i + 1)) {
        std::size_t start = i;
        while (t[i] != '>') {
            if (++i == n) return out;
            if (t[i] == '"') {
                const std::size_t quote = i;
                spans.add(start, quote, kTagStyle);
                do ++i;
                while (i < n && t[i] != '"');
                if (i == n) {
                    spans.add(quote, quote + 1, kTagStyle);
                    return out;
                }
                spans.add(quote, i + 1, kQuotedValueStyle);
                start = i + 1;
            }
        }
        spans.add(start, i + 1, kTagStyle);
    }
    return out;
}

namespace {

// ColoringInProgress for the length of a run, cleared however it ends.
class ColouringFlag {
public:
    explicit ColouringFlag(AppContext& ctx) : ctx_(ctx) { ctx_.coloringInProgress = true; }
    ~ColouringFlag() { ctx_.coloringInProgress = false; }
    ColouringFlag(const ColouringFlag&) = delete;
    ColouringFlag& operator=(const ColouringFlag&) = delete;

private:
    AppContext& ctx_;
};

}  // namespace

void ColorTags(AppContext& ctx, DocumentView& view) {
    ColouringFlag flag(ctx);
    EditorControl& editor = view.editor();
    DefineTagColourStyles(editor);

    if (!ctx.settings.ColorTags) {
        editor.applyStyles({});
        editor.selectAll();
        return;
    }

    const std::size_t caret = editor.selStart();
    Shell& shell = ctx.shell();
    shell.setBusy(true);
    shell.setStatusText(StatusPanel::Help, kColouringStatus);

    TagColouringOptions options;
    options.quotedValues = ctx.settings.QuoteColorTags != 0;
    options.tableTags = ctx.settings.TableColorTags != 0;
    TagColouring colouring = ComputeTagColours(editor.textView(), options);
    editor.applyStyles(std::move(colouring.spans));
    // One message for the run however many tags are cut short: a page full of
    // them would otherwise ask for OK once per tag.
    if (colouring.missingQuoteTags > 0) ctx.messages().say(kMissingQuotesMessage);

    shell.setBusy(false);
    editor.setSelStart(caret);
    shell.setStatusText(StatusPanel::Help, kIdleStatus);
    editor.setFocus();
}

void ColorNewPage(DocumentView& view) {
    EditorControl& editor = view.editor();
    editor.setVisible(false);
    DefineTagColourStyles(editor);
    editor.applyStyles(ComputeNewPageColours(editor.textView()));
    editor.setVisible(true);
    editor.setSelStart(0);
}

void RegisterTagColouringCommands(CommandTable& table) {
    table.add("mnuColorize", [](AppContext& ctx, DocumentView* target) {
        DocumentView* view = ctx.activeDocument();
        if (!view) view = target;
        if (!view) return;
        ColorTags(ctx, *view);
        view->editor().setFocus();
    });
}

}  // namespace quillane
