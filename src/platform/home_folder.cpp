#include "platform/home_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace quillane {

std::string HomeFolder() {
    std::string home;
    if (const char* env = std::getenv("HOME"); env && *env) {
        home = env;
    } else if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir && *entry->pw_dir) {
        home = entry->pw_dir;
    }
    if (home.empty() || home.back() != '/') home += '/';
    return home;
}

}  // namespace quillane
