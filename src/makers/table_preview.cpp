#include "makers/table_preview.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/app_context.h"
#include "editor/external_programs.h"
#include "editor/file_bytes.h"
#include "platform/folder_path.h"
#include "platform/home_folder.h"

namespace quillane {

std::string TablePreviewFolder(AppContext& ctx) { return WithTrailingSlash(ctx.shell().programFolder()); }

std::string TablePreviewFallbackFolder() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    // A relative $XDG_CACHE_HOME does not count.
    const std::string base = cache && cache[0] == '/' ? WithTrailingSlash(cache) : HomeFolder() + ".cache/";
    return base + "Quillane/";
}

void PreviewTable(AppContext& ctx, const CellTextGrid& texts) {
    const std::string html = BuildTableHtml(ctx.tableSettings, texts, ctx.cellProperties, TableLayout::File);
    ctx.shell().setBusy(true);
    std::string path = TablePreviewFolder(ctx) + kTablePreviewName;
    FileWriteResult written = WriteFileAtomically(path, html);
    if (!written.ok()) {
        const std::string folder = TablePreviewFallbackFolder();
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
        const std::string fallback = folder + kTablePreviewName;
        if (WriteFileAtomically(fallback, html).ok()) {
            path = fallback;
            written = {};
        }
    }
    ctx.shell().setBusy(false);
    if (!written.ok()) {
        ctx.messages().show({.title = {},
                             .text = "The table preview, " + path + ", could not be written.\n" + written.error,
                             .icon = MessageIcon::Exclamation});
        return;
    }
    OpenInBrowser(ctx, path, kBrowserKey);
}

}  // namespace quillane
