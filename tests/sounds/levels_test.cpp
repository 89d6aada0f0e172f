// The sirens announce the big prizes: at their loudest they are as loud as the
// win jingles, without clipping, and they last exactly their lamp turns.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The samples of a 16-bit mono WAV file as -1..1 of full scale.
std::vector<double> ReadSamples(const std::string& name) {
    std::ifstream f(std::filesystem::path(FW_SOUNDS_DIR) / name, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    const std::size_t data = b.find("data");
    std::vector<double> x;
    for (std::size_t i = data + 8; data != std::string::npos && i + 1 < b.size(); i += 2)
        x.push_back(static_cast<std::int16_t>(static_cast<unsigned char>(b[i]) |
                                              static_cast<unsigned char>(b[i + 1]) << 8) /
                    32767.0);
    return x;
}

// The RMS of the loudest 50 ms, in dBFS, looked at in steps of 1 ms.
double LoudestDb(const std::vector<double>& x) {
    const std::size_t window = 44100 / 20;
    double best = 0;
    for (std::size_t start = 0; start + window <= x.size(); start += 44) {
        double e = 0;
        for (std::size_t i = start; i < start + window; ++i) e += x[i] * x[i];
        best = std::max(best, e / window);
    }
    return 10 * std::log10(best);
}

TEST(Sirens, AreAsLoudAsTheWinJinglesWithoutClippingAndLastTheirTurns) {
    const double winLow = LoudestDb(ReadSamples("WinLow.wav")),
                 winHigh = LoudestDb(ReadSamples("WinHigh.wav"));
    for (const auto& [name, turns] : {std::pair{"Siren4.wav", 4}, std::pair{"Siren8.wav", 8}}) {
        const std::vector<double> x = ReadSamples(name);
        ASSERT_FALSE(x.empty()) << name;
        EXPECT_NEAR(LoudestDb(x), winLow, 3.0) << name;
        EXPECT_NEAR(LoudestDb(x), winHigh, 3.0) << name;
        double peak = 0;
        for (double v : x) peak = std::max(peak, std::abs(v));
        EXPECT_LT(peak, 0.9) << name;
        EXPECT_NEAR(x.size() * 1000.0 / 44100, turns * 8 * 49.0, 1.0) << name;
    }
}

}  // namespace
