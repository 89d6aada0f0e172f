// The run record: the current run as a quit would enter it, kept beside the
// settings after every game and every change of name, so that a run that ends
// without a quit (a crash, a kill, a power cut, a lost display) is entered into
// the high-score list at the next start.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "machine/machine.h"

namespace fw {

// The record as text, in the keys of a high-score row, and back: nothing when
// the text is not one whole record.
std::string RunRecordText(const ScoreRecord& run);
std::optional<ScoreRecord> ParseRunRecord(const std::string& text);

// Writes the run record when the run has changed since it was last written;
// force writes it anyway, with the play time of this moment.
void KeepRunRecord(Machine& m, bool force = false);
// At start-up, once the settings are loaded: a record left behind means the
// last run ended without a quit. Its run enters the list as the quit would have
// entered it, the settings are stored, the record goes; notes gets what the
// player must be told.
void RecoverLastRun(Machine& m, std::vector<std::string>& notes);
// After the quit has saved the settings: the record is no longer needed.
void ForgetRunRecord(Machine& m);

}  // namespace fw
