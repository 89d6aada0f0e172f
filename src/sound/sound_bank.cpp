#include "sound/sound_bank.h"

#include <algorithm>

namespace fw {

void OpenSoundBank(Machine& m) {
    m.config.SoundAvailable = m.sound.Initialise() ? True : False;
    if (m.config.SoundAvailable != True) return;
    m.sound.SetVolume(SoundLevel(m));
    // Loaded even with sound switched off, so switching it on later works at once.
    for (int slot = 0; slot < kSoundCount; ++slot) {
        m.sound.Load(slot, m.config.SfxPath + std::string(kSoundFiles[slot]));
    }
}

void PlaySfx(Machine& m, Sfx sound, SfxMode mode) {
    if (m.config.SoundAvailable != True || m.config.SoundOn != 1) return;
    const std::int32_t slot = SoundNumber(sound);
    switch (mode) {
        case SfxMode::Loop:
            m.sound.StartRepeating(slot);
            break;
        case SfxMode::Stop:
            m.sound.Stop(slot);
            break;
        case SfxMode::Once:
            m.sound.PlayOnce(slot);
            break;
    }
}

int SoundLevel(const Machine& m) {
    return m.config.Muted ? 0 : m.config.Volume;
}

void SetVolume(Machine& m, int percent) {
    m.config.Volume = static_cast<Integer>(std::clamp<int>(percent, 0, kFullVolume));
    if (m.config.SoundAvailable == True) m.sound.SetVolume(SoundLevel(m));
}

void ToggleMute(Machine& m) {
    m.config.Muted = !m.config.Muted;
    if (m.config.SoundAvailable == True) m.sound.SetVolume(SoundLevel(m));
}

void ReleaseSound(Machine& m) {
    if (m.config.SoundAvailable == True) m.sound.Release();
}

}  // namespace fw
