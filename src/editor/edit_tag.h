#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quillane {

struct AppContext;
class CommandTable;
class DocumentView;

// The tags Edit Tag can reopen a dialog for, by how the tag text begins
// (letters compared upper-cased), in the order they are tried: the first
// that matches decides.
inline constexpr std::array<std::string_view, 7> kEditableTagKinds = {
    "IMG", "APPLET", "PARAM", "A HREF", "BODY", "FONT", "HR",
};

// The kind of kEditableTagKinds a tag text begins with; "" for none.
std::string_view EditableTagKind(std::string_view tagText);

// The tag around the caret, as Edit Tag selects it.
struct TagAtCaret {
    std::size_t start = 0;   // byte offset of the tag's "<"
    std::size_t length = 0;  // through its ">"; a link through its "</A>"
    // Everything after the "<" through the ">" (a link: through "</A>").
    std::string tagText;
    std::string_view kind;  // as EditableTagKind gives it
    // A link with a "</A>": the text between the start tag and "</A>".
    std::optional<std::string> linkText;
};

// Finds the tag around a caret: the nearest "<" at or before the character
// just before the caret, and the first ">" after it. So a caret right after a
// tag's ">" edits that tag, a caret just before a "<" the previous one. An
// "A HREF" tag reaches through the first "</A>" (any case) from its ">" on.
// std::nullopt when no "<" precedes the caret or no ">" follows it.
std::optional<TagAtCaret> FindTagAtCaret(std::string_view text, std::size_t caret);

// What a tag dialog is opened with.
struct EditedTag {
    std::string_view kind;
    std::string tagText;
    std::optional<std::string> linkText;
};

// Opens the dialog of one kind of tag with its fields filled from the tag; it
// returns when the dialog has closed. EditTagMode is set while it runs, so
// that the dialog's OK replaces the selected tag.
using TagEditor = std::function<void(AppContext&, DocumentView&, const EditedTag&)>;

// The tag dialogs by kind. Kinds without one leave the tag selected.
class TagEditors {
public:
    void add(std::string_view kind, TagEditor editor) { editors_[std::string(kind)] = std::move(editor); }
    const TagEditor* find(std::string_view kind) const {
        auto it = editors_.find(kind);
        return it == editors_.end() ? nullptr : &it->second;
    }

private:
    std::map<std::string, TagEditor, std::less<>> editors_;
};

// Edit Tag (mnuEditTag): selects the tag around the caret and opens its
// dialog. No tag: nothing is selected or opened. A tag without a dialog stays
// selected. EditTagMode is 0 again when the command ends.
void EditTagCommand(AppContext& ctx, DocumentView& view, const TagEditors& editors);

// Registers mnuEditTag with these dialogs, replacing an earlier registration.
void RegisterEditTagCommand(CommandTable& table, TagEditors editors);

}  // namespace quillane
