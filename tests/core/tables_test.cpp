// The built-in tables against a copy written from the machine's printed
// tables, the shared read position, and the odds: exact fractions worked out
// from the copy against every outcome of the program, and the bonus wheel.
#include <gtest/gtest.h>

#include <algorithm>
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

// The reel strips from position 0 to 19, left, middle and right reel, as printed.
const int kPrintedStrips[3][20] = {{9, 3, 7, 3, 8, 5, 3, 2, 4, 7, 2, 7, 5, 9, 3, 7, 5, 2, 3, 6},
                                   {10, 2, 7, 2, 0, 8, 7, 3, 4, 2, 9, 7, 0, 8, 3, 2, 8, 11, 8, 2},
                                   {12, 8, 7, 5, 13, 7, 8, 0, 8, 4, 3, 13, 7, 3, 12, 13, 7, 0, 8, 3}};
// The printed prize of each category (0 and 1 are the symbol-2 wins), and the
// combinations of each, in the order the machine tries them.
const int kPrize[12] = {2, 5, 10, 10, 15, 15, 25, 25, 50, 50, 75, 100};
// Category c's combinations are the c-th field of this text.
constexpr std::string_view kCombos =
    "||3-3-3 3-0-3 3-10-3 3-3-0 3-0-0 3-10-0|3-3-12 3-0-12 3-10-12 3-3-4 3-0-4 3-10-4|7-7-7 7-11-7|"
    "7-7-12 7-11-12 7-7-4 7-11-4|6-8-8 8-8-8|6-8-12 8-8-12 6-8-4 8-8-4|5-0-0 5-0-5|5-0-12 5-0-4|"
    "4-4-12 6-4-12 6-11-12 4-11-12 4-4-4 6-4-4 6-11-4 4-11-4|9-10-12 9-9-12";
std::vector<std::string> Combos(int category) {
    std::istringstream fields{std::string(kCombos)}, combos;
    std::string field, combo;
    for (int c = 0; c <= category; ++c) std::getline(fields, field, '|');
    std::vector<std::string> all;
    for (combos.str(field); combos >> combo;) all.push_back(combo);
    return all;
}
const char* const kDefaultNames[10] = {"Ardo", "Belo", "Cira", "Dovo", "Elin",
                                       "Fazu", "Gemo", "Hali", "Iska", "Joru"};

// The category a pay line wins, -1 for none, by the rules: symbol 2 on the
// left reel pays 2, on the left two reels 5; otherwise a whole combination.
int CategoryOf(const std::string& line) {
    if (line.starts_with("2-2-")) return 1;
    if (line.starts_with("2-")) return 0;
    for (int c = 2; c < 12; ++c)
        // std::count, not std::ranges::count: em++'s libc++ has no ranges algorithms yet.
        if (const auto combos = Combos(c); std::count(combos.begin(), combos.end(), line)) return c;
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
        for (const std::string& combo : Combos(c)) {
            ASSERT_LT(row, m.PayTable.size());
            EXPECT_EQ(m.PayTable[row].Combo, combo);
            EXPECT_EQ(m.PayTable[row].Payout, kPrize[c]) << combo;
            EXPECT_EQ(m.PayTable[row++].Cell, c) << combo;
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
                ++program.outcomes[score.won() ? score.category : -1];
                program.coins += score.payout;
            }
    const Odds exact = ExactOdds();
    EXPECT_EQ(program.outcomes, exact.outcomes);
    EXPECT_EQ(program.coins, exact.coins);  // 10451 / 6859: about 1.52 coins a credit
}

TEST(Odds, TheStepCountsAreEvenAndTheBonusWheelIsIndependentOfTheReels) {
    std::map<int, int> steps;  // 1900 evenly spread numbers: a hundred for each step count 7..25
    for (int i = 0; i < 1900; ++i) ++steps[StepCountFor((i + 0.5) / 1900)];
    EXPECT_EQ(steps.size(), 19u);
    EXPECT_TRUE(std::all_of(steps.begin(), steps.end(),
                            [](auto& s) { return s.first >= 7 && s.first <= 25 && s.second == 100; }));
    // The program's own random numbers, reseeded from the clock for the spin and
    // again for the wheel a moment later: the wheel must not follow reel 0's step count.
    RealRandom random;
    Rig rig({"Fruit.Thm"}, nullptr, &random);
    rig.Start();
    int wheel[19][4] = {}, rows[19] = {}, values[4] = {};
    for (int spin = 0; spin < 20'000; ++spin) {
        const int steps = DrawStepCounts(rig.m)[0] - 7;
        rig.m.LastWin = 0;
        SpinBonusWheel(rig.m);
        const int k = rig.m.LastWin / 10 - 2;
        ASSERT_TRUE(k >= 0 && k <= 3) << rig.m.LastWin;
        ++wheel[steps][k], ++rows[steps], ++values[k];
    }
    double chiWheel = 0;  // against the one-in-a-million point for 54 degrees of freedom
    for (int s = 0; s < 19; ++s)
        for (int k = 0; k < 4; ++k)
            chiWheel += std::pow(wheel[s][k] - double(rows[s]) * values[k] / 20'000, 2) /
                        (double(rows[s]) * values[k] / 20'000);
    EXPECT_LT(chiWheel, 119.0);
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(values[k], 5000, 1000) << k;
}

}  // namespace
}  // namespace fw::test
