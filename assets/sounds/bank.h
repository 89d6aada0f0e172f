// The machine's 22 sounds, each a recipe that synthesises one raw signal.
#pragma once

#include "dsp.h"
#include "machine/sounds.h"

#include <string>
#include <vector>

namespace sfx {

enum class Kind {
    OneShot,  // faded in and out, starts and ends at silence
    Loop,     // periodic over its length: played repeating with no seam
};

struct SoundRecipe {
    fw::Sfx sound;  // the sound it makes; its file comes from the sound list
    Kind kind;
    double loudnessDb;  // target RMS of the loud part, dBFS
    Signal (*make)();   // raw, un-normalised signal
};

// One recipe for every sound of the sound list.
const std::vector<SoundRecipe>& Bank();

// Exact lengths that the machine's animations rely on.
constexpr double kSirenTurn = 8 * 0.049;  // one lamp turn: 8 frames of 49 ms

}  // namespace sfx
