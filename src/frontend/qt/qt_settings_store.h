// The settings store as an INI file per user,
// $XDG_CONFIG_HOME/Fruitwhirl/Fruitwhirl.ini on Linux, and beside it the run
// record, Fruitwhirl.recovery.
#pragma once

#include <QDateTime>
#include <QSettings>
#include <QString>
#include <map>
#include <memory>

#include "platform/settings_store.h"

namespace fw {

// $XDG_CONFIG_HOME/Fruitwhirl/Fruitwhirl.ini (~/.config/... when it is not set).
QString DefaultSettingsFile();

class QtSettingsStore : public SettingsStore {
public:
    explicit QtSettingsStore(QString fileName = DefaultSettingsFile());
    ~QtSettingsStore() override;

    std::vector<std::string> Open() override;
    std::string GetSetting(const std::string& section, const std::string& key,
                           const std::string& fallback) override;
    void SaveSetting(const std::string& section, const std::string& key, const std::string& value) override;
    bool Flush(std::string& error) override;

    std::optional<std::string> ReadRunRecord() override;
    bool WriteRunRecord(const std::string& text, std::string& error) override;
    void RemoveRunRecord() override;
    std::string KeepRunRecordAside() override;

    QString fileName() const { return file_; }
    QString runRecordFileName() const { return folder_ + "/Fruitwhirl.recovery"; }

private:
    void OpenFile();
    // The settings file cannot be used this run: why, and what the player is told.
    void GiveUp(const QString& why);

    QString file_;
    QString folder_;
    QDateTime started_;  // temporary files older than this are leftovers
    bool opened_ = false;
    std::vector<std::string> notices_;
    std::unique_ptr<QSettings> settings_;  // none when the file cannot be used
    QString unusable_;                     // why the file cannot be used, when it cannot
    std::map<QString, QString> unsaved_;   // values written since the last flush
    bool recordFailed_ = false;            // a run record could not be written: said once
};

}  // namespace fw
