// The SDL2_mixer sound device, played into SDL's disk audio driver.
//
// The disk driver writes the mixed output to a raw file (signed 16-bit, stereo,
// 44.1 kHz) as the device plays it. The tests make their own WAV tones, play them,
// close the device (which flushes the file) and look for the tones in the output
// with a Goertzel filter over 20 ms windows. Every tone sits on a multiple of 50 Hz,
// an exact bin of a 882-sample window, so a steady tone reads back at its amplitude
// and an absent one near zero.
//
// Time is measured in output, not on the wall clock: a test waits until the file has
// grown by the audio it needs, and where it needs to know what was written before a
// call it takes the file's size at that moment (the file is buffered, so that size is
// never ahead of what the device has actually written). SDL_DISKAUDIODELAY is set
// below the length of one buffer, so the driver writes somewhat faster than real
// time and the suite stays quick.

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "frontend/sdl/sdl_sound_control.h"

namespace fs = std::filesystem;
using fw::SdlSoundControl;

namespace {

constexpr int kRate = 44100;
constexpr int kWindow = 882;  // 20 ms
constexpr int kBytesPerFrame = 4;

// A mono 16-bit PCM WAV file holding a sine tone.
void WriteToneWav(const fs::path& path, double frequency, double seconds, double amplitude) {
    const auto frames = static_cast<std::uint32_t>(std::lround(seconds * kRate));
    const std::uint32_t dataBytes = frames * 2;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&out](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    auto u16 = [&out](std::uint16_t v) {
        out.put(static_cast<char>(v & 0xFF));
        out.put(static_cast<char>(v >> 8));
    };
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double v = amplitude * std::sin(2.0 * M_PI * frequency * i / kRate);
        u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v))));
    }
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::uintmax_t FileBytes(const fs::path& path) {
    std::error_code ec;
    const auto n = fs::file_size(path, ec);
    return ec ? 0 : n;
}

