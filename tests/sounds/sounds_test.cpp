// The generated sound bank, and the sounds mixed as the game plays them (integrated loudness after
// ITU-R BS.1770). The WAV reader is written here from the format, not taken from the generator.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "machine/sounds.h"

namespace {

namespace fs = std::filesystem;
constexpr int kRate = 44100;

// The samples of a WAV file as -1..1: PCM 16-bit mono at 44.1 kHz, its sizes stated right.
const std::vector<double>& Samples(const std::string& name) {
    static std::map<std::string, std::vector<double>> bank;
    if (bank.count(name)) return bank[name];
    std::ifstream f(fs::path(FW_SOUNDS_DIR) / name, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    auto le = [&b](std::size_t at, int bytes) {
        std::uint32_t v = 0;
        for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
        return v;
    };
    const bool wav = b.size() > 44 && !b.compare(0, 4, "RIFF") && le(4, 4) == b.size() - 8 &&
                     !b.compare(8, 8, "WAVEfmt ") && le(16, 4) == 16 && le(20, 2) == 1 && le(22, 2) == 1 &&
                     le(24, 4) == kRate && le(28, 4) == 2 * kRate && le(32, 2) == 2 && le(34, 2) == 16 &&
                     !b.compare(36, 4, "data") && le(40, 4) == b.size() - 44;
    EXPECT_TRUE(wav) << name << " is no PCM 16-bit mono 44100 Hz WAV file of its stated size";
    std::vector<double>& x = bank[name];
    for (std::size_t i = 44; wav && i + 1 < b.size(); i += 2) x.push_back(std::int16_t(le(i, 2)) / 32767.0);
    return x;
}

double Db(double v) {
    return 20 * std::log10(std::max(v, 1e-9));
}
double Rms(const std::vector<double>& x, std::size_t from = 0, std::size_t to = SIZE_MAX) {
    to = std::min(to, x.size());
    double e = 0;
    for (std::size_t i = from; i < to; ++i) e += x[i] * x[i];
    return to > from ? std::sqrt(e / double(to - from)) : 0;
}
double CrossingRate(const std::vector<double>& x, std::size_t from, std::size_t to) {
    int count = 0;
    for (std::size_t i = from + 1; i < to; ++i) count += (x[i - 1] < 0) != (x[i] < 0);
    return count * double(kRate) / double(to - from);
}

TEST(SoundBank, EverySoundIsThereAudibleCleanAndAsLongAsItsEvent) {
    std::set<std::string> onDisk;
    for (const auto& entry : fs::directory_iterator(FW_SOUNDS_DIR)) onDisk.insert(entry.path().filename());
    EXPECT_EQ(onDisk, std::set<std::string>(fw::kSoundFiles.begin(), fw::kSoundFiles.end()));
    for (const std::string& name : onDisk) {
        const auto& x = Samples(name);
        ASSERT_GT(x.size(), 200u) << name;
        double peak = 0;
        for (double v : x) peak = std::max(peak, std::abs(v));
        EXPECT_TRUE(Db(peak) > -20.0 && peak < 0.9) << name << " peaks at " << peak;
        const double ms = 1000.0 * x.size() / kRate;
        const bool click = name == "Click.wav" || name == "Tick.wav";
        const double longest = name.starts_with("klonk") ? 500 : click ? 120 : 3200;
        EXPECT_TRUE(ms >= 30 && ms <= longest) << name;
        for (std::size_t i = 0; i < 10; ++i)  // one-shots start and end in silence
            EXPECT_TRUE(name == "WhlRun.wav" || std::abs(x[i]) + std::abs(x[x.size() - 1 - i]) < 0.05)
                << name;
        // Loudness of what is heard: the 10 ms blocks within 20 dB of the loudest.
        std::vector<double> blocks;
        for (std::size_t i = 0; i < x.size(); i += kRate / 100) blocks.push_back(Rms(x, i, i + kRate / 100));
        const double loudest = *std::max_element(blocks.begin(), blocks.end());
        double e = 0, n = 0;
        for (double r : blocks)
            if (r >= loudest / 10) e += r * r, ++n;
        const double loud = Db(std::sqrt(e / n));
        // How loud each is beside the others is the mix's test; here only that it is heard and not harsh.
        EXPECT_TRUE(loud >= -28.0 && loud <= -13.0) << name << " " << loud;
    }
}

TEST(SoundBank, TheRunningReelsLoopHasNoSeam) {
    const auto& x = Samples("WhlRun.wav");
    const std::size_t n = x.size();
    ASSERT_GT(n, std::size_t(kRate / 4));
    double step = 0, bend = 0;
    for (std::size_t i = 2; i < n; ++i)
        step += std::abs(x[i] - x[i - 1]), bend += std::abs(x[i] - 2 * x[i - 1] + x[i - 2]);
    step /= n - 2, bend /= n - 2;
    EXPECT_LE(std::abs(x[0] - x[n - 1]), std::min(0.02, 2 * step)) << "repeating, the last meets the first";
    EXPECT_LE(std::abs((x[1] - x[0]) - (x[n - 1] - x[n - 2])), 4 * bend);
    EXPECT_GT(Rms(x, 0, kRate / 100), 0.4 * Rms(x));  // no fade at either end
    EXPECT_GT(Rms(x, n - kRate / 100, n), 0.4 * Rms(x));
}

// The RMS of the loudest 50 ms, in steps of 1 ms, in dB.
double LoudestDb(const std::vector<double>& x) {
    double loudest = 0;
    for (std::size_t at = 0; at + kRate / 20 <= x.size(); at += kRate / 1000)
        loudest = std::max(loudest, Rms(x, at, at + kRate / 20));
    return Db(loudest);
}

TEST(SoundBank, TheSirensLastTheirLampTurnsRiseInEachAndAreAsLoudAsTheSmallWinJingle) {
    for (const auto& [name, turns] : {std::pair{"Siren4.wav", 4}, {"Siren8.wav", 8}}) {
        const auto& x = Samples(name);
        EXPECT_LE(std::abs(LoudestDb(x) - LoudestDb(Samples("WinLow.wav"))), 3.0) << name;
        EXPECT_LE(LoudestDb(x), LoudestDb(Samples("WinHigh.wav"))) << name;  // below the top prize's
        const double turnMs = 8 * 49.0;                                      // eight lamp frames of 49 ms
        EXPECT_NEAR(1000.0 * x.size() / kRate, turns * turnMs, 1.0) << name;
        const std::size_t turn = std::size_t(turnMs * kRate / 1000), window = kRate / 50;
        for (int k = 0; k < turns; ++k) {
            const std::size_t start = k * turn + window / 2, middle = k * turn + turn / 2 - window / 2;
            EXPECT_GT(CrossingRate(x, middle, middle + window), 1.4 * CrossingRate(x, start, start + window))
                << name << " turn " << k;
        }
    }
}

std::string FileOf(const std::string& sound) {
    if (sound == "WheelRun") return "WhlRun.wav";
    if (sound.starts_with("Klonk")) return "klonk" + sound.substr(5) + ".wav";
    return sound + ".wav";
}

struct Start {
    std::string section, sound;
    double at;          // seconds from the timeline's start
    double until = -1;  // a repeating sound: when it is stopped
};

// The sounds of a timeline: "> section", "  wait 75 ms x6", "  wait 1000007 ns x240",
// "  sound Play Pay", "  sound Repeat WheelRun", "  sound Stop WheelRun".
std::vector<Start> Timeline(const std::string& scenario) {
    std::ifstream f(std::string(FW_TIMELINES_DIR) + "/" + scenario + ".txt");
    std::vector<Start> starts;
    std::string line, section;
    double now = 0;
    while (std::getline(f, line)) {
        std::istringstream words(line);
        std::string word;
        words >> word;
        if (word == ">") {
            std::getline(words >> std::ws, section);
        } else if (word == "wait") {
            double amount = 0;
            std::string unit, times;
            words >> amount >> unit >> times;
            const int count = times.empty() ? 1 : std::stoi(times.substr(1));
            now += amount * (unit == "ns" ? 1e-9 : 1e-3) * count;
        } else if (word == "sound") {
            std::string call, sound;
            words >> call >> sound;
            if (call == "Play" || call == "Repeat")
                starts.push_back({section, sound, now, call == "Repeat" ? 1e9 : -1});
            if (call == "Stop")
                for (Start& s : starts)
                    if (s.sound == sound && s.until > now) s.until = now;
        }
    }
    return starts;
}

// The starts mixed from the first one's time on, as the mixer adds its channels.
std::vector<double> Mix(const std::vector<Start>& starts) {
    std::vector<double> out;
    if (starts.empty()) return out;
    const double origin = starts.front().at;
    for (const Start& s : starts) {
        const auto& x = Samples(FileOf(s.sound));
        const auto from = static_cast<std::size_t>(std::lround((s.at - origin) * double(kRate)));
        const std::size_t length =
            s.until >= 0 ? static_cast<std::size_t>(std::lround((s.until - s.at) * kRate)) : x.size();
        out.resize(std::max(out.size(), from + length));
        for (std::size_t i = 0; i < length; ++i) out[from + i] += x[i % x.size()];
    }
    return out;
}

// One biquad section, y = (b0 x + b1 x1 + b2 x2 - a1 y1 - a2 y2) / a0.
std::vector<double> Filter(const std::vector<double>& x, std::array<double, 6> c) {
    std::vector<double> y(x.size());
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (std::size_t n = 0; n < x.size(); ++n) {
        y[n] = (c[0] * x[n] + c[1] * x1 + c[2] * x2 - c[4] * y1 - c[5] * y2) / c[3];
        x2 = x1, x1 = x[n], y2 = y1, y1 = y[n];
    }
    return y;
}

// The K-weighting filter: the head's high shelf, then the revised low-frequency B curve,
// both from their analog prototypes by the bilinear transform at the rate of the files.
std::vector<double> KWeighted(const std::vector<double>& x) {
    const double shelfHz = 1681.974450955533, gain = 3.999843853973347, shelfQ = 0.7071752369554196;
    const double k = std::tan(M_PI * shelfHz / kRate), vh = std::pow(10, gain / 20);
    const double vb = std::pow(vh, 0.4996667741545416), a0 = 1 + k / shelfQ + k * k;
    const auto shelved =
        Filter(x, {vh + vb * k / shelfQ + k * k, 2 * (k * k - vh), vh - vb * k / shelfQ + k * k, a0,
                   2 * (k * k - 1), 1 - k / shelfQ + k * k});
    const double passHz = 38.13547087602444, passQ = 0.5003270373238773;
    const double q = std::tan(M_PI * passHz / kRate);
    return Filter(shelved, {1, -2, 1, 1 + q / passQ + q * q, 2 * (q * q - 1), 1 - q / passQ + q * q});
}

// Integrated loudness in LUFS of one channel: 400 ms blocks every 100 ms, those above
// -70 LUFS, then those within 10 LU of their mean.
double Loudness(std::vector<double> x) {
    const auto block = static_cast<std::size_t>(0.4 * kRate), step = block / 4;
    x.resize(std::max(x.size(), block));
    const std::vector<double> k = KWeighted(x);
    std::vector<double> powers;
    for (std::size_t at = 0; at + block <= k.size(); at += step)
        powers.push_back(std::pow(Rms(k, at, at + block), 2));
    auto lufs = [](double power) { return -0.691 + 10 * std::log10(std::max(power, 1e-20)); };
    auto gatedMean = [&](double gate) {
        double sum = 0, count = 0;
        for (double p : powers)
            if (lufs(p) > gate) sum += p, ++count;
        return count ? sum / count : 0.0;
    };
    return lufs(gatedMean(lufs(gatedMean(-70)) - 10));
}

// The share of a sound's energy above a frequency: what passes a steep high-pass
// filter there, the four sections of an eighth-order Butterworth (48 dB an octave).
double ShareAbove(const std::vector<double>& x, double hz) {
    const double w = 2 * M_PI * hz / kRate, c = std::cos(w);
    std::vector<double> y = x;
    for (double q : {0.5098, 0.6013, 0.9000, 2.5629}) {  // 1 / (2 cos((2k - 1) pi / 16)), k = 1..4
        const double alpha = std::sin(w) / (2 * q);
        y = Filter(y, {(1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha});
    }
    return std::pow(Rms(y) / Rms(x), 2);
}

TEST(Mix, TheTopPrizeIsTheLoudestMomentAndTheEverydaySoundsAreQuieter) {
    const auto win = Timeline("win-mania-wheel");
    auto mixedLoudness = [&win](auto keep) {  // of the starts that keep picks
        std::vector<Start> kept;
        std::copy_if(win.begin(), win.end(), std::back_inserter(kept), keep);
        return Loudness(Mix(kept));
    };
    auto top = [&](const char* sound) {  // one sound of the top prize's
        return mixedLoudness(
            [&](const Start& s) { return s.section == "lever: a hundred" && s.sound == sound; });
    };
    const double payout = top("Pay"), siren = top("Siren8"), winLow = top("WinLow"), winHigh = top("WinHigh"),
                 mania = top("Mania");
    const double coinIn =
        mixedLoudness([](const Start& s) { return s.section.starts_with("a stack onto the slot"); });
    const double spin = mixedLoudness([](const Start& s) { return s.section == "lever"; });
    for (double everyday : {coinIn, spin, payout}) {
        EXPECT_GE(std::min(mania, winHigh) - everyday, 3.0) << everyday;
        EXPECT_GT(winLow, everyday);
    }
    EXPECT_GT(siren, std::max(coinIn, spin));
}

TEST(Mix, TheFrequentSoundsAreDarkAndTheCreditJingleShort) {
    for (const char* file :
         {"Pick.wav", "Coin.wav", "Pay.wav", "Activate.wav", "klonk1.wav", "klonk2.wav", "klonk3.wav"})
        EXPECT_LE(ShareAbove(Samples(file), 6000), 0.10) << file << ": its energy above 6 kHz";
    EXPECT_LE(Samples("Activate.wav").size() / double(kRate), 0.6);
}

TEST(Mix, NothingClipsInAnyScenario) {
    for (const char* scenario : {"start-and-play", "held-spins", "win-mania-wheel", "panels", "records"}) {
        const auto starts = Timeline(scenario);
        ASSERT_FALSE(starts.empty()) << scenario;
        double peak = 0;
        for (double v : Mix(starts)) peak = std::max(peak, std::abs(v));
        EXPECT_LT(peak, 1.0) << scenario;
    }
}

}  // namespace
