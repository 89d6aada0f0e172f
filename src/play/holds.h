// The hold buttons under the reels.
#pragma once

#include "shell/machine.h"

namespace fw {

// Draws reel r's hold button in state s (0 lit GO: the reel can be held; 1
// dark GO: it cannot) and remembers the state.
void SetHoldLamp(Machine& m, int reel, int state);
// A left press on reel r's hold button: hold or release the reel.
void ToggleHold(Machine& m, int reel);

}  // namespace fw
