#pragma once
#include <string>

#include "makers/table_html.h"

namespace quillane {

struct AppContext;

// The file the table preview is written to.
inline constexpr const char* kTablePreviewName = "qlnvtabl.htm";

// Where the preview file goes: the program's folder, and the user's cache
// folder ($XDG_CACHE_HOME, else ~/.cache, then "Quillane/") for an installed
// program whose folder only the administrator may write to. Both end in '/'.
std::string TablePreviewFolder(AppContext& ctx);
std::string TablePreviewFallbackFolder();

// Preview: writes the table in its file layout to "qlnvtabl.htm" (hourglass
// meanwhile), replacing an earlier copy, and shows it in the first browser
// with OpenInBrowser. A file that cannot be written is reported, and no
// browser is shown an old copy.
void PreviewTable(AppContext& ctx, const CellTextGrid& texts);

}  // namespace quillane
