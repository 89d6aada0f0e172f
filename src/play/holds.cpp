#include "play/holds.h"

#include "machine/screen.h"
#include "presentation/lamps.h"
#include "sound/sound_bank.h"

namespace fw {

void ToggleHold(Machine& m, int reel) {
    if (m.HoldLamp[reel] != kHoldPossible) {
        PlaySfx(m, Sfx::Wrong, SfxMode::Once);
        return;
    }
    if (m.Held[reel] == 0) {
        BitBlt(m.hdcScreen, places::HoldButton(reel), m.hdcSprites, cells::HoldStop);
        PlaySfx(m, Sfx::Click, SfxMode::Once);
        m.Held[reel] = 1;
        // The second held reel makes the third unavailable, unless a locking
        // win has already set the buttons.
        if (m.HoldCount == 1 && m.WinFlag == False) {
            for (int i = 0; i < 3; ++i) {
                if (m.Held[i] == 0) SetHoldLamp(m, i, kHoldRefused);
            }
        }
        ++m.HoldCount;
    } else {
        BitBlt(m.hdcScreen, places::HoldButton(reel), m.hdcSprites, cells::HoldGoLit);
        PlaySfx(m, Sfx::Click, SfxMode::Once);
        if (m.WinFlag == False) {
            for (int i = 0; i < 3; ++i) {
                if (m.Held[i] == 0) SetHoldLamp(m, i, kHoldPossible);
            }
        }
        m.Held[reel] = 0;
        --m.HoldCount;
    }
}

}  // namespace fw
