// The machine's exact odds: the chance of every prize and the coins returned per
// credit, worked out from the strips, the pay table, the special symbols, the
// spin's step rule and the bonus wheel, as fractions. Nothing here changes the
// machine.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "machine/machine.h"
#include "platform/odds_report.h"
#include "play/pay_line.h"

namespace fw {

// Fractions of 64-bit integers, always in lowest terms with a positive
// denominator. A result that does not fit throws std::overflow_error; a zero
// denominator throws std::domain_error.
Rational MakeRational(std::int64_t num, std::int64_t den = 1);
Rational operator+(const Rational& a, const Rational& b);
Rational operator-(const Rational& a, const Rational& b);
Rational operator*(const Rational& a, const Rational& b);
Rational operator/(const Rational& a, const Rational& b);
bool operator<(const Rational& a, const Rational& b);

// The next game from reel positions `from`, with the reels of `held` held
// (a held spin when any is), in the Mania period or outside it.
GameOdds NextGameOdds(const MachineTables& tables, const std::array<Integer, 3>& from,
                      const std::array<Integer, 3>& held, bool mania);

// One game in the long run of a player who never holds: the reel positions
// follow their stationary law.
GameOdds LongRunOdds(const MachineTables& tables, bool mania);

// The stationary law of the reel positions when nobody holds: the weight of
// positions (p0, p1, p2) at index 400 p0 + 20 p1 + p2, out of the sum of all.
std::vector<std::int64_t> StationaryWeights(const MachineTables& tables);

// The hold choices the next game allows, the first holding none; empty when
// it allows no hold.
std::vector<std::array<Integer, 3>> HoldChoices(const ReelState& reels);

// The figures that depend on the tables alone: the prizes, their pay lines,
// the long run in and outside the Mania period, and the games between two
// top prizes.
OddsReport TableOdds(const MachineTables& tables);
// Every figure at once, from where the machine stands now.
OddsReport WorkOutOdds(const Machine& m);

}  // namespace fw
