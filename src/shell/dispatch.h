// Presses on the machine face, dispatched by screen mode.
#pragma once

#include <utility>

#include "machine/machine.h"

namespace fw {

// What a press hits on the machine face in the current screen mode.
enum class Zone {
    None,            // nothing: the press does nothing at all
    HoldButton,      // a hold button (index: the reel, 0..2)
    Lever,           // the lever's knob
    DisplayWindow,   // the reel window in play
    ListLine,        // a line of the high-score list (index: 1..10)
    StatisticsPage,  // the statistics page
    QuitButton,      // a panel's left button
    ContinueButton,  // a panel's right button
};
struct Hit {
    Zone zone = Zone::None;
    int index = 0;
    bool operator==(const Hit&) const = default;
};

// The zone under (x, y) for the current screen mode.
Hit HitTest(const DisplayState& display, float x, float y);
// A press on the machine face, except on the coin pile and the coin slot.
void Form_MouseDown(Machine& m, int button, float x, float y);

// Where a finger's press on the whole pixel (x, y) lands: there when the pile
// or the face takes a press there; else on the nearest pixel within reach
// (machine pixels) that takes one, for the small targets are smaller than a
// fingertip; else there.
std::pair<float, float> Reached(const DisplayState& display, float x, float y, float reach);

// A mouse press anywhere on the machine: the pile, the slot or the face (a
// finger's with its reach). During a coin drag other presses are ignored.
void OnPress(Machine& m, int button, float x, float y, float reach = 0);
// A mouse button went up: the release of the drag's button (or of every
// button, 0) ends a coin drag with a drop, or with none.
void OnRelease(Machine& m, int button, float x, float y, bool inside);

}  // namespace fw
