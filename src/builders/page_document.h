#pragma once
#include "builders/page_properties.h"

namespace quillane {

struct AppContext;
class DocumentView;

// The Web Page Properties dialog reads and rewrites the page in place. Every
// structural tag is found as the builders' silent search finds it: from the
// caret forwards, then backwards, with the search's case setting; the search
// state (FindWhat, LastFoundPosition) follows as after a search.

// Opening the dialog (not in new-page mode): the title between "<TITLE>" and
// "</TITLE>" and the attributes of the "<BODY" tag. The BODY tag is selected
// from its "<" up to its ">" and EditTagMode is set. Parts the page lacks stay
// empty and select nothing.
PagePropertiesFields ReadPageProperties(AppContext& ctx, DocumentView& view);

// The OK: keeps the page title and BODY attributes for the program, takes the
// undo snapshot, rewrites the title (when the Title box is not empty) and the
// BODY tag up to its old ">", and, when the META Tags dialog was confirmed
// during this opening, inserts CR LF and the META lines after "<HEAD>". A part
// the page lacks is left alone. EditTagMode is cleared.
void ApplyPageProperties(AppContext& ctx, DocumentView& view, const PagePropertiesFields& fields, bool metaConfirmed);

// The Cancel: the selection collapses to its start.
void CancelPageProperties(DocumentView& view);

}  // namespace quillane
