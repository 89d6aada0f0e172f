// The records on the desktop: files in $XDG_CONFIG_HOME/Fruitwhirl/
// (Fruitwhirl.ini, and beside it the run record, Fruitwhirl.recovery), kept
// by the policy both editions share.
#pragma once

#include <QDateTime>
#include <QString>

#include "edition/records_store.h"
#include "frontend/qt/settings_files.h"

namespace fw {

// $XDG_CONFIG_HOME/Fruitwhirl/Fruitwhirl.ini (~/.config/... when it is not set).
QString DefaultSettingsFile();

// The items are files in the settings folder, written through calls: the
// system's, or a test's that fail.
class QtStoreBytes : public StoreBytes {
public:
    explicit QtStoreBytes(QString folder, FileCalls calls = {});

    PlaceWords Words() const override;
    std::string Shown(const std::string& name) const override;
    std::string Prepare(const std::vector<std::string>& names) override;
    ItemKind Kind(const std::string& name) override;
    ItemRead Read(const std::string& name, std::size_t limit) override;
    bool Replace(const std::string& name, const std::string& bytes, ByteFault& fault) override;
    bool KeepAside(const std::string& name, const std::string& aside, bool move, ByteFault& fault) override;
    void Remove(const std::string& name) override;
    Writability Probe(const std::string& name) override;

private:
    QString Path(const std::string& name) const;
    // The file a name is written to: the file a link leads to.
    QString Target(const std::string& name) const;

    QString folder_;
    FileCalls calls_;
    QDateTime started_;  // temporary files older than this are leftovers
};

// The desktop's store: the settings file given and the files beside it; a
// failing save is noted on stderr once.
class QtSettingsStore : public RecordsStore {
public:
    explicit QtSettingsStore(const QString& fileName = DefaultSettingsFile(), FileCalls calls = {});
};

}  // namespace fw
