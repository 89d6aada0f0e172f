// The large controls a touch screen shows beside the machine: each stands for
// one of the machine's small targets and sends the key that presses it, so it
// does exactly what that press does; its look tells what that would be now.
#pragma once

#include <optional>

#include "machine/machine.h"

namespace fw {

enum class Control { Coin, Stack, Hold1, Hold2, Hold3, Lever, HighScores, Statistics };
inline constexpr int kControls = 8;

enum class ControlLook {
    Off,      // its press would do nothing at all: the control is disabled
    Ready,    // it does what it says
    Refused,  // the machine refuses it, with its refusal sound (a hold's dark GO)
    On,       // a held reel's STOP, or the list or page it opens is showing: a press lets go
};

struct ControlState {
    ControlLook look = ControlLook::Off;
    std::optional<ev::Key> key;  // what a press sends; none when the control is off
};

ControlState StateOfControl(const Machine& m, Control control);

}  // namespace fw
