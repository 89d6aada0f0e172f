// Help -> "Odds and Payouts": the machine's exact chances and returns, in the
// odds window, and the way its figures are written.
#pragma once

#include <string>

#include "machine/machine.h"
#include "platform/odds_report.h"

namespace fw {

// Opens the odds window with the figures of where the machine stands.
void mnuOdds_Click(Machine& m);

// After every event: while the odds window is open, works its figures out
// afresh when what they depend on has changed (the reels after a game, the
// holds, the Mania period, the theme).
void RefreshOdds(Machine& m);

// A chance as one game in so many: "1 in 8.89", "1 in 26.7", "1 in 1000";
// "never" for 0.
std::string OneIn(const Rational& chance);
// A fraction as a percentage with one decimal, or two figures that are not 0
// below 1 %: "148.5 %", "0.037 %".
std::string Percent(const Rational& share);
// "297/200", or "3" for a whole number.
std::string FractionText(const Rational& r);

}  // namespace fw
