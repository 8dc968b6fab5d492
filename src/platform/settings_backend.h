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
    // Puts between the two may reach the disk together at the end, so that
    // saving a whole page of settings writes once. Batches may nest.
    virtual void beginBatch() {}
    virtual void endBatch() {}
};

// Holds a batch open for as long as it lives.
class SettingsBatch {
public:
    explicit SettingsBatch(SettingsBackend& store) : store_(store) { store_.beginBatch(); }
    ~SettingsBatch() { store_.endBatch(); }
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

private:
    SettingsBackend& store_;
};

}  // namespace quillane
