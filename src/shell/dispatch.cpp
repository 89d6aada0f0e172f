#include "shell/dispatch.h"

#include <algorithm>
#include <filesystem>

#include "money/coins.h"
#include "platform/trace.h"
#include "play/evaluate.h"
#include "play/holds.h"
#include "play/panels.h"
#include "play/spin.h"
#include "presentation/bitmap_text.h"
#include "records/screens.h"
#include "records/settings.h"
#include "shell/form.h"
#include "shell/transitions.h"
#include "sound/sound_bank.h"

namespace fw {

namespace {

bool In(float x, float y, int left, int right, int top, int bottom) {
    return x >= left && x <= right && y >= top && y <= bottom;
}

void BackToReels(Machine& m) {
    ShowReelWindow(m);
    if (m.ManiaActive != True) EnableMenu(m, MenuId::Theme, true);
    m.ScreenMode = kModeReels;
}

void PlayGame(Machine& m) {
    TraceMark("game-start", m.clock.Ticks());
    m.host.SetPointer(Pointer::Hourglass);
    PullLever(m);
    TraceMark("spin-start", m.clock.Ticks());
    SpinReels(m);
    TraceMark("spin-end", m.clock.Ticks());
    EvaluateWin(m);
    TraceMark("game-end", m.clock.Ticks());
    m.host.SetPointer(Pointer::Default);
    if (m.OfferPending == True) ShowOfferPanel(m);
}

}  // namespace

int HitTest(const Machine& m, float x, float y) {
    switch (m.ScreenMode) {
        case kModeReels:
            if (In(x, y, 97, 118, 180, 191)) return 1;
            if (In(x, y, 141, 162, 180, 191)) return 2;
            if (In(x, y, 185, 206, 180, 191)) return 3;
            if (In(x, y, 265, 284, 36, 52)) return 4;
            if (In(x, y, 82, 220, 70, 169)) return 5;
            return 0;
        case kModeHighScores:
            // Neighbouring lines share their boundary row, which belongs to the upper line.
            for (int i = 0; i < 10; ++i) {
                if (In(x, y, 86, 216, 85 + 8 * i, 93 + 8 * i)) return i + 1;
            }
            return 0;
        case kModeStatistics:
            return In(x, y, 83, 219, 71, 168) ? 1 : 0;
        case kModeOutOfCoins:
        case kModeOffer:
            if (In(x, y, 94, 110, 146, 162)) return 1;
            if (In(x, y, 192, 208, 146, 162)) return 2;
            return 0;
        default:
            return 0;
    }
}

void Form_MouseDown(Machine& m, int button, float x, float y) {
    const int zone = HitTest(m, x, y);
    if (zone == 0) return;
    const bool left = button == 1;
    Form_Paint(m);
    switch (m.ScreenMode) {
        case kModeReels:
            if (zone <= 3) {
                if (!left) break;
                if (m.HoldAllowed != True || m.Credits < 1) {
                    PlaySfx(m, kSfxWrong, 0);
                } else {
                    ToggleHold(m, zone - 1);
                }
            } else if (zone == 4) {
                if (!left) break;
                if (m.Credits < 1) {
                    PlaySfx(m, kSfxWrong, 0);
                } else {
                    PlayGame(m);
                }
            } else {
                EnableMenu(m, MenuId::Theme, false);
                PlaySfx(m, kSfxClick, 0);
                if (left) {
                    ShowHighScores(m);
                } else {
                    ShowStatistics(m, 0);
                }
            }
            break;
        case kModeHighScores:
            PlaySfx(m, kSfxClick, 0);
            if (left) {
                ShowStatistics(m, static_cast<Integer>(zone));
            } else {
                BackToReels(m);
            }
            break;
        case kModeStatistics:
            if (!left) break;
            PlaySfx(m, kSfxClick, 0);
            EnableTimer(m, TimerId::ElapsedTime, false);
            BackToReels(m);
            break;
        case kModeOutOfCoins:
        case kModeOffer:
            if (!left) break;
            if (zone == 1) {
                QuitButton(m);
            } else {
                ContinuePlay(m);
            }
            break;
    }
    if (m.ended) return;
    SaveScreen(m);
}

void OnPress(Machine& m, int button, float x, float y) {
    if (Inside(kPileArea, x, y)) {
        imgMoneyPile_MouseDown(m, button);
    } else if (Inside(kSlotArea, x, y)) {
        // The slot takes drops, not presses.
    } else {
        Form_MouseDown(m, button, x, y);
    }
}

void OnRelease(Machine& m, float x, float y, bool inside) {
    if (!m.DragActive) return;
    m.DragActive = false;
    m.host.SetDragIcon(DragIcon::None);
    if (!inside) return;  // let go outside the window: no drop
    if (Inside(kSlotArea, x, y)) {
        imgMoneySlot_DragDrop(m);
    } else if (Inside(kPileArea, x, y)) {
        // Back on the pile: nothing happens.
    } else if (x >= 0 && x < 320 && y >= 0 && y < 256) {
        Form_DragDrop(m, x, y);
    }
}

void mnuConfig_Click(Machine& m) {
    const std::string before = m.ScoreTable[0].Name;
    ConfigValues values;
    values.name = before;
    values.soundOn = m.SoundOn;
    values.speed = static_cast<int>(m.Speed);
    values.soundAvailable = m.SoundAvailable == True;
    if (m.host.RunConfigDialog(values)) {
        m.ScoreTable[0].Name = values.name;
        m.SoundOn = static_cast<Integer>(values.soundOn);
        m.Speed = std::clamp<Long>(values.speed, 0, 100);
        if (values.resetHighScores) m.ResetHighScores = True;
    }

    const std::string& name = m.ScoreTable[0].Name;
    if (name != before && m.ScreenMode == kModeHighScores && m.HighScorePlace < 11) {
        // The current run's line of the list shows the new name; spaces cover a longer old one.
        const std::string padded = name + std::string(std::max(0, 10 - TextLength(name)), ' ');
        DrawBitmapText(m, 110, 8 * m.HighScorePlace + 78, padded, 1, m.hdcScreen, false);
        SaveScreen(m);
    }
    if (name != before && m.ScreenMode == kModeStatistics && m.StatPage == 0) {
        BitBlt(m.hdcScreen, 86, 74, 131, 9, m.hdcSprites, 140, 221);
        DrawBitmapText(m, Whole((320.0 - 7.0 * TextLength(name)) / 2.0 - 8.0), 75, name, 1, m.hdcScreen,
                       true);
        SaveScreen(m);
    }
    if (m.ResetHighScores == True) {
        ResetHighScoreList(m);
        if (m.ScreenMode == kModeHighScores) ShowHighScores(m);
    }
}

void mnuAbout_Click(Machine& m) {
    m.host.ShowAbout(m.AppVersion);
}

void mnuManual_Click(Machine& m) {
    const char sep = static_cast<char>(std::filesystem::path::preferred_separator);
    m.host.ShowManual(m.AppFolder + sep + "manual.txt");
}

}  // namespace fw
