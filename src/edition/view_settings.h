// The view the player chose: the scale and full screen. They are settings like
// any other, in a [Window] section of the settings, kept by the settings store
// and written by its flush, so that one writer owns the settings file and a
// view chosen during a run is there at the next start, in both editions.
#pragma once

#include "platform/settings_store.h"

namespace fw {

struct ViewSettings {
    int scale = 0;  // 0: none chosen yet
    bool fullScreen = false;
};

// The view stored, with a scale outside 1..largest counted as none chosen.
ViewSettings LoadViewSettings(SettingsStore& store, int largest);
// Stores the view and flushes the settings: true when the store holds it. A
// scale of 0 leaves the stored scale as it is.
bool KeepViewSettings(SettingsStore& store, const ViewSettings& view);

}  // namespace fw
