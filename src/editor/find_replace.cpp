#include "editor/find_replace.h"

#include <array>
#include <optional>

#include "app/app_context.h"
#include "app/command_table.h"
#include "editor/text_search.h"

namespace quillane {

namespace {

constexpr std::array<std::string_view, 4> kSilentTargets{"<BODY", "<TITLE>", "<HEAD>", "</HEAD>"};

EditorControl* activeEditor(AppContext& ctx) {
    DocumentView* doc = ctx.activeDocument();
    return doc ? &doc->editor() : nullptr;
}

void focusEditor(AppContext& ctx) {
    if (EditorControl* ed = activeEditor(ctx)) ed->setFocus();
}

// Where the search begins: one past the caret when the caret still stands
// on the last match, unless a dialog has just been opened.
std::size_t searchStart(const FindState& s, const EditorControl& ed) {
    const std::size_t caret = ed.selStart();
    return caret + ((caret == s.lastFoundPosition && !s.newSearch) ? 1 : 0);
}

// Upward the first position tested is two before the start.
std::optional<std::size_t> firstUpwardPosition(std::size_t start) {
    return start >= 2 ? std::optional<std::size_t>(start - 2) : std::nullopt;
}

void reportEnd(AppContext& ctx) {
    FindState& s = ctx.search;
    ctx.messages().say(s.replaceCount == 0 ? std::string(kFinishedSearching) : s.completionMessage);
    if (s.dialogs) s.dialogs->closeAll();
}

// A dialog's selection or, without one, the last text searched for.
std::string dialogText(AppContext& ctx) {
    EditorControl* ed = activeEditor(ctx);
    return ed && ed->selLength() > 0 ? ed->selText() : ctx.search.lastFindText;
}

}  // namespace

bool IsSilentSearchTarget(std::string_view text) {
    for (std::string_view t : kSilentTargets)
        if (t == text) return true;
    return false;
}

std::string ReplaceAllCompletionMessage(std::size_t count) {
    return "Quillane has completed searching the document.  A total of  " + std::to_string(count) +
           " replacements were made";
}

bool FindText(AppContext& ctx) {
    FindState& s = ctx.search;
    s.notFound = false;
    EditorControl* ed = activeEditor(ctx);
    if (!ed) return false;

    const std::size_t start = searchStart(s, *ed);
    std::optional<std::size_t> hit;
    if (s.searchDown) {
        hit = FindForward(ed->textView(), s.findWhat, start, s.matchCase);
    } else if (auto first = firstUpwardPosition(start)) {
        hit = FindBackward(ed->textView(), s.findWhat, *first, s.matchCase);
    }

    if (hit) {
        ed->setSelStart(*hit);
        ed->setSelLength(s.findWhat.size());
    } else if (!IsSilentSearchTarget(s.findWhat)) {
        s.notFound = true;
        reportEnd(ctx);
    }
    s.lastFoundPosition = ed->selStart();
    s.newSearch = false;
    return hit.has_value();
}

bool FindSilently(AppContext& ctx, const std::string& target, bool down) {
    ctx.search.findWhat = target;
    ctx.search.searchDown = down;
    return FindText(ctx);
}

bool FindSilentlyAround(AppContext& ctx, const std::string& target) {
    return FindSilently(ctx, target, true) || FindSilently(ctx, target, false);
}

void OpenFindDialog(AppContext& ctx) {
    std::string text = dialogText(ctx);
    ctx.search.newSearch = true;
    if (ctx.search.dialogs) ctx.search.dialogs->showFind(text);
}

void FindNextCommand(AppContext& ctx) {
    if (!ctx.search.findWhat.empty())
        FindText(ctx);
    else
        OpenFindDialog(ctx);
}

void OpenReplaceDialog(AppContext& ctx) {
    EditorControl* ed = activeEditor(ctx);
    const bool selection = ed && ed->selLength() > 0;
    std::string text = dialogText(ctx);
    ctx.search.newSearch = true;
    if (ctx.search.dialogs) ctx.search.dialogs->showReplace(text, selection);
}

void RegisterFindCommands(CommandTable& table) {
    table.add("mnuSFindNext", [](AppContext& ctx, DocumentView*) { FindNextCommand(ctx); });
}

void OnSearchDialogLoaded(AppContext& ctx) { ctx.search.searchDown = true; }

void SetSearchDirection(AppContext& ctx, int optionIndex) { ctx.search.searchDown = optionIndex == 1; }

void SetMatchCase(AppContext& ctx, bool checked) { ctx.search.matchCase = checked; }

void OnSearchDialogMouseMove(AppContext& ctx) { ctx.shell().setStatusText(StatusPanel::Help, ""); }

void OnEditorFocusedForSearch(AppContext& ctx) {
    if (ctx.search.dialogs) ctx.search.dialogs->bringToFront();
}

void FindDialogFind(AppContext& ctx, const std::string& text) {
    ctx.search.findWhat = ctx.search.lastFindText = text;
    focusEditor(ctx);
    FindText(ctx);
}

void FindDialogCancel(AppContext& ctx, const std::string& text, bool matchCase) {
    ctx.search.findWhat = text;
    ctx.search.matchCase = matchCase;
    focusEditor(ctx);
}

void ReplaceDialogFindNext(AppContext& ctx, const std::string& text) {
    ctx.search.findWhat = ctx.search.lastFindText = text;
    focusEditor(ctx);
    FindText(ctx);
    focusEditor(ctx);
}

void ReplaceDialogReplace(AppContext& ctx, const std::string& text, const std::string& replacement) {
    EditorControl* ed = activeEditor(ctx);
    if (ed && ed->selLength() > 0)
        ed->setSelText(replacement);
    else
        ReplaceDialogFindNext(ctx, text);
}

void ReplaceDialogReplaceAll(AppContext& ctx, const std::string& text, const std::string& replacement) {
    FindState& s = ctx.search;
    s.replaceCount = 0;
    s.findWhat = s.lastFindText = text;
    if (s.dialogs) s.dialogs->hideReplace();

    if (EditorControl* ed = activeEditor(ctx)) {
        ed->setFocus();
        // The whole run of find-and-replace steps, worked out on the text as
        // it stands and applied as one edit: one undo step, one change.
        const std::size_t start = searchStart(s, *ed);
        ReplaceAllEdit edit;
        if (s.searchDown) {
            edit = PlanReplaceAllDown(ed->textView(), text, replacement, start, s.matchCase);
        } else if (auto first = firstUpwardPosition(start)) {
            edit = PlanReplaceAllUp(ed->textView(), text, replacement, *first, s.matchCase);
        }
        if (edit.count > 0) {
            ed->beginUndoAction();
            ed->setSelStart(edit.start);
            ed->setSelLength(edit.length);
            ed->setSelText(edit.replacement);
            ed->endUndoAction();
            ed->setSelStart(edit.caret);
            s.replaceCount = edit.count;
            s.completionMessage = ReplaceAllCompletionMessage(edit.count);
        }
        // The search after the last replacement finds nothing. It ends the run
        // with the message even for the builders' silent texts.
        s.notFound = true;
        s.lastFoundPosition = ed->selStart();
        s.newSearch = false;
        reportEnd(ctx);
    }
    s.replaceCount = 0;
    if (s.dialogs) s.dialogs->closeAll();
    s.notFound = false;
}

void ReplaceDialogCancel(AppContext& ctx, const std::string& text, bool matchCase) {
    ctx.search.findWhat = text;
    ctx.search.matchCase = matchCase;
}

}  // namespace quillane
