#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace quillane {

struct AppContext;

// A file chosen with a browse button.
struct BrowsedFile {
    std::string name;        // the file name without its folder; "" after Cancel
    std::string path;        // the full path
    std::string folder;      // the file's folder, ending in '/'
    std::string folderBare;  // the same without the trailing '/' ("" for the root)
    bool chosen() const { return !name.empty(); }
};

// BrowseForFile: the program's open-file dialog titled "Browse...", with the
// filter list ("description|pattern|..."), the entry preselected (counting
// from 1), the start folder and no initial file name. Cancel gives an empty
// BrowsedFile, and the caller changes nothing.
BrowsedFile BrowseForFile(AppContext& ctx, std::string_view filter, int filterIndex, const std::string& startFolder);

// The last image folder: the folder of the last image chosen with an image
// browse button in this run; until then the ImageDirectory setting.
std::string LastImageFolder(const AppContext& ctx);
void SetLastImageFolder(AppContext& ctx, std::string folder);

// The name a browse button writes for a chosen file: lower case, as long as
// the file system finds the same file under the lower-case name; otherwise
// (a case-sensitive file system) the name as it is, so that the reference
// still leads to the file.
std::string LinkFileName(const BrowsedFile& file);

// What a browse button puts into its field: the prefix from the active
// document's folder to the file's folder (RelativeDirectory), then
// LinkFileName.
std::string RelativeFileReference(AppContext& ctx, const BrowsedFile& file);

// A browse button over the last image folder: BrowseForFile starting there;
// on a choice, returns RelativeFileReference and, if `rememberFolder`, makes
// the file's folder the last image folder. std::nullopt after Cancel.
std::optional<std::string> BrowseFromImageFolder(AppContext& ctx, std::string_view filter, int filterIndex,
                                                 bool rememberFolder);

}  // namespace quillane
