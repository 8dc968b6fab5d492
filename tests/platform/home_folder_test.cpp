#include "platform/home_folder.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace quillane {
namespace {

// Sets $HOME (or unsets it) for one test and puts it back afterwards.
class HomeVariable {
public:
    explicit HomeVariable(const char* value) {
        if (const char* old = std::getenv("HOME")) saved_ = old;
        if (value) setenv("HOME", value, 1);
        else unsetenv("HOME");
    }
    ~HomeVariable() {
        if (saved_) setenv("HOME", saved_->c_str(), 1);
        else unsetenv("HOME");
    }

private:
    std::optional<std::string> saved_;
};

std::string PasswordHome() {
    const passwd* entry = getpwuid(getuid());
    std::string home = entry && entry->pw_dir ? entry->pw_dir : "";
    if (home.empty() || home.back() != '/') home += '/';
    return home;
}

TEST(HomeFolder, ComesFromHomeVariableWithOneTrailingSlash) {
    {
        HomeVariable home("/home/ada");
        EXPECT_EQ(HomeFolder(), "/home/ada/");
    }
    {
        HomeVariable home("/home/ada/");
        EXPECT_EQ(HomeFolder(), "/home/ada/");
    }
}

TEST(HomeFolder, FallsBackToThePasswordDatabaseWhenHomeIsUnsetOrEmpty) {
    {
        HomeVariable home(nullptr);
        EXPECT_EQ(HomeFolder(), PasswordHome());
    }
    {
        HomeVariable home("");
        EXPECT_EQ(HomeFolder(), PasswordHome());
    }
}

}  // namespace
}  // namespace quillane
