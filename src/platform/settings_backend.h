#pragma once
#include <string>

namespace quillane {

// The per-user settings store: text values by section and key. Nothing is
// ever deleted.
class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;
    virtual std::string get(const std::string& section, const std::string& key, const std::string& fallback) const = 0;
    virtual void put(const std::string& section, const std::string& key, const std::string& value) = 0;
};

}  // namespace quillane
