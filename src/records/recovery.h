// The run record: the current run as a quit would enter it, kept beside the
// settings after every game and every change of name, so that a run that ends
// without a quit (a crash, a kill, a power cut, a lost display) is entered into
// the high-score list at the next start. A run suspended when its page was left
// (a browser tab hidden or closed) is marked so: the next start resumes it as it
// stood, credits in the machine and play time included.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "machine/machine.h"
#include "platform/settings_store.h"

namespace fw {

// A run as its record holds it: the row a quit would enter, the machine's part
// of it (credits, reels, holds), and whether the run was suspended rather than
// cut short.
struct RunRecord : ScoreRecord, RunState {
    bool Suspended = false;
};

// The record as text, in the keys of a high-score row, and back: nothing when
// the text is not one whole record. The machine's part and the suspension are
// keys of their own, written only when there is something to say, so that a
// record of an empty machine reads in versions that know only the row's keys.
std::string RunRecordText(const ScoreRecord& run, const RunState& state = {}, bool suspended = false);
std::optional<RunRecord> ParseRunRecord(const std::string& text);
// The machine's part of the run as it stands.
RunState CurrentRunState(const Machine& m);

// During play, after a game or an event that changed the run: writes the run
// record when the run has changed since it was last tried. A record that cannot
// be written is tried again at the next change, and the player is told once per
// kind of failure.
void KeepRunRecord(Machine& m);
// Writes the run record now, with the play time of this moment, and tells no
// one; false, with why, when it could not be written. A suspended run is
// marked so.
bool WriteRunRecordNow(Machine& m, WriteFailure& failure, bool suspended = false);
// The page is left (a browser tab hidden or closed): writes the run record as
// a suspended run. Between events that is the run as it stands; during one (a
// game under way) the run as it was last kept, before the event began.
bool SuspendRun(Machine& m, WriteFailure& failure);
// The player's words for a save that failed: what failed, that the old
// records are unchanged, and what to do.
std::string SaveFailureText(const WriteFailure& failure);
// At start-up, once the settings are loaded: a record left behind means the
// last run ended without a quit. A suspended run becomes the current run again,
// silently, and comes back for the start-up to show; its record stays until the
// run changes. Any other run enters the list as the quit would have entered it,
// the settings are stored, the record goes; notes gets what the player must be
// told.
std::optional<RunRecord> RecoverLastRun(Machine& m, std::vector<std::string>& notes);
// After the quit has saved the settings: the record is no longer needed.
void ForgetRunRecord(Machine& m);

}  // namespace fw
