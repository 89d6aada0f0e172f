// The high-score list and the statistics pages in the display window.
#pragma once

#include "machine/machine.h"

namespace fw {

// The list with the current run placed where a quit now would enter it.
void ShowHighScores(Machine& m);
// The statistics page of a list line (1..10) or of the current run (0).
void ShowStatistics(Machine& m, Integer line);
// Every second while the statistics page of the current run shows: the live play time.
void tmrElapsedTime_Timer(Machine& m);

}  // namespace fw
