// Presses on the machine face, by screen mode, and the menu commands.
#pragma once

#include "shell/machine.h"

namespace fw {

// The zone under (x, y) for the current screen mode; 0 when there is none.
int HitTest(const Machine& m, float x, float y);
// A press on the machine face, except on the coin pile and the coin slot.
void Form_MouseDown(Machine& m, int button, float x, float y);

// A mouse press anywhere on the machine: the pile, the slot or the face.
void OnPress(Machine& m, int button, float x, float y);
// The mouse button went up: ends a coin drag with a drop, or with none.
void OnRelease(Machine& m, float x, float y, bool inside);

void mnuConfig_Click(Machine& m);
void mnuAbout_Click(Machine& m);
void mnuManual_Click(Machine& m);

}  // namespace fw
