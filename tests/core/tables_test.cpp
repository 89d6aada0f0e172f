// The built-in tables against a copy written from the machine's printed
// tables, the shared read position, and the odds: exact fractions worked out
// from the copy, against every outcome of the program and 200 000 games.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "fakes.h"
#include "frontend/real_random.h"
#include "play/evaluate.h"
#include "play/mania.h"
#include "play/reels.h"
#include "play/spin.h"
#include "records/data_tables.h"

namespace fw::test {
namespace {

// The printed prize of each category (0 and 1 are the symbol-2 wins), and the
// combinations of each, in the order the machine tries them.
const int kPrize[12] = {2, 5, 10, 10, 15, 15, 25, 25, 50, 50, 75, 100};
const char* const kCombos[12] = {"",
                                 "",
                                 "3-3-3 3-0-3 3-10-3 3-3-0 3-0-0 3-10-0",
                                 "3-3-12 3-0-12 3-10-12 3-3-4 3-0-4 3-10-4",
                                 "7-7-7 7-11-7",
                                 "7-7-12 7-11-12 7-7-4 7-11-4",
                                 "6-8-8 8-8-8",
                                 "6-8-12 8-8-12 6-8-4 8-8-4",
                                 "5-0-0 5-0-5",
                                 "5-0-12 5-0-4",
                                 "4-4-12 6-4-12 6-11-12 4-11-12 4-4-4 6-4-4 6-11-4 4-11-4",
                                 "9-10-12 9-9-12"};
const char* const kDefaultNames[10] = {"Ardo", "Belo", "Cira", "Dovo", "Elin",
                                       "Fazu", "Gemo", "Hali", "Iska", "Joru"};

// The category a pay line wins, -1 for none, by the rules: symbol 2 on the
// left reel pays 2, on the left two reels 5; otherwise a whole combination.
int CategoryOf(const std::string& line) {
    if (line.starts_with("2-2-")) return 1;
    if (line.starts_with("2-")) return 0;
    for (int c = 2; c < 12; ++c) {
        std::istringstream combos(kCombos[c]);
        for (std::string combo; combos >> combo;)
            if (combo == line) return c;
    }
    return -1;
}

TEST(BuiltInTables, MatchThePrintedTables) {
    Rig rig;
    rig.Start();
    const Machine& m = rig.m;
    for (int r = 0; r < 3; ++r) {
        for (int p = 0; p < 20; ++p)
            EXPECT_EQ(m.Strip[p][r], kPrintedStrips[r][p]) << "reel " << r << " position " << p;
        EXPECT_EQ(m.WheelCord[r][0], places::ReelCell(r, 0).x);
        EXPECT_EQ(m.WheelCord[r][1], places::ReelCell(2, 0).right() + 1 - places::ReelCell(r, 0).x);
    }
    std::size_t row = 0;
    for (int c = 2; c < 12; ++c) {
        std::istringstream combos(kCombos[c]);
        for (std::string combo; combos >> combo; ++row) {
            ASSERT_LT(row, m.PayTable.size());
            EXPECT_EQ(m.PayTable[row].Combo, combo);
            EXPECT_EQ(m.PayTable[row].Payout, kPrize[c]) << combo;
            EXPECT_EQ(m.PayTable[row].Cell, c) << combo;
        }
    }
    EXPECT_EQ(row, m.PayTable.size());
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(m.ScoreTable[n].Name, kDefaultNames[n - 1]);
        EXPECT_EQ(m.ScoreTable[n].Score, 160 - 10 * n);
    }
    EXPECT_EQ(m.DataCursor, 0);
}

TEST(BuiltInTables, ShareOneReadPosition) {
    Rig rig;
    Machine& m = rig.m;
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(ReadDataItem(m, "HighScoreData").text, kDefaultNames[n]);
        const DataItem score = ReadDataItem(m, "HighScoreData");
        EXPECT_EQ(score.text, std::to_string(150 - 10 * n));
        EXPECT_EQ(score.number, 150 - 10 * n);
    }
    EXPECT_EQ(ReadDataItem(m, "HighScoreData").number, 0);  // "Ardo" again, as a number
    // A part-way read leaves the position after "Ardo,": the coordinates continue from there.
    EXPECT_EQ(ReadDataItem(m, "WheelCordinates").text, "7");
    for (int i = 0; i < 30; ++i) ReadDataItem(m, "WheelObjects");
    EXPECT_EQ(ReadDataItem(m, "WheelCordinates").text, "93");  // past its end: from the start
}

