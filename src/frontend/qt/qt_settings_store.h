// The settings store as an INI file per user,
// $XDG_CONFIG_HOME/Fruitwhirl/Fruitwhirl.ini on Linux, and beside it the run
// record, Fruitwhirl.recovery.
#pragma once

#include <QDateTime>
#include <QString>
#include <map>
#include <memory>

#include "frontend/qt/settings_files.h"
#include "platform/settings_store.h"

namespace fw {

// $XDG_CONFIG_HOME/Fruitwhirl/Fruitwhirl.ini (~/.config/... when it is not set).
QString DefaultSettingsFile();

class QtSettingsStore : public SettingsStore {
public:
    // Files are written through calls: the system's, or a test's that fail.
    explicit QtSettingsStore(QString fileName = DefaultSettingsFile(), FileCalls calls = {});
    ~QtSettingsStore() override;

    std::vector<std::string> Open() override;
    std::string GetSetting(const std::string& section, const std::string& key,
                           const std::string& fallback) override;
    void SaveSetting(const std::string& section, const std::string& key, const std::string& value) override;
    bool Flush(WriteFailure& failure) override;

    std::optional<std::string> ReadRunRecord() override;
    bool WriteRunRecord(const std::string& text, WriteFailure& failure) override;
    void RemoveRunRecord() override;
    std::string KeepRunRecordAside() override;

    QString fileName() const { return file_; }
    QString runRecordFileName() const { return folder_ + "/Fruitwhirl.recovery"; }

private:
    void OpenFile();
    // The settings folder is a folder, made when it is missing.
    bool CheckFolder();
    // The settings file is an ordinary file, or not there yet.
    bool CheckFile();
    // A file that cannot be read cleanly is kept aside as it was and replaced
    // by what could be read; false when the game cannot go on with it.
    bool MendDamaged();
    // Records that cannot be written are better known now than after a run.
    void ProbeWritable();
    // Reads every stored value into values_.
    void ReadValues();
    // The settings file cannot be used this run: why, and what the player is told.
    void GiveUp(const QString& why);
    // The file the settings are written to: the file a link leads to.
    QString Target() const;
    // The values as the text of an INI file.
    QByteArray IniText() const;

    QString file_;
    QString folder_;
    FileCalls calls_;
    QDateTime started_;  // temporary files older than this are leftovers
    bool opened_ = false;
    std::vector<std::string> notices_;
    bool usable_ = false;                                   // the file can be read and replaced
    QString unusable_;                                      // why it cannot, when it cannot
    std::map<QString, std::map<QString, QString>> values_;  // section, key, value
    bool recordFailed_ = false;  // a run record could not be written: said once on stderr
};

}  // namespace fw
