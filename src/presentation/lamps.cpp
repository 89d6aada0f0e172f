#include "presentation/lamps.h"

#include "machine/screen.h"

namespace fw {

void SetHoldLamp(Machine& m, int reel, int state) {
    BitBlt(m.display.hdcScreen, places::HoldButton(reel), m.display.hdcSprites, cells::HoldGo(state));
    m.reels.HoldLamp[reel] = static_cast<Integer>(state);
}

}  // namespace fw
