#pragma once
#include <string>
#include <vector>

namespace quillane {

struct AppContext;

// The start sequence of the main window, once it exists: settings, placement,
// the first document "Untitled:1", the recent files, then each command-line
// path opened in order.
void StartProgram(AppContext& ctx, const std::vector<std::string>& commandLine);

}  // namespace quillane
