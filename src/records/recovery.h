// The run record: the current run as a quit would enter it, kept beside the
// settings after every game and every change of name, so that a run that ends
// without a quit (a crash, a kill, a power cut, a lost display) is entered into
// the high-score list at the next start.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "machine/machine.h"
#include "platform/settings_store.h"

namespace fw {

// The record as text, in the keys of a high-score row, and back: nothing when
// the text is not one whole record.
std::string RunRecordText(const ScoreRecord& run);
std::optional<ScoreRecord> ParseRunRecord(const std::string& text);

// During play, after a game or an event that changed the run: writes the run
// record when the run has changed since it was last tried. A record that cannot
// be written is tried again at the next change, and the player is told once per
// kind of failure.
void KeepRunRecord(Machine& m);
// Writes the run record now, with the play time of this moment, and tells no
// one; false, with why, when it could not be written.
bool WriteRunRecordNow(Machine& m, WriteFailure& failure);
// The player's words for a save that failed: what failed, that the old
// records are unchanged, and what to do.
std::string SaveFailureText(const WriteFailure& failure);
// At start-up, once the settings are loaded: a record left behind means the
// last run ended without a quit. Its run enters the list as the quit would have
// entered it, the settings are stored, the record goes; notes gets what the
// player must be told.
void RecoverLastRun(Machine& m, std::vector<std::string>& notes);
// After the quit has saved the settings: the record is no longer needed.
void ForgetRunRecord(Machine& m);

}  // namespace fw
