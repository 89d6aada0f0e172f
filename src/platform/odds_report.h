// What the odds window shows: the machine's exact chances and returns.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace fw {

// An exact fraction, in lowest terms with a positive denominator.
struct Rational {
    std::int64_t num = 0;
    std::int64_t den = 1;
    double value() const { return static_cast<double>(num) / static_cast<double>(den); }
    bool operator==(const Rational&) const = default;
};

inline constexpr int kPrizes = 12;

// The chances of one game's results and what the game returns.
struct GameOdds {
    std::array<Rational, kPrizes> prize{};  // chance of each prize category
    Rational noWin;                         // chance of neither a prize nor a bonus-wheel spin
    Rational wheel;                         // chance of a bonus-wheel spin (only in the Mania period)
    Rational payout;                        // coins the game pays on average, bonus coins included:
                                            // the return per credit
};

// One way of holding reels for the next game.
struct HoldOdds {
    std::array<bool, 3> held{};  // the reels held
    Rational payout;             // coins the next game pays on average with these reels held
    Rational win;                // the chance that it pays at all
    bool best = false;           // no other choice pays more on average (the first such choice)
    bool chosen = false;         // the reels the player holds now
};

struct OddsReport {
    std::array<int, kPrizes> coins{};          // what each prize pays
    std::array<std::string, kPrizes> lines{};  // the pay lines that win each prize, as "3-3-3 3-0-3"
    std::array<Surface, kPrizes> pictures{};   // each prize's pay-table cell in the current theme
    std::vector<std::string> symbols;          // each reel symbol's name in the current theme, by its id
                                               // ("lemon", "symbol 7"); empty: named by id alone
    GameOdds longRun;                          // never holding, outside the Mania period
    Rational gamesBetweenTop;                  // mean games from one 100-coin prize to the next
    GameOdds longRunMania;                     // never holding, the Mania period running all along
    bool mania = false;                        // the Mania period runs now
    GameOdds nextGame;                         // from where the reels stand, holding none
    std::vector<HoldOdds> holds;               // the choices the next game allows, the first holding
                                               // none; empty when it allows no hold
};

}  // namespace fw
