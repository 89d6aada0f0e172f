// The Mania period: 140 seconds of bonus play, its clock and the bonus wheel.
#pragma once

#include "machine/machine.h"

namespace fw {

// The period lasts this many ticks of its clock, which ticks every ten seconds.
inline constexpr int kManiaTicks = 14;
inline constexpr int kManiaTickMs = 10000;

// Starts (or restarts) the period.
void StartMania(Machine& m);
// Every 10 seconds while the period runs; the 14th tick ends it.
void tmrMultiCheck_Timer(Machine& m);
// Circles the wheel's light and adds 20, 30, 40 or 50 coins to LastWin.
void SpinBonusWheel(Machine& m);

// Where the wheel's light stops, 0..3, for a uniform number u in [0, 1).
int WheelStopFor(double u);
// The coins the wheel adds when its light stops at position k: 20, 30, 40 or 50.
Integer WheelCoins(int k);

}  // namespace fw
