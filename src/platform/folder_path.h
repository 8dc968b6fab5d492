#pragma once
#include <string>

namespace quillane {

// `folder` ending in '/': one is appended unless it already ends with one
// (an empty folder becomes "/").
std::string WithTrailingSlash(std::string folder);

}  // namespace quillane
