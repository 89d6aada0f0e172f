#include "records/recovery.h"

#include <limits>
#include <map>
#include <sstream>

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
std::string ItsCoins(int n) {
    return "its " + std::to_string(n) + (n == 1 ? " coin was" : " coins were");
}

}  // namespace

std::string RunRecordText(const ScoreRecord& run) {
    std::string name = run.Name;
    for (char& c : name) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    std::ostringstream out;
    out << kHeader << "\nName=" << name << "\nScore=" << run.Score << "\nETime=" << run.ETime
        << "\nPlayed=" << run.Played << "\nWun=" << run.Wun << "\n";
    for (int k = 0; k < 12; ++k) out << StatKey(k) << "=" << run.Stat[k] << "\n";
    out << kTrailer << "\n";
    return out.str();
}

std::optional<ScoreRecord> ParseRunRecord(const std::string& text) {
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
    if (!ended || values.size() != 17) return std::nullopt;

    bool whole = true;
    auto number = [&](const std::string& key, long long lo, long long hi) -> long long {
        const auto it = values.find(key);
        const auto value = it == values.end() ? std::nullopt : ParseDecimal(it->second);
        if (!value || *value < lo || *value > hi) whole = false;
        return whole ? *value : 0;
    };
    ScoreRecord run;
    const auto name = values.find("Name");
    if (name == values.end()) return std::nullopt;
    run.Name = CleanName(name->second);
    run.Score = static_cast<Integer>(number("Score", -32768, 32767));
    run.ETime = static_cast<Long>(number("ETime", 0, std::numeric_limits<Long>::max()));
    run.Played = static_cast<Integer>(number("Played", 0, 32767));
    run.Wun = static_cast<Integer>(number("Wun", 0, 32767));
    for (int k = 0; k < 12; ++k) run.Stat[k] = static_cast<Integer>(number(StatKey(k), 0, 32767));
    if (!whole) return std::nullopt;
    return run;
}

void KeepRunRecord(Machine& m, bool force) {
    // The record holds an earlier run that the settings could not take: keep it.
    if (m.RunRecordHeld) return;
    if (!force && SameRun(m.ScoreTable[0], m.KeptRun)) return;
    m.KeptRun = CurrentRun(m);
    // A record that cannot be written is tried again at the run's next change;
    // the quit still saves the run.
    std::string error;
    m.store.WriteRunRecord(RunRecordText(m.KeptRun), error);
}

void RecoverLastRun(Machine& m, std::vector<std::string>& notes) {
    const auto text = m.store.ReadRunRecord();
    if (!text) return;
    const auto run = ParseRunRecord(*text);
    if (!run) {
        const std::string aside = m.store.KeepRunRecordAside();
        if (aside.empty()) {
            // It cannot even be moved: leave it where it is, unchanged.
            m.RunRecordHeld = true;
            notes.push_back(
                "The record of your last run could not be read, nor moved aside; it was left as it is.");
        } else {
            notes.push_back("The record of your last run could not be read; it was kept as \"" + aside +
                            "\".");
        }
        return;
    }
    for (int n = 1; n <= 10; ++n) {
        // The quit that wrote this record saved the settings but ended before it
        // could remove the record: the run is in the list already.
        if (SameRow(m.ScoreTable[n], *run)) {
            m.store.RemoveRunRecord();
            return;
        }
    }

    const bool enters = run->Score >= m.ScoreTable[10].Score;
    if (enters) EnterRun(m, *run);
    m.ScoreTable[0].Name = run->Name;
    const std::string what =
        "Your last run ended unexpectedly; " + ItsCoins(run->Score) +
        (enters ? " entered in the high-score list." : " too few for the high-score list.");
    std::string error;
    if (!WriteSettings(m, error)) {
        // Keep the record until the settings hold it: a quit that saves stores it.
        m.RunRecordHeld = true;
        notes.push_back(
            what + " The settings could not be saved, so its record was kept for the next start. " + error);
        return;
    }
    m.store.RemoveRunRecord();
    notes.push_back(what);
}

void ForgetRunRecord(Machine& m) {
    m.store.RemoveRunRecord();
    m.RunRecordHeld = false;
}

}  // namespace fw
