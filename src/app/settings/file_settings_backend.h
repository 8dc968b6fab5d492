#pragma once
#include <string>
#include <vector>

#include "app/settings/ini_text.h"
#include "platform/settings_backend.h"

namespace quillane {

// The settings store as an INI file (see IniText for its form). The file is
// read when the store is made and written whole, atomically, on every put or
// at the end of a batch. Each write starts from the file as it is on disk at
// that moment, so that what someone else changed meanwhile (a hand edit,
// another window) is kept and only the keys put here change.
//
// A file that exists but cannot be read (no permission, not a regular file
// such as a pipe, larger than any settings file) gives every key its default
// and is never written over: the session's settings then live in memory only,
// and each later write tries the file again.
class FileSettingsBackend : public SettingsBackend {
public:
    explicit FileSettingsBackend(std::string path);
    // Writes what a batch left unwritten.
    ~FileSettingsBackend() override;

    std::string get(const std::string& section, const std::string& key, const std::string& fallback) const override;
    void put(const std::string& section, const std::string& key, const std::string& value) override;
    void beginBatch() override;
    void endBatch() override;

    const std::string& path() const { return path_; }

private:
    struct Put {
        std::string section;
        std::string key;
        std::string value;
    };
    void write();

    std::string path_;
    IniText text_;
    std::vector<Put> unwritten_;
    int batchDepth_ = 0;
};

// The per-user settings file: $XDG_CONFIG_HOME/Quillane/Quillane.ini, with
// ~/.config in place of a variable that is unset, empty or not absolute.
std::string SettingsFilePath();

}  // namespace quillane
