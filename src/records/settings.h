// The settings, the high-score list and its statistics in the settings store.
#pragma once

#include <string>

#include "machine/machine.h"

namespace fw {

// Reads the preferences and the score table once at start-up.
void LoadSettings(Machine& m);
// Writes them once at quit, entering the finished run into the list first.
// Returns false, with the reason, when the store could not be written.
bool SaveSettings(Machine& m, std::string& error);
// Puts the current run into the high-score list at its place.
void EnterHighScore(Machine& m);
// Restores the default high-score list with zero statistics.
void ResetHighScoreList(Machine& m);

// The section of high-score row n (1..10): "High-01" .. "High-10".
std::string HighSection(int n);
// The key of statistic k (0..11): "Stat-00" .. "Stat-11".
std::string StatKey(int k);

}  // namespace fw
