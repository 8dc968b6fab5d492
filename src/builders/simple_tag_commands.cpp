#include "builders/simple_tag_commands.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>

#include "app/app_context.h"
#include "app/command_table.h"
#include "builders/simple_tags.h"
#include "editor/insertion.h"

namespace quillane {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

// The silent search for a structural tag: first down from the caret, then up
// from two before it (as the find routine tests upward matches), ignoring case.
std::optional<std::size_t> FindTagAroundCaret(std::string_view text, std::size_t caret, std::string_view tag) {
    if (tag.size() > text.size()) return std::nullopt;
    std::size_t last = text.size() - tag.size();
    for (std::size_t p = caret; p <= last; ++p) {
        if (SameIgnoringCase(text.substr(p, tag.size()), tag)) return p;
    }
    for (std::size_t p = std::min(caret, last + 2); p >= 2; --p) {
        if (SameIgnoringCase(text.substr(p - 2, tag.size()), tag)) return p - 2;
    }
    return std::nullopt;
}

void RunSimpleTag(AppContext& ctx, DocumentView& view, const SimpleTag& row) {
    switch (row.mode) {
        case TagMode::Wrap: InsertTag(ctx, view, row.openText, row.closeText); break;
        case TagMode::Insert: InsertText(view, row.openText, true); break;
        case TagMode::Heading:
            WrapSelection(view.editor(), HeadingOpenTag(row.index), HeadingCloseTag(row.index));
            break;
        case TagMode::BaseFont: InsertText(view, BaseFontText(row.index), true); break;
        case TagMode::DateTime: InsertText(view, DateTimeText(ctx.platform.clock.now()), true); break;
        case TagMode::Script: InsertScriptBlock(ctx, view); break;
    }
}

// A menu command acts on the window whose menu was used.
DocumentView* TargetOf(AppContext& ctx, DocumentView* target) { return target ? target : ctx.activeDocument(); }

}  // namespace

void InsertScriptBlock(AppContext& ctx, DocumentView& view) {
    EditorControl& editor = view.editor();
    if (auto found = FindTagAroundCaret(editor.textView(), editor.selStart(), kHeadEndTag)) {
        editor.setSelStart(*found);
    } else {
        editor.setSelLength(0);
    }
    InsertTag(ctx, view, kScriptBlockOpen, kScriptBlockClose);
}

void RegisterSimpleTagCommands(CommandTable& commands) {
    for (const SimpleTag& row : SimpleTags()) {
        commands.add(std::string(row.name), [&row](AppContext& ctx, DocumentView* target) {
            if (DocumentView* view = TargetOf(ctx, target)) RunSimpleTag(ctx, *view, row);
        });
    }
    // The toolbar belongs to the main window: its buttons act on the active
    // document, if any, and give its editor the focus back.
    for (const SimpleTagButton& button : SimpleTagButtons()) {
        commands.add(std::string(button.name), [&button](AppContext& ctx, DocumentView*) {
            DocumentView* view = ctx.activeDocument();
            if (!view) return;
            if (button.mode == TagMode::Wrap) {
                InsertTag(ctx, *view, button.openText, button.closeText);
            } else {
                InsertText(*view, button.openText, false);
            }
            view->editor().setFocus();
        });
    }
}

}  // namespace quillane
