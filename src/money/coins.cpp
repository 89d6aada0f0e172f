#include "money/coins.h"

#include "play/frame_delay.h"
#include "play/holds.h"
#include "presentation/bitmap_text.h"
#include "presentation/digits.h"
#include "shell/form.h"
#include "shell/transitions.h"
#include "sound/sound_bank.h"

namespace fw {

bool Inside(const Cell& area, float x, float y) {
    return x >= area.x && x <= area.x + area.w - 1 && y >= area.y && y <= area.y + area.h - 1;
}

void imgMoneyPile_MouseDown(Machine& m, int button) {
    if (m.ScreenMode != kModeReels) return;
    if (m.ScoreTable[0].Score <= 0) {
        if (m.Credits == 0) {
            ShowOutOfCoins(m);
        } else {
            PlaySfx(m, kSfxWrong, 0);
        }
        return;
    }
    PlaySfx(m, kSfxPick, 0);
    // A stack always counts five: the drop decides how many really move.
    m.CoinsInHand = button == 1 ? 1 : 5;
    m.host.SetDragIcon(button == 1 ? DragIcon::OneCoin : DragIcon::FiveCoins);
    m.DragActive = true;
}

void imgMoneySlot_DragDrop(Machine& m) {
    m.host.SetPointer(Pointer::Default);
    if (m.Credits > 9) {
        PlaySfx(m, kSfxWrong, 0);
        return;
    }
    // The coin spins in the slot's window and comes to rest.
    for (int i = 0; i < 7; ++i) {
        BitBlt(m.hdcScreen, 229, 77, 16, 15, m.hdcSprites, 410 + 16 * (i % 3), 53);
        Pause(m, 60);
    }
    BitBlt(m.hdcScreen, 229, 77, 16, 15, m.hdcSprites, 458, 53);
    Pause(m, 50);
    PlaySfx(m, kSfxPay, 0);
    Pause(m, 205);

    if (m.Credits == 0) {
        // The machine was empty: it wakes up.
        BitBlt(m.hdcScreen, 221, 67, 31, 3, m.hdcSprites, 337, 218);
        PlaySfx(m, kSfxActivate, 0);
        if (m.HoldAllowed == True) {
            for (int r = 0; r < 3; ++r) SetHoldLamp(m, r, m.WinLock[r] != 0 ? 1 : 0);
        }
    }

    if (m.CoinsInHand == 1) {
        if (m.ScoreTable[0].Score >
            0) {  // the purse cannot have emptied since the pick-up, but never go below 0
            AdjustCredits(m, True);
            DrawDigits(m, 1);
        }
    } else {
        for (int i = 0; i < 5; ++i) {
            if (m.ScoreTable[0].Score > 0 && m.Credits < 10) {
                DrawDigits(m, 1);
                AdjustCredits(m, True);
            }
        }
    }
    SaveScreen(m);
}

void Form_DragDrop(Machine& m, float x, float y) {
    m.host.SetPointer(Pointer::Default);
    const bool single = m.CoinsInHand == 1;
    const int w = single ? 16 : 28;
    const int half = single ? 7 : 14;
    const int pictureX = single ? 274 : 306;
    const int maskX = pictureX + w;
    constexpr int kStoreX = 362, kStoreY = 289;

    double fall = y;
    const int left = Whole(x - half);
    BitBlt(m.hdcSprites, kStoreX, kStoreY, w, 15, m.hdcScreen, left, Whole(fall - 7));
    int previous = Whole(fall);
    do {
        BitBlt(m.hdcScreen, left, previous - 7, w, 15, m.hdcSprites, kStoreX, kStoreY);
        fall += 2;
        const int top = Whole(fall - 7);
        BitBlt(m.hdcSprites, kStoreX, kStoreY, w, 15, m.hdcScreen, left, top);
        BitBlt(m.hdcScreen, left, top, w, 15, m.hdcSprites, maskX, 238, Rop::SrcAnd);
        BitBlt(m.hdcScreen, left, top, w, 15, m.hdcSprites, pictureX, 238, Rop::SrcInvert);
        previous = Whole(fall);
        FrameDelay(m, m.Speed * 1500);
    } while (fall < 263);
    PlaySfx(m, kSfxCoin, 0);
}

void AdjustCredits(Machine& m, Boolean add) {
    if (add == True) {
        if (m.Credits >= 10) return;
        BitBlt(m.hdcScreen, 214 - 6 * m.Credits, 67, 4, 3, m.hdcSprites, 274, 293);
        ++m.Credits;
    } else {
        if (m.Credits <= 0) return;
        --m.Credits;
        BitBlt(m.hdcScreen, 214 - 6 * m.Credits, 67, 4, 3, m.hdcSprites, 278, 293);
    }
}

void ShowOutOfCoins(Machine& m) {
    BitBlt(m.hdcCompose, 83, 71, 137, 98, m.hdcSprites, 0, 120);
    PlaySfx(m, kSfxNoMoney, 0);
    InterlaceWipe(m, 1);
    m.ScreenMode = kModeOutOfCoins;
}

}  // namespace fw
