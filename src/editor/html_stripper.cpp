#include "editor/html_stripper.h"

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "editor/file_bytes.h"
#include "editor/file_commands.h"
#include "editor/text_encoding.h"

namespace quillane {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr std::size_t kLineLength = 80;

// What a tag gives, by the text after its "<" (compared upper-cased); the
// rest of the tag up to its ">" is dropped. `step` is how far the search for
// that ">" starts after the "<".
struct TagRule {
    std::string_view text;
    std::string_view output;
    std::size_t step;
};

// What an entity gives, by the text after its "&" (compared lower-cased).
// Rules that match only the first letters of a name also swallow the rest of
// the name when it ends in ";".
struct EntityRule {
    std::string_view text;
    std::string_view output;
    bool swallowsName;
};

const std::string& HorizontalRule() {
    static const std::string rule = kCrLf + std::string(93, '-') + kCrLf;
    return rule;
}

const std::vector<TagRule>& TagRules() {
    static const std::vector<TagRule> rules = {
        {"BR>", kCrLf, 3},
        {"HR", HorizontalRule(), 2},
        {"LI>", kCrLf, 3},
        {"/H", kCrLf, 4},  // closing headings, and </HEAD>, </HTML> as well
        {"/CENTER", kCrLf, 7},
        {"IMG", " [IMAGE] ", 0},
    };
    return rules;
}

constexpr EntityRule kEntityRules[] = {
    {"quot;", "\"", false},  {"nbsp;", " ", false}, {"lt;", "<", false},  {"gt;", ">", false},
    {"amp;", "&", false},    {"ouml;", "o", false}, {"ntilde;", "\xC3\xB1", false},
    {"ae", "ae", true},      {"a", "a", true},      {"e", "e", true},     {"o", "o", true},
    {"u", "u", true},        {"i", "i", true},      {"c", "c", true},     {"y", "y", true},
};

int Upper(int c) { return std::toupper(c); }
int Lower(int c) { return std::tolower(c); }

bool BeginsWith(std::string_view text, std::string_view prefix, int (*fold)(int)) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (fold(static_cast<unsigned char>(text[i])) != static_cast<unsigned char>(prefix[i])) return false;
    }
    return true;
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the UTF-8 character at `i`; 1 for a byte that does not start
// a valid sequence (it is kept as a character of its own).
std::size_t CharacterLength(std::string_view text, std::size_t i) {
    auto at = [&](std::size_t k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : 0; };
    unsigned char lead = at(i);
    std::size_t length = 1;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 1;
    }
    if (at(i + 1) < low || at(i + 1) > high) return 1;
    for (std::size_t k = 2; k < length; ++k) {
        if (!IsContinuation(at(i + k))) return 1;
    }
    return length;
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += CharacterLength(text, i)) ++count;
    return count;
}

// The pending line P and the lines written so far.
class StrippedText {
public:
    void append(std::string_view piece, std::size_t characters) {
        pending_ += piece;
        count_ += characters;
    }
    void append(std::string_view piece) { append(piece, CharacterCount(piece)); }
    // Only a line of exactly 80 characters is cut off.
    void endPosition() {
        if (count_ == kLineLength) flush();
    }
    std::string finish() {
        flush();
        return std::move(out_);
    }

private:
    void flush() {
        out_ += pending_;
        out_ += kCrLf;
        pending_.clear();
        count_ = 0;
    }
    std::string out_;
    std::string pending_;
    std::size_t count_ = 0;
};

// Handles the tag whose "<" is at i; returns the position after its ">".
std::size_t StripTag(std::string_view html, std::size_t i, StrippedText& out) {
    std::string_view after = html.substr(i + 1);
    std::size_t from = i;
    for (const TagRule& rule : TagRules()) {
        if (BeginsWith(after, rule.text, Upper)) {
            out.append(rule.output);
            from = i + rule.step;
            break;
        }
    }
    std::size_t close = from < html.size() ? html.find('>', from) : std::string_view::npos;
    return close == std::string_view::npos ? html.size() : close + 1;
}

// Handles the "&" at i; returns the position after what it consumed.
std::size_t StripEntity(std::string_view html, std::size_t i, StrippedText& out) {
    std::string_view after = html.substr(i + 1);
    for (const EntityRule& rule : kEntityRules) {
        if (!BeginsWith(after, rule.text, Lower)) continue;
        out.append(rule.output);
        std::size_t next = i + 1 + rule.text.size();
        if (rule.swallowsName) {
            std::size_t k = next;
            while (k < html.size() && std::isalpha(static_cast<unsigned char>(html[k]))) ++k;
            if (k < html.size() && html[k] == ';') next = k + 1;
        }
        return next;
    }
    return i + 1;  // an unknown entity loses only its "&"
}

}  // namespace

std::string StripHtmlText(std::string_view html) {
    StrippedText out;
    std::size_t i = 0;
    while (i < html.size()) {
        char c = html[i];
        if (c == '<') {
            i = StripTag(html, i, out);
        } else if (c == '\r' && i + 1 < html.size() && html[i + 1] == '\n') {
            out.append(" ", 1);
            i += 2;
        } else if (c == '&') {
            i = StripEntity(html, i, out);
        } else {
            std::size_t length = CharacterLength(html, i);
            out.append(html.substr(i, length), 1);
            i += length;
        }
        out.endPosition();
    }
    return out.finish();
}

void StripHtml(AppContext& ctx, DocumentView& view) {
    EditorControl& editor = view.editor();
    FileDialogRequest request;
    request.title = "Save Stripped File As...";
    request.filter = kFilterSave;
    request.filterIndex = 2;
    // No name of an earlier use: Enter alone must not replace that file.
    request.initialName = std::string();
    // The file is being created or replaced: the save kind of dialog lets a
    // new name be typed, and asks before an existing file is replaced.
    request.overwritePrompt = true;
    std::optional<FileChoice> choice = ctx.platform.dialogs.saveFile(request);
    if (!choice) {
        editor.setFocus();
        return;
    }

    std::string bytes = EncodeFileBytes(StripHtmlText(editor.textView()), ctx.documentSlots[view.slot()].encoding);
    ctx.shell().setBusy(true);
    FileWriteResult written = WriteFileAtomically(choice->path, bytes);
    ctx.shell().setBusy(false);
    if (!written.ok()) {
        ctx.messages().show({.title = "Open Error",
                             .text = "Error encountered while trying to open file.",
                             .icon = MessageIcon::Exclamation});
        editor.setFocus();
        return;
    }

    MessageRequest offer;
    offer.title = "HTML Stripper";
    offer.text = "Current Active Document has been stripped of its HTML code.  Would you like to view the stripped file?";
    offer.buttons = MessageButtons::YesNo;
    if (ctx.messages().show(offer) == MessageAnswer::Yes) OpenDocumentFile(ctx, choice->path);
}

}  // namespace quillane
