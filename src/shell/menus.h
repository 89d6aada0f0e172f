// The menu commands of the main window.
#pragma once

#include "machine/machine.h"

namespace fw {

void mnuConfig_Click(Machine& m);
void mnuAbout_Click(Machine& m);
void mnuManual_Click(Machine& m);
// A theme menu item (1..10) was chosen.
void mnuWheelTheme_Click(Machine& m, int index);

}  // namespace fw
