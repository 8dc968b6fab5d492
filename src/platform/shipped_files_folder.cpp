#include "platform/shipped_files_folder.h"

#include <filesystem>

namespace quillane {

namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

std::string ShippedFilesFolder(const std::string& exeFolder,
                               const std::function<bool(const std::string& path)>& isFolder) {
    std::string here = WithSlash(exeFolder);
    if (isFolder(here + "help")) return here;
    std::filesystem::path installed = std::filesystem::path(here + "../share/quillane").lexically_normal();
    return WithSlash(installed.generic_string());
}

}  // namespace quillane
