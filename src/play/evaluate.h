// Scoring a game: the symbol-2 rule, the pay table and the Mania specials,
// with their lamp shows, the payout and the next game's hold buttons.
#pragma once

#include <array>
#include <string>

#include "machine/machine.h"
#include "play/pay_line.h"

namespace fw {

// What a pay line wins (PayForLine) and the shows it brings.
struct LineScore : LinePay {
    int prizeLamp = 0;  // 0 for 50, 1 for 75, 2 for 100 coins
    bool prizeFlash = false;
    int sirenCount = 0;  // 0 no siren, 4 or 8 turns
};
LineScore ScoreLine(const Machine& m, const std::string& line);
// The coins of the prize lamps 0, 1 and 2.
inline constexpr std::array<Integer, 3> kPrizeLampCoins{50, 75, 100};

void EvaluateWin(Machine& m);
// Turns the siren lamp count times with its sound (8 turns or 4).
void SoundSiren(Machine& m, int count);
// Drops coins into the payout tray and writes the amount there.
void ShowPayout(Machine& m, Integer amount);
// Coin drops for an amount.
int PayoutDrops(int amount);

}  // namespace fw
