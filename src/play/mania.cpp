#include "play/mania.h"

#include "shell/form.h"
#include "sound/sound_bank.h"

namespace fw {

namespace {

void DrawWheel(Machine& m, int sheetX) {
    BitBlt(m.hdcScreen, 201, 7, 53, 53, m.hdcSprites, sheetX, 0);
}
constexpr int kWheelManiaX = 356;
constexpr int kWheelNeutralX = 409;
int WheelPositionX(int k) {
    return 144 + 53 * k;
}

void DrawEmptyTimeBar(Machine& m) {
    BitBlt(m.hdcScreen, 175, 13, 9, 40, m.hdcSprites, 274, 253);
}

void EnableMenus(Machine& m, bool enabled) {
    EnableMenu(m, MenuId::Game, enabled);
    EnableMenu(m, MenuId::Theme, enabled);
    EnableMenu(m, MenuId::Help, enabled);
}

}  // namespace

void StartMania(Machine& m) {
    DrawWheel(m, kWheelManiaX);
    DrawEmptyTimeBar(m);
    PlaySfx(m, kSfxMania, 0);
    m.ManiaActive = True;
    EnableTimer(m, TimerId::MultiCheck, true);
    m.ManiaTicks = 0;
    EnableMenus(m, false);
    m.host.SetTopmost(true);
}

void tmrMultiCheck_Timer(Machine& m) {
    const int y = 50 - 3 * m.ManiaTicks;
    m.ManiaTicks = static_cast<Integer>(m.ManiaTicks + 1);
    const int t = m.ManiaTicks;
    if (t < 14) {
        const int sheetY = t < 8 ? 296 : t < 12 ? 298 : 300;  // green, yellow, red
        BitBlt(m.hdcScreen, 176, y, 7, 2, m.hdcSprites, 274, sheetY);
    }
    if (t == 14) {
        m.ManiaActive = False;
        EnableTimer(m, TimerId::MultiCheck, false);
        m.ManiaTicks = 0;
        DrawWheel(m, kWheelNeutralX);
        DrawEmptyTimeBar(m);
        EnableMenus(m, true);
        m.host.SetTopmost(false);
    }
    SaveScreen(m);
}

void SpinBonusWheel(Machine& m) {
    // The wheel draws its own number, independent of the reels.
    m.random.Randomize();
    const int k = static_cast<int>(m.random.Rnd() * 4);
    for (int lap = 1;; ++lap) {
        bool stop = false;
        for (int p = 0; p <= 3; ++p) {
            DrawWheel(m, WheelPositionX(p));
            PlaySfx(m, kSfxTick, 0);
            Pause(m, 120);
            if (lap == 5 && p == k) {
                stop = true;
                break;
            }
        }
        if (stop) break;
    }
    for (int i = 0; i < 8; ++i) {
        DrawWheel(m, kWheelNeutralX);
        PlaySfx(m, kSfxCircLow, 0);
        Pause(m, 100);
        DrawWheel(m, WheelPositionX(k));
        PlaySfx(m, kSfxCircHigh, 0);
        Pause(m, 100);
    }
    Pause(m, 400);
    DrawWheel(m, kWheelManiaX);
    m.LastWin = static_cast<Integer>(m.LastWin + (k + 2) * 10);
}

}  // namespace fw
