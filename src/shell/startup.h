// The main window's start-up and its first activation.
#pragma once

#include "machine/machine.h"

namespace fw {

// The start-up sequence: themes, settings, surfaces, machine data, the wipe
// and the starting purse.
void Form_Load(Machine& m);
// The main window's activation: the first one opens the sound device and
// loads the sound bank; later ones change nothing.
void Form_Activate(Machine& m);

}  // namespace fw
