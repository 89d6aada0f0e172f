// The machine's 22 sounds, each a recipe that synthesises one raw signal.
#pragma once

#include "dsp.h"

#include <string>
#include <vector>

namespace sfx {

enum class Kind {
    OneShot,  // faded in and out, starts and ends at silence
    Loop,     // periodic over its length: played repeating with no seam
};

struct SoundRecipe {
    std::string file;  // exact file name, case included
    Kind kind;
    double loudnessDb;  // target RMS of the loud part, dBFS
    Signal (*make)();   // raw, un-normalised signal
};

// In sound-number order: 0 Activate.wav .. 21 klonk3.wav.
const std::vector<SoundRecipe>& Bank();

// Exact lengths that the machine's animations rely on.
constexpr double kSirenTurn = 8 * 0.049;  // one lamp turn: 8 frames of 49 ms

}  // namespace sfx
