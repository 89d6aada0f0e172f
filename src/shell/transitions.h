// Screen transitions and the shutdown.
#pragma once

#include "shell/machine.h"

namespace fw {

// Copies the composition surface onto the screen (mode non-zero) or blanks the
// screen (mode 0) in eight interlaced passes of every eighth pixel row.
void InterlaceWipe(Machine& m, Integer mode);
// Redraws the reel window into the composition surface and wipes it in.
void ShowReelWindow(Machine& m);
// The quit button of the out-of-coins and offer panels.
void QuitButton(Machine& m);
// The shutdown: blank the screen, save, release the sound, end.
void mnuQuit_Click(Machine& m);
// Closing the window takes the same road as the quit menu item.
void Form_Unload(Machine& m);

}  // namespace fw
