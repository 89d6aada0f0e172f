// The sounds mixed as the game plays them: each sound starts on the wait the
// reference timelines name, and the integrated loudness (ITU-R BS.1770:
// K-weighting, 400 ms blocks, the absolute and the relative gate) of each part
// of a game says what the player hears loudest. The top prize is the loudest
// moment, the sounds heard at every coin and every spin are quieter and darker.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace {

constexpr double kRate = 44100;

std::vector<double> Wav(const std::string& file) {  // a 16-bit mono WAV file, as -1..1
    std::ifstream f(std::string(FW_SOUNDS_DIR) + "/" + file, std::ios::binary);
    const std::string b{std::istreambuf_iterator<char>(f), {}};
    std::vector<double> x;
    for (std::size_t i = b.find("data") + 8; i + 1 < b.size(); i += 2)
        x.push_back(static_cast<short>((b[i] & 0xFF) | (b[i + 1] & 0xFF) << 8) / 32768.0);
    return x;
}

// The file of a sound the timelines name.
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
    static std::map<std::string, std::vector<double>> bank;
    std::vector<double> out;
    if (starts.empty()) return out;
    const double origin = starts.front().at;
    for (const Start& s : starts) {
        auto& x = bank[s.sound];
        if (x.empty()) x = Wav(FileOf(s.sound));
        const auto from = static_cast<std::size_t>(std::lround((s.at - origin) * kRate));
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
std::vector<double> KWeighted(const std::vector<double>& x, double rate) {
    const double shelfHz = 1681.974450955533, gain = 3.999843853973347, shelfQ = 0.7071752369554196;
    const double k = std::tan(M_PI * shelfHz / rate), vh = std::pow(10, gain / 20);
    const double vb = std::pow(vh, 0.4996667741545416), a0 = 1 + k / shelfQ + k * k;
    const auto shelved =
        Filter(x, {vh + vb * k / shelfQ + k * k, 2 * (k * k - vh), vh - vb * k / shelfQ + k * k, a0,
                   2 * (k * k - 1), 1 - k / shelfQ + k * k});
    const double passHz = 38.13547087602444, passQ = 0.5003270373238773;
    const double q = std::tan(M_PI * passHz / rate);
    return Filter(shelved, {1, -2, 1, 1 + q / passQ + q * q, 2 * (q * q - 1), 1 - q / passQ + q * q});
}

// Integrated loudness in LUFS of one channel: 400 ms blocks every 100 ms, those above
// -70 LUFS, then those within 10 LU of their mean.
double Loudness(std::vector<double> x, double rate = kRate) {
    const auto block = static_cast<std::size_t>(0.4 * rate), step = block / 4;
    x.resize(std::max(x.size(), block));
    const std::vector<double> k = KWeighted(x, rate);
    std::vector<double> powers;
    for (std::size_t at = 0; at + block <= k.size(); at += step) {
        double e = 0;
        for (std::size_t i = at; i < at + block; ++i) e += k[i] * k[i];
        powers.push_back(e / block);
    }
    auto lufs = [](double power) { return -0.691 + 10 * std::log10(std::max(power, 1e-20)); };
    auto gatedMean = [&](double gate) {
        double sum = 0;
        int count = 0;
        for (double p : powers)
            if (lufs(p) > gate) sum += p, ++count;
        return count ? sum / count : 0.0;
    };
    return lufs(gatedMean(lufs(gatedMean(-70)) - 10));
}

// The share of a sound's energy above a frequency, by the discrete Fourier transform.
double ShareAbove(const std::vector<double>& x, double hz) {
    std::size_t n = 1;
    while (n < x.size()) n *= 2;
    std::vector<std::complex<double>> a(x.begin(), x.end());
    a.resize(n);
    for (std::size_t i = 1, j = 0; i < n; ++i) {  // bit-reversed order, then butterflies
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len *= 2) {
        const std::complex<double> turn = std::polar(1.0, -2 * M_PI / len);
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> w = 1;
            for (std::size_t k = 0; k < len / 2; ++k, w *= turn) {
                const auto u = a[i + k], t = w * a[i + k + len / 2];
                a[i + k] = u + t, a[i + k + len / 2] = u - t;
            }
        }
    }
    double all = 0, above = 0;
    for (std::size_t i = 1; i < n / 2; ++i) {
        const double e = std::norm(a[i]);
        all += e;
        if (i * kRate / n > hz) above += e;
    }
    return above / all;
}

template <class Keep>
std::vector<Start> Only(const std::vector<Start>& starts, Keep keep) {
    std::vector<Start> kept;
    std::copy_if(starts.begin(), starts.end(), std::back_inserter(kept), keep);
    return kept;
}

TEST(Loudness, AFullScaleSineReadsMinus3Lufs) {  // the standard's own check of the meter
    for (double rate : {48000.0, 44100.0}) {
        std::vector<double> sine(static_cast<std::size_t>(rate * 5));
        for (std::size_t n = 0; n < sine.size(); ++n) sine[n] = std::sin(2 * M_PI * 997 * n / rate);
        EXPECT_NEAR(Loudness(sine, rate), -3.01, 0.05) << rate;
        for (double& v : sine) v *= 0.1;
        EXPECT_NEAR(Loudness(sine, rate), -23.01, 0.05) << rate;
    }
}

TEST(Mix, TheTopPrizeIsTheLoudestMomentAndTheEverydaySoundsAreQuieter) {
    const auto win = Timeline("win-mania-wheel");
    const auto hundred = Only(win, [](const Start& s) { return s.section == "lever: a hundred"; });
    auto part = [&](const char* sound) {
        return Loudness(Mix(Only(hundred, [&](const Start& s) { return s.sound == sound; })));
    };
    const double payout = part("Pay"), siren = part("Siren8"), winLow = part("WinLow"),
                 winHigh = part("WinHigh"), mania = part("Mania");
    const double coinIn = Loudness(
        Mix(Only(win, [](const Start& s) { return s.section.starts_with("a stack onto the slot"); })));
    const double spin = Loudness(Mix(Only(win, [](const Start& s) { return s.section == "lever"; })));
    std::printf(
        "LUFS: coin-in %.1f  spin %.1f  payout %.1f  siren %.1f  WinLow %.1f  WinHigh %.1f  Mania %.1f\n",
        coinIn, spin, payout, siren, winLow, winHigh, mania);
    for (double everyday : {coinIn, spin, payout}) {
        EXPECT_GE(std::min(mania, winHigh) - everyday, 3.0) << everyday;
        EXPECT_GT(winLow, everyday);
    }
    EXPECT_GT(siren, std::max(coinIn, spin));
}

TEST(Mix, TheFrequentSoundsAreDarkAndTheCreditJingleShort) {
    for (const char* file :
         {"Pick.wav", "Coin.wav", "Pay.wav", "Activate.wav", "klonk1.wav", "klonk2.wav", "klonk3.wav"}) {
        const double share = ShareAbove(Wav(file), 6000);
        std::printf("%-12s %4.1f %% of its energy above 6 kHz\n", file, 100 * share);
        EXPECT_LE(share, 0.10) << file;
    }
    EXPECT_LE(Wav("Activate.wav").size() / kRate, 0.6);
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
