#include "makers/table_maker.h"

#include <algorithm>

#include "app/app_context.h"
#include "builders/browse_for_file.h"
#include "builders/image_file_filters.h"
#include "editor/insertion.h"

namespace quillane {

TableGridSize OpenTableGrid(TableSettings& settings) {
    settings.rows = static_cast<std::int16_t>(std::clamp(settings.rows - 1, 0, kMaxTableRows));
    settings.columns = static_cast<std::int16_t>(std::clamp(settings.columns - 1, 0, kMaxTableColumns));
    return {settings.rows, settings.columns};
}

bool InsertTable(AppContext& ctx, const CellTextGrid& texts) {
    DocumentView* view = ctx.activeDocument();
    if (!view) return false;
    SaveUndoSnapshot(ctx, *view);
    const std::string table = BuildTableHtml(ctx.tableSettings, texts, ctx.cellProperties, TableLayout::Editor);
    InsertText(*view, table, true);
    EditorControl& editor = view->editor();
    editor.setSelStart(editor.selStart() - TrailingLineBreaks(ctx.tableSettings));
    ctx.cellProperties.clear();
    return true;
}

std::optional<std::string> BrowseCellImage(AppContext& ctx) {
    std::optional<std::string> reference = BrowseFromImageFolder(ctx, kImageFilter, 2, true);
    if (!reference) return std::nullopt;
    return "<IMG SRC=\"" + *reference + "\">";
}

}  // namespace quillane
