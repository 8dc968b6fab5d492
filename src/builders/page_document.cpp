#include "builders/page_document.h"

#include <algorithm>
#include <optional>
#include <string>

#include "app/app_context.h"
#include "editor/insertion.h"
#include "editor/text_search.h"

namespace quillane {

namespace {

constexpr const char* kTitleOpen = "<TITLE>";
constexpr const char* kTitleClose = "</TITLE>";
constexpr const char* kBodyOpen = "<BODY";
constexpr const char* kHeadOpen = "<HEAD>";

// The nearest match at or after the caret, else the nearest before it; the
// match is selected. A match at the caret itself counts, so that a tag the
// dialog selected on opening is found again by its OK.
std::optional<std::size_t> Locate(AppContext& ctx, EditorControl& editor, const std::string& target) {
    const std::string_view text = editor.textView();
    const std::size_t caret = editor.selStart();
    const bool matchCase = ctx.search.matchCase;
    bool down = true;
    std::optional<std::size_t> hit = FindForward(text, target, caret, matchCase);
    if (!hit && caret > 0) {
        down = false;
        hit = FindBackward(text, target, caret - 1, matchCase);
    }
    ctx.search.findWhat = target;
    ctx.search.searchDown = down;
    ctx.search.newSearch = false;
    if (hit) {
        editor.setSelStart(*hit);
        editor.setSelLength(target.size());
    }
    ctx.search.lastFoundPosition = editor.selStart();
    return hit;
}

struct Span {
    std::size_t start = 0;
    std::size_t length = 0;
};

void Select(EditorControl& editor, Span span) {
    editor.setSelStart(span.start);
    editor.setSelLength(span.length);
}

// The title text's place: after "<TITLE>", up to "</TITLE>".
// An unclosed title selects nothing.
std::optional<Span> LocateTitle(AppContext& ctx, EditorControl& editor) {
    const Span before{editor.selStart(), editor.selLength()};
    std::optional<std::size_t> open = Locate(ctx, editor, kTitleOpen);
    if (!open) return std::nullopt;
    const std::size_t start = *open + std::char_traits<char>::length(kTitleOpen);
    std::optional<std::size_t> close = FindForward(editor.textView(), kTitleClose, start, ctx.search.matchCase);
    if (!close) {
        Select(editor, before);
        return std::nullopt;
    }
    return Span{start, *close - start};
}

// The BODY tag from its "<" up to, not including, its ">" (or to the end of
// the text when it has none).
std::optional<Span> LocateBody(AppContext& ctx, EditorControl& editor) {
    std::optional<std::size_t> open = Locate(ctx, editor, kBodyOpen);
    if (!open) return std::nullopt;
    const std::string_view text = editor.textView();
    std::size_t close = text.find('>', *open);
    if (close == std::string_view::npos) close = text.size();
    return Span{*open, close - *open};
}

}  // namespace

PagePropertiesFields ReadPageProperties(AppContext& ctx, DocumentView& view) {
    EditorControl& editor = view.editor();
    PagePropertiesFields fields;
    if (std::optional<Span> title = LocateTitle(ctx, editor)) {
        Select(editor, *title);
        fields.title = editor.selText();
    }
    if (std::optional<Span> body = LocateBody(ctx, editor)) {
        // The tag text runs from after "<" through ">".
        const std::string_view text = editor.textView();
        const std::size_t tagEnd = std::min(body->start + body->length + 1, text.size());
        fields.body = ParseBodyTag(text.substr(body->start + 1, tagEnd - body->start - 1));
        Select(editor, *body);
        ctx.editTagMode = true;
    }
    return fields;
}

void ApplyPageProperties(AppContext& ctx, DocumentView& view, const PagePropertiesFields& fields, bool metaConfirmed) {
    EditorControl& editor = view.editor();
    ctx.pageTitle = PageTitleText(fields);
    ctx.bodyAttributes = BodyAttributesText(fields.body);
    SaveUndoSnapshot(ctx, view);

    editor.beginUndoAction();
    if (!fields.title.empty()) {
        if (std::optional<Span> title = LocateTitle(ctx, editor)) {
            Select(editor, *title);
            editor.setSelText(ctx.pageTitle);
        }
    }
    if (std::optional<Span> body = LocateBody(ctx, editor)) {
        Select(editor, *body);
        editor.setSelText("<BODY" + ctx.bodyAttributes);
    }
    if (metaConfirmed && !ctx.metaLines.empty()) {
        if (std::optional<std::size_t> head = Locate(ctx, editor, kHeadOpen)) {
            editor.setSelStart(*head + std::char_traits<char>::length(kHeadOpen));
            editor.setSelText("\r\n" + ctx.metaLines.joined());
        }
    }
    editor.endUndoAction();
    ctx.editTagMode = false;
}

void CancelPageProperties(DocumentView& view) {
    EditorControl& editor = view.editor();
    editor.setSelStart(editor.selStart());
}

}  // namespace quillane
