// The settings, the high-score list and its statistics in the settings store.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "machine/machine.h"
#include "platform/settings_store.h"

namespace fw {

// Reads the preferences and the score table once at start-up.
void LoadSettings(Machine& m);
// Writes them once at quit, entering the finished run into the list first.
// Returns false, with the reason, when the store could not be written.
bool SaveSettings(Machine& m, WriteFailure& failure);
// Writes the preferences and the ten rows as they are, and makes them durable.
bool WriteSettings(Machine& m, WriteFailure& failure);
// Puts the current run into the high-score list at its place.
void EnterHighScore(Machine& m);
// The current run as a quit at this moment enters it: row 0 with the play time so far.
ScoreRecord CurrentRun(Machine& m);
// Puts a finished run into the high-score list at its place: above the first
// row whose score is not greater; nowhere when every row's is.
void EnterRun(RecordState& records, const ScoreRecord& run);
// Restores the default high-score list with zero statistics.
void ResetHighScoreList(Machine& m);

// The section of high-score row n (1..10): "High-01" .. "High-10".
std::string HighSection(int n);
// The key of statistic k (0..11): "Stat-00" .. "Stat-11".
std::string StatKey(int k);

// Where a stored number of the records must lie to be taken as it is.
struct StoredRange {
    long long lo = 0;
    long long hi = 0;
    bool clamps = false;  // a 32-bit value beyond it is brought within it, not replaced by the default
};
// The range of a number the records keep (section, key), or nothing for a key
// that is no number of theirs.
std::optional<StoredRange> StoredNumberRange(const std::string& section, const std::string& key);
// What the game takes of a stored number's text: the number, brought within
// the range where the field clamps, or nothing (its default stands instead).
std::optional<long long> TakenNumber(const StoredRange& range, const std::string& text);

// What reading a settings text would refuse or change, before it is loaded:
// each value that is not taken as it stands, named with its line.
struct RecordsExamined {
    bool holdsRecords = false;         // a setting or a row of the high-score list
    bool holdsList = false;            // a row of the high-score list
    std::vector<std::string> changes;  // "line 7: Score=40000 in [High-03] is more than 32767; ..."
};
RecordsExamined ExamineRecordsText(const std::string& text);

// A plain decimal integer: an optional minus sign and at least one digit,
// nothing else. Anything else is not a stored number.
std::optional<long long> ParseDecimal(const std::string& text);
// The first count characters of a UTF-8 text.
std::string CutCharacters(const std::string& text, std::size_t count);
// A name as the machine keeps it, wherever it comes from (typed, pasted, the
// settings file, the run record): without control characters (a line break
// pasted with it, a tab, DEL, the C1 controls), then cut to kNameLength.
std::string CleanName(const std::string& text);

}  // namespace fw
