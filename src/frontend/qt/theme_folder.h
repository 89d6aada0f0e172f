// The folder of the player's own reel themes on this desktop.
#pragma once

#include <string>

namespace fw {

// Where the player's own reel themes are looked for: $XDG_DATA_HOME/fruitwhirl/Gfx/
// (~/.local/share/fruitwhirl/Gfx/ when it is not set), with a trailing separator.
std::string UserThemeFolder();

}  // namespace fw
