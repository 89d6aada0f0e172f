// The generated sound bank: names, format, levels, clean ends, the seamless
// running-reels loop, the sirens' lengths and the sounds that must differ. The
// WAV reader is written here from the format, not taken from the generator.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

namespace {

namespace fs = std::filesystem;
constexpr int kRate = 44100;

const std::vector<std::string> kFiles = {
    "Activate.wav", "CircHigh.wav", "CircLow.wav", "Click.wav",   "Coin.wav",    "Congrats.wav",
    "Door.wav",     "Lever.wav",    "Mania.wav",   "NoMoney.wav", "Pay.wav",     "Pick.wav",
    "Siren4.wav",   "Siren8.wav",   "Tick.wav",    "WhlRun.wav",  "WinHigh.wav", "WinLow.wav",
    "Wrong.wav",    "klonk1.wav",   "klonk2.wav",  "klonk3.wav"};
const std::set<std::string> kClicks = {"Click.wav", "Tick.wav", "klonk1.wav", "klonk2.wav", "klonk3.wav"};

// The samples of a PCM 16-bit mono 44.1 kHz WAV file as -1..1, or what is wrong with it.
std::vector<double> Read(const std::string& name, std::string& error) {
    std::ifstream f(fs::path(FW_SOUNDS_DIR) / name, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    auto le = [&b](std::size_t at, int bytes) {
        std::uint32_t v = 0;
        for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
        return v;
    };
    std::vector<double> x;
    if (b.size() < 12 || b.compare(0, 4, "RIFF") || b.compare(8, 4, "WAVE") || le(4, 4) != b.size() - 8)
        return error = "not a RIFF/WAVE file of its stated size", x;
    bool format = false;
    std::size_t at = 12;
    for (; at + 8 <= b.size(); at += 8 + le(at + 4, 4) + (le(at + 4, 4) & 1)) {
        const std::string id = b.substr(at, 4);
        const std::size_t size = le(at + 4, 4), body = at + 8;
        if (body + size > b.size()) return error = "chunk " + id + " runs past the end", x;
        if (id == "fmt ")
            format = le(body, 2) == 1 && le(body + 2, 2) == 1 && le(body + 4, 4) == kRate &&
                     le(body + 8, 4) == 2 * kRate && le(body + 12, 2) == 2 && le(body + 14, 2) == 16;
        if (id == "data" && format)
            for (std::size_t i = 0; i + 1 < size; i += 2)
                x.push_back(std::int16_t(le(body + i, 2)) / 32767.0);
    }
    if (!format || x.empty() || at != b.size()) error = "not PCM 16-bit mono 44100 Hz with samples";
    return x;
}

const std::vector<double>& Samples(const std::string& name) {
    static std::map<std::string, std::vector<double>> bank;
    if (!bank.count(name)) {
        std::string error;
        bank[name] = Read(name, error);
        EXPECT_EQ(error, "") << name;
    }
    return bank[name];
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
// Zero crossings per second.
double CrossingRate(const std::vector<double>& x, std::size_t from, std::size_t to) {
    int count = 0;
    for (std::size_t i = from + 1; i < to; ++i) count += (x[i - 1] < 0) != (x[i] < 0);
    return count * double(kRate) / double(to - from);
}

TEST(SoundBank, EverySoundIsThereAudibleCleanAndAsLongAsItsEvent) {
    std::set<std::string> onDisk;
    for (const auto& entry : fs::directory_iterator(FW_SOUNDS_DIR)) onDisk.insert(entry.path().filename());
    EXPECT_EQ(onDisk, std::set<std::string>(kFiles.begin(), kFiles.end()));
    for (const std::string& name : kFiles) {
        const auto& x = Samples(name);
        ASSERT_GT(x.size(), 200u) << name;
        double peak = 0;
        for (double v : x) peak = std::max(peak, std::abs(v));
        EXPECT_TRUE(Db(peak) > -20.0 && peak < 0.9) << name << " peaks at " << peak;
        const double ms = 1000.0 * x.size() / kRate;
        EXPECT_TRUE(ms >= 30 && ms <= (!kClicks.count(name)        ? 3200
                                       : name.starts_with("klonk") ? 500
                                                                   : 120))
            << name;
        for (std::size_t i = 0; i < 10; ++i)  // one-shots start and end in silence
            EXPECT_TRUE(name == "WhlRun.wav" || std::abs(x[i]) + std::abs(x[x.size() - 1 - i]) < 0.05)
                << name;
        // Loudness of what is heard: the 10 ms blocks within 20 dB of the loudest.
        std::vector<double> blocks;
        for (std::size_t i = 0; i < x.size(); i += kRate / 100) blocks.push_back(Rms(x, i, i + kRate / 100));
        const double loudest = *std::max_element(blocks.begin(), blocks.end());
        double e = 0;
        int n = 0;
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
    EXPECT_LE(std::abs(x[0] - x[n - 1]),
              std::min(0.02, 2 * step));  // played repeating, the last meets the first
    EXPECT_LE(std::abs((x[1] - x[0]) - (x[n - 1] - x[n - 2])), 4 * bend);
    EXPECT_GT(Rms(x, 0, kRate / 100), 0.4 * Rms(x));  // no fade at either end
    EXPECT_GT(Rms(x, n - kRate / 100, n), 0.4 * Rms(x));
}

TEST(SoundBank, TheSirensLastTheirLampTurnsAndRiseInEach) {
    for (const auto& [name, turns] : {std::pair{"Siren4.wav", 4}, {"Siren8.wav", 8}}) {
        const auto& x = Samples(name);
        const double turnMs = 8 * 49.0;  // eight lamp frames of 49 ms
        EXPECT_NEAR(1000.0 * x.size() / kRate, turns * turnMs, 1.0) << name;
        const std::size_t turn = std::size_t(turnMs * kRate / 1000), window = kRate / 50;
        for (int k = 0; k < turns; ++k) {
            const std::size_t start = k * turn + window / 2, middle = k * turn + turn / 2 - window / 2;
            EXPECT_GT(CrossingRate(x, middle, middle + window), 1.4 * CrossingRate(x, start, start + window))
                << name << " turn " << k;
        }
    }
}

}  // namespace
