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

// What a pay line of three symbols wins, scored as EvaluateWin scores it but
// without moving the pay line's read position.
struct LinePay {
    int category = -1;   // the prize category counted, -1 for none
    Integer payout = 0;  // coins, before any bonus-wheel coins
    bool wheel = false;  // a special symbol in the Mania period: the bonus wheel spins
};
LinePay PayForLine(const Machine& m, const std::array<Integer, 3>& symbols, bool mania);

// The next game from reel positions `from`, with the reels of `held` held
// (a held spin when any is), in the Mania period or outside it.
GameOdds NextGameOdds(const Machine& m, const std::array<Integer, 3>& from,
                      const std::array<Integer, 3>& held, bool mania);

// One game in the long run of a player who never holds: the reel positions
// follow their stationary law.
GameOdds LongRunOdds(const Machine& m, bool mania);

// The stationary law of the reel positions when nobody holds: the weight of
// positions (p0, p1, p2) at index 400 p0 + 20 p1 + p2, out of the sum of all.
std::vector<std::int64_t> StationaryWeights(const Machine& m);

// The hold choices the next game allows, the first holding none; empty when
// it allows no hold.
std::vector<std::array<Integer, 3>> HoldChoices(const Machine& m);

// Every figure at once, from where the machine stands now.
OddsReport WorkOutOdds(const Machine& m);

}  // namespace fw
