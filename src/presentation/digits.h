// The money counter: four seven-segment cells under the word TOTAL.
#pragma once

#include "machine/machine.h"

namespace fw {

// The one amount that does not count up: it takes a coin out of the purse.
inline constexpr Integer kTakeOneCoin = 1;

// kTakeOneCoin takes one coin out of the purse and redraws the counter; any
// other amount is counted onto the counter one coin at a time, faster and
// faster, and then added to the purse.
void DrawDigits(Machine& m, Integer amount);
// Shows the purse as it stands, at once: a resumed run's counter.
void ShowPurse(Machine& m);

}  // namespace fw
