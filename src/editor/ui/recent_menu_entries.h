#pragma once
#include <string>

#include "editor/ui/menu_builder.h"

namespace quillane {

// The recent-file entries mnuRecentFile(0) (the separator) to (4) of a built
// menu bar. An entry's caption is a full path, kept exactly; the menu shows
// it with any '&' as a plain character.
void SetRecentMenuEntry(const BuiltMenuBar& menus, int index, const std::string& caption, bool visible);
// The caption of entry index: the designed "RecentFile" + index until set.
std::string RecentMenuEntryCaption(const BuiltMenuBar& menus, int index);

}  // namespace quillane
