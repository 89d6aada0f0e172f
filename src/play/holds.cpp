#include "play/holds.h"

#include "sound/sound_bank.h"

namespace fw {

namespace {
constexpr int kStopLookX = 274;
constexpr int kGoLitX = 295;

void DrawButton(Machine& m, int reel, int sheetX) {
    BitBlt(m.hdcScreen, 97 + 44 * reel, 180, 21, 11, m.hdcSprites, sheetX, 218);
}
}  // namespace

void SetHoldLamp(Machine& m, int reel, int state) {
    DrawButton(m, reel, kGoLitX + 21 * state);
    m.HoldLamp[reel] = static_cast<Integer>(state);
}

void ToggleHold(Machine& m, int reel) {
    if (m.HoldLamp[reel] != 0) {
        PlaySfx(m, kSfxWrong, 0);
        return;
    }
    if (m.Held[reel] == 0) {
        DrawButton(m, reel, kStopLookX);
        PlaySfx(m, kSfxClick, 0);
        m.Held[reel] = 1;
        // The second held reel makes the third unavailable, unless a locking
        // win has already set the buttons.
        if (m.HoldCount == 1 && m.WinFlag == False) {
            for (int i = 0; i < 3; ++i) {
                if (m.Held[i] == 0) SetHoldLamp(m, i, 1);
            }
        }
        ++m.HoldCount;
    } else {
        DrawButton(m, reel, kGoLitX);
        PlaySfx(m, kSfxClick, 0);
        if (m.WinFlag == False) {
            for (int i = 0; i < 3; ++i) {
                if (m.Held[i] == 0) SetHoldLamp(m, i, 0);
            }
        }
        m.Held[reel] = 0;
        --m.HoldCount;
    }
}

}  // namespace fw
