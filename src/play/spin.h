// The lever and the spinning reels.
#pragma once

#include <array>

#include "machine/machine.h"

namespace fw {

// Plays the lever sound and pulls the lever down and lets it back up.
void PullLever(Machine& m);
// Turns the reels, held or in cascade, stops them left to right, and writes
// the three visible rows into LineText.
void SpinReels(Machine& m);

// The number of steps a reel turns beyond the previous stop, 7..25, from a
// uniform number u in [0, 1).
int StepCountFor(double u);

// Reseeds the generator and draws the step counts of the reels that are not
// held (held reels get 0).
std::array<int, 3> DrawStepCounts(Machine& m);

// Where the reels stop, from where they stand, their step counts and the holds:
// in a cascade reel k turns the sum of (steps + 1) of reels 0..k; in a held spin
// each free reel turns the sum over the free reels up to it.
std::array<Integer, 3> StopPositions(const std::array<Integer, 3>& from, const std::array<int, 3>& stepCount,
                                     const std::array<Integer, 3>& held);

}  // namespace fw
