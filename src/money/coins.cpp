#include "money/coins.h"

#include "machine/frame_delay.h"
#include "machine/screen.h"
#include "presentation/bitmap_text.h"
#include "presentation/digits.h"
#include "presentation/lamps.h"
#include "sound/sound_bank.h"

namespace fw {

void imgMoneyPile_MouseDown(Machine& m, int button) {
    if (m.display.ScreenMode != Screen::Reels) return;
    if (m.records.ScoreTable[0].Score <= 0) {
        if (m.purse.Credits == 0) {
            ShowOutOfCoins(m);
        } else {
            PlaySfx(m, Sfx::Wrong, SfxMode::Once);
            Notice(m, Refusal::PlayCredits);
        }
        return;
    }
    PlaySfx(m, Sfx::Pick, SfxMode::Once);
    // A stack always counts five: the drop decides how many really move.
    m.purse.CoinsInHand = button == 1 ? 1 : 5;
    m.host.SetDragIcon(button == 1 ? DragIcon::OneCoin : DragIcon::FiveCoins);
    m.window.DragActive = true;
}

void imgMoneySlot_DragDrop(Machine& m) {
    m.host.SetPointer(Pointer::Default);
    if (m.purse.Credits >= kMaxCredits) {
        PlaySfx(m, Sfx::Wrong, SfxMode::Once);
        Notice(m, Refusal::CreditsFull);
        return;
    }
    // The coin spins in the slot's window and comes to rest.
    for (int i = 0; i < 7; ++i) {
        BitBlt(m.display.hdcScreen, places::CoinWindow, m.display.hdcSprites,
               cells::SpinningCoin(i % cells::kSpinningCoinFrames));
        Pause(m, 60);
    }
    BitBlt(m.display.hdcScreen, places::CoinWindow, m.display.hdcSprites, cells::CoinAtRest);
    Pause(m, 50);
    PlaySfx(m, Sfx::Pay, SfxMode::Once);
    Pause(m, 205);

    if (m.purse.Credits == 0) {
        // The machine was empty: it wakes up.
        BitBlt(m.display.hdcScreen, places::CreditStrip, m.display.hdcSprites, cells::CreditStripLit);
        PlaySfx(m, Sfx::Activate, SfxMode::Once);
        if (m.reels.HoldAllowed == True) {
            for (int r = 0; r < 3; ++r)
                SetHoldLamp(m, r, m.reels.WinLock[r] != 0 ? kHoldRefused : kHoldPossible);
        }
    }

    if (m.purse.CoinsInHand == 1) {
        // The purse cannot have emptied since the pick-up, but never go below 0.
        if (m.records.ScoreTable[0].Score > 0) {
            AdjustCredits(m, True);
            DrawDigits(m, kTakeOneCoin);
        }
    } else {
        for (int i = 0; i < 5; ++i) {
            if (m.records.ScoreTable[0].Score > 0 && m.purse.Credits < kMaxCredits) {
                DrawDigits(m, kTakeOneCoin);
                AdjustCredits(m, True);
            }
        }
    }
    SaveScreen(m);
    Notice(m, Happening::CoinsIn);
}

void Form_DragDrop(Machine& m, float x, float y) {
    m.host.SetPointer(Pointer::Default);
    const bool single = m.purse.CoinsInHand == 1;
    const Cell picture = single ? cells::FallingCoin : cells::FallingStack;
    const Cell mask = single ? cells::FallingCoinMask : cells::FallingStackMask;
    // What the coin covers is kept in the scratch cell, as wide as the picture.
    const Cell under{cells::ScratchFallingCoin.x, cells::ScratchFallingCoin.y, picture.w, picture.h};
    // The pointer holds the picture at this pixel.
    const int halfW = single ? places::kFallingCoinHoldX : places::kFallingStackHoldX;
    const int halfH = places::kFallingHoldY;

    double fall = y;
    const int left = Whole(x - halfW);
    BitBlt(m.display.hdcSprites, under.x, under.y, under.w, under.h, m.display.hdcScreen, left,
           Whole(fall - halfH));
    int previous = Whole(fall);
    do {
        BitBlt(m.display.hdcScreen, left, previous - halfH, m.display.hdcSprites, under);
        fall += 2;
        const int top = Whole(fall - halfH);
        BitBlt(m.display.hdcSprites, under.x, under.y, under.w, under.h, m.display.hdcScreen, left, top);
        BitBlt(m.display.hdcScreen, left, top, m.display.hdcSprites, mask, Rop::SrcAnd);
        BitBlt(m.display.hdcScreen, left, top, m.display.hdcSprites, picture, Rop::SrcInvert);
        previous = Whole(fall);
        FrameDelay(m, m.config.Speed * 1500);
    } while (fall < places::kFallOutY);
    PlaySfx(m, Sfx::Coin, SfxMode::Once);
}

void AdjustCredits(Machine& m, Boolean add) {
    if (add == True) {
        if (m.purse.Credits >= kMaxCredits) return;
        BitBlt(m.display.hdcScreen, places::CreditLamp(m.purse.Credits), m.display.hdcSprites,
               cells::CreditLampLit);
        ++m.purse.Credits;
    } else {
        if (m.purse.Credits <= 0) return;
        --m.purse.Credits;
        BitBlt(m.display.hdcScreen, places::CreditLamp(m.purse.Credits), m.display.hdcSprites,
               cells::CreditLampDark);
    }
}

void ShowOutOfCoins(Machine& m) {
    // A theme chosen now would wipe the reels over the panel: no theme while it shows.
    EnableMenu(m, MenuId::Theme, false);
    BitBlt(m.display.hdcCompose, places::DisplayWindow, m.display.hdcSprites, cells::OutOfCoinsPanel);
    PlaySfx(m, Sfx::NoMoney, SfxMode::Once);
    InterlaceWipe(m, Wipe::Reveal);
    m.display.ScreenMode = Screen::OutOfCoins;
    Notice(m, Happening::OutOfCoins);
}

}  // namespace fw
