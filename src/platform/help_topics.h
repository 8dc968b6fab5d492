#pragma once
#include <string>

namespace quillane {

// The page of the help folder that opens the help.
inline constexpr const char* kHelpContentsPage = "index.html";

// The help page for a help context number; numbers without a topic give the
// contents page.
std::string HelpTopicPage(int contextNumber);

}  // namespace quillane
