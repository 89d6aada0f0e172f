// The settings store as an INI file per user:
// $XDG_CONFIG_HOME/Fruitwhirl/Fruitwhirl.ini on Linux.
#pragma once

#include <QSettings>

#include "platform/settings_store.h"

namespace fw {

class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& fallback) override;
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool Flush(std::string& error) override;

    QString fileName() const { return settings_.fileName(); }

private:
    QSettings settings_;
};

}  // namespace fw
