#include "records/settings.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>
#include <utility>

#include "platform/ini_text.h"
#include "platform/words.h"
#include "presentation/themes.h"
#include "records/data_tables.h"

namespace fw {

std::optional<long long> ParseDecimal(const std::string& text) {
    std::size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
    if (i == text.size() || text.size() - i > 18) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return text[0] == '-' ? -value : value;
}

std::string CutCharacters(const std::string& text, std::size_t count) {
    std::size_t bytes = 0;
    for (std::size_t chars = 0; bytes < text.size() && chars < count; ++chars) NextUtf8(text, bytes);
    return text.substr(0, bytes);
}

std::string CleanName(const std::string& text) {
    std::string clean;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t at = i;
        const long c = NextUtf8(text, i);
        // Bytes that are no UTF-8 (a damaged run record) go, and so do the
        // control characters: C0, DEL and C1.
        if (c >= 0x20 && (c < 0x7F || c > 0x9F)) clean.append(text, at, i - at);
    }
    return CutCharacters(clean, kNameLength);
}

std::optional<StoredRange> StoredNumberRange(const std::string& section, const std::string& key) {
    constexpr StoredRange int16{-32768, 32767};
    // Counts and times are never negative: a negative one does not fit.
    constexpr StoredRange count{0, kIntegerMax};
    if (section == "GameCfg") {
        if (key == "Sound" || key == "ThmNr") return int16;
        // A theme number below 1 names no theme.
        if (key == "Theme") return StoredRange{1, kIntegerMax};
        // Larger is slower; the setting runs from 0 to 100.
        if (key == "Speed") return StoredRange{0, 100, true};
        if (key == "Volume") return StoredRange{0, kFullVolume};
        // The choices of the configuration's Language list; 0 is the system's language.
        if (key == "Language") return StoredRange{0, kLanguageChoiceLast};
        return std::nullopt;
    }
    if (section.size() != 7 || section.rfind("High-", 0) != 0) return std::nullopt;
    const auto row = ParseDecimal(section.substr(5));
    if (!row || *row < 1 || *row > kListLines || section != HighSection(static_cast<int>(*row)))
        return std::nullopt;
    if (key == "ETime") return StoredRange{0, std::numeric_limits<Long>::max()};
    if (key == "Score" || key == "Played" || key == "Wun") return count;
    for (int k = 0; k < 12; ++k)
        if (key == StatKey(k)) return count;
    return std::nullopt;
}

std::optional<long long> TakenNumber(const StoredRange& range, const std::string& text) {
    const auto value = ParseDecimal(text);
    if (!value) return std::nullopt;
    if (range.clamps && *value >= std::numeric_limits<Long>::min() &&
        *value <= std::numeric_limits<Long>::max())
        return std::clamp(*value, range.lo, range.hi);
    if (*value < range.lo || *value > range.hi) return std::nullopt;
    return value;
}

