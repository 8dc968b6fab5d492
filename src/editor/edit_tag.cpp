#include "editor/edit_tag.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <utility>

#include "app/app_context.h"
#include "app/command_table.h"
#include "editor/tag_attribute.h"

namespace quillane {

namespace {

constexpr std::string_view kLinkKind = "A HREF";
constexpr std::string_view kLinkEnd = "</A>";

bool BeginsWithUpperCased(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != static_cast<unsigned char>(prefix[i])) return false;
    }
    return true;
}

}  // namespace

std::string_view EditableTagKind(std::string_view tagText) {
    for (std::string_view kind : kEditableTagKinds) {
        if (BeginsWithUpperCased(tagText, kind)) return kind;
    }
    return {};
}

std::optional<TagAtCaret> FindTagAtCaret(std::string_view text, std::size_t caret) {
    if (caret == 0 || text.empty()) return std::nullopt;
    std::size_t before = std::min(caret, text.size()) - 1;
    std::size_t open = text.rfind('<', before);
    if (open == std::string_view::npos) return std::nullopt;
    std::size_t close = text.find('>', open);
    if (close == std::string_view::npos) return std::nullopt;

    TagAtCaret tag;
    tag.start = open;
    tag.length = close - open + 1;
    tag.tagText = std::string(text.substr(open + 1, close - open));
    tag.kind = EditableTagKind(tag.tagText);
    if (tag.kind == kLinkKind) {
        std::size_t end = FindNoCase(text, kLinkEnd, close);
        if (end != std::string_view::npos) {
            tag.linkText = std::string(text.substr(close + 1, end - close - 1));
            tag.length = end + kLinkEnd.size() - open;
            tag.tagText = std::string(text.substr(open + 1, tag.length - 1));
        }
    }
    return tag;
}

void EditTagCommand(AppContext& ctx, DocumentView& view, const TagEditors& editors) {
    ctx.editTagMode = true;
    EditorControl& editor = view.editor();
    std::optional<TagAtCaret> tag = FindTagAtCaret(editor.textView(), editor.selStart());
    if (!tag) {
        ctx.editTagMode = false;
        return;
    }
    editor.setSelStart(tag->start);
    editor.setSelLength(tag->length);
    const TagEditor* open = tag->kind.empty() ? nullptr : editors.find(tag->kind);
    if (open) (*open)(ctx, view, EditedTag{tag->kind, std::move(tag->tagText), std::move(tag->linkText)});
    // One-shot: whatever the dialog did, a later insertion must not replace a
    // selection by accident.
    ctx.editTagMode = false;
}

void RegisterEditTagCommand(CommandTable& table, TagEditors editors) {
    auto shared = std::make_shared<const TagEditors>(std::move(editors));
    table.add("mnuEditTag", [shared](AppContext& ctx, DocumentView* target) {
        if (DocumentView* view = target ? target : ctx.activeDocument()) EditTagCommand(ctx, *view, *shared);
    });
}

}  // namespace quillane
