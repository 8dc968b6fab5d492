#pragma once
#include <string>

namespace quillane {

struct AppContext;

// GetRecentFiles: the recent entries of the main window and of every open
// document window, from the store.
void GetRecentFiles(AppContext& ctx);
// WriteRecentFiles: path at the top of the stored list; the fourth drops off.
void WriteRecentFiles(AppContext& ctx, const std::string& path);
// AddToRecentFiles: after an open or a save under a new name.
void AddToRecentFiles(AppContext& ctx, const std::string& path);
// IsOnRecentList: one of the main window's entries 1 to 4 is path.
bool IsOnRecentList(AppContext& ctx, const std::string& path);

}  // namespace quillane
