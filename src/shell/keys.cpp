#include "shell/keys.h"

#include "machine/cells.h"
#include "shell/dispatch.h"
#include "shell/trace.h"
#include "sound/sound_bank.h"

namespace fw {

namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;

float MiddleX(const Cell& place) {
    return static_cast<float>(place.x + place.w / 2);
}
float MiddleY(const Cell& place) {
    return static_cast<float>(place.y + place.h / 2);
}

// A press in the middle of a place, as the mouse makes it.
void PressAt(Machine& m, const Cell& place, int button) {
    OnPress(m, button, MiddleX(place), MiddleY(place));
}

}  // namespace

const char* KeyMark(KeyCommand command) {
    switch (command) {
        case KeyCommand::Coin:
            return "key-coin";
        case KeyCommand::Stack:
            return "key-stack";
        case KeyCommand::Go:
            return "key-go";
        case KeyCommand::Number:
            return "key-number";
        case KeyCommand::HighScores:
            return "key-highscores";
        case KeyCommand::Statistics:
            return "key-statistics";
        case KeyCommand::Back:
            return "key-back";
        case KeyCommand::Quit:
            return "key-quit";
    }
    return "key";
}

void MuteKey(Machine& m) {
    ToggleMute(m);
    TraceMark("key-mute");
}

void OnKey(Machine& m, KeyCommand command, int number) {
    // While the hand holds coins picked up with the mouse, other presses do nothing.
    if (m.window.DragActive) return;
    // The screen mode the key found: what the press does may change it.
    const Screen mode = m.display.ScreenMode;
    const bool panel = mode == Screen::OutOfCoins || mode == Screen::Offer;
    switch (command) {
        case KeyCommand::Coin:
        case KeyCommand::Stack: {
            // Picked up from the pile and let go over the slot: a drag that ends there.
            const int button = command == KeyCommand::Coin ? kLeft : kRight;
            PressAt(m, places::CoinPile, button);
            if (m.window.DragActive) {
                OnRelease(m, button, MiddleX(places::CoinSlot), MiddleY(places::CoinSlot), true);
            }
            break;
        }
        case KeyCommand::Go:
            if (mode == Screen::Reels) PressAt(m, places::LeverKnob, kLeft);
            if (panel) PressAt(m, places::PanelContinueButton, kLeft);
            break;
        case KeyCommand::Quit:
            if (panel) PressAt(m, places::PanelQuitButton, kLeft);
            break;
        case KeyCommand::Number:
            if (mode == Screen::Reels && number >= 1 && number <= 3) {
                PressAt(m, places::HoldButton(number - 1), kLeft);
            }
            if (mode == Screen::HighScores && number >= 1 && number <= kListLines) {
                PressAt(m, places::ListLineZone(number - 1), kLeft);
            }
            break;
        case KeyCommand::HighScores:
        case KeyCommand::Statistics:
            if (mode == Screen::Reels) {
                PressAt(m, places::ReelWindowZone, command == KeyCommand::HighScores ? kLeft : kRight);
            }
            break;
        case KeyCommand::Back:
            if (mode == Screen::HighScores) PressAt(m, places::ListLineZone(0), kRight);
            if (mode == Screen::Statistics) PressAt(m, places::DisplayWindow, kLeft);
            break;
    }
}

}  // namespace fw
