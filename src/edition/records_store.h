// The settings store both editions keep their records with: the settings
// file's INI text ("Fruitwhirl.ini") and beside it the run record
// ("Fruitwhirl.recovery"), over the edition's bytes. It reads and checks the
// text, keeps a damaged one aside and mends it, writes only what reads back,
// tells a failing save once, and says all of it in the same words in both
// editions, naming the place as the edition names it.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "edition/store_bytes.h"
#include "platform/ini_text.h"
#include "platform/settings_store.h"

namespace fw {

inline constexpr const char* kSettingsItem = "Fruitwhirl.ini";
inline constexpr const char* kRunRecordItem = "Fruitwhirl.recovery";

class RecordsStore : public SettingsStore {
public:
    // note hears a failing save once, when it begins to fail ("Your records are
    // not saved: ..."), and "" once every write works again.
    RecordsStore(std::unique_ptr<StoreBytes> bytes, std::function<void(const std::string&)> note = {});
    ~RecordsStore() override;

    std::vector<std::string> Open() override;
    std::string GetSetting(const std::string& section, const std::string& key,
                           const std::string& fallback) override;
    void SaveSetting(const std::string& section, const std::string& key, const std::string& value) override;
    bool Flush(WriteFailure& failure) override;

    std::optional<std::string> ReadRunRecord() override;
    bool WriteRunRecord(const std::string& text, WriteFailure& failure) override;
    void RemoveRunRecord() override;
    std::string KeepRunRecordAside() override;

    // The records as the settings file's text, as they are now.
    std::string Text();
    // A settings file the player loads, checked before anything is loaded:
    // refused when it cannot be read cleanly or holds no records (nothing
    // changes then), else its text is kept for ReplaceByLoaded and the words
    // are the question to ask first, naming what would not be taken as it stands.
    struct LoadCheck {
        bool refused = true;
        std::string words;
    };
    LoadCheck CheckLoaded(const std::string& name, const std::string& bytes);
    // The loaded text takes the records' place and the run record goes; the
    // run under way writes nothing over them after that. Why it could not, or "".
    std::string ReplaceByLoaded();

    // The date and time in the names of copies kept aside ("2024-06-07-183005"):
    // the local time unless a test sets another.
    std::function<std::string()> stamp;

private:
    void OpenItems();
    // The settings cannot be used this run: why, and what the player is told.
    void GiveUp(const std::string& why);
    // A damaged text is kept aside as it was and replaced by what could be
    // read; false when the game cannot go on with it.
    bool Mend(const std::string& problem, const std::string& clean);
    void Probe();
    // A free name for a copy kept aside: "Fruitwhirl-damaged-2024-06-07-183005.ini",
    // then "...-183005-2.ini" and so on.
    std::string AsideName(const std::string& extension);
    std::string Quoted(const std::string& name) const;
    WriteFailure Failure(const ByteFault& fault) const;
    // A write of item worked (no failure) or failed: a failure is told when
    // none of its kind is being told already.
    void Told(const std::string& item, const WriteFailure* failure);

    std::unique_ptr<StoreBytes> bytes_;
    std::function<void(const std::string&)> note_;
    bool opened_ = false;
    std::vector<std::string> notices_;
    bool usable_ = false;   // the settings can be read and replaced
    std::string unusable_;  // why they cannot, when they cannot
    IniValues values_;
    std::map<std::string, std::string> failing_;  // item, the reason its last write failed
    std::string loaded_;                          // the checked text of a file the player loads
    bool replaced_ = false;                       // loaded records took the place of these
};

}  // namespace fw
