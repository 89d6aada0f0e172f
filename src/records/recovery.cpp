#include "records/recovery.h"

#include <limits>
#include <map>
#include <sstream>

#include "platform/words.h"
#include "records/settings.h"

namespace fw {

namespace {

constexpr const char* kHeader = "Fruitwhirl run record 1";
constexpr const char* kTrailer = "End";

// The same run, leaving aside the play time, which moves on all the time.
bool SameRun(const ScoreRecord& a, const ScoreRecord& b) {
    return a.Name == b.Name && a.Score == b.Score && a.Stat == b.Stat && a.Played == b.Played &&
           a.Wun == b.Wun;
}

bool SameRow(const ScoreRecord& a, const ScoreRecord& b) {
    return SameRun(a, b) && a.ETime == b.ETime;
}

// "its 312 coins were", "its 1 coin was".
// "3 17 5" and back: three numbers from lo to hi, one space between them.
template <class T>
std::string Three(const std::array<T, 3>& values) {
    return std::to_string(+values[0]) + " " + std::to_string(+values[1]) + " " + std::to_string(+values[2]);
}
template <class T>
std::optional<std::array<T, 3>> ParseThree(const std::string& text, long long lo, long long hi) {
    std::array<T, 3> values{};
    std::size_t at = 0;
    for (int k = 0; k < 3; ++k) {
        const std::size_t end = k < 2 ? text.find(' ', at) : text.size();
        if (end == std::string::npos) return std::nullopt;
        const auto value = ParseDecimal(text.substr(at, end - at));
        if (!value || *value < lo || *value > hi) return std::nullopt;
        values[k] = static_cast<T>(*value);
        at = end + 1;
    }
    return values;
}

}  // namespace

std::string RunRecordText(const ScoreRecord& run, const RunState& state, bool suspended) {
    std::string name = run.Name;
    for (char& c : name) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    std::ostringstream out;
    out << kHeader << "\nName=" << name << "\nScore=" << run.Score << "\nETime=" << run.ETime
        << "\nPlayed=" << run.Played << "\nWun=" << run.Wun << "\n";
    for (int k = 0; k < 12; ++k) out << StatKey(k) << "=" << run.Stat[k] << "\n";
    if (state.Credits != 0) out << "Credits=" << state.Credits << "\n";
    if (state.Reels) out << "Reels=" << Three(*state.Reels) << "\n";
    if (state.Holdable != std::array<bool, 3>{}) out << "Holdable=" << Three(state.Holdable) << "\n";
    if (suspended) out << "Suspended=1\n";
    out << kTrailer << "\n";
    return out.str();
}

std::optional<RunRecord> ParseRunRecord(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kHeader) return std::nullopt;
    std::map<std::string, std::string> values;
    bool ended = false;
    while (std::getline(in, line)) {
        if (ended) return std::nullopt;  // nothing may follow the trailer
        if (line == kTrailer) {
            ended = true;
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos ||
            !values.emplace(line.substr(0, equals), line.substr(equals + 1)).second)
            return std::nullopt;
    }
    // The row's 17 keys, and those of the machine that a record may add.
    std::size_t added = 0;
    for (const char* key : {"Credits", "Reels", "Holdable", "Suspended"}) added += values.count(key);
    if (!ended || values.size() != 17 + added) return std::nullopt;

    bool whole = true;
    auto number = [&](const std::string& key, long long lo, long long hi) -> long long {
        const auto it = values.find(key);
        const auto value = it == values.end() ? std::nullopt : ParseDecimal(it->second);
        if (!value || *value < lo || *value > hi) whole = false;
        return whole ? *value : 0;
    };
    RunRecord run;
    const auto name = values.find("Name");
    if (name == values.end()) return std::nullopt;
    run.Name = CleanName(name->second);
    run.Score = static_cast<Integer>(number("Score", -32768, 32767));
    run.ETime = static_cast<Long>(number("ETime", 0, std::numeric_limits<Long>::max()));
    run.Played = static_cast<Integer>(number("Played", 0, 32767));
    run.Wun = static_cast<Integer>(number("Wun", 0, 32767));
    for (int k = 0; k < 12; ++k) run.Stat[k] = static_cast<Integer>(number(StatKey(k), 0, 32767));
    if (values.count("Credits")) run.Credits = static_cast<Integer>(number("Credits", 0, kMaxCredits));
    if (values.count("Reels")) {
        run.Reels = ParseThree<Integer>(values["Reels"], 0, kReelPositions - 1);
        whole = whole && run.Reels.has_value();
    }
    if (values.count("Holdable")) {
        const auto holdable = ParseThree<bool>(values["Holdable"], 0, 1);
        whole = whole && holdable.has_value() && *holdable != std::array<bool, 3>{};
        run.Holdable = holdable.value_or(std::array<bool, 3>{});
    }
    if (values.count("Suspended")) run.Suspended = number("Suspended", 1, 1) == 1;
    if (!whole) return std::nullopt;
    return run;
}

