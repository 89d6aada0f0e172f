// The SDL2_mixer sound device, played into SDL's disk audio driver, which writes the mixed output (16-bit
// stereo, 44.1 kHz) to a file; the tones are looked for in it 20 ms at a time with a Goertzel filter (each
// on a multiple of 50 Hz, an exact bin). Time is measured in output written, not on the wall clock.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>
#include <tuple>

#include <unistd.h>
#include <vector>

#include "frontend/sdl/sdl_sound_control.h"

namespace fs = std::filesystem;
using fw::SdlSoundControl;

namespace {

constexpr int kRate = 44100, kWindow = 882;

std::string Tone(const std::string& name, double frequency, double seconds, double amplitude) {
    const fs::path path = fs::temp_directory_path() / ("fw-sdl-" + std::to_string(getpid()) + "-" + name);
    const auto frames = static_cast<std::uint32_t>(seconds * kRate);
    std::ofstream out(path, std::ios::binary);
    auto put = [&out](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out.put(static_cast<char>(v >> (8 * i)));
    };
    out << "RIFF";
    put(36 + 2 * frames, 4);
    out << "WAVEfmt ";
    for (auto [v, n] : {std::pair{16u, 4}, {1u, 2}, {1u, 2}, {44100u, 4}, {88200u, 4}, {2u, 2}, {16u, 2}})
        put(v, n);
    out << "data";
    put(2 * frames, 4);
    for (std::uint32_t i = 0; i < frames; ++i)
        put(static_cast<std::uint16_t>(std::lround(amplitude * std::sin(2 * M_PI * frequency * i / kRate))),
            2);
    return path.string();
}

class SdlSound : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", out_.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "6", 1);
    }
    void TearDown() override { fs::remove(out_); }
    std::size_t Frames() const {
        std::error_code ec;
        return fs::file_size(out_, ec) / 4;
    }
    // Lets the device write ms more milliseconds of output.
    void PlayFor(int ms) {
        const std::size_t until = Frames() + std::size_t(ms) * kRate / 1000;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (Frames() < until && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    // For each 20 ms of the left channel: whether the tone sounds at half its amplitude or more.
    std::vector<bool> Heard(double frequency, double amplitude) const {
        std::ifstream in(out_, std::ios::binary);
        std::vector<std::int16_t> left;
        for (std::int16_t frame[2]; in.read(reinterpret_cast<char*>(frame), 4);) left.push_back(frame[0]);
        std::vector<bool> heard;
        const double coeff = 2 * std::cos(2 * M_PI * frequency / kRate);
        for (std::size_t start = 0; start + kWindow <= left.size(); start += kWindow) {
            double s1 = 0, s2 = 0;
            for (int i = 0; i < kWindow; ++i)
                std::tie(s1, s2) = std::pair{left[start + i] + coeff * s1 - s2, s1};
            heard.push_back(2 * std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - coeff * s1 * s2)) / kWindow >=
                            amplitude / 2);
        }
        return heard;
    }
    const fs::path out_ = fs::temp_directory_path() / ("fw-sdl-" + std::to_string(getpid()) + ".raw");
};

TEST_F(SdlSound, PlaysOnceRepeatsUntilStoppedAndMixesEverythingItIsGiven) {
    // Ctrl+C as a terminal gives it to a program in the foreground (a background job's is ignored).
    std::signal(SIGINT, SIG_DFL);
    SdlSoundControl sound;
    ASSERT_TRUE(sound.Initialise()) << SDL_GetError();
    EXPECT_TRUE(sound.Initialise());                   // already open: the same device
    EXPECT_EQ(std::signal(SIGINT, SIG_DFL), SIG_DFL);  // Ctrl+C still ends the program
    for (const auto& [slot, name, hz, seconds, level] :
         {std::tuple{15, "loop", 300, 0.2, 6000},
          {10, "filler", 500, 2.0, 400},
          {19, "old", 1500, 0.3, 6000},
          {19, "klonk", 2000, 0.25, 6000},
          {3, "old3", 1000, 0.3, 6000}})  // a reload replaces the sound
        sound.Load(slot, Tone(name, hz, seconds, level));
    sound.Load(3, (fs::temp_directory_path() / "fw-no-such.wav").string());  // a failed reload: silent
    sound.StartRepeating(15);
    sound.StartRepeating(15);  // does not stack
    EXPECT_EQ(Mix_Playing(-1), 1);
    PlayFor(150);
    for (int i = 0; i < SdlSoundControl::kMixChannels + 4; ++i) sound.PlayOnce(10);  // every channel busy
    const std::size_t shotAt = Frames();
    const auto before = std::chrono::steady_clock::now();
    sound.PlayOnce(19);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(100));
    for (int slot : {3, -1, SdlSoundControl::kSlotCount}) sound.PlayOnce(slot), sound.StartRepeating(slot);
    sound.Stop(19);  // not repeating: plays on
    PlayFor(400);
    const std::size_t stoppedAt = Frames();
    sound.Stop(15);
    PlayFor(250);
    sound.Release();
    sound.Release();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);

    const auto loop = Heard(300, 6000), shot = Heard(2000, 6000);
    int together = 0, loopWindows = 0;
    for (std::size_t i = 0; i < loop.size(); ++i) {
        EXPECT_TRUE(i >= shotAt / kWindow || !shot[i]) << "the one-shot sounded before it was played: " << i;
        together += loop[i] && shot[i];
        loopWindows += loop[i];
        EXPECT_TRUE(i <= stoppedAt / kWindow + 4 || !loop[i]) << "the loop sounded after its stop: " << i;
    }
    EXPECT_GE(together, 10);     // the 250 ms one-shot over the loop, though every channel was busy
    EXPECT_GE(loopWindows, 25);  // more than two passes of the 200 ms loop
    for (double silent : {1500.0, 1000.0})
        EXPECT_EQ(std::ranges::count(Heard(silent, 6000), true), 0) << silent;
}

TEST_F(SdlSound, TheVolumeScalesWhatPlaysAtOnce) {
    SdlSoundControl sound;
    ASSERT_TRUE(sound.Initialise()) << SDL_GetError();
    sound.Load(15, Tone("full", 300, 0.2, 8000));
    sound.StartRepeating(15);
    PlayFor(200);
    const std::size_t changed = Frames() / kWindow;  // then what is on its way plays out: 4 windows at most
    sound.SetVolume(30);
    PlayFor(300);
    sound.Release();
    const auto full = Heard(300, 8000), atThirty = Heard(300, 2400);
    for (std::size_t i = 2; i < full.size(); ++i) {
        EXPECT_TRUE(i >= changed || full[i]) << "full before the change: " << i;
        EXPECT_TRUE(i <= changed + 4 || (atThirty[i] && !full[i])) << "at 30 % after it: " << i;
    }
}

TEST_F(SdlSound, WithoutADeviceEveryCallDoesNothingAndOneLineSaysSo) {
    setenv("SDL_AUDIODRIVER", "alsa", 1);
    setenv("AUDIODEV", "fw_no_such_pcm", 1);
    SdlSoundControl sound;
    // What the terminal shows: one line of ours, ALSA's own complaints unsaid.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(sound.Initialise());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "fruitwhirl: no sound device was found; the game plays silently\n");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    sound.Load(0, Tone("a.wav", 450, 0.3, 6000));
    sound.PlayOnce(0), sound.StartRepeating(0), sound.Stop(0), sound.Release();
    unsetenv("AUDIODEV");
}

}  // namespace
