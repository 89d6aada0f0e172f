// The machine's odds: how often each prize comes up and what a credit returns,
// against the exact values worked out from the strips and the step rule; and
// the bonus wheel's independence from the reels.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "fakes.h"
#include "frontend/real_random.h"
#include "play/evaluate.h"
#include "play/mania.h"
#include "play/reels.h"
#include "play/spin.h"
#include "records/data_tables.h"

namespace fw::test {
namespace {

// The value a chi-square statistic with df degrees of freedom exceeds with
// probability p (Wilson-Hilferty), for z the standard normal quantile of p.
double ChiSquareLimit(int df, double z) {
    const double a = 2.0 / (9.0 * df);
    return df * std::pow(1 - a + z * std::sqrt(a), 3);
}
constexpr double kZ001 = 3.090;  // p = 0.001
constexpr double kZ1e6 = 4.753;  // p = 0.000001

// The exact odds of one cascade game from positions 0, 0, 0: every triple of
// step counts 7..25 is equally likely; reel k stops at the sum of (steps + 1)
// of reels 0..k; the pay line is the row above the one the reel stops at.
struct Exact {
    std::map<int, double> category;  // -1 for no win
    double meanPayout = 0;
    double payoutVariance = 0;
};

Exact WorkOutExactOdds(const Machine& m) {
    Exact exact;
    double sum = 0, sumSquares = 0;
    const double each = 1.0 / (19 * 19 * 19);
    for (int a = 7; a <= 25; ++a) {
        for (int b = 7; b <= 25; ++b) {
            for (int c = 7; c <= 25; ++c) {
                const int stops[3] = {(a + 1) % 20, (a + b + 2) % 20, (a + b + c + 3) % 20};
                int ids[3];
                for (int k = 0; k < 3; ++k) ids[k] = m.Strip[(stops[k] + 18) % 20][k];
                int category = -1, payout = 0;
                if (ids[0] == 2 && ids[1] == 2) {
                    category = 1, payout = 5;
                } else if (ids[0] == 2) {
                    category = 0, payout = 2;
                } else {
                    const std::string line =
                        std::to_string(ids[0]) + "-" + std::to_string(ids[1]) + "-" + std::to_string(ids[2]);
                    for (const PayRow& row : m.PayTable) {
                        if (row.Combo == line) {
                            category = row.Cell, payout = row.Payout;
                            break;
                        }
                    }
                }
                exact.category[category] += each;
                sum += payout * each;
                sumSquares += double(payout) * payout * each;
            }
        }
    }
    exact.meanPayout = sum;
    exact.payoutVariance = sumSquares - sum * sum;
    return exact;
}

TEST(Odds, TwoHundredThousandCascadeGamesMatchTheExactOdds) {
    SeededRandom random(1234567);
    Rig rig({"Fruit.Thm"}, nullptr, &random);
    Machine& m = rig.m;
    LoadMachineConfig(m);
    const Exact exact = WorkOutExactOdds(m);

    constexpr int kGames = 200'000;
    std::map<int, int> seen;
    double paid = 0;
    for (int game = 0; game < kGames; ++game) {
        const auto steps = DrawStepCounts(m);
        m.ReelPos = StopPositions({0, 0, 0}, steps, m.Held);
        const LineScore score = ScoreLine(m, RowText(m, 1));
        ++seen[score.won ? score.category : -1];
        paid += score.payout;
    }

    // Chi-square over the categories, the rare ones pooled.
    double chi = 0, pooledExpected = 0;
    int pooledSeen = 0, cells = 0;
    for (const auto& [category, p] : exact.category) {
        const double expected = p * kGames;
        if (expected < 20) {
            pooledExpected += expected;
            pooledSeen += seen[category];
            continue;
        }
        chi += std::pow(seen[category] - expected, 2) / expected;
        ++cells;
    }
    if (pooledExpected > 0) {
        chi += std::pow(pooledSeen - pooledExpected, 2) / pooledExpected;
        ++cells;
    }
    for (const auto& [category, count] : seen) EXPECT_GT(exact.category.count(category), 0u) << category;
    ASSERT_GE(cells, 8);
    EXPECT_LT(chi, ChiSquareLimit(cells - 1, kZ001)) << "chi-square " << chi << " over " << cells << " cells";

    const double mean = paid / kGames;
    const double standardError = std::sqrt(exact.payoutVariance / kGames);
    EXPECT_NEAR(mean, exact.meanPayout, 4 * standardError)
        << "return per credit " << mean << ", exactly " << exact.meanPayout;
}

TEST(Odds, TheBonusWheelIsIndependentOfTheReels) {
    // Reseeded from the clock for the spin and again for the wheel a moment
    // later: the wheel's number must not follow reel 0's step count.
    RealRandom random;
    Rig rig({"Fruit.Thm"}, nullptr, &random);
    Machine& m = rig.m;
    rig.Start();
    constexpr int kGames = 20'000;
    int table[19][4] = {};
    int wheel[4] = {};
    for (int game = 0; game < kGames; ++game) {
        const int steps = DrawStepCounts(m)[0];
        const Integer before = m.LastWin;
        SpinBonusWheel(m);
        const int k = (m.LastWin - before) / 10 - 2;
        ASSERT_GE(k, 0);
        ASSERT_LE(k, 3);
        ++table[steps - 7][k];
        ++wheel[k];
        m.LastWin = 0;
    }
    int rows[19] = {};
    for (int s = 0; s < 19; ++s)
        for (int k = 0; k < 4; ++k) rows[s] += table[s][k];
    double chi = 0;
    for (int s = 0; s < 19; ++s) {
        for (int k = 0; k < 4; ++k) {
            const double expected = double(rows[s]) * wheel[k] / kGames;
            chi += std::pow(table[s][k] - expected, 2) / expected;
        }
    }
    EXPECT_LT(chi, ChiSquareLimit(18 * 3, kZ1e6)) << "chi-square " << chi;
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(wheel[k], kGames / 4, kGames / 20) << k;
}

}  // namespace
}  // namespace fw::test
