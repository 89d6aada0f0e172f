// The sound device of the program: WAV sounds in numbered slots, mixed by SDL2_mixer.
//
// Every call comes from the user-interface thread; SDL_mixer mixes on its own audio
// thread, so PlayOnce and StartRepeating return at once while the sound plays on.
// After a failed Initialise (no device, no sound server) every other call does nothing.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/sound_control.h"

struct Mix_Chunk;

namespace fw {

class SdlSoundControl final : public SoundControl {
public:
    // Slots 0 to kSlotCount - 1 are accepted; any other slot number is ignored.
    static constexpr int kSlotCount = 64;
    // Output format asked of the device. 512 frames at 44.1 kHz is 11.6 ms per
    // buffer: shorter than one display frame, so a reel-stop click lands on the
    // frame where the reel stops. Mixing a handful of channels that often costs
    // next to nothing.
    static constexpr int kFrequency = 44100;
    static constexpr int kOutputChannels = 2;
    static constexpr int kBufferFrames = 512;
    // Mixing channels: enough for the repeating sound and many overlapping one-shots.
    static constexpr int kMixChannels = 16;

    SdlSoundControl() = default;
    ~SdlSoundControl() override;
    SdlSoundControl(const SdlSoundControl&) = delete;
    SdlSoundControl& operator=(const SdlSoundControl&) = delete;

    // True when the device is open (also when it already was); without one, says so
    // once on standard error.
    bool Initialise() override;
    // A file that is missing or cannot be decoded leaves the slot silent; a slot
    // loaded again gives up its old sound.
    void Load(std::int32_t slot, const std::string& path) override;
    // Starts the slot's sound on a free mixing channel. When all channels are busy
    // the oldest one-shot gives way; a repeating sound never does.
    void PlayOnce(std::int32_t slot) override;
    // Repeats the slot's sound until Stop. Starting it again while it repeats changes nothing.
    void StartRepeating(std::int32_t slot) override;
    // Stops the slot's repeating sound only; one-shots keep playing.
    void Stop(std::int32_t slot) override;
    // Scales every channel, those playing included (SDL_mixer's 128 steps, rounded).
    void SetVolume(int percent) override;
    // Halts all sound, frees the sounds and closes the device. Safe at any time.
    void Release() override;

    bool IsOpen() const { return open_; }

private:
    struct Slot {
        Mix_Chunk* chunk = nullptr;
        int repeatChannel = -1;  // mixing channel the slot repeats on, -1 when not repeating
    };

    Slot* SlotFor(std::int32_t slot);
    bool IsRepeating(const Slot& s) const;
    // Plays a chunk on a free channel, or on the channel of the oldest one-shot
    // when none is free, or on a newly added channel when only repeating sounds
    // hold them. Returns the channel, or -1.
    int PlayOnAnyChannel(Mix_Chunk* chunk, int loops);
    void Close();
    int MixVolume() const;

    bool open_ = false;
    int percent_ = 100;
    std::array<Slot, kSlotCount> slots_{};
};

}  // namespace fw
