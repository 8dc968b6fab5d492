#pragma once
#include <string_view>
#include <vector>

#include "platform/editor_control.h"

namespace quillane {

struct AppContext;
class CommandTable;
class DocumentView;

// The editor styles the colouring uses. Style 0 is the plain text every run
// starts from.
enum TagColourStyle : int {
    kPlainTextStyle = 0,
    kTagStyle = 1,
    kTableTagStyle = 2,
    kQuotedValueStyle = 3,
    kCommentStyle = 4,
};

// The look of one of the styles above (plain text for an unknown id).
TextStyle TagColourLook(int style);
// Defines every style above on the editor.
void DefineTagColourStyles(EditorControl& editor);

inline constexpr const char* kMissingQuotesMessage = "There are missing quotation marks or errors in your document.";
inline constexpr const char* kColouringStatus = "Please wait while tags are being colorized...";
inline constexpr const char* kIdleStatus = "Press F1 for help";

struct TagColouringOptions {
    bool quotedValues = true;  // QuoteColorTags
    bool tableTags = true;     // TableColorTags
};

struct TagColouring {
    // Ascending, non-overlapping; neighbours of one style are merged. Bytes
    // not covered are plain text.
    std::vector<StyleSpan> spans;
    // How many tags had a quoted value cut short by ">"; a run that finds
    // any tells the user once.
    int missingQuoteTags = 0;
};

// The full colouring of a text, in one pass.
TagColouring ComputeTagColours(std::string_view text, const TagColouringOptions& options);
// The simpler colouring of a generated page: tags and quoted values only,
// comments coloured as tags, no table colour, no quote checks.
std::vector<StyleSpan> ComputeNewPageColours(std::string_view text);

// ColorTags: colours the whole document of the view (or, with the ColorTags
// setting off, makes it plain and leaves it all selected). The caret is put
// back and the document stays unmodified.
void ColorTags(AppContext& ctx, DocumentView& view);
// ColorNewPage: colours a page the program has just generated, with the editor
// hidden meanwhile; the caret ends at the start. Reads no settings; the caller
// clears the document's modified flag.
void ColorNewPage(DocumentView& view);

// mnuColorize (Refresh Tag Colors): ColorTags on the active document, then the
// editor gets the focus.
void RegisterTagColouringCommands(CommandTable& table);

}  // namespace quillane
