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

// The level the device plays at, 0..100 %: the volume, or 0 while muted.
int SoundLevel(const Machine& m);

// Sets the volume (clamped to 0..100) and plays every sound at the new level
// at once, those playing included.
void SetVolume(Machine& m, int percent);

// Mutes the sounds, or gives them back at the volume; at once, those playing included.
void ToggleMute(Machine& m);

// Closes the sound device at quit when it was opened.
void ReleaseSound(Machine& m);

}  // namespace fw
