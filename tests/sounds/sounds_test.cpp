// Checks of the generated sound bank: names, file format, level, clean ends,
// the seamless running-reels loop, the siren lengths and the sounds that must
// differ. The WAV reader here is deliberately separate from the generator's
// writer, so the files are checked against the format, not against the code
// that wrote them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kDir = FW_SOUNDS_DIR;
constexpr double kFull = 32767.0;
constexpr int kRate = 44100;

// The 22 files of the bank, in sound-number order.
const std::vector<std::string> kFiles = {
    "Activate.wav", "CircHigh.wav", "CircLow.wav", "Click.wav",   "Coin.wav",    "Congrats.wav",
    "Door.wav",     "Lever.wav",    "Mania.wav",   "NoMoney.wav", "Pay.wav",     "Pick.wav",
    "Siren4.wav",   "Siren8.wav",   "Tick.wav",    "WhlRun.wav",  "WinHigh.wav", "WinLow.wav",
    "Wrong.wav",    "klonk1.wav",   "klonk2.wav",  "klonk3.wav",
};
const std::string kLoop = "WhlRun.wav";
// Short mechanical clicks may sit a little below the rest of the bank.
const std::set<std::string> kClicks = {"Click.wav", "Tick.wav", "klonk1.wav", "klonk2.wav", "klonk3.wav"};

// ---- An independent WAV reader -------------------------------------------------------

struct Wav {
    std::string error;      // empty when the file is a valid PCM 16-bit mono 44100 Hz WAV
    std::vector<double> x;  // samples as -1..1 of full scale (32767)
};

std::uint32_t Le32(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t Le16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

Wav ReadWav(const fs::path& path) {
    Wav w;
    std::ifstream f(path, std::ios::binary);
    if (!f) return {"cannot open", {}};
    const std::string b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0)
        return {"not RIFF/WAVE", {}};
    if (Le32(b, 4) != b.size() - 8) return {"RIFF size does not match the file size", {}};

    bool haveFmt = false, haveData = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id = b.substr(at, 4);
        const std::size_t size = Le32(b, at + 4);
        const std::size_t body = at + 8;
        if (body + size > b.size()) return {"chunk '" + id + "' runs past the end of the file", {}};
        if (id == "fmt ") {
            if (size < 16) return {"fmt chunk too small", {}};
            const auto format = Le16(b, body), channels = Le16(b, body + 2);
            const auto rate = Le32(b, body + 4), byteRate = Le32(b, body + 8);
            const auto align = Le16(b, body + 12), bits = Le16(b, body + 14);
            if (format != 1) return {"not PCM", {}};
            if (channels != 1) return {"not mono", {}};
            if (rate != kRate) return {"sample rate is not 44100", {}};
            if (bits != 16) return {"not 16-bit", {}};
            if (align != 2 || byteRate != kRate * 2) return {"block align or byte rate inconsistent", {}};
            haveFmt = true;
        } else if (id == "data") {
            if (!haveFmt) return {"data chunk before fmt chunk", {}};
            if (size % 2 != 0) return {"data size is not a whole number of samples", {}};
            for (std::size_t i = 0; i < size; i += 2)
                w.x.push_back(static_cast<std::int16_t>(Le16(b, body + i)) / kFull);
            haveData = true;
        }
        at = body + size + (size & 1);  // chunks are padded to even sizes
    }
    if (at != b.size()) return {"trailing bytes after the last chunk", {}};
    if (!haveFmt || !haveData) return {"missing fmt or data chunk", {}};
    if (w.x.empty()) return {"no samples", {}};
    return w;
}

// Loaded once: every test below looks at the same files.
const std::map<std::string, Wav>& Bank() {
    static const std::map<std::string, Wav> bank = [] {
        std::map<std::string, Wav> m;
        for (const std::string& name : kFiles) m[name] = ReadWav(kDir / name);
        return m;
    }();
    return bank;
}

const std::vector<double>& Samples(const std::string& name) {
    const Wav& w = Bank().at(name);
    EXPECT_EQ(w.error, "") << name;
    return w.x;
}

// ---- Measurements --------------------------------------------------------------------

double Db(double v) {
    return 20.0 * std::log10(std::max(v, 1e-9));
}

double Peak(const std::vector<double>& x) {
    double p = 0;
    for (double v : x) p = std::max(p, std::abs(v));
    return p;
}

double Rms(const std::vector<double>& x, std::size_t from = 0, std::size_t to = SIZE_MAX) {
    to = std::min(to, x.size());
    double e = 0;
    for (std::size_t i = from; i < to; ++i) e += x[i] * x[i];
    return to > from ? std::sqrt(e / static_cast<double>(to - from)) : 0.0;
}