RecordsExamined ExamineRecordsText(const std::string& text) {
    RecordsExamined examined;
    std::vector<std::pair<int, std::string>> changes;  // in the order of their lines
    IniLines lines;
    const IniValues values = ReadIniText(text, &lines);
    for (const auto& [section, keys] : values) {
        const bool row = StoredNumberRange(section, "Score").has_value();
        if (section != "GameCfg" && !row) continue;  // no section of the records
        for (const auto& [key, value] : keys) {
            const auto range = StoredNumberRange(section, key);
            if (!range && key != "Name") continue;
            examined.holdsRecords = true;
            examined.holdsList = examined.holdsList || row;
            const int line = lines[section][key];
            // Translators: %1 the line's number, %2 the setting as it stands ("Score=40000"), %3 its
            // section, %4 what the game does with it.
            const std::string where = Tr("records", "line %1: %2 in [%3] %4");
            const std::string n = std::to_string(line), setting = key + "=" + value;
            if (!range) {
                const std::string kept = CleanName(value);
                if (kept != value)
                    changes.emplace_back(
                        line,
                        Fill(where, {n, setting, section, Fill(Tr("records", "is cut to \"%1\""), {kept})}));
                continue;
            }
            const auto number = ParseDecimal(value);
            const auto taken = TakenNumber(*range, value);
            if (number && taken == number) continue;
            const std::string lo = std::to_string(range->lo), hi = std::to_string(range->hi);
            const std::string instead = taken ? std::to_string(*taken) : std::string();
            std::string why;
            if (!number)
                why = taken ? Fill(Tr("records", "is not a whole number; %1 takes its place"), {instead})
                            : Tr("records", "is not a whole number; the default takes its place");
            else if (*number < range->lo)
                why = taken ? Fill(Tr("records", "is less than %1; %2 takes its place"), {lo, instead})
                            : Fill(Tr("records", "is less than %1; the default takes its place"), {lo});
            else
                why = taken ? Fill(Tr("records", "is more than %1; %2 takes its place"), {hi, instead})
                            : Fill(Tr("records", "is more than %1; the default takes its place"), {hi});
            changes.emplace_back(line, Fill(where, {n, setting, section, why}));
        }
    }
    std::sort(changes.begin(), changes.end());
    for (auto& change : changes) examined.changes.push_back(std::move(change.second));
    return examined;
}

namespace {

class Reader {
public:
    explicit Reader(Machine& m) : m_(m) {}

    std::string Text(const std::string& section, const std::string& key, const std::string& fallback) {
        return m_.store.GetSetting(section, key, fallback);
    }

    // A stored number as the game takes it (StoredNumberRange); the default
    // when it is missing, not a decimal integer, or out of range. A key the
    // table does not know reads as its default: give every new key its range.
    long long Number(const std::string& section, const std::string& key, long long fallback) {
        const auto range = StoredNumberRange(section, key);
        const auto value =
            range ? TakenNumber(*range, Text(section, key, std::to_string(fallback))) : std::nullopt;
        return value ? *value : fallback;
    }

    std::string Name(const std::string& section, const std::string& fallback) {
        return CleanName(Text(section, "Name", fallback));
    }

private:
    Machine& m_;
};

class Writer {
public:
    explicit Writer(Machine& m) : m_(m) {}
    void Put(const std::string& section, const std::string& key, const std::string& value) {
        m_.store.SaveSetting(section, key, value);
    }
    void Put(const std::string& section, const std::string& key, long long value) {
        Put(section, key, std::to_string(value));
    }

private:
    Machine& m_;
};

struct DefaultRow {
    std::string name;
    Integer score;
};

// The next name and score of the built-in default list.
DefaultRow NextDefaultRow(Machine& m) {
    DefaultRow row;
    row.name = ReadDataItem(m, "HighScoreData").text;
    row.score = ReadDataItem(m, "HighScoreData").integer();
    return row;
}

}  // namespace

std::string HighSection(int n) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "High-%02d", n);
    return buffer;
}

std::string StatKey(int k) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "Stat-%02d", k);
    return buffer;
}

