#include "builders/page_files.h"

#include <filesystem>

#include "app/app_context.h"
#include "builders/image_file_filters.h"
#include "editor/file_bytes.h"

namespace quillane {

std::variant<ColorsMessage, BodyFields> ColorsFromPageFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return ColorsMessage{kCantOpenPrefix + path};
    // A regular file past the limit is "too large"; anything else that cannot
    // be read whole (missing, a pipe or device, unreadable) cannot be opened.
    const auto size = std::filesystem::file_size(path, error);
    if (!error && std::filesystem::is_regular_file(path, error) && size > kColorPageLimit)
        return ColorsMessage{kTooLargeMessage};
    FileReadResult read = ReadFileBytes(path, kColorPageLimit);
    if (!read.ok()) return ColorsMessage{kCantOpenPrefix + path};
    const std::string& text = read.bytes;

    const std::size_t open = text.find("<BODY");
    if (open == std::string::npos) return ColorsMessage{kNoColorsMessage};
    std::size_t close = text.find('>', open);
    const std::size_t end = close == std::string::npos ? text.size() : close + 1;
    return ColorsFromBodyTag(std::string_view(text).substr(open + 1, end - open - 1));
}

bool ColorsFromAnotherPage(AppContext& ctx, BodyFields& fields) {
    BrowsedFile file = BrowseForFile(ctx, kColorPageFilter, 2, ctx.documentFolder);
    if (!file.chosen()) return false;
    auto result = ColorsFromPageFile(file.path);
    if (const auto* message = std::get_if<ColorsMessage>(&result)) {
        ctx.messages().say(message->text);
        return false;
    }
    CopyColors(std::get<BodyFields>(result), fields);
    return true;
}

std::optional<BrowsedFile> BrowseBackground(AppContext& ctx) {
    BrowsedFile file = BrowseForFile(ctx, kImageFilter, 2, LastImageFolder(ctx));
    if (!file.chosen()) return std::nullopt;
    SetLastImageFolder(ctx, file.folder);
    return file;
}

std::string BackgroundReference(AppContext& ctx, const BrowsedFile& file) { return RelativeFileReference(ctx, file); }

std::string BackgroundFixedDirText(const BrowsedFile& file, bool fixedDir) {
    const std::string name = LinkFileName(file);
    return fixedDir ? file.folder + name : name;
}

}  // namespace quillane
