#include "frontend/sdl/sdl_sound_control.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace fw {

namespace {

// Channel tags, so that the oldest one-shot can be found without ever taking the
// channel of a repeating sound.
constexpr int kOneShotTag = 1;
constexpr int kRepeatTag = 2;

}  // namespace

SdlSoundControl::~SdlSoundControl() {
    Close();
}

bool SdlSoundControl::Initialise() {
    if (open_) return true;

    // Without this hint SDL installs its own SIGINT and SIGTERM handlers, and the
    // program would no longer end on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Fruitwhirl");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;

    if (Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, kOutputChannels, kBufferFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(kMixChannels);
    open_ = true;
    return true;
}

SdlSoundControl::Slot* SdlSoundControl::SlotFor(std::int32_t slot) {
    if (!open_ || slot < 0 || slot >= kSlotCount) return nullptr;
    return &slots_[static_cast<std::size_t>(slot)];
}

bool SdlSoundControl::IsRepeating(const Slot& s) const {
    return s.chunk != nullptr && s.repeatChannel >= 0 && Mix_Playing(s.repeatChannel) != 0 &&
           Mix_GetChunk(s.repeatChannel) == s.chunk;
}

void SdlSoundControl::Load(std::int32_t slot, const std::string& path) {
    Slot* s = SlotFor(slot);
    if (s == nullptr) return;
    if (s->chunk != nullptr) {
        // Freeing a chunk also halts every channel still playing it.
        Mix_FreeChunk(s->chunk);
        s->chunk = nullptr;
    }
    s->repeatChannel = -1;
    s->chunk = Mix_LoadWAV(path.c_str());  // nullptr when missing or unreadable: silent slot
}

int SdlSoundControl::PlayOnAnyChannel(Mix_Chunk* chunk, int loops) {
    int channel = Mix_PlayChannel(-1, chunk, loops);
    if (channel >= 0) return channel;

    const int oldest = Mix_GroupOldest(kOneShotTag);
    if (oldest >= 0) return Mix_PlayChannel(oldest, chunk, loops);

    // Only repeating sounds hold channels: add a few. Each slot repeats at most once,
    // so this stays bounded.
    const int count = Mix_AllocateChannels(-1);
    Mix_AllocateChannels(count + 4);
    return Mix_PlayChannel(-1, chunk, loops);
}

void SdlSoundControl::PlayOnce(std::int32_t slot) {
    Slot* s = SlotFor(slot);
    if (s == nullptr || s->chunk == nullptr) return;
    const int channel = PlayOnAnyChannel(s->chunk, 0);
    if (channel >= 0) Mix_GroupChannel(channel, kOneShotTag);
}

void SdlSoundControl::StartRepeating(std::int32_t slot) {
    Slot* s = SlotFor(slot);
    if (s == nullptr || s->chunk == nullptr) return;
    if (IsRepeating(*s)) return;
    const int channel = PlayOnAnyChannel(s->chunk, -1);
    if (channel >= 0) Mix_GroupChannel(channel, kRepeatTag);
    s->repeatChannel = channel;
}

void SdlSoundControl::Stop(std::int32_t slot) {
    Slot* s = SlotFor(slot);
    if (s == nullptr) return;
    if (IsRepeating(*s)) Mix_HaltChannel(s->repeatChannel);
    s->repeatChannel = -1;
}

void SdlSoundControl::Release() {
    Close();
}

void SdlSoundControl::Close() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    for (Slot& s : slots_) {
        if (s.chunk != nullptr) Mix_FreeChunk(s.chunk);
        s = Slot{};
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

}  // namespace fw
