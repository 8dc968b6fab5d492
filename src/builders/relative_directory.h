#pragma once
#include <string>
#include <string_view>

namespace quillane {

struct AppContext;

// RelativeDirectory: the folder prefix that leads from the folder of the
// document at `documentPath` to `fileFolder`, for writing a file reference
// into the document: "" when both are the same folder, "img/" below it,
// "../sales/img/" beside it, "../../" above it. Every non-empty result ends
// in '/'. Folder names are compared as the file system compares them, with
// letter case, and keep their case. "" when the document path has no folder
// (an unsaved "Untitled:n" document) or the two folders share no root.
// A fileFolder without its trailing '/' is taken as if it had one.
std::string RelativeDirectory(std::string_view documentPath, std::string_view fileFolder);

// The same for the active document, whose caption is its full path; "" with
// no document open.
std::string RelativeDirectory(AppContext& ctx, std::string_view fileFolder);

}  // namespace quillane
