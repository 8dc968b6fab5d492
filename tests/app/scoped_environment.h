#pragma once
// Process-wide state a test changes and must put back: $HOME, the current
// folder, and a scratch folder on disk.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace quillane::testing {

class ScopedHome {
public:
    explicit ScopedHome(const std::string& value) {
        if (const char* old = std::getenv("HOME")) saved_ = old;
        setenv("HOME", value.c_str(), 1);
    }
    ~ScopedHome() {
        if (saved_) setenv("HOME", saved_->c_str(), 1);
        else unsetenv("HOME");
    }
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;

private:
    std::optional<std::string> saved_;
};

class ScopedCurrentFolder {
public:
    ScopedCurrentFolder() : saved_(std::filesystem::current_path()) {}
    ~ScopedCurrentFolder() {
        std::error_code ignored;
        std::filesystem::current_path(saved_, ignored);
    }
    ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
    ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;

private:
    std::filesystem::path saved_;
};

// A fresh empty folder, removed with everything in it at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillane-test-XXXXXX").string();
        if (char* made = mkdtemp(pattern.data())) path_ = made;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as the settings hold folders: ending in '/'.
    std::string slashed() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};

}  // namespace quillane::testing
