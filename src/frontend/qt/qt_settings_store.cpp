#include "frontend/qt/qt_settings_store.h"

#include <QStringList>

namespace fw {

namespace {
QString KeyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}
}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, "Fruitwhirl", "Fruitwhirl") {
    // Only the user's own file: no system-wide or organisation-wide values.
    settings_.setFallbacksEnabled(false);
}

std::string QtSettingsStore::GetSetting(const std::string&, const std::string& section,
                                        const std::string& key, const std::string& fallback) {
    const QVariant value = settings_.value(KeyPath(section, key));
    if (!value.isValid()) return fallback;
    // A hand-edited value with an unquoted comma reads back as a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',').toStdString();
    return value.toString().toStdString();
}

void QtSettingsStore::SaveSetting(const std::string&, const std::string& section, const std::string& key,
                                  const std::string& value) {
    settings_.setValue(KeyPath(section, key), QString::fromStdString(value));
}

bool QtSettingsStore::Flush(std::string& error) {
    // The file is replaced in one step (a temporary file renamed over it), so a
    // failed write leaves the old content as it was.
    settings_.sync();
    switch (settings_.status()) {
        case QSettings::NoError:
            return true;
        case QSettings::AccessError:
            error = "The file \"" + settings_.fileName().toStdString() + "\" cannot be written.";
            return false;
        case QSettings::FormatError:
            error = "The file \"" + settings_.fileName().toStdString() + "\" is not a settings file.";
            return false;
    }
    return false;
}

}  // namespace fw
