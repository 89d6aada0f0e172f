// The hold buttons' lamps under the reels.
#pragma once

#include "machine/machine.h"

namespace fw {

// The two states a hold button's GO lamp can be set to.
inline constexpr int kHoldPossible = 0;  // lit GO: the reel can be held
inline constexpr int kHoldRefused = 1;   // dark GO: it cannot

// Draws reel r's hold button in state s and remembers the state.
void SetHoldLamp(Machine& m, int reel, int state);

}  // namespace fw
