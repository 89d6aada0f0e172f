// The machine in words, for a player who hears it through a screen reader
// instead of seeing it: what the purse and the credits hold, what the display
// window shows (the reels on the pay line and their holds, the high-score
// list, a statistics page, a panel), the Mania period's time left, and the
// keys that do something now. Both editions give it to the screen reader as
// the machine's description and keep it up to date between events.
#pragma once

#include <string>

#include "machine/machine.h"

namespace fw {

// The machine as it stands, in whole sentences of the player's language.
std::string DescribeMachine(const Machine& m);

}  // namespace fw
