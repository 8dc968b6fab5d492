#include "app/settings/file_settings_backend.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <utility>

#include "editor/file_bytes.h"
#include "platform/home_folder.h"

namespace quillane {

namespace {

// Far beyond any settings file the program writes; a larger file is not one.
constexpr std::uintmax_t kMaxFileSize = 4 * 1024 * 1024;

enum class FileState { Missing, Read, Unreadable };

struct LoadedFile {
    FileState state;
    IniText text;
};

LoadedFile Load(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) return {FileState::Missing, {}};
    // Only a regular file is read: opening a pipe would wait for a writer.
    if (error || !fs::is_regular_file(status)) return {FileState::Unreadable, {}};
    std::uintmax_t size = fs::file_size(path, error);
    if (error || size > kMaxFileSize) return {FileState::Unreadable, {}};
    FileReadResult read = ReadFileBytes(path);
    if (!read.ok() || read.bytes.size() > kMaxFileSize) return {FileState::Unreadable, {}};
    return {FileState::Read, IniText(read.bytes)};
}

}  // namespace

FileSettingsBackend::FileSettingsBackend(std::string path) : path_(std::move(path)), text_(Load(path_).text) {}

FileSettingsBackend::~FileSettingsBackend() { write(); }

std::string FileSettingsBackend::get(const std::string& section, const std::string& key,
                                     const std::string& fallback) const {
    return text_.get(section, key).value_or(fallback);
}

void FileSettingsBackend::put(const std::string& section, const std::string& key, const std::string& value) {
    text_.set(section, key, value);
    unwritten_.push_back({section, key, value});
    if (batchDepth_ == 0) write();
}

void FileSettingsBackend::beginBatch() { ++batchDepth_; }

void FileSettingsBackend::endBatch() {
    if (batchDepth_ > 0 && --batchDepth_ == 0) write();
}

void FileSettingsBackend::write() {
    if (unwritten_.empty()) return;
    LoadedFile disk = Load(path_);
    if (disk.state == FileState::Unreadable) return;
    const std::string before = disk.text.bytes();
    for (const Put& p : unwritten_) disk.text.set(p.section, p.key, p.value);
    std::string after = disk.text.bytes();
    if (after != before) {
        if (disk.state == FileState::Missing) {
            std::error_code ignored;  // a folder that cannot be made fails the write below
            std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ignored);
        }
        // On failure the old file stays as it was and the values stay
        // pending for the next write.
        if (!WriteFileAtomically(path_, after).ok()) return;
    }
    text_ = std::move(disk.text);
    unwritten_.clear();
}

std::string SettingsFilePath() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string folder = xdg != nullptr && xdg[0] == '/' ? std::string(xdg) + "/" : HomeFolder() + ".config/";
    return folder + "Quillane/Quillane.ini";
}

}  // namespace quillane