// Loudness of what is heard: the RMS of the 10 ms blocks that lie within
// 20 dB of the loudest block, so quiet tails do not count.
double LoudPartRms(const std::vector<double>& x) {
    const std::size_t block = kRate / 100;
    std::vector<double> rms;
    for (std::size_t i = 0; i < x.size(); i += block) rms.push_back(Rms(x, i, i + block));
    const double loudest = *std::max_element(rms.begin(), rms.end());
    double e = 0;
    int n = 0;
    for (double r : rms) {
        if (r >= loudest / 10) e += r * r, ++n;
    }
    return std::sqrt(e / n);
}

// Zero crossings per second between two sample indices.
double CrossingRate(const std::vector<double>& x, std::size_t from, std::size_t to) {
    to = std::min(to, x.size());
    int count = 0;
    for (std::size_t i = from + 1; i < to; ++i) count += (x[i - 1] < 0) != (x[i] < 0);
    return count * static_cast<double>(kRate) / static_cast<double>(to - from);
}

double MeanAbsStep(const std::vector<double>& x) {
    double s = 0;
    for (std::size_t i = 1; i < x.size(); ++i) s += std::abs(x[i] - x[i - 1]);
    return s / static_cast<double>(x.size() - 1);
}

double DurationMs(const std::vector<double>& x) {
    return 1000.0 * static_cast<double>(x.size()) / kRate;
}

std::vector<std::string> OneShots() {
    std::vector<std::string> v;
    std::copy_if(kFiles.begin(), kFiles.end(), std::back_inserter(v),
                 [](const auto& f) { return f != kLoop; });
    return v;
}

class EachSound : public ::testing::TestWithParam<std::string> {};
class EachOneShot : public ::testing::TestWithParam<std::string> {};

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
    return info.param.substr(0, info.param.find('.'));
}

// ---- The bank as a whole -------------------------------------------------------------

TEST(SoundBank, HoldsExactlyTheTwentyTwoFilesUnderTheirExactNames) {
    std::set<std::string> onDisk;
    for (const auto& entry : fs::directory_iterator(kDir)) {
        if (entry.path().extension() == ".wav") onDisk.insert(entry.path().filename().string());
    }
    const std::set<std::string> expected(kFiles.begin(), kFiles.end());
    EXPECT_EQ(onDisk, expected);
    EXPECT_EQ(kFiles.size(), 22u);
}

// ---- Each sound --------------------------------------------------------------------

TEST_P(EachSound, IsPcm16MonoAt44100WithAConsistentHeader) {
    EXPECT_EQ(Bank().at(GetParam()).error, "");
}

TEST_P(EachSound, IsAudible) {
    const auto& x = Samples(GetParam());
    ASSERT_FALSE(x.empty());
    EXPECT_GT(Db(Rms(x)), -40.0) << "whole-file RMS";
    EXPECT_GT(Db(Peak(x)), -20.0) << "peak";
}

TEST_P(EachSound, StaysWellBelowFullScale) {
    const auto& x = Samples(GetParam());
    ASSERT_FALSE(x.empty());
    EXPECT_LT(Peak(x), 0.9) << "peak " << Db(Peak(x)) << " dBFS";
}

TEST_P(EachOneShot, FadesInAndOutFromSilence) {
    const auto& x = Samples(GetParam());
    ASSERT_GT(x.size(), 200u);
    // First and last samples near zero, and no jump in the first and last 10.
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_LT(std::abs(x[i]), 0.01) << "sample " << i;
        EXPECT_LT(std::abs(x[x.size() - 1 - i]), 0.01) << "sample " << x.size() - 1 - i;
    }
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_LT(std::abs(x[i]), 0.05) << "sample " << i;
        EXPECT_LT(std::abs(x[x.size() - 1 - i]), 0.05) << "sample " << x.size() - 1 - i;
    }
}

