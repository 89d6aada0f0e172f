#include "edition/records_store.h"

#include <cctype>
#include <ctime>

#include "records/settings.h"
#include "shell/trace.h"

namespace fw {

namespace {

// A run record is a few hundred bytes: a larger one is not read.
constexpr std::size_t kLargestRunRecord = std::size_t{1} << 16;

std::string Capitalised(std::string text) {
    if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

std::string LocalStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", &local);
    return text;
}

}  // namespace

RecordsStore::RecordsStore(std::unique_ptr<StoreBytes> bytes, std::function<void(const std::string&)> note)
    : stamp(LocalStamp), bytes_(std::move(bytes)), note_(std::move(note)), words_(bytes_->Words()) {}

RecordsStore::~RecordsStore() = default;

std::vector<std::string> RecordsStore::Open() {
    if (!opened_) {
        opened_ = true;
        OpenItems();
    }
    return notices_;
}

std::string RecordsStore::Quoted(const std::string& name) const {
    return "\"" + bytes_->Shown(name) + "\"" + words_.within;
}

void RecordsStore::GiveUp(const std::string& why) {
    unusable_ = why;
    usable_ = false;
    notices_.push_back(why + " It is left as it is, and your records will not be kept this run.");
}

void RecordsStore::OpenItems() {
    const std::string place = bytes_->Prepare({kSettingsItem, kRunRecordItem});
    if (!place.empty()) {
        unusable_ = Capitalised(words_.place) + " " + place + ".";
        notices_.push_back(unusable_ + " Your records will not be kept this run.");
        return;
    }
    // Only an ordinary item is read or replaced: reading a FIFO would wait for
    // ever, and replacing a device would put a file in its place.
    const std::string file = "Your settings file " + Quoted(kSettingsItem);
    const ItemRead read = bytes_->Read(kSettingsItem, kLargestSettingsText);
    if (read.state == ItemRead::State::NotAFile) return GiveUp(file + " is " + read.words + ", not a file.");
    if (read.state == ItemRead::State::Unreadable)
        return GiveUp(file + " cannot be read (" + read.words + ").");
    if (read.state == ItemRead::State::Read) {
        const CheckedSettings checked = CheckSettingsText(read.bytes);
        if (!checked.problem.empty() && !Mend(checked.problem, checked.text)) return;
        values_ = ReadIniText(checked.text);
    }
    Probe();
    usable_ = true;
}

bool RecordsStore::Mend(const std::string& problem, const std::string& clean) {
    // Keep the item as it was before anything is written over it.
    const std::string aside = AsideName(".ini");
    const std::string damaged =
        "Your settings file " + Quoted(kSettingsItem) + " could not be read cleanly: " + problem;
    ByteFault fault;
    if (!bytes_->KeepAside(kSettingsItem, aside, false, fault)) {
        GiveUp(damaged + ". No copy of it could be kept (" + fault.words + ").");
        return false;
    }
    const std::string kept = ". A copy of it as it was is kept as " + Quoted(aside);
    if (!bytes_->Replace(kSettingsItem, clean, fault)) {
        GiveUp(damaged + kept + ", but the file could not be replaced by what could be read (" + fault.words +
               ").");
        return false;
    }
    notices_.push_back(damaged + kept + "; the game goes on with what could be read.");
    return true;
}

void RecordsStore::Probe() {
    // Records that cannot be written are better known now than after a run.
    const Writability writable = bytes_->Probe(kSettingsItem);
    const std::string unless =
        ": your records will not be kept this run, unless that changes before you quit.";
    if (!writable.place.empty()) {
        notices_.push_back(Capitalised(words_.place) + " cannot be written (" + writable.place + ")" +
                           unless);
    } else if (writable.readOnly) {
        notices_.push_back("Your settings file " + Quoted(kSettingsItem) + " is read-only" + unless);
    }
}

std::string RecordsStore::AsideName(const std::string& extension) {
    const std::string stem = "Fruitwhirl-damaged-" + stamp();
    for (int n = 1;; ++n) {
        const std::string name = stem + (n == 1 ? "" : "-" + std::to_string(n)) + extension;
        if (bytes_->Kind(name) == ItemKind::Missing) return name;
    }
}

// The system's words for why a write failed, as a player understands them.
WriteFailure RecordsStore::Failure(const ByteFault& fault) const {
    const std::string& medium = words_.medium;
    switch (fault.kind) {
        case ByteFault::Kind::Full:
            return {medium + " is full", "Free some space", fault.words};
        case ByteFault::Kind::Quota:
            return {"your disk quota is used up", "Free some space", fault.words};
        case ByteFault::Kind::ReadOnlyDisk:
            return {medium + " is read-only", "Make " + medium + " writable", fault.words};
        case ByteFault::Kind::NotAllowed:
            return {"the settings file or its folder may not be written", "Make them writable", fault.words};
        case ByteFault::Kind::NotAFile:
            return {"the file to be written is not an ordinary file", "Move what is there out of the way",
                    fault.words};
        case ByteFault::Kind::Other:
            break;
    }
    return {medium + " reported an error", "Check " + medium, fault.words};
}

void RecordsStore::Told(const std::string& item, const WriteFailure* failure) {
    if (!failure) {
        // Every write works again: the spell of failures has ended.
        if (failing_.erase(item) && failing_.empty() && note_) note_("");
        return;
    }
    bool told = false;
    for (const auto& [other, reason] : failing_) told = told || reason == failure->reason;
    failing_[item] = failure->reason;
    if (!told && note_) {
        note_("Your records are not saved: " + failure->reason + ". " + failure->remedy + ". (" +
              failure->detail + ")");
    }
}

std::string RecordsStore::GetSetting(const std::string& section, const std::string& key,
                                     const std::string& fallback) {
    Open();
    const auto keys = values_.find(section);
    if (keys == values_.end()) return fallback;
    const auto value = keys->second.find(key);
    return value == keys->second.end() ? fallback : value->second;
}

void RecordsStore::SaveSetting(const std::string& section, const std::string& key, const std::string& value) {
    Open();
    if (usable_) values_[section][key] = value;
}

bool RecordsStore::Flush(WriteFailure& failure) {
    Open();
    if (!usable_) {
        failure = {"the settings file cannot be used this run", "", unusable_ + " Nothing was written."};
        return false;
    }
    if (replaced_) return true;
    // Each flush is a fresh attempt: the text replaces the item only when it
    // was written whole, and it is read back.
    ByteFault fault;
    if (bytes_->Replace(kSettingsItem, IniText(values_), fault)) {
        Told(kSettingsItem, nullptr);
        return true;
    }
    failure = Failure(fault);
    Told(kSettingsItem, &failure);
    return false;
}

std::optional<std::string> RecordsStore::ReadRunRecord() {
    const ItemRead read = bytes_->Read(kRunRecordItem, kLargestRunRecord);
    if (read.state == ItemRead::State::Missing) return std::nullopt;
    // Anything but a small ordinary item is no record.
    if (read.state != ItemRead::State::Read || read.bytes.size() > kLargestRunRecord) return std::string();
    return read.bytes;
}

bool RecordsStore::WriteRunRecord(const std::string& text, WriteFailure& failure) {
    if (replaced_) return true;
    TraceMark("record-write");
    ByteFault fault;
    // Never through a link, never over something that is not a file.
    bool written = false;
    if (bytes_->Kind(kRunRecordItem) == ItemKind::Other) {
        fault = {ByteFault::Kind::NotAFile, bytes_->Shown(kRunRecordItem) + ": not an ordinary file"};
    } else {
        written = bytes_->Replace(kRunRecordItem, text, fault);
    }
    TraceMark("record-written");
    if (written) {
        Told(kRunRecordItem, nullptr);
        return true;
    }
    failure = Failure(fault);
    Told(kRunRecordItem, &failure);
    return false;
}

void RecordsStore::RemoveRunRecord() {
    bytes_->Remove(kRunRecordItem);
}

std::string RecordsStore::KeepRunRecordAside() {
    const std::string aside = AsideName(".recovery");
    // Moved whatever it is, a FIFO or a link too, without opening it.
    ByteFault fault;
    if (!bytes_->KeepAside(kRunRecordItem, aside, true, fault)) return {};
    return bytes_->Shown(aside);
}

std::string RecordsStore::Text() {
    Open();
    return IniText(values_);
}

RecordsStore::LoadCheck RecordsStore::CheckLoaded(const std::string& name, const std::string& bytes) {
    loaded_.clear();
    const std::string file = "The file \"" + name + "\" ";
    const std::string unchanged = " Nothing of it was loaded; your records are as they were.";
    const CheckedSettings checked = CheckSettingsText(bytes);
    if (!checked.problem.empty())
        return {true, file + "could not be read cleanly: " + checked.problem + "." + unchanged};
    const RecordsExamined examined = ExamineRecordsText(checked.text);
    if (!examined.holdsRecords)
        return {true,
                file + "holds no records of Fruitwhirl: no high scores, statistics or settings." + unchanged};
    loaded_ = checked.text;
    std::string question = "Load the records of \"" + name +
                           "\"? They take the place of the high scores, statistics and settings kept in " +
                           words_.place +
                           ", and the game starts again with them; the run under way is not entered.";
    if (!examined.holdsList) question += "\n\nIt holds no high scores: the default list takes their place.";
    if (!examined.changes.empty()) question += "\n\nThese values are not taken as they stand:";
    for (const std::string& change : examined.changes) question += "\n" + change + ".";
    return {false, question};
}

std::string RecordsStore::ReplaceByLoaded() {
    if (loaded_.empty()) return "No records were checked for loading.";
    Open();
    if (!usable_) return unusable_;
    ByteFault fault;
    if (!bytes_->Replace(kSettingsItem, loaded_, fault)) {
        // What read back otherwise gives way to the records as they were.
        ByteFault again;
        bytes_->Replace(kSettingsItem, IniText(values_), again);
        return "The records could not be loaded (" + fault.words + ").";
    }
    RemoveRunRecord();
    replaced_ = true;
    return {};
}

}  // namespace fw
