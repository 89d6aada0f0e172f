#include "sound/sound_bank.h"

namespace fw {

void Form_Activate(Machine& m) {
    if (m.ActivatedOnce) return;
    m.sound.SetWindow(0);
    m.SoundAvailable = m.sound.Initialise() > 0 ? False : True;
    if (m.SoundAvailable == True) {
        // Loaded even with sound switched off, so switching it on later works at once.
        for (std::size_t slot = 0; slot < kSoundFiles.size(); ++slot) {
            m.sound.Load(static_cast<std::int32_t>(slot), m.SfxPath + std::string(kSoundFiles[slot]));
        }
    }
    m.ActivatedOnce = true;
}

void PlaySfx(Machine& m, std::uint8_t sound, std::uint8_t mode) {
    if (m.SoundAvailable != True || m.SoundOn != 1) return;
    const auto slot = static_cast<std::int32_t>(sound);
    if (mode == 1) {
        m.sound.StartRepeating(slot);
    } else if (mode == 2) {
        m.sound.Stop(slot);
    } else {
        m.sound.PlayOnce(slot);
    }
}

void ReleaseSound(Machine& m) {
    if (m.SoundAvailable == True) m.sound.Release();
}

}  // namespace fw
