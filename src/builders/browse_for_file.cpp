#include "builders/browse_for_file.h"

#include <filesystem>
#include <system_error>

#include "app/app_context.h"
#include "builders/relative_directory.h"

namespace quillane {

namespace {

std::string AsciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

BrowsedFile BrowseForFile(AppContext& ctx, std::string_view filter, int filterIndex, const std::string& startFolder) {
    FileDialogRequest request;
    request.title = "Browse...";
    request.filter = std::string(filter);
    request.filterIndex = filterIndex;
    request.startFolder = startFolder;
    request.initialName = "";
    std::optional<FileChoice> choice = ctx.platform.dialogs.openFile(request);
    if (!choice || choice->path.empty()) return {};

    BrowsedFile file;
    file.path = choice->path;
    const std::size_t cut = file.path.rfind('/');
    file.name = cut == std::string::npos ? file.path : file.path.substr(cut + 1);
    file.folder = cut == std::string::npos ? std::string() : file.path.substr(0, cut + 1);
    file.folderBare = cut == std::string::npos ? std::string() : file.path.substr(0, cut);
    return file;
}

std::string LastImageFolder(const AppContext& ctx) {
    return ctx.lastImageFolder ? *ctx.lastImageFolder : ctx.settings.ImageDirectory;
}

void SetLastImageFolder(AppContext& ctx, std::string folder) { ctx.lastImageFolder = std::move(folder); }

std::string LinkFileName(const BrowsedFile& file) {
    std::string lower = AsciiLower(file.name);
    if (lower == file.name) return lower;
    std::error_code error;
    const bool same = std::filesystem::equivalent(file.folder + file.name, file.folder + lower, error);
    return same && !error ? lower : file.name;
}

std::string RelativeFileReference(AppContext& ctx, const BrowsedFile& file) {
    return RelativeDirectory(ctx, file.folder) + LinkFileName(file);
}

std::optional<std::string> BrowseFromImageFolder(AppContext& ctx, std::string_view filter, int filterIndex,
                                                 bool rememberFolder) {
    BrowsedFile file = BrowseForFile(ctx, filter, filterIndex, LastImageFolder(ctx));
    if (!file.chosen()) return std::nullopt;
    if (rememberFolder) SetLastImageFolder(ctx, file.folder);
    return RelativeFileReference(ctx, file);
}

}  // namespace quillane
