#include "play/holds.h"

#include "machine/screen.h"
#include "presentation/lamps.h"
#include "sound/sound_bank.h"

namespace fw {

void ToggleHold(Machine& m, int reel) {
    if (m.reels.HoldLamp[reel] != kHoldPossible) {
        PlaySfx(m, Sfx::Wrong, SfxMode::Once);
        Notice(m, m.reels.WinLock[reel] == 1 ? Refusal::WinKeepsReel : Refusal::TwoHeld);
        return;
    }
    if (m.reels.Held[reel] == 0) {
        BitBlt(m.display.hdcScreen, places::HoldButton(reel), m.display.hdcSprites, cells::HoldStop);
        PlaySfx(m, Sfx::Click, SfxMode::Once);
        m.reels.Held[reel] = 1;
        // The second held reel makes the third unavailable, unless a locking
        // win has already set the buttons.
        if (m.reels.HoldCount == 1 && m.reels.WinFlag == False) {
            for (int i = 0; i < 3; ++i) {
                if (m.reels.Held[i] == 0) SetHoldLamp(m, i, kHoldRefused);
            }
        }
        ++m.reels.HoldCount;
        Notice(m, Happening::Held, reel);
    } else {
        BitBlt(m.display.hdcScreen, places::HoldButton(reel), m.display.hdcSprites, cells::HoldGoLit);
        PlaySfx(m, Sfx::Click, SfxMode::Once);
        if (m.reels.WinFlag == False) {
            for (int i = 0; i < 3; ++i) {
                if (m.reels.Held[i] == 0) SetHoldLamp(m, i, kHoldPossible);
            }
        }
        m.reels.Held[reel] = 0;
        --m.reels.HoldCount;
        Notice(m, Happening::Released, reel);
    }
}

}  // namespace fw
