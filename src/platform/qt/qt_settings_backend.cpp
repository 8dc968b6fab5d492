#include "platform/qt/qt_settings_backend.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

namespace quillane {

namespace {

QString KeyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

}  // namespace

QtSettingsBackend::QtSettingsBackend() : QtSettingsBackend(defaultFilePath()) {}

QtSettingsBackend::QtSettingsBackend(const QString& filePath)
    : settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

QtSettingsBackend::~QtSettingsBackend() = default;

QString QtSettingsBackend::defaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Quillane/Quillane.ini";
}

QString QtSettingsBackend::filePath() const { return settings_->fileName(); }

std::string QtSettingsBackend::get(const std::string& section, const std::string& key,
                                   const std::string& fallback) const {
    QVariant value = settings_->value(KeyPath(section, key));
    if (!value.isValid()) return fallback;
    // A hand-edited value with unquoted commas reads as a list: the text
    // between the commas is what was meant.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',').toStdString();
    return value.toString().toStdString();
}

void QtSettingsBackend::put(const std::string& section, const std::string& key, const std::string& value) {
    settings_->setValue(KeyPath(section, key), QString::fromStdString(value));
    settings_->sync();
}

}  // namespace quillane
