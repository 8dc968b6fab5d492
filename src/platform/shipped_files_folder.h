#pragma once
#include <functional>
#include <string>

namespace quillane {

// Where the files the program ships (help, templates, tips) are, given the
// executable's folder: that folder itself when it has a "help" subfolder (a
// build tree), otherwise <exe folder>/../share/quillane (an installation).
// The result ends in '/'.
std::string ShippedFilesFolder(const std::string& exeFolder,
                               const std::function<bool(const std::string& path)>& isFolder);

}  // namespace quillane
