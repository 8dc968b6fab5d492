#pragma once
// A fresh folder per test under the system's temporary folder, removed with
// everything in it (permissions restored first) when the test ends.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <string_view>

namespace quillane::testing {

class TempFolder {
public:
    TempFolder() {
        namespace fs = std::filesystem;
        std::random_device seed;
        for (;;) {
            path_ = fs::temp_directory_path() / ("quillane-test-" + std::to_string(getpid()) + "-" + std::to_string(seed()));
            if (fs::create_directory(path_)) break;
        }
    }
    ~TempFolder() {
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
             it.increment(ec)) {
            if (it->is_directory(ec) && !it->is_symlink(ec))
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        }
        fs::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, ending in '/'.
    std::string folder() const { return path_.string() + "/"; }
    std::string folderWithoutSlash() const { return path_.string(); }
    std::string path(const std::string& name) const { return (path_ / name).string(); }

    std::string write(const std::string& name, std::string_view bytes) const {
        std::string p = path(name);
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return p;
    }

    // The names in the folder, to see that nothing was left behind.
    std::set<std::string> names() const {
        std::set<std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) out.insert(entry.path().filename().string());
        return out;
    }

private:
    std::filesystem::path path_;
};

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace quillane::testing
