// The view the player chose: the scale, full screen, the captions below the
// machine and the hints in them. They are settings like any other, in a [Window] section of the settings,
// kept by the settings store and written by its flush, so that one writer owns the settings file and a view
// chosen during a run is there at the next start, in both editions.
#pragma once

#include "platform/settings_store.h"

namespace fw {

struct ViewSettings {
    int scale = 0;  // 0: none chosen yet
    bool fullScreen = false;
    bool captions = false;  // View -> Captions: the line below the machine that tells the game
    bool hints = false;     // View -> Hints: the captions also give the best hold after a game
};

// Captions show until the player hides them in the browser, where the page has
// room below the machine and a player new to the game arrives; the desktop's
// window shows only the machine until the player asks for them.
inline constexpr bool kCaptionsAtFirstOnDesktop = false;
inline constexpr bool kCaptionsAtFirstInBrowser = true;

// The view stored, with a scale outside 1..largest counted as none chosen, and
// captions as captionsAtFirst says until the player has chosen.
ViewSettings LoadViewSettings(SettingsStore& store, int largest, bool captionsAtFirst);
// Stores the view and flushes the settings: true when the store holds it. A
// scale of 0 leaves the stored scale as it is.
bool KeepViewSettings(SettingsStore& store, const ViewSettings& view);

}  // namespace fw