TEST_P(EachSound, LastsAsLongAsItsEventAllows) {
    const auto& x = Samples(GetParam());
    const double ms = DurationMs(x);
    EXPECT_GE(ms, 30.0);
    EXPECT_LE(ms, 3200.0);
    const std::string& name = GetParam();
    if (name == "Tick.wav" || name == "Click.wav") {
        EXPECT_LE(ms, 120.0);  // the wheel ticks every 120 ms
    }
    if (name.starts_with("klonk") || name.starts_with("Circ")) {
        EXPECT_LE(ms, 500.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Bank, EachSound, ::testing::ValuesIn(kFiles), TestName);
// The running-reels loop joins itself instead: see RunningReelsLoopHasNoSeam.
INSTANTIATE_TEST_SUITE_P(Bank, EachOneShot, ::testing::ValuesIn(OneShots()), TestName);

// ---- Loudness across the bank --------------------------------------------------------

TEST(SoundBank, LoudnessIsEvenAcrossTheBank) {
    std::vector<double> main;
    for (const std::string& name : kFiles) {
        const auto& x = Samples(name);
        ASSERT_FALSE(x.empty()) << name;
        const double loud = Db(LoudPartRms(x));
        if (kClicks.count(name)) {
            EXPECT_GE(loud, -28.0) << name;
            EXPECT_LE(loud, -14.0) << name;
        } else {
            EXPECT_GE(loud, -22.0) << name;
            EXPECT_LE(loud, -14.0) << name;
            main.push_back(loud);
        }
    }
    ASSERT_FALSE(main.empty());
    const auto [lo, hi] = std::minmax_element(main.begin(), main.end());
    EXPECT_LE(*hi - *lo, 4.0) << "spread of the loud-part RMS";
}

// ---- The running-reels loop -----------------------------------------------------------

TEST(SoundBank, RunningReelsLoopHasNoSeam) {
    const auto& x = Samples(kLoop);
    ASSERT_GT(x.size(), static_cast<std::size_t>(kRate / 4)) << "a loop this short would drone";
    const std::size_t n = x.size();
    const double step = MeanAbsStep(x);
    // Played repeating, the last sample is followed by the first.
    const double seam = std::abs(x[0] - x[n - 1]);
    EXPECT_LT(seam, 0.02) << "jump at the seam";
    EXPECT_LE(seam, 2.0 * step) << "the seam's step against the typical step " << step;
    // The slope carries on across the seam.
    const double bendAtSeam = std::abs((x[1] - x[0]) - (x[n - 1] - x[n - 2]));
    double bend = 0;
    for (std::size_t i = 2; i < n; ++i) bend += std::abs(x[i] - 2 * x[i - 1] + x[i - 2]);
    bend /= static_cast<double>(n - 2);
    EXPECT_LE(bendAtSeam, 4.0 * bend) << "change of slope at the seam";
    // No fade: the loop's first and last 10 ms are about as loud as the rest.
    const std::size_t edge = kRate / 100;
    EXPECT_GT(Rms(x, 0, edge), 0.4 * Rms(x)) << "faded in";
    EXPECT_GT(Rms(x, n - edge, n), 0.4 * Rms(x)) << "faded out";
}

// ---- The sirens --------------------------------------------------------------------------

// The siren lamp turns 4 or 8 times, 8 frames of 49 ms a turn; the sound must
// last exactly as long and sweep up and down once per turn.
void CheckSiren(const std::string& name, int turns) {
    const auto& x = Samples(name);
    const double turnMs = 8 * 49.0;
    EXPECT_NEAR(DurationMs(x), turns * turnMs, 1.0) << name;
    const std::size_t turn = static_cast<std::size_t>(turnMs * kRate / 1000);
    const std::size_t window = kRate / 50;  // 20 ms
    for (int k = 0; k < turns; ++k) {
        const std::size_t start = k * turn + window / 2;  // just after the fade in
        const std::size_t middle = k * turn + turn / 2 - window / 2;
        const double low = CrossingRate(x, start, start + window);
        const double high = CrossingRate(x, middle, middle + window);
        EXPECT_GT(high, 1.4 * low) << name << ": turn " << k << " does not rise to a peak in its middle";
    }
}

TEST(SoundBank, Siren4LastsFourLampTurns) {
    CheckSiren("Siren4.wav", 4);
}
TEST(SoundBank, Siren8LastsEightLampTurns) {
    CheckSiren("Siren8.wav", 8);
}

// ---- Sounds that must differ --------------------------------------------------------------

double Correlation(const std::vector<double>& a, const std::vector<double>& b) {
    const std::size_t n = std::min(a.size(), b.size());
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < n; ++i) ab += a[i] * b[i], aa += a[i] * a[i], bb += b[i] * b[i];
    return ab / std::sqrt(aa * bb + 1e-30);
}

TEST(SoundBank, TheThreeReelStopsSoundDifferent) {
    const std::string names[] = {"klonk1.wav", "klonk2.wav", "klonk3.wav"};
    for (int i = 0; i < 3; ++i) {
        for (int j = i + 1; j < 3; ++j) {
            const auto& a = Samples(names[i]);
            const auto& b = Samples(names[j]);
            ASSERT_FALSE(a.empty() || b.empty());
            EXPECT_LT(std::abs(Correlation(a, b)), 0.8) << names[i] << " and " << names[j] << " are alike";
        }
    }
}

TEST(SoundBank, HighChimeIsHigherThanLowChime) {
    const auto& high = Samples("CircHigh.wav");
    const auto& low = Samples("CircLow.wav");
    ASSERT_FALSE(high.empty() || low.empty());
    // The ringing part, after the strike: 10..110 ms.
    const std::size_t from = kRate / 100, to = from + kRate / 10;
    const double h = CrossingRate(high, from, to), l = CrossingRate(low, from, to);
    EXPECT_GT(h, 1.2 * l) << "CircHigh " << h / 2 << " Hz against CircLow " << l / 2 << " Hz";
}

}  // namespace
