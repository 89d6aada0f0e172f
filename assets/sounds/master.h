// Mastering: fades, loudness and peak, the same for every sound of the bank.
#pragma once

#include "bank.h"
#include "dsp.h"

namespace sfx {

struct Levels {
    double peakDb;     // dBFS
    double loudDb;     // RMS of the loud part, dBFS
    double limitedDb;  // how far the limiter had to pull the loudest peak down
};

constexpr double kCeilingDb = -3.0;     // no sample above this
constexpr double kMaxLimitingDb = 4.0;  // beyond this a sound is left quieter instead

// RMS over the 20 ms windows that lie within 20 dB of the loudest window.
double LoudRms(const Signal& s);

// One-shots: 3 ms fade in, 15 ms fade out to exact silence. Loops: untouched
// at the ends (they are periodic). Then both are brought to their loudness
// target and held under the ceiling by a smooth look-ahead limiter (circular
// for loops, so the seam stays clean).
Levels Master(Signal& s, Kind kind, double loudnessDb);

}  // namespace sfx