// Every cascade from positions 0, 0, 0: each triple of step counts 7..25 is
// equally likely; reel k stops after the steps of reels 0..k, one more each,
// and the pay line shows the strip two positions behind the stop.
struct Odds {
    std::map<int, int> outcomes;  // category (-1 none) -> triples out of 19^3
    int coins = 0;                // coins paid over all triples
};
Odds ExactOdds() {
    Odds odds;
    for (int a = 7; a <= 25; ++a)
        for (int b = 7; b <= 25; ++b)
            for (int c = 7; c <= 25; ++c) {
                const int stop[3] = {a + 1, a + b + 2, a + b + c + 3};
                std::string line;
                for (int k = 0; k < 3; ++k)
                    line += (k ? "-" : "") + std::to_string(kPrintedStrips[k][(stop[k] + 18) % 20]);
                const int category = CategoryOf(line);
                ++odds.outcomes[category];
                odds.coins += category < 0 ? 0 : kPrize[category];
            }
    return odds;
}

TEST(Odds, EveryOutcomeOfTheProgramMatchesTheExactOdds) {
    Rig rig;
    rig.Start();
    Machine& m = rig.m;
    Odds program;
    for (int a = 7; a <= 25; ++a)
        for (int b = 7; b <= 25; ++b)
            for (int c = 7; c <= 25; ++c) {
                m.ReelPos = StopPositions({0, 0, 0}, {a, b, c}, {0, 0, 0});
                const LineScore score = ScoreLine(m, RowText(m, 1));
                ++program.outcomes[score.won ? score.category : -1];
                program.coins += score.payout;
            }
    const Odds exact = ExactOdds();
    EXPECT_EQ(program.outcomes, exact.outcomes);
    EXPECT_EQ(program.coins, exact.coins);  // 10451 / 6859: about 1.52 coins a credit
}

TEST(Odds, TwoHundredThousandCascadeGamesMatchTheExactOdds) {
    SeededRandom random(1234567);
    Rig rig({"Fruit.Thm"}, nullptr, &random);
    rig.Start();
    Machine& m = rig.m;
    const Odds exact = ExactOdds();
    constexpr int kGames = 200'000;
    std::map<int, int> seen;
    double paid = 0;
    for (int game = 0; game < kGames; ++game) {
        m.ReelPos = StopPositions({0, 0, 0}, DrawStepCounts(m), m.Held);
        const LineScore score = ScoreLine(m, RowText(m, 1));
        ++seen[score.won ? score.category : -1];
        paid += score.payout;
    }
    // Chi-square over the categories against the 0.1 % point for 12 degrees of freedom.
    double chi = 0, meanSquare = 0;
    for (const auto& [category, count] : exact.outcomes) {
        const double expected = double(count) / 6859 * kGames;
        chi += std::pow(seen[category] - expected, 2) / expected;
        if (category >= 0) meanSquare += double(kPrize[category]) * kPrize[category] * count / 6859;
    }
    EXPECT_LT(chi, 32.9);
    const double mean = double(exact.coins) / 6859;
    EXPECT_NEAR(paid / kGames, mean, 4 * std::sqrt((meanSquare - mean * mean) / kGames));
}

TEST(Odds, TheBonusWheelIsIndependentOfTheReels) {
    // Reseeded from the clock for the spin and again for the wheel a moment
    // later: the wheel's number must not follow reel 0's step count.
    RealRandom random;
    Rig rig({"Fruit.Thm"}, nullptr, &random);
    rig.Start();
    Machine& m = rig.m;
    constexpr int kGames = 20'000;
    int table[19][4] = {}, rows[19] = {}, wheel[4] = {};
    for (int game = 0; game < kGames; ++game) {
        const int steps = DrawStepCounts(m)[0];
        m.LastWin = 0;
        SpinBonusWheel(m);
        const int k = m.LastWin / 10 - 2;
        ASSERT_TRUE(k >= 0 && k <= 3) << m.LastWin;
        ++table[steps - 7][k], ++rows[steps - 7], ++wheel[k];
    }
    double chi = 0;
    for (int s = 0; s < 19; ++s)
        for (int k = 0; k < 4; ++k) {
            const double expected = double(rows[s]) * wheel[k] / kGames;
            chi += std::pow(table[s][k] - expected, 2) / expected;
        }
    EXPECT_LT(chi, 119.0);  // the one-in-a-million point for 54 degrees of freedom
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(wheel[k], kGames / 4, kGames / 20) << k;
}

}  // namespace
}  // namespace fw::test
