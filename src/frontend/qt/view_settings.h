// The window's own settings: the scale and full screen, kept in a section of
// their own in the game's settings file.
#pragma once

#include <string>

namespace fw {

struct ViewSettings {
    int scale = 0;  // 0: none chosen yet
    bool fullScreen = false;
};

ViewSettings LoadViewSettings();
void SaveViewSettings(const ViewSettings& view);

// Where the player's own reel themes are looked for: $XDG_DATA_HOME/fruitwhirl/Gfx/
// (~/.local/share/fruitwhirl/Gfx/ when it is not set), with a trailing separator.
std::string UserThemeFolder();

}  // namespace fw
