// The bank of 22 numbered sounds and playing them.
#pragma once

#include "machine/machine.h"
#include "machine/sounds.h"

namespace fw {

// Opens the sound device and loads the bank into it; without a device the
// machine stays silent.
void OpenSoundBank(Machine& m);

// Plays a sound once, starts it repeating, or stops it. Silent before the
// sound bank is open, when no sound device could be opened, or when sound is
// switched off.
void PlaySfx(Machine& m, Sfx sound, SfxMode mode);

// Closes the sound device at quit when it was opened.
void ReleaseSound(Machine& m);

}  // namespace fw
