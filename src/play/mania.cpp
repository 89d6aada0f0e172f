#include "play/mania.h"

#include "machine/screen.h"
#include "sound/sound_bank.h"

namespace fw {

namespace {

void DrawWheel(Machine& m, const Cell& look) {
    BitBlt(m.display.hdcScreen, places::BonusWheel, m.display.hdcSprites, look);
}

void DrawEmptyTimeBar(Machine& m) {
    BitBlt(m.display.hdcScreen, places::TimeBar, m.display.hdcSprites, cells::TimeBarEmpty);
}

void EnableMenus(Machine& m, bool enabled) {
    EnableMenu(m, MenuId::Game, enabled);
    // A record screen or a panel keeps the theme menu disabled until the reels show again.
    EnableMenu(m, MenuId::Theme, enabled && m.display.ScreenMode == Screen::Reels);
    EnableMenu(m, MenuId::Help, enabled);
}

}  // namespace

void StartMania(Machine& m) {
    DrawWheel(m, cells::BonusWheelMania);
    DrawEmptyTimeBar(m);
    PlaySfx(m, Sfx::Mania, SfxMode::Once);
    Notice(m, Happening::ManiaStarted, m.mania.ManiaActive == True ? 1 : 0);
    m.mania.ManiaActive = True;
    m.mania.TickedAt = m.clock.Ticks();
    EnableTimer(m, TimerId::MultiCheck, true);
    m.mania.ManiaTicks = 0;
    EnableMenus(m, false);
    m.host.SetTopmost(true);
}

void tmrMultiCheck_Timer(Machine& m) {
    const Cell segment = places::TimeBarSegment(m.mania.ManiaTicks);
    m.mania.ManiaTicks = static_cast<Integer>(m.mania.ManiaTicks + 1);
    const int t = m.mania.ManiaTicks;
    m.mania.TickedAt = m.clock.Ticks();
    if (t < kManiaTicks) {
        // 7 green segments, 4 yellow and 2 red.
        const Cell colour = t < 8    ? cells::TimeSegmentGreen
                            : t < 12 ? cells::TimeSegmentYellow
                                     : cells::TimeSegmentRed;
        BitBlt(m.display.hdcScreen, segment, m.display.hdcSprites, colour);
    }
    if (t == kManiaTicks) {
        m.mania.ManiaActive = False;
        EnableTimer(m, TimerId::MultiCheck, false);
        m.mania.ManiaTicks = 0;
        DrawWheel(m, cells::BonusWheelNeutral);
        DrawEmptyTimeBar(m);
        EnableMenus(m, true);
        m.host.SetTopmost(false);
        Notice(m, Happening::ManiaEnded);
    }
    SaveScreen(m);
}

void SpinBonusWheel(Machine& m) {
    // The wheel draws its own number, independent of the reels.
    m.random.Randomize();
    const int k = WheelStopFor(m.random.Rnd());
    for (int lap = 1;; ++lap) {
        bool stop = false;
        for (int p = 0; p <= 3; ++p) {
            DrawWheel(m, cells::BonusWheelLit(p));
            PlaySfx(m, Sfx::Tick, SfxMode::Once);
            Pause(m, 120);
            if (lap == 5 && p == k) {
                stop = true;
                break;
            }
        }
        if (stop) break;
    }
    for (int i = 0; i < 8; ++i) {
        DrawWheel(m, cells::BonusWheelNeutral);
        PlaySfx(m, Sfx::CircLow, SfxMode::Once);
        Pause(m, 100);
        DrawWheel(m, cells::BonusWheelLit(k));
        PlaySfx(m, Sfx::CircHigh, SfxMode::Once);
        Pause(m, 100);
    }
    Pause(m, 400);
    DrawWheel(m, cells::BonusWheelMania);
    m.purse.LastWin = static_cast<Integer>(m.purse.LastWin + WheelCoins(k));
}

int WheelStopFor(double u) {
    return static_cast<int>(u * 4);
}

Integer WheelCoins(int k) {
    return static_cast<Integer>((k + 2) * 10);
}

}  // namespace fw
