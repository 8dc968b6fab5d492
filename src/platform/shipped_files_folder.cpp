#include "platform/shipped_files_folder.h"

#include <filesystem>

#include "platform/folder_path.h"

namespace quillane {

std::string ShippedFilesFolder(const std::string& exeFolder,
                               const std::function<bool(const std::string& path)>& isFolder) {
    std::string here = WithTrailingSlash(exeFolder);
    if (isFolder(here + "help")) return here;
    std::filesystem::path installed = std::filesystem::path(here + "../share/quillane").lexically_normal();
    return WithTrailingSlash(installed.generic_string());
}

}  // namespace quillane
