// The high-score list and the statistics pages in the display window.
#pragma once

#include "shell/machine.h"

namespace fw {

// The list with the current run placed where a quit now would enter it.
void ShowHighScores(Machine& m);
// The statistics page of a list line (1..10) or of the current run (0).
void ShowStatistics(Machine& m, Integer line);

}  // namespace fw
