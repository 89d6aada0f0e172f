// Holding reels for the next spin.
#pragma once

#include "machine/machine.h"

namespace fw {

// A left press on reel r's hold button: hold or release the reel.
void ToggleHold(Machine& m, int reel);

}  // namespace fw
