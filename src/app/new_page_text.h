#pragma once
#include <cstddef>
#include <string>

#include "platform/clock.h"

namespace quillane {

struct AppContext;

// The text of the first document at start, created at `now`, with the page's
// BODY attributes (empty gives "<BODY>").
std::string NewPageText(const DateTime& now, const std::string& bodyAttributes);
// How far before the end of the new-page text the caret goes: the start of the
// first empty line after the BODY line.
inline constexpr std::size_t kNewPageCaretFromEnd = 22;

// A click on the time panel: the active document's selection becomes the date
// and time ("mmmm dd, yyyy " + two spaces + "h:mm AM/PM").
void TimePanelClick(AppContext& ctx);

}  // namespace quillane
