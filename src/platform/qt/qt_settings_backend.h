#pragma once
#include <QString>
#include <memory>

#include "platform/settings_backend.h"

class QSettings;

namespace quillane {

// The settings store as an INI file. Sections are INI groups, values plain
// text. A file that cannot be read gives every key its default; what can be
// read of a damaged file is used.
class QtSettingsBackend : public SettingsBackend {
public:
    // The per-user file: <user configuration folder>/Quillane/Quillane.ini.
    QtSettingsBackend();
    explicit QtSettingsBackend(const QString& filePath);
    ~QtSettingsBackend() override;

    std::string get(const std::string& section, const std::string& key, const std::string& fallback) const override;
    // Written through to the file at once.
    void put(const std::string& section, const std::string& key, const std::string& value) override;

    static QString defaultFilePath();
    QString filePath() const;

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace quillane
