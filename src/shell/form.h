// The main window's start-up, its two copies between the screen and the
// composition surface, the pause, and the handling of machine events.
#pragma once

#include "shell/machine.h"

namespace fw {

// The start-up sequence: themes, settings, surfaces, machine data, the wipe
// and the starting purse.
void Form_Load(Machine& m);
// Copies the composition surface onto the screen, erasing transient drawing.
void Form_Paint(Machine& m);
// Copies the screen into the composition surface, making its look permanent.
void SaveScreen(Machine& m);
// Returns when at least ms milliseconds of the tick count have passed.
void Pause(Machine& m, int ms);

// Handles one machine event to completion.
void HandleEvent(Machine& m, const MachineEvent& event);

}  // namespace fw
