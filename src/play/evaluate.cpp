#include "play/evaluate.h"

#include "machine/screen.h"
#include "money/coins.h"
#include "play/mania.h"
#include "presentation/bitmap_text.h"
#include "presentation/digits.h"
#include "presentation/lamps.h"
#include "sound/sound_bank.h"

namespace fw {

namespace {

void CountWin(Machine& m, int category) {
    ScoreRecord& run = m.ScoreTable[0];
    run.Stat[category] = AddCapped(run.Stat[category], 1);
    run.Wun = AddCapped(run.Wun, 1);
}

void FlashBanner(Machine& m) {
    for (int counter = 0; counter < 16; ++counter) {
        BitBlt(m.hdcScreen, places::WinnerBanner, m.hdcSprites,
               cells::WinnerBanner(counter % cells::kBannerFrames));
        Pause(m, 80);
    }
}

void FlashPrizeLamp(Machine& m, int lamp) {
    for (int i = 0; i < 14; ++i) {
        const Cell look = i % 2 == 0 ? cells::PrizeLampLit(lamp) : cells::PrizeLampDim(lamp);
        BitBlt(m.hdcScreen, places::PrizeLamp(lamp), m.hdcSprites, look);
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

std::string NextLineToken(Machine& m, const std::string& text) {
    const int length = static_cast<int>(text.size());
    if (m.LineCursor > length) m.LineCursor = 0;
    std::string result;
    bool haveCurrent = false;
    char current = '\0';
    do {
        ++m.LineCursor;
        if (haveCurrent) result += current;
        haveCurrent = m.LineCursor <= length;
        if (haveCurrent) current = text[m.LineCursor - 1];
    } while (haveCurrent && current != '-');
    if (m.LineCursor == length + 1) m.LineCursor = 0;
    return result;
}

void SoundSiren(Machine& m, int count) {
    PlaySfx(m, count == 8 ? Sfx::Siren8 : Sfx::Siren4, SfxMode::Once);
    for (int turn = 0; turn < count; ++turn) {
        for (int k = 0; k < cells::kSirenFrames; ++k) {
            BitBlt(m.hdcScreen, places::SirenLamp, m.hdcSprites, cells::SirenFrame(k));
            Pause(m, 49);
        }
    }
    BitBlt(m.hdcScreen, places::SirenLamp, m.hdcSprites, cells::SirenOff);
}

void ShowPayout(Machine& m, Integer amount) {
    const int drops = PayoutDrops(amount);
    for (int i = 0; i < drops; ++i) {
        const int x = static_cast<int>(m.random.Rnd() * places::kPayoutDropSpread) + places::PayoutTray.x;
        for (int k = 0; k < cells::kPayoutFrames; ++k) {
            BitBlt(m.hdcScreen, x, places::PayoutTray.y, m.hdcSprites, cells::PayoutCoin(k));
            Pause(m, 10);
        }
        Pause(m, 15);
        PlaySfx(m, Sfx::Pay, SfxMode::Once);
    }
    // The amount, centred over the tray: one column left of the window's centre.
    const std::string text = std::to_string(amount);
    const int x = CentredX(static_cast<int>(text.size()), kScreenWidth / 2 - 7);
    DrawBitmapText(m, x, places::kPayoutTextY, text, FontColour::Yellow, m.hdcScreen, true);
}

LineScore ScoreLine(Machine& m, const std::string& line) {
    LineScore score;
    // Symbol 2 on reel 0 pays 2, on reels 0 and 1 pays 5, whatever else shows.
    if (line.compare(0, 3, "2-2") == 0) {
        score = {true, 1, 5, true, {1, 1, 0}};
    } else if (!line.empty() && line[0] == '2') {
        score = {true, 0, 2, true, {1, 0, 0}};
    } else {
        for (const PayRow& row : m.PayTable) {
            if (row.Combo != line) continue;
            score.won = true;
            score.category = row.Cell;
            score.payout = row.Payout;
            if (row.Payout == 50) score.prizeLamp = 0;
            if (row.Payout == 75) score.prizeLamp = 1;
            if (row.Payout == 100) {
                score.prizeLamp = 2;
                score.sirenCount = 8;
            }
            score.prizeFlash = row.Payout == 50 || row.Payout == 75 || row.Payout == 100;
            break;
        }
    }

    // During the Mania period every special symbol on the pay line counts,
    // except on top of a 100-coin win.
    if (m.ManiaActive == True && score.prizeLamp != 2) {
        for (int i = 0; i < 3; ++i) {
            const std::string token = NextLineToken(m, line);
            for (const std::string& special : m.SpecialSymbols) {
                if (token != special) continue;
                score.won = true;
                score.specialHit = true;
                score.sirenCount = 4;
                score.winLock[i] = 1;
                score.winFlag = true;
            }
        }
    }
    return score;
}

void EvaluateWin(Machine& m) {
    const LineScore score = ScoreLine(m, m.LineText[1]);
    m.WinLock = score.winLock;
    m.WinFlag = score.winFlag ? True : False;
    m.LastWin = score.payout;
    if (score.category >= 0) CountWin(m, score.category);

    if (score.sirenCount > 0) SoundSiren(m, score.sirenCount);

    if (score.won) {
        // Holds stay on offer only after a win that locked reels and paid 5 or less.
        if (m.WinFlag == False || m.LastWin > 5) m.HoldAllowed = False;
        PlaySfx(m, Sfx::WinLow, SfxMode::Once);
        FlashBanner(m);
        if (score.prizeFlash) {
            Pause(m, 100);
            PlaySfx(m, Sfx::WinHigh, SfxMode::Once);
            FlashPrizeLamp(m, score.prizeLamp);
        }
        Pause(m, 150);
    }

    if (score.specialHit) SpinBonusWheel(m);

    if (m.LastWin > 0) {
        ShowPayout(m, m.LastWin);
        DrawDigits(m, m.LastWin);
        if (m.OfferShown == False && m.ScoreTable[0].Score >= 1000) m.OfferPending = True;
    }

    if (score.prizeFlash && score.prizeLamp == 2) StartMania(m);

    if (score.won) Pause(m, 150);

    AdjustCredits(m, False);
    if (m.Credits == 0) BitBlt(m.hdcScreen, places::CreditStrip, m.hdcSprites, cells::CreditStripDark);

    const bool offerHolds = m.Credits > 0 && m.HoldAllowed == True;
    for (int r = 0; r < 3; ++r)
        SetHoldLamp(m, r, offerHolds && m.WinLock[r] != 1 ? kHoldPossible : kHoldRefused);
}

}  // namespace fw
