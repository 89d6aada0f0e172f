// Scoring a game: the symbol-2 rule, the pay table and the Mania specials,
// with their lamp shows, the payout and the next game's hold buttons.
#pragma once

#include <array>
#include <string>

#include "machine/machine.h"

namespace fw {

// What a pay line wins, before any show: the symbol-2 rule, the pay table,
// and in the Mania period the special symbols.
struct LineScore {
    bool won = false;
    int category = -1;     // the prize category counted, -1 for none (a special hit alone)
    Integer payout = 0;    // coins, before any bonus-wheel coins
    bool winFlag = false;  // the win locks reels against holding
    std::array<Integer, 3> winLock{};
    int prizeLamp = 0;  // 0 for 50, 1 for 75, 2 for 100 coins
    bool prizeFlash = false;
    int sirenCount = 0;  // 0 no siren, 4 or 8 turns
    bool specialHit = false;
};
LineScore ScoreLine(Machine& m, const std::string& line);

void EvaluateWin(Machine& m);
// The next symbol id of a line text such as "9-10-12"; the read position is
// kept between calls and returns to the start after the last id.
std::string NextLineToken(Machine& m, const std::string& text);
// Turns the siren lamp count times with its sound (8 turns or 4).
void SoundSiren(Machine& m, int count);
// Drops coins into the payout tray and writes the amount there.
void ShowPayout(Machine& m, Integer amount);
// Coin drops for an amount.
int PayoutDrops(int amount);

}  // namespace fw
