#include "platform/home_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/folder_path.h"

namespace quillane {

std::string HomeFolder() {
    std::string home;
    if (const char* env = std::getenv("HOME"); env && *env) {
        home = env;
    } else if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir && *entry->pw_dir) {
        home = entry->pw_dir;
    }
    return WithTrailingSlash(home);
}

}  // namespace quillane
