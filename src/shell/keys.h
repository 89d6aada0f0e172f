// The keyboard: every key stands for a press on the machine, made where that
// press would be in the current screen mode.
#pragma once

#include "machine/machine.h"

namespace fw {

// Handles a key as the press (or, for coins, the drag) it stands for; a key
// that stands for nothing in the current screen mode does nothing at all.
void OnKey(Machine& m, KeyCommand command, int number);
// M: mutes the sounds, or gives them back at the volume. The front ends call
// it as the key comes, not through the event queue: during a spin too, the
// sound is the player's to silence at once.
void MuteKey(Machine& m);
// The trace mark of a key that has been handled: "key-coin", "key-number" ...
const char* KeyMark(KeyCommand command);

}  // namespace fw
