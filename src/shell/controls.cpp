#include "shell/controls.h"

#include "presentation/lamps.h"

namespace fw {

namespace {

// A coin or a stack from the pile: the pile takes presses only on the reels;
// an empty purse refuses while credits are left (none left: the out-of-coins
// panel), and a full machine refuses the drop.
ControlLook CoinLook(const Machine& m) {
    if (m.display.ScreenMode != Screen::Reels) return ControlLook::Off;
    if (m.records.ScoreTable[0].Score <= 0)
        return m.purse.Credits == 0 ? ControlLook::Ready : ControlLook::Refused;
    return m.purse.Credits >= kMaxCredits ? ControlLook::Refused : ControlLook::Ready;
}

ControlLook HoldLook(const Machine& m, int reel) {
    if (m.display.ScreenMode != Screen::Reels) return ControlLook::Off;
    if (m.reels.HoldAllowed != True || m.purse.Credits < 1 || m.reels.HoldLamp[reel] != kHoldPossible)
        return ControlLook::Refused;
    return m.reels.Held[reel] != 0 ? ControlLook::On : ControlLook::Ready;
}

// The lever pulls on the reels; on a panel its key plays on, as Go does.
ControlLook LeverLook(const Machine& m) {
    switch (m.display.ScreenMode) {
        case Screen::Reels:
            return m.purse.Credits < 1 ? ControlLook::Refused : ControlLook::Ready;
        case Screen::OutOfCoins:
        case Screen::Offer:
            return ControlLook::Ready;
        default:
            return ControlLook::Off;
    }
}

// The list or this run's page opens from the reels and goes back from itself.
ControlState RecordScreen(const Machine& m, Screen shows, KeyCommand opens) {
    if (m.display.ScreenMode == Screen::Reels) return {ControlLook::Ready, ev::Key{opens}};
    if (m.display.ScreenMode == shows) return {ControlLook::On, ev::Key{KeyCommand::Back}};
    return {};
}

}  // namespace

ControlState StateOfControl(const Machine& m, Control control) {
    // No key reaches the machine while the hand holds coins, a modal window is open or the run has ended.
    if (m.window.DragActive || m.window.ModalOpen || m.queue.ended) return {};
    ControlState state;
    switch (control) {
        case Control::Coin:
        case Control::Stack:
            state = {CoinLook(m), ev::Key{control == Control::Coin ? KeyCommand::Coin : KeyCommand::Stack}};
            break;
        case Control::Hold1:
        case Control::Hold2:
        case Control::Hold3: {
            const int reel = static_cast<int>(control) - static_cast<int>(Control::Hold1);
            state = {HoldLook(m, reel), ev::Key{KeyCommand::Number, reel + 1}};
            break;
        }
        case Control::Lever:
            state = {LeverLook(m), ev::Key{KeyCommand::Go}};
            break;
        case Control::HighScores:
            return RecordScreen(m, Screen::HighScores, KeyCommand::HighScores);
        case Control::Statistics:
            return RecordScreen(m, Screen::Statistics, KeyCommand::Statistics);
    }
    if (state.look == ControlLook::Off) state.key.reset();
    return state;
}

}  // namespace fw
