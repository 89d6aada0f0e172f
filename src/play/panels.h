// The one-time offer panel and the continue button of both panels.
#pragma once

#include "machine/machine.h"

namespace fw {

// Opens the offer panel over the reels after the game that reached 1000 coins.
void ShowOfferPanel(Machine& m);
// The right button of the out-of-coins and offer panels: back to the reels,
// with a fresh purse of 20 after the out-of-coins panel.
void ContinuePlay(Machine& m);

}  // namespace fw