std::string SaveFailureText(const WriteFailure& failure) {
    // Translators: %1 is why ("the disk is full"), %2 what to do ("Free some space"), %3 the system's words.
    return Fill(Tr("records",
                   "Fruitwhirl could not save your high scores: %1. Your previous records are unchanged. %2; "
                   "the game will try again after the next game and when you quit.\n\n(%3)"),
                {failure.reason, failure.remedy, failure.detail});
}

RunState CurrentRunState(const Machine& m) {
    RunState state{m.purse.Credits, m.reels.ReelPos, {}};
    for (int r = 0; r < 3; ++r) state.Holdable[r] = m.reels.HoldAllowed == True && m.reels.WinLock[r] != 1;
    return state;
}

bool WriteRunRecordNow(Machine& m, WriteFailure& failure, bool suspended) {
    // The record holds an earlier run that the settings could not take: keep it.
    if (m.records.RunRecordHeld) return true;
    m.records.KeptRun = CurrentRun(m);
    m.records.KeptState = CurrentRunState(m);
    return m.store.WriteRunRecord(RunRecordText(m.records.KeptRun, *m.records.KeptState, suspended), failure);
}

bool SuspendRun(Machine& m, WriteFailure& failure) {
    if (!m.queue.busy) return WriteRunRecordNow(m, failure, true);
    // Nothing kept yet (the start-up under way), or an earlier run held: the record stays.
    if (m.records.RunRecordHeld || !m.records.KeptState) return true;
    return m.store.WriteRunRecord(RunRecordText(m.records.KeptRun, *m.records.KeptState, true), failure);
}

void KeepRunRecord(Machine& m) {
    if (m.records.RunRecordHeld || SameRun(m.records.ScoreTable[0], m.records.KeptRun)) return;
    WriteFailure failure;
    if (WriteRunRecordNow(m, failure)) {
        // Saving works again: a later failure is told afresh.
        m.records.SaveFailureTold.clear();
        return;
    }
    if (failure.reason == m.records.SaveFailureTold) return;
    m.records.SaveFailureTold = failure.reason;
    ModalWindow modal(m);
    m.host.ShowMessage(m.config.AppName, SaveFailureText(failure));
    // The time the message was read is not play time.
    m.clock.Sync();
}

std::optional<RunRecord> RecoverLastRun(Machine& m, std::vector<std::string>& notes) {
    const auto text = m.store.ReadRunRecord();
    if (!text) return std::nullopt;
    const auto run = ParseRunRecord(*text);
    if (!run) {
        const std::string aside = m.store.KeepRunRecordAside();
        if (aside.empty()) {
            // It cannot even be moved: leave it where it is, unchanged.
            m.records.RunRecordHeld = true;
            notes.push_back(
                Tr("records",
                   "The record of your last run could not be read, nor moved aside; it was left as it is."));
        } else {
            notes.push_back(
                Fill(Tr("records", "The record of your last run could not be read; it was kept as \"%1\"."),
                     {aside}));
        }
        return std::nullopt;
    }
    if (run->Suspended) {
        // The page was left, not lost: the run goes on where it stood. Row 0
        // keeps no play time of its own; the start-up's clock counts on from it.
        m.records.ScoreTable[0] = *run;
        m.records.ScoreTable[0].ETime = 0;
        return run;
    }
    for (int n = 1; n <= kListLines; ++n) {
        // The quit that wrote this record saved the settings but ended before it
        // could remove the record: the run is in the list already.
        if (SameRow(m.records.ScoreTable[n], *run)) {
            m.store.RemoveRunRecord();
            return std::nullopt;
        }
    }

    const bool enters = run->Score >= m.records.ScoreTable[10].Score;
    if (enters) EnterRun(m.records, *run);
    m.records.ScoreTable[0].Name = run->Name;
    const std::string coins = std::to_string(run->Score);
    const std::string what =
        enters ? TrN("records",
                     "Your last run ended unexpectedly; its %1 coin was entered in the high-score list.",
                     "Your last run ended unexpectedly; its %1 coins were entered in the high-score list.",
                     run->Score)
               : TrN("records",
                     "Your last run ended unexpectedly; its %1 coin was too few for the high-score list.",
                     "Your last run ended unexpectedly; its %1 coins were too few for the high-score list.",
                     run->Score);
    WriteFailure failure;
    if (!WriteSettings(m, failure)) {
        // Keep the record until the settings hold it: a quit that saves stores it.
        m.records.RunRecordHeld = true;
        notes.push_back(
            Fill(what, {coins}) + " " +
            Tr("records", "The settings could not be saved, so its record was kept for the next start.") +
            " " + failure.detail);
        return std::nullopt;
    }
    m.store.RemoveRunRecord();
    notes.push_back(Fill(what, {coins}));
    return std::nullopt;
}

void ForgetRunRecord(Machine& m) {
    m.store.RemoveRunRecord();
    m.records.RunRecordHeld = false;
}

}  // namespace fw
