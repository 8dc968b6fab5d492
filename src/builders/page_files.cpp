#include "builders/page_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/app_context.h"
#include "builders/image_file_filters.h"

namespace quillane {

std::variant<ColorsMessage, BodyFields> ColorsFromPageFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return ColorsMessage{kCantOpenPrefix + path};
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (!in || size < 0) return ColorsMessage{kCantOpenPrefix + path};
    if (static_cast<std::size_t>(size) > kColorPageLimit) return ColorsMessage{kTooLargeMessage};
    in.seekg(0);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

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
