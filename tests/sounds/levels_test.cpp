// The sirens announce the big prizes as loud as the small win jingle and no louder than the top prize
// jingle, unclipped, for their lamp turns.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <numeric>
#include <vector>

static std::vector<double> Samples(const std::string& name) {  // a 16-bit mono WAV file, as -1..1
    std::ifstream f(FW_SOUNDS_DIR "/" + name, std::ios::binary);
    const std::string b{std::istreambuf_iterator<char>(f), {}};
    std::vector<double> x;
    for (std::size_t i = b.find("data") + 8; i + 1 < b.size(); i += 2)
        x.push_back(static_cast<short>((b[i] & 0xFF) | (b[i + 1] & 0xFF) << 8) / 32767.0);
    return x;
}

static double LoudestDb(const std::vector<double>& x) {  // the RMS of the loudest 50 ms, in steps of 1 ms
    double loudest = 1e-20;
    for (std::size_t start = 0; start + 2205 <= x.size(); start += 44)
        loudest = std::max(loudest, std::inner_product(&x[start], &x[start] + 2205, &x[start], 0.0) / 2205);
    return 10 * std::log10(loudest);
}

TEST(Sirens, AreAsLoudAsTheSmallWinJingleBelowTheTopOneUnclippedForTheirLampTurns) {
    const double low = LoudestDb(Samples("WinLow.wav")), high = LoudestDb(Samples("WinHigh.wav"));
    for (int turns : {4, 8}) {
        const std::vector<double> x = Samples("Siren" + std::to_string(turns) + ".wav");
        EXPECT_LE(std::abs(LoudestDb(x) - low), 3.0) << turns;
        EXPECT_LE(LoudestDb(x), high) << turns;
        for (double v : x) ASSERT_LT(std::abs(v), 0.9) << turns;
        EXPECT_NEAR(x.size() / 44.1, turns * 8 * 49.0, 1.0) << turns;  // 8 lamp frames of 49 ms a turn
    }
}
