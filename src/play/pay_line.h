// What a pay line pays: the one rule that the game, the odds and the tests
// score a line by. The game adds its lamps, sirens and payout on top.
#pragma once

#include <array>
#include <string>

#include "machine/machine.h"

namespace fw {

struct LinePay {
    int category = -1;                 // the prize category counted, -1 for none
    Integer payout = 0;                // coins, before any bonus-wheel coins
    bool wheel = false;                // a special symbol in the Mania period: the bonus wheel spins
    std::array<Integer, 3> winLock{};  // the reels the win keeps from being held (1)
    bool won() const { return category >= 0 || wheel; }
    bool locks() const { return winLock[0] == 1 || winLock[1] == 1 || winLock[2] == 1; }
};

// The line as the machine writes it: three symbol ids joined by "-" ("9-10-12").
std::string LineText(const std::array<Integer, 3>& symbols);

// The symbol-2 rule on the first characters of the line ("2-2" pays 5 and
// locks reels 0 and 1, a leading "2" pays 2 and locks reel 0), else the pay
// table; in the Mania period every special symbol on the line locks its reel
// and spins the bonus wheel, except on top of a 100-coin prize.
LinePay PayForLine(const MachineTables& tables, const std::string& line, bool mania);

// The prize that starts the Mania period and takes its specials' place.
inline constexpr Integer kTopPrize = 100;

}  // namespace fw
