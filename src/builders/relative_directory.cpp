#include "builders/relative_directory.h"

#include <algorithm>

#include "app/app_context.h"

namespace quillane {

std::string RelativeDirectory(std::string_view documentPath, std::string_view fileFolder) {
    const std::size_t cut = documentPath.rfind('/');
    if (cut == std::string_view::npos) return {};
    const std::string_view doc = documentPath.substr(0, cut + 1);

    std::string file(fileFolder);
    if (!file.empty() && file.back() != '/') file += '/';
    if (doc == file) return {};

    // First position at which the folders differ; a position past the end of
    // one of them differs from any character.
    const auto docAt = std::mismatch(doc.begin(), doc.end(), file.begin(), file.end()).first;
    const std::size_t differ = static_cast<std::size_t>(docAt - doc.begin());
    // The last folder both share ends at the nearest '/' before that position.
    const std::size_t shared = differ == 0 ? std::string::npos : file.rfind('/', differ - 1);
    if (shared == std::string::npos) return {};

    const auto up = std::count(docAt, doc.end(), '/');
    if (up == 0) {
        // The file's folder lies below the document's.
        return file.substr(differ, file.size() - 1 - differ) + "/";
    }
    std::string result;
    for (long n = 0; n < up; ++n) result += "../";
    // Down from the shared folder; nothing when the file's folder is that
    // shared folder itself (an ancestor of the document's).
    const std::size_t downFrom = shared + 1;
    if (downFrom < file.size() - 1) result += file.substr(downFrom, file.size() - 1 - downFrom) + "/";
    return result;
}

std::string RelativeDirectory(AppContext& ctx, std::string_view fileFolder) {
    DocumentView* doc = ctx.activeDocument();
    return doc ? RelativeDirectory(doc->caption(), fileFolder) : std::string();
}

}  // namespace quillane
