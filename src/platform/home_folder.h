#pragma once
#include <string>

namespace quillane {

// The user's home folder, ending in '/': $HOME, or the password database's
// entry when $HOME is unset or empty; "/" when neither is known.
std::string HomeFolder();

}  // namespace quillane