void LoadSettings(Machine& m) {
    Reader read(m);
    m.config.SoundOn = static_cast<Integer>(read.Number("GameCfg", "Sound", 1));
    // A file of an older version has no volume: full.
    m.config.Volume = static_cast<Integer>(read.Number("GameCfg", "Volume", kFullVolume));
    m.themes.ThemeIndex = static_cast<Integer>(read.Number("GameCfg", "Theme", 1));
    const auto savedThemeCount = static_cast<Integer>(read.Number("GameCfg", "ThmNr", 1));
    m.records.ScoreTable[0].Name = read.Name("GameCfg", "NoName");
    m.config.Speed = static_cast<Long>(read.Number("GameCfg", "Speed", 50));
    m.config.Language = static_cast<Integer>(read.Number("GameCfg", "Language", 0));

    for (int n = 1; n <= kListLines; ++n) {
        // The default pair is read for every row, so the table is read through
        // and the shared read position ends where it started.
        const DefaultRow fallback = NextDefaultRow(m);
        const std::string section = HighSection(n);
        ScoreRecord& row = m.records.ScoreTable[n];
        row.Name = read.Name(section, fallback.name);
        row.Score = static_cast<Integer>(read.Number(section, "Score", fallback.score));
        row.ETime = static_cast<Long>(read.Number(section, "ETime", 0));
        row.Played = static_cast<Integer>(read.Number(section, "Played", 0));
        row.Wun = static_cast<Integer>(read.Number(section, "Wun", 0));
        for (int k = 0; k < 12; ++k) row.Stat[k] = static_cast<Integer>(read.Number(section, StatKey(k), 0));
    }

    // The theme files changed since the last run: start with the first theme.
    if (m.themes.ThemeIndex > m.themes.ThemeCount || savedThemeCount != m.themes.ThemeCount)
        m.themes.ThemeIndex = 1;
    m.window.ThemeChecked[m.themes.ThemeIndex] = true;
    m.host.CheckThemeItem(m.themes.ThemeIndex, true);
}

bool WriteSettings(Machine& m, WriteFailure& failure) {
    Writer write(m);
    write.Put("PrgInfo", "Version", m.config.AppVersion);
    write.Put("PrgInfo", "Date", m.config.AppDate);
    write.Put("GameCfg", "Sound", m.config.SoundOn);
    write.Put("GameCfg", "Volume", m.config.Volume);
    write.Put("GameCfg", "Theme", m.themes.ThemeIndex);
    write.Put("GameCfg", "ThmNr", m.themes.ThemeCount);
    write.Put("GameCfg", "Name", m.records.ScoreTable[0].Name);
    write.Put("GameCfg", "Speed", m.config.Speed);
    // The language only once one was chosen: the system's is the default of older files.
    if (m.config.Language != 0 || !m.store.GetSetting("GameCfg", "Language", "").empty())
        write.Put("GameCfg", "Language", m.config.Language);
    for (int n = 1; n <= kListLines; ++n) {
        const std::string section = HighSection(n);
        const ScoreRecord& row = m.records.ScoreTable[n];
        write.Put(section, "Name", row.Name);
        write.Put(section, "Score", row.Score);
        write.Put(section, "ETime", row.ETime);
        write.Put(section, "Played", row.Played);
        write.Put(section, "Wun", row.Wun);
        for (int k = 0; k < 12; ++k) write.Put(section, StatKey(k), row.Stat[k]);
    }
    return m.store.Flush(failure);
}

bool SaveSettings(Machine& m, WriteFailure& failure) {
    if (m.records.ScoreTable[0].Score >= m.records.ScoreTable[kListLines].Score) EnterHighScore(m);
    return WriteSettings(m, failure);
}

ScoreRecord CurrentRun(Machine& m) {
    ScoreRecord run = m.records.ScoreTable[0];
    // The run's play time at this moment, not row 0's ETime (which stays 0).
    run.ETime = PlayTime(m);
    return run;
}

void EnterHighScore(Machine& m) {
    EnterRun(m.records, CurrentRun(m));
}

void EnterRun(RecordState& records, const ScoreRecord& run) {
    auto& table = records.ScoreTable;
    int place = 1;
    while (place <= kListLines && table[place].Score > run.Score) ++place;
    if (place > kListLines) return;

    // Move the rows below the place down by one; the old last row is lost.
    for (int n = kListLines; n > place; --n) table[n] = table[n - 1];
    table[place] = run;
}

void ResetHighScoreList(Machine& m) {
    for (int n = 1; n <= kListLines; ++n) {
        const DefaultRow fallback = NextDefaultRow(m);
        m.records.ScoreTable[n] = ScoreRecord{};
        m.records.ScoreTable[n].Name = fallback.name;
        m.records.ScoreTable[n].Score = fallback.score;
    }
    m.config.ResetHighScores = False;
}

}  // namespace fw
