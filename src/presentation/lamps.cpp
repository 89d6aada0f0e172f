#include "presentation/lamps.h"

#include "machine/screen.h"

namespace fw {

void SetHoldLamp(Machine& m, int reel, int state) {
    BitBlt(m.hdcScreen, places::HoldButton(reel), m.hdcSprites, cells::HoldGo(state));
    m.HoldLamp[reel] = static_cast<Integer>(state);
}

}  // namespace fw
