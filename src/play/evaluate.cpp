#include "play/evaluate.h"

#include "machine/screen.h"
#include "money/coins.h"
#include "play/mania.h"
#include "play/pay_line.h"
#include "presentation/bitmap_text.h"
#include "presentation/digits.h"
#include "presentation/lamps.h"
#include "sound/sound_bank.h"

namespace fw {

namespace {

void CountWin(RecordState& records, int category) {
    ScoreRecord& run = records.ScoreTable[0];
    run.Stat[category] = AddCapped(run.Stat[category], 1);
    run.Wun = AddCapped(run.Wun, 1);
}

void FlashBanner(Machine& m) {
    for (int counter = 0; counter < 16; ++counter) {
        BitBlt(m.display.hdcScreen, places::WinnerBanner, m.display.hdcSprites,
               cells::WinnerBanner(counter % cells::kBannerFrames));
        Pause(m, 80);
    }
}

void FlashPrizeLamp(Machine& m, int lamp) {
    for (int i = 0; i < 14; ++i) {
        const Cell look = i % 2 == 0 ? cells::PrizeLampLit(lamp) : cells::PrizeLampDim(lamp);
        BitBlt(m.display.hdcScreen, places::PrizeLamp(lamp), m.display.hdcSprites, look);
        Pause(m, 80);
    }
}

}  // namespace

int PayoutDrops(int amount) {
    if (amount == 2) return 2;
    if (amount == 5) return 5;
    if (amount >= 10 && amount <= 49) return 8;
    if (amount >= 50 && amount <= 99) return 11;
    if (amount >= 100) return 15;
    return 0;
}

void SoundSiren(Machine& m, int count) {
    PlaySfx(m, count == 8 ? Sfx::Siren8 : Sfx::Siren4, SfxMode::Once);
    for (int turn = 0; turn < count; ++turn) {
        for (int k = 0; k < cells::kSirenFrames; ++k) {
            BitBlt(m.display.hdcScreen, places::SirenLamp, m.display.hdcSprites, cells::SirenFrame(k));
            Pause(m, 49);
        }
    }
    BitBlt(m.display.hdcScreen, places::SirenLamp, m.display.hdcSprites, cells::SirenOff);
}

void ShowPayout(Machine& m, Integer amount) {
    const int drops = PayoutDrops(amount);
    for (int i = 0; i < drops; ++i) {
        const int x = static_cast<int>(m.random.Rnd() * places::kPayoutDropSpread) + places::PayoutTray.x;
        for (int k = 0; k < cells::kPayoutFrames; ++k) {
            BitBlt(m.display.hdcScreen, x, places::PayoutTray.y, m.display.hdcSprites, cells::PayoutCoin(k));
            Pause(m, 10);
        }
        Pause(m, 15);
        PlaySfx(m, Sfx::Pay, SfxMode::Once);
    }
    // The amount, centred over the tray: one column left of the window's centre.
    const std::string text = std::to_string(amount);
    const int x = CentredX(static_cast<int>(text.size()), kScreenWidth / 2 - 7);
    DrawBitmapText(m, x, places::kPayoutTextY, text, FontColour::Yellow, m.display.hdcScreen, true);
}

LineScore ScoreLine(const Machine& m, const std::string& line) {
    LineScore score;
    static_cast<LinePay&>(score) = PayForLine(m, line, m.mania.ManiaActive == True);
    // The 50, 75 and 100-coin prizes flash their lamps; the 100 sounds the long
    // siren, a special symbol the short one.
    for (int lamp = 0; lamp < 3; ++lamp) {
        if (score.payout != kPrizeLampCoins[lamp]) continue;
        score.prizeLamp = lamp;
        score.prizeFlash = true;
    }
    if (score.payout == kTopPrize)
        score.sirenCount = 8;
    else if (score.wheel)
        score.sirenCount = 4;
    return score;
}

void EvaluateWin(Machine& m) {
    const LineScore score = ScoreLine(m, m.reels.LineText[1]);
    m.reels.WinLock = score.winLock;
    m.reels.WinFlag = score.locks() ? True : False;
    m.purse.LastWin = score.payout;
    if (score.category >= 0) CountWin(m.records, score.category);

    if (score.sirenCount > 0) SoundSiren(m, score.sirenCount);

    if (score.won()) {
        // Holds stay on offer only after a win that locked reels and paid 5 or less.
        if (m.reels.WinFlag == False || m.purse.LastWin > 5) m.reels.HoldAllowed = False;
        PlaySfx(m, Sfx::WinLow, SfxMode::Once);
        FlashBanner(m);
        if (score.prizeFlash) {
            Pause(m, 100);
            PlaySfx(m, Sfx::WinHigh, SfxMode::Once);
            FlashPrizeLamp(m, score.prizeLamp);
        }
        Pause(m, 150);
    }

    if (score.wheel) SpinBonusWheel(m);
    Notice(m, Happening::Game, m.purse.LastWin - score.payout);

    if (m.purse.LastWin > 0) {
        ShowPayout(m, m.purse.LastWin);
        DrawDigits(m, m.purse.LastWin);
        if (m.purse.OfferShown == False && m.records.ScoreTable[0].Score >= 1000) m.purse.OfferPending = True;
    }

    if (score.prizeFlash && score.prizeLamp == 2) StartMania(m);

    if (score.won()) Pause(m, 150);

    AdjustCredits(m, False);
    if (m.purse.Credits == 0)
        BitBlt(m.display.hdcScreen, places::CreditStrip, m.display.hdcSprites, cells::CreditStripDark);

    const bool offerHolds = m.purse.Credits > 0 && m.reels.HoldAllowed == True;
    for (int r = 0; r < 3; ++r)
        SetHoldLamp(m, r, offerHolds && m.reels.WinLock[r] != 1 ? kHoldPossible : kHoldRefused);
}

}  // namespace fw
