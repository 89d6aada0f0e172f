// The menu commands of the main window.
#pragma once

#include <string>

#include "machine/machine.h"

namespace fw {

void mnuConfig_Click(Machine& m);
void mnuAbout_Click(Machine& m);
void mnuManual_Click(Machine& m);
// A picture the player adds to the own themes, under the name file: what
// stops it, in the words of the theme scan, or "" (the next start lists it).
std::string AddThemeCheck(Machine& m, const std::string& path, const std::string& file);
// A theme menu item (1..10) was chosen.
void mnuWheelTheme_Click(Machine& m, int index);

}  // namespace fw
