#include "shell/dispatch.h"

#include <cmath>
#include <tuple>

#include "machine/screen.h"
#include "money/coins.h"
#include "play/evaluate.h"
#include "play/holds.h"
#include "play/panels.h"
#include "play/reels.h"
#include "play/spin.h"
#include "records/recovery.h"
#include "records/screens.h"
#include "shell/captions.h"
#include "shell/quit.h"
#include "shell/trace.h"
#include "sound/sound_bank.h"

namespace fw {

namespace {

void BackToReels(Machine& m) {
    ShowReelWindow(m);
    if (m.mania.ManiaActive != True) EnableMenu(m, MenuId::Theme, true);
    m.display.ScreenMode = Screen::Reels;
    Notice(m, Happening::Reels);
}

void PlayGame(Machine& m) {
    TraceMark("game-start", m.clock.Ticks());
    m.host.SetPointer(Pointer::Hourglass);
    PullLever(m);
    TraceMark("spin-start", m.clock.Ticks());
    SpinReels(m);
    TraceMark("spin-end", m.clock.Ticks());
    EvaluateWin(m);
    // The game is over: from now on a crash cannot take it away.
    KeepRunRecord(m);
    TraceMark("game-end", m.clock.Ticks());
    m.host.SetPointer(Pointer::Default);
    // Its result is told as it shows, before a panel takes the reels' place.
    TellCaption(m);
    if (m.purse.OfferPending == True) ShowOfferPanel(m);
}

}  // namespace

Hit HitTest(const DisplayState& display, float x, float y) {
    switch (display.ScreenMode) {
        case Screen::Reels:
            for (int r = 0; r < 3; ++r) {
                if (places::HoldZone(r).contains(x, y)) return {Zone::HoldButton, r};
            }
            if (places::LeverKnob.contains(x, y)) return {Zone::Lever};
            if (places::ReelWindowZone.contains(x, y)) return {Zone::DisplayWindow};
            return {};
        case Screen::HighScores:
            // Neighbouring lines share their boundary row, which belongs to the upper line.
            for (int i = 0; i < kListLines; ++i) {
                if (places::ListLineZone(i).contains(x, y)) return {Zone::ListLine, i + 1};
            }
            return {};
        case Screen::Statistics:
            return places::DisplayWindow.contains(x, y) ? Hit{Zone::StatisticsPage} : Hit{};
        case Screen::OutOfCoins:
        case Screen::Offer:
            if (places::PanelQuitButton.contains(x, y)) return {Zone::QuitButton};
            if (places::PanelContinueButton.contains(x, y)) return {Zone::ContinueButton};
            return {};
    }
    return {};
}

void Form_MouseDown(Machine& m, int button, float x, float y) {
    const Hit hit = HitTest(m.display, x, y);
    if (hit.zone == Zone::None) return;
    const bool left = button == 1;
    Form_Paint(m);
    switch (hit.zone) {
        case Zone::HoldButton:
            if (!left) break;
            if (m.reels.HoldAllowed != True || m.purse.Credits < 1) {
                PlaySfx(m, Sfx::Wrong, SfxMode::Once);
                Notice(m, m.purse.Credits < 1 ? Refusal::NoCredit : Refusal::NoHolds);
            } else {
                ToggleHold(m, hit.index);
            }
            break;
        case Zone::Lever:
            if (!left) break;
            if (m.purse.Credits < 1) {
                PlaySfx(m, Sfx::Wrong, SfxMode::Once);
                Notice(m, Refusal::NoCredit);
            } else {
                PlayGame(m);
            }
            break;
        case Zone::DisplayWindow:
            EnableMenu(m, MenuId::Theme, false);
            PlaySfx(m, Sfx::Click, SfxMode::Once);
            if (left) {
                ShowHighScores(m);
            } else {
                ShowStatistics(m, 0);
            }
            break;
        case Zone::ListLine:
            PlaySfx(m, Sfx::Click, SfxMode::Once);
            if (left) {
                ShowStatistics(m, static_cast<Integer>(hit.index));
            } else {
                BackToReels(m);
            }
            break;
        case Zone::StatisticsPage:
            if (!left) break;
            PlaySfx(m, Sfx::Click, SfxMode::Once);
            EnableTimer(m, TimerId::ElapsedTime, false);
            BackToReels(m);
            break;
        case Zone::QuitButton:
            if (left) QuitButton(m);
            break;
        case Zone::ContinueButton:
            if (left) ContinuePlay(m);
            break;
        case Zone::None:
            break;
    }
    if (m.queue.ended) return;
    SaveScreen(m);
}

std::pair<float, float> Reached(const DisplayState& display, float x, float y, float reach) {
    const auto takes = [&](float px, float py) {
        return places::CoinPile.contains(px, py) || HitTest(display, px, py).zone != Zone::None;
    };
    if (takes(x, y)) return {x, y};
    std::pair<float, float> nearest{x, y};
    float best = reach * reach;
    const int most = static_cast<int>(reach);
    for (int dy = -most; dy <= most; ++dy) {
        for (int dx = -most; dx <= most; ++dx) {
            const float distance = static_cast<float>(dx * dx + dy * dy);
            if (distance > best || !takes(x + dx, y + dy)) continue;
            best = distance;
            nearest = {x + dx, y + dy};
        }
    }
    return nearest;
}

void OnPress(Machine& m, int button, float x, float y, float reach) {
    if (m.window.DragActive) return;  // the hand holds coins: other buttons do nothing
    // A press lands on the whole machine pixel under it, whatever fraction of
    // it the window or the page reports, so that both editions hit alike.
    x = std::floor(x);
    y = std::floor(y);
    if (reach > 0) std::tie(x, y) = Reached(m.display, x, y, reach);
    if (places::CoinPile.contains(x, y)) {
        imgMoneyPile_MouseDown(m, button);
        m.window.DragButton = button;
    } else if (places::CoinSlot.contains(x, y)) {
        // The slot takes drops, not presses.
    } else {
        Form_MouseDown(m, button, x, y);
    }
}

void OnRelease(Machine& m, int button, float x, float y, bool inside) {
    if (!m.window.DragActive || (button != 0 && button != m.window.DragButton)) return;
    m.window.DragActive = false;
    m.host.SetDragIcon(DragIcon::None);
    if (!inside) return;  // let go outside the window: no drop
    x = std::floor(x);
    y = std::floor(y);
    if (places::CoinSlot.contains(x, y)) {
        imgMoneySlot_DragDrop(m);
    } else if (places::CoinPile.contains(x, y)) {
        // Back on the pile: nothing happens.
    } else if (x >= 0 && x < kScreenWidth && y >= 0 && y < kScreenHeight) {
        Form_DragDrop(m, x, y);
    }
}

}  // namespace fw