// The left channel of the raw output.
std::vector<std::int16_t> ReadLeft(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::int16_t> left(bytes.size() / kBytesPerFrame);
    for (std::size_t i = 0; i < left.size(); ++i) {
        const auto lo = static_cast<unsigned char>(bytes[i * kBytesPerFrame]);
        const auto hi = static_cast<unsigned char>(bytes[i * kBytesPerFrame + 1]);
        left[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
    }
    return left;
}

// Amplitude of one frequency in samples[start, start + n).
double ToneAmplitude(const std::vector<std::int16_t>& samples, std::size_t start, std::size_t n,
                     double frequency) {
    const double w = 2.0 * M_PI * frequency / kRate;
    const double coeff = 2.0 * std::cos(w);
    double s1 = 0.0, s2 = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double s0 = samples[start + i] + coeff * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - coeff * s1 * s2;
    return 2.0 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(n);
}

// For each 20 ms window of the output, whether the tone is present (at least half
// its amplitude).
std::vector<bool> TonePresence(const std::vector<std::int16_t>& samples, double frequency, double amplitude) {
    std::vector<bool> present;
    for (std::size_t start = 0; start + kWindow <= samples.size(); start += kWindow) {
        present.push_back(ToneAmplitude(samples, start, kWindow, frequency) >= amplitude / 2);
    }
    return present;
}

int Count(const std::vector<bool>& v) {
    int n = 0;
    for (bool b : v) n += b ? 1 : 0;
    return n;
}

int MaxAbs(const std::vector<std::int16_t>& samples, std::size_t from) {
    int m = 0;
    for (std::size_t i = from; i < samples.size(); ++i) m = std::max(m, std::abs(int{samples[i]}));
    return m;
}

bool SignalIsDefault(int sig) {
    struct sigaction current {};
    sigaction(sig, nullptr, &current);
    return current.sa_handler == SIG_DFL;
}

class SdlSoundControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "fw-sdl-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        UseDiskOutput("out.raw");
        setenv("SDL_DISKAUDIODELAY", "6", 1);
        unsetenv("AUDIODEV");
    }
    void TearDown() override {
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
        unsetenv("SDL_DISKAUDIODELAY");
        unsetenv("AUDIODEV");
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    void UseDiskOutput(const std::string& name) {
        out_ = dir_ / name;
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", out_.c_str(), 1);
    }

    std::string Tone(const std::string& name, double frequency, double seconds, double amplitude) {
        const fs::path path = dir_ / name;
        WriteToneWav(path, frequency, seconds, amplitude);
        return path.string();
    }

    // Opens the device and checks the output format the analysis relies on.
    void Open(SdlSoundControl& sound) {
        ASSERT_LE(sound.Initialise(), 0) << SDL_GetError();
        int frequency = 0, channels = 0;
        Uint16 format = 0;
        ASSERT_EQ(Mix_QuerySpec(&frequency, &format, &channels), 1);
        ASSERT_EQ(frequency, kRate);
        ASSERT_EQ(format, AUDIO_S16LSB);
        ASSERT_EQ(channels, 2);
    }

    // Lets the device write at least `ms` more milliseconds of output. Waiting on the
    // output rather than the wall clock keeps the tests right on a busy machine.
    void PlayFor(int ms) {
        const std::size_t until = FramesSoFar() + static_cast<std::size_t>(ms) * kRate / 1000;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (FramesSoFar() < until && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

    std::vector<std::int16_t> Output() { return ReadLeft(out_); }
    // The output frame the device had at least reached by now.
    std::size_t FramesSoFar() { return FileBytes(out_) / kBytesPerFrame; }

    fs::path dir_;
    fs::path out_;
};

TEST_F(SdlSoundControlTest, SoundPlayedOnceReachesTheOutputOnceAndTheCallReturnsAtOnce) {
    SdlSoundControl sound;
    ASSERT_NO_FATAL_FAILURE(Open(sound));
    sound.Load(0, Tone("a.wav", 450, 0.3, 8000));

    const auto before = std::chrono::steady_clock::now();
    sound.PlayOnce(0);
    const auto took = std::chrono::steady_clock::now() - before;
    EXPECT_LT(took, std::chrono::milliseconds(100));

    PlayFor(500);
    sound.Release();
    const auto present = TonePresence(Output(), 450, 8000);
    // 0.3 s is 15 windows: played, and played once only.
    EXPECT_GE(Count(present), 13);
    EXPECT_LE(Count(present), 17);
}

TEST_F(SdlSoundControlTest, OneShotMixesIntoTheRunningLoop) {
    SdlSoundControl sound;
    ASSERT_NO_FATAL_FAILURE(Open(sound));
    sound.Load(15, Tone("loop.wav", 300, 0.2, 6000));  // 60 whole cycles: a seamless loop
    sound.Load(19, Tone("klonk.wav", 2000, 0.25, 6000));

    sound.StartRepeating(15);
    PlayFor(150);
    const std::size_t beforeOneShot = FramesSoFar();
    sound.PlayOnce(19);
    PlayFor(450);
    sound.Stop(15);
    sound.Release();

    const auto samples = Output();
    const auto low = TonePresence(samples, 300, 6000);
    const auto high = TonePresence(samples, 2000, 6000);
    ASSERT_EQ(low.size(), high.size());
    const std::size_t firstAfter = beforeOneShot / kWindow;
    ASSERT_LT(firstAfter, high.size());

    int lowOnlyBefore = 0, both = 0, lowAfterOneShot = 0;
    int lastBoth = -1;
    for (std::size_t i = 0; i < low.size(); ++i) {
        if (i < firstAfter) {
            EXPECT_FALSE(high[i]) << "one-shot heard before it was played, window " << i;
            if (low[i]) ++lowOnlyBefore;
        }
        if (low[i] && high[i]) {
            ++both;
            lastBoth = static_cast<int>(i);
        }
    }
    for (std::size_t i = static_cast<std::size_t>(lastBoth + 1); i < low.size(); ++i) {
        if (low[i] && !high[i]) ++lowAfterOneShot;
    }
    EXPECT_GE(lowOnlyBefore, 3) << "the loop did not play alone first";
    // The one-shot lasts 12.5 windows; it must sound together with the loop.
    EXPECT_GE(both, 10) << "one-shot and loop were not heard together";
    EXPECT_GE(lowAfterOneShot, 3) << "the loop did not go on after the one-shot";
}

TEST_F(SdlSoundControlTest, RepeatingSoundRepeatsUntilStopThenSilence) {
    SdlSoundControl sound;
    ASSERT_NO_FATAL_FAILURE(Open(sound));
    sound.Load(15, Tone("loop.wav", 300, 0.2, 6000));

    sound.StartRepeating(15);
    PlayFor(400);
    const std::size_t stoppedAt = FramesSoFar();
    sound.Stop(15);
    PlayFor(250);
    sound.Release();

    const auto samples = Output();
    const auto present = TonePresence(samples, 300, 6000);
    // More windows than one pass of the 200 ms (10-window) sound.
    EXPECT_GE(Count(present), 14) << "the sound did not repeat";
    ASSERT_GE(stoppedAt / kWindow, 1u);
    EXPECT_TRUE(present[stoppedAt / kWindow - 1]) << "the sound was not playing before Stop";

    // Allow for the file buffer and the mixer buffers in flight when Stop came.
    const std::size_t silentFrom = stoppedAt + 3000;
    ASSERT_GE(samples.size(), silentFrom + kRate / 10) << "too little output after Stop";
    EXPECT_EQ(MaxAbs(samples, silentFrom), 0) << "still sounding after Stop";
}

TEST_F(SdlSoundControlTest, StartingTwiceDoesNotStackAndStopLeavesOtherSoundsPlaying) {
    SdlSoundControl sound;
    ASSERT_NO_FATAL_FAILURE(Open(sound));
    sound.Load(15, Tone("loop.wav", 300, 0.2, 6000));
    sound.Load(5, Tone("long.wav", 1000, 2.0, 6000));

    sound.StartRepeating(15);
    sound.StartRepeating(15);
    EXPECT_EQ(Mix_Playing(-1), 1) << "a second loop was stacked";

    sound.PlayOnce(5);
    EXPECT_EQ(Mix_Playing(-1), 2);
    sound.Stop(5);  // slot 5 is not repeating: nothing happens
    EXPECT_EQ(Mix_Playing(-1), 2);

    sound.Stop(15);
    EXPECT_EQ(Mix_Playing(-1), 1) << "Stop must halt the loop and only the loop";
    sound.Stop(15);
    EXPECT_EQ(Mix_Playing(-1), 1);

    sound.StartRepeating(15);  // after a Stop it starts again
    EXPECT_EQ(Mix_Playing(-1), 2);
    sound.Release();
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
}

TEST_F(SdlSoundControlTest, OneShotIsNotLostWhenEveryChannelIsBusy) {
    SdlSoundControl sound;
    ASSERT_NO_FATAL_FAILURE(Open(sound));
    sound.Load(15, Tone("loop.wav", 300, 0.2, 4000));
    sound.Load(10, Tone("filler.wav", 500, 2.0, 500));
    sound.Load(21, Tone("probe.wav", 3100, 0.2, 6000));

    sound.StartRepeating(15);
    PlayFor(30);
    for (int i = 0; i < SdlSoundControl::kMixChannels + 4; ++i) sound.PlayOnce(10);
    sound.PlayOnce(21);
    PlayFor(350);
    sound.Release();

    const auto samples = Output();
    const auto loop = TonePresence(samples, 300, 4000);
    const auto probe = TonePresence(samples, 3100, 6000);
    EXPECT_GE(Count(probe), 8) << "the one-shot was lost";
    for (std::size_t i = 0; i < probe.size(); ++i) {
        if (probe[i]) {
            EXPECT_TRUE(loop[i]) << "the loop gave way to a one-shot, window " << i;
        }
    }
}

TEST_F(SdlSoundControlTest, UnreadableFilesLeaveSlotsSilentAndOtherSlotsPlay) {
    SdlSoundControl sound;
    ASSERT_NO_FATAL_FAILURE(Open(sound));
    WriteText(dir_ / "notes.wav", "this is not a sound\n");
    WriteText(dir_ / "empty.wav", "");
    sound.Load(3, (dir_ / "missing.wav").string());
    sound.Load(4, (dir_ / "notes.wav").string());
    sound.Load(6, (dir_ / "empty.wav").string());
    sound.Load(7, Tone("old7.wav", 1500, 0.3, 6000));
    sound.Load(7, (dir_ / "missing.wav").string());  // a failed reload silences the slot
    sound.Load(8, Tone("old8.wav", 450, 0.3, 6000));
    sound.Load(8, Tone("new8.wav", 2000, 0.3, 6000));  // a reload replaces the sound
    sound.Load(5, Tone("good.wav", 1000, 0.3, 6000));
    sound.Load(-1, Tone("neg.wav", 1000, 0.3, 6000));
    sound.Load(SdlSoundControl::kSlotCount, Tone("big.wav", 1000, 0.3, 6000));

    for (int slot : {3, 4, 6, 7, -1, SdlSoundControl::kSlotCount, 500}) {
        sound.PlayOnce(slot);
        sound.StartRepeating(slot);
        sound.Stop(slot);
    }
    for (int slot : {3, 4, 6, 7}) sound.StartRepeating(slot);
    sound.PlayOnce(5);
    sound.PlayOnce(8);
    PlayFor(450);
    sound.Release();

    const auto samples = Output();
    EXPECT_GE(Count(TonePresence(samples, 1000, 6000)), 13) << "a good slot did not play";
    EXPECT_GE(Count(TonePresence(samples, 2000, 6000)), 13) << "the reloaded slot lost its new sound";
    EXPECT_EQ(Count(TonePresence(samples, 450, 6000)), 0) << "the replaced sound still played";
    EXPECT_EQ(Count(TonePresence(samples, 1500, 6000)), 0) << "a failed reload kept the old sound";
}

TEST_F(SdlSoundControlTest, ReleaseIsSafeTwiceAndTheDeviceOpensAgain) {
    SdlSoundControl sound;
    sound.Release();  // never opened
    ASSERT_NO_FATAL_FAILURE(Open(sound));
    sound.Load(1, Tone("a.wav", 450, 0.3, 6000));
    sound.Release();
    sound.Release();
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    sound.PlayOnce(1);  // closed: nothing

    UseDiskOutput("second.raw");
    ASSERT_NO_FATAL_FAILURE(Open(sound));
    sound.PlayOnce(1);  // the sounds went with the release
    sound.Load(2, Tone("b.wav", 1000, 0.3, 6000));
    sound.PlayOnce(2);
    PlayFor(450);
    sound.Release();

    const auto samples = Output();
    EXPECT_GE(Count(TonePresence(samples, 1000, 6000)), 13);
    EXPECT_EQ(Count(TonePresence(samples, 450, 6000)), 0);
}

TEST_F(SdlSoundControlTest, InitialisingTwiceKeepsOneDeviceAndOneReleaseClosesIt) {
    SdlSoundControl sound;
    EXPECT_EQ(sound.Initialise(), 0);
    EXPECT_EQ(sound.Initialise(), 0);
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 1);
    sound.Release();
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST_F(SdlSoundControlTest, DestroyingTheControlClosesTheDevice) {
    {
        SdlSoundControl sound;
        ASSERT_NO_FATAL_FAILURE(Open(sound));
        sound.Load(15, Tone("loop.wav", 300, 0.2, 6000));
        sound.StartRepeating(15);
    }
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST_F(SdlSoundControlTest, OpeningTheDeviceLeavesTheTerminationSignalsAlone) {
    ASSERT_TRUE(SignalIsDefault(SIGINT));
    ASSERT_TRUE(SignalIsDefault(SIGTERM));
    SdlSoundControl sound;
    ASSERT_NO_FATAL_FAILURE(Open(sound));
    EXPECT_TRUE(SignalIsDefault(SIGINT));
    EXPECT_TRUE(SignalIsDefault(SIGTERM));
    sound.Release();
}

// Without a device Initialise fails, leaves nothing started, and every other call does
// nothing; a device that turns up later can still be opened.
void ExpectNoDevice(SdlSoundControl& sound, const std::string& tone) {
    sound.SetWindow(0x1234);
    EXPECT_GT(sound.Initialise(), 0);
    EXPECT_FALSE(sound.IsOpen());
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "the audio subsystem was left started";
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
    for (int slot = 0; slot < 22; ++slot) sound.Load(slot, tone);
    sound.PlayOnce(0);
    sound.StartRepeating(15);
    sound.Stop(15);
    sound.Stop(3);
    EXPECT_GT(sound.Initialise(), 0);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    sound.Release();
    sound.Release();
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
}

TEST_F(SdlSoundControlTest, UnknownAudioDriverFailsInitialiseAndEveryOtherCallDoesNothing) {
    setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);  // SDL's audio subsystem does not start
    SdlSoundControl sound;
    ExpectNoDevice(sound, Tone("a.wav", 450, 0.3, 6000));

    UseDiskOutput("late.raw");
    EXPECT_EQ(sound.Initialise(), 0);
    sound.Release();
}

TEST_F(SdlSoundControlTest, MissingAlsaDeviceFailsInitialiseAndEveryOtherCallDoesNothing) {
    // SDL's audio subsystem starts; opening the (non-existent) PCM device fails.
    setenv("SDL_AUDIODRIVER", "alsa", 1);
    setenv("AUDIODEV", "fw_no_such_pcm", 1);
    SdlSoundControl sound;
    ExpectNoDevice(sound, Tone("a.wav", 450, 0.3, 6000));

    UseDiskOutput("late.raw");
    EXPECT_EQ(sound.Initialise(), 0);
    sound.Release();
}

}  // namespace
