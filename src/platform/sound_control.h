// The device that plays the numbered sounds of the sound bank.
#pragma once

#include <cstdint>
#include <string>

namespace fw {

class SoundControl {
public:
    virtual ~SoundControl() = default;
    // Opens the device; false when there is none to play on (the game then
    // plays silently).
    virtual bool Initialise() = 0;
    // Reads a WAV file into a slot. A file that cannot be read leaves the slot silent.
    virtual void Load(std::int32_t slot, const std::string& path) = 0;
    // Starts the slot's sound and returns at once.
    virtual void PlayOnce(std::int32_t slot) = 0;
    // Starts the slot's sound repeating until Stop.
    virtual void StartRepeating(std::int32_t slot) = 0;
    virtual void Stop(std::int32_t slot) = 0;
    // The level every sound plays at, those already playing included: 0 (silent)
    // to 100 % of the level the sound was made at. The sounds keep their mix.
    virtual void SetVolume(int percent) = 0;
    // Closes the device.
    virtual void Release() = 0;
};

}  // namespace fw
