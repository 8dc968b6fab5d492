#pragma once
#include <string>
#include <string_view>

namespace quillane {

struct AppContext;
class DocumentView;

// The plain-text version of an HTML text, as the HTML Stripper writes it:
// tags dropped (a few give line breaks, a rule of dashes or " [IMAGE] "),
// CR LF read as a space, a few character entities decoded, the text cut into
// lines whenever the pending line holds exactly 80 characters, and every line
// ended with CR LF. Characters are counted as UTF-8 characters.
std::string StripHtmlText(std::string_view html);

// StripHtml (HTMLStrip): asks for a file, writes the stripped text of the
// window's document to it, atomically and in the document's encoding, and
// offers to open it.
void StripHtml(AppContext& ctx, DocumentView& view);

}  // namespace quillane
