#include "frontend/sdl/sdl_sound_control.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <cstdio>

namespace fw {

namespace {

// Channel tags, so that the oldest one-shot can be found without ever taking the
// channel of a repeating sound.
constexpr int kOneShotTag = 1;
constexpr int kRepeatTag = 2;

// ALSA's own messages about a device it cannot open: none. Without a device
// SDL's ALSA driver makes libasound print eight lines of its configuration's
// failures, which read as the game's errors; the one line below says it all.
extern "C" void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

void SilenceAlsa() {
    // The library SDL loads when it tries ALSA: opened here first, it is the same one.
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (alsa == nullptr) return;  // no ALSA: nothing to silence
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) set(QuietAlsa);
    // Kept loaded for the life of the program, so that the handler stays.
}

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
    SilenceAlsa();
    bool opened = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (opened && Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, kOutputChannels, kBufferFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        opened = false;
    }
    if (!opened) {
        std::fputs("fruitwhirl: no sound device was found; the game plays silently\n", stderr);
        return false;
    }
    Mix_AllocateChannels(kMixChannels);
    Mix_Volume(-1, MixVolume());
    open_ = true;
    return true;
}

void SdlSoundControl::SetVolume(int percent) {
    percent_ = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    // Every channel's volume scales what it plays, at once; the sounds keep their mix.
    if (open_) Mix_Volume(-1, MixVolume());
}

int SdlSoundControl::MixVolume() const {
    return (percent_ * MIX_MAX_VOLUME + 50) / 100;
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
    Mix_Volume(-1, MixVolume());  // the new channels at the level of the others
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
