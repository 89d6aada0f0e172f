#include "edition/records_store.h"

#include <cctype>
#include <ctime>

#include "platform/words.h"
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
    : stamp(LocalStamp), bytes_(std::move(bytes)), note_(std::move(note)) {}

RecordsStore::~RecordsStore() = default;

std::vector<std::string> RecordsStore::Open() {
    if (!opened_) {
        opened_ = true;
        OpenItems();
    }
    return notices_;
}

std::string RecordsStore::Quoted(const std::string& name) const {
    return "\"" + bytes_->Shown(name) + "\"" + bytes_->Words().within;
}

void RecordsStore::GiveUp(const std::string& why) {
    unusable_ = why;
    usable_ = false;
    notices_.push_back(why + " " +
                       Tr("records", "It is left as it is, and your records will not be kept this run."));
}

void RecordsStore::OpenItems() {
    const std::string place = bytes_->Prepare({kSettingsItem, kRunRecordItem});
    if (!place.empty()) {
        unusable_ = Capitalised(bytes_->Words().place) + " " + place + ".";
        notices_.push_back(unusable_ + " " + Tr("records", "Your records will not be kept this run."));
        return;
    }
    // Only an ordinary item is read or replaced: reading a FIFO would wait for
    // ever, and replacing a device would put a file in its place.
    const std::string file = Quoted(kSettingsItem);
    const ItemRead read = bytes_->Read(kSettingsItem, kLargestSettingsText);
    if (read.state == ItemRead::State::NotAFile)
        return GiveUp(Fill(Tr("records", "Your settings file %1 is %2, not a file."), {file, read.words}));
    if (read.state == ItemRead::State::Unreadable)
        return GiveUp(Fill(Tr("records", "Your settings file %1 cannot be read (%2)."), {file, read.words}));
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
    const std::string file = Quoted(kSettingsItem);
    ByteFault fault;
    if (!bytes_->KeepAside(kSettingsItem, aside, false, fault)) {
        GiveUp(Fill(Tr("records",
                       "Your settings file %1 could not be read cleanly: %2. No copy of it could be kept "
                       "(%3)."),
                    {file, problem, fault.words}));
        return false;
    }
    if (!bytes_->Replace(kSettingsItem, clean, fault)) {
        GiveUp(Fill(Tr("records",
                       "Your settings file %1 could not be read cleanly: %2. A copy of it as it was is kept "
                       "as %3, but the file could not be replaced by what could be read (%4)."),
                    {file, problem, Quoted(aside), fault.words}));
        return false;
    }
    notices_.push_back(Fill(Tr("records",
                               "Your settings file %1 could not be read cleanly: %2. A copy of it as it "
                               "was is kept as %3; the game goes on with what could be read."),
                            {file, problem, Quoted(aside)}));
    return true;
}

void RecordsStore::Probe() {
    // Records that cannot be written are better known now than after a run.
    const Writability writable = bytes_->Probe(kSettingsItem);
    if (!writable.place.empty()) {
        // Translators: %1 is the place ("the settings folder "/home/ann/.config/Fruitwhirl"").
        notices_.push_back(Capitalised(Fill(Tr("records",
                                               "%1 cannot be written (%2): your records will not be kept "
                                               "this run, unless that changes before you quit."),
                                            {bytes_->Words().place, writable.place})));
    } else if (writable.readOnly) {
        notices_.push_back(Fill(Tr("records",
                                   "Your settings file %1 is read-only: your records will not be kept "
                                   "this run, unless that changes before you quit."),
                                {Quoted(kSettingsItem)}));
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
    const std::string medium = bytes_->Words().medium;
    switch (fault.kind) {
        // Translators: each reason follows "Fruitwhirl could not save your high scores: ", and its
        // remedy stands as a sentence of its own; %1 is "the disk" or "the browser's storage".
        case ByteFault::Kind::Full:
            return {Fill(Tr("records", "%1 is full"), {medium}), Tr("records", "Free some space"),
                    fault.words};
        case ByteFault::Kind::Quota:
            return {Tr("records", "your disk quota is used up"), Tr("records", "Free some space"),
                    fault.words};
        case ByteFault::Kind::ReadOnlyDisk:
            return {Fill(Tr("records", "%1 is read-only"), {medium}),
                    Fill(Tr("records", "Make %1 writable"), {medium}), fault.words};
        case ByteFault::Kind::NotAllowed:
            return {Tr("records", "the settings file or its folder may not be written"),
                    Tr("records", "Make them writable"), fault.words};
        case ByteFault::Kind::NotAFile:
            return {Tr("records", "the file to be written is not an ordinary file"),
                    Tr("records", "Move what is there out of the way"), fault.words};
        case ByteFault::Kind::Other:
            break;
    }
    return {Fill(Tr("records", "%1 reported an error"), {medium}), Fill(Tr("records", "Check %1"), {medium}),
            fault.words};
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
        note_(Fill(Tr("records", "Your records are not saved: %1. %2. (%3)"),
                   {failure->reason, failure->remedy, failure->detail}));
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
        failure = {Tr("records", "the settings file cannot be used this run"), "",
                   unusable_ + " " + Tr("records", "Nothing was written.")};
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
    const std::string unchanged =
        " " + Tr("records", "Nothing of it was loaded; your records are as they were.");
    const CheckedSettings checked = CheckSettingsText(bytes);
    if (!checked.problem.empty())
        return {true, Fill(Tr("records", "The file \"%1\" could not be read cleanly: %2."),
                           {name, checked.problem}) +
                          unchanged};
    const RecordsExamined examined = ExamineRecordsText(checked.text);
    if (!examined.holdsRecords)
        return {
            true,
            Fill(
                Tr("records",
                   "The file \"%1\" holds no records of Fruitwhirl: no high scores, statistics or settings."),
                {name}) +
                unchanged};
    loaded_ = checked.text;
    std::string question = Fill(Tr("records",
                                   "Load the records of \"%1\"? They take the place of the high scores, "
                                   "statistics and settings kept in %2, and the game starts again with "
                                   "them; the run under way is not entered."),
                                {name, bytes_->Words().place});
    if (!examined.holdsList)
        question += "\n\n" + Tr("records", "It holds no high scores: the default list takes their place.");
    if (!examined.changes.empty())
        question += "\n\n" + Tr("records", "These values are not taken as they stand:");
    for (const std::string& change : examined.changes) question += "\n" + change + ".";
    return {false, question};
}

std::string RecordsStore::ReplaceByLoaded() {
    if (loaded_.empty()) return Tr("records", "No records were checked for loading.");
    Open();
    if (!usable_) return unusable_;
    ByteFault fault;
    if (!bytes_->Replace(kSettingsItem, loaded_, fault)) {
        // What read back otherwise gives way to the records as they were.
        ByteFault again;
        bytes_->Replace(kSettingsItem, IniText(values_), again);
        return Fill(Tr("records", "The records could not be loaded (%1)."), {fault.words});
    }
    RemoveRunRecord();
    replaced_ = true;
    return {};
}

}  // namespace fw
