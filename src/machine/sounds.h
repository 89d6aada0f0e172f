// The names of the 22 sounds and the ways of playing them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace fw {

// A sound of the bank, in the game's numbering.
enum class Sfx : std::uint8_t {
#define FW_SOUND(name, file) name,
#include "machine/sound_list.h"
#undef FW_SOUND
};

inline constexpr std::array kSoundFiles = {
#define FW_SOUND(name, file) std::string_view(file),
#include "machine/sound_list.h"
#undef FW_SOUND
};
inline constexpr int kSoundCount = static_cast<int>(kSoundFiles.size());

constexpr int SoundNumber(Sfx s) {
    return static_cast<int>(s);
}
constexpr std::string_view SoundFile(Sfx s) {
    return kSoundFiles[SoundNumber(s)];
}

// The reel-stop clunk of reel r (0..2).
constexpr Sfx KlonkOf(int reel) {
    return static_cast<Sfx>(SoundNumber(Sfx::Klonk1) + reel);
}

// Once plays the sound and returns; Loop starts it repeating; Stop ends it.
enum class SfxMode : std::uint8_t { Once = 0, Loop = 1, Stop = 2 };

}  // namespace fw
