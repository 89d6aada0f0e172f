// The exact odds: against a million games of the real spin and scoring, against
// figures worked out by hand, and the odds window following the machine.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <stdexcept>

#include "fakes.h"
#include "machine/cells.h"
#include "play/evaluate.h"
#include "play/mania.h"
#include "play/odds.h"
#include "play/reels.h"
#include "play/spin.h"

namespace fw::test {
namespace {

using Reels = std::array<Integer, 3>;

// Plays games with the spin's own step counts and stops and EvaluateWin's
// scoring (the bonus wheel drawn by its own rule); `from` set: every game
// starts there, otherwise each starts where the last stopped.
struct Played {
    std::array<double, kPrizes> prize{};
    double noWin = 0, wheel = 0, coins = 0, squares = 0;
};
Played Play(Machine& m, int games, std::optional<Reels> from, Reels held, bool mania) {
    Played p;
    m.ManiaActive = mania ? True : False;
    for (int i = 0; i < games; ++i) {
        if (from) m.ReelPos = *from;
        m.Held = held;
        m.ReelPos = StopPositions(m.ReelPos, DrawStepCounts(m), m.Held);
        const LineScore score = ScoreLine(m, RowText(m, 1));
        const int coins = score.payout + (score.specialHit ? WheelCoins(WheelStopFor(m.random.Rnd())) : 0);
        if (score.category >= 0) ++p.prize[score.category];
        p.noWin += !score.won;
        p.wheel += score.specialHit;
        p.coins += coins;
        p.squares += double(coins) * coins;
    }
    return p;
}

// Every chance and the mean payout lie within four standard errors of the games.
void ExpectAgree(const GameOdds& odds, const Played& p, int n, const char* what) {
    auto near = [&](const Rational& chance, double count, const std::string& name) {
        const double q = chance.value(), se = std::sqrt(q * (1 - q) / n);
        EXPECT_NEAR(count / n, q, 4 * se + 1e-12) << what << ": " << name;
    };
    for (int k = 0; k < kPrizes; ++k) near(odds.prize[k], p.prize[k], "prize " + std::to_string(k));
    near(odds.noWin, p.noWin, "no win");
    near(odds.wheel, p.wheel, "bonus wheel");
    const double mean = p.coins / n, sd = std::sqrt(p.squares / n - mean * mean);
    EXPECT_NEAR(mean, odds.payout.value(), 4 * sd / std::sqrt(n)) << what << ": coins per game";
}

class ExactOdds : public ::testing::Test {
protected:
    void SetUp() override { rig.Start(); }
    SeededRandom random{20240611};
    Rig rig{{"Fruit.Thm"}, nullptr, &random};
    Machine& m = rig.m;
    static constexpr int kGames = 1'000'000;
};

TEST_F(ExactOdds, TheExactFiguresAgreeWithAMillionGamesOfTheRealSpin) {
    ExpectAgree(LongRunOdds(m, false), Play(m, kGames, std::nullopt, {}, false), kGames, "long run");
    for (const Reels from : {Reels{0, 0, 0}, Reels{9, 0, 13}, Reels{17, 5, 11}})
        ExpectAgree(NextGameOdds(m, from, {}, false), Play(m, kGames, from, {}, false), kGames,
                    "from a place");
    ExpectAgree(NextGameOdds(m, {9, 0, 13}, {0, 1, 0}, false),
                Play(m, kGames, Reels{9, 0, 13}, {0, 1, 0}, false), kGames, "middle reel held");
    ExpectAgree(LongRunOdds(m, true), Play(m, kGames, std::nullopt, {}, true), kGames, "Mania period");
    EXPECT_EQ(m.LineCursor, 0);
}

TEST_F(ExactOdds, FiguresWorkedOutByHand) {
    // Long run: every position equally likely, the reels independent. Symbol 2
    // stands 3 times on reel 0's 20 positions and 5 times on reel 1's.
    const GameOdds run = LongRunOdds(m, false);
    EXPECT_EQ(run.prize[0], MakeRational(3 * 15, 20 * 20));
    EXPECT_EQ(run.prize[1], MakeRational(3 * 5, 20 * 20));
    // 100 coins: 9 twice on reel 0; 10 once and 9 once on reel 1; 12 twice on reel 2.
    EXPECT_EQ(run.prize[11], MakeRational(2 * 2 * 2, 8000));
    EXPECT_EQ(StationaryWeights(m), std::vector<std::int64_t>(8000, 1));
    // Mania: a special symbol (9, 10, 12) stands twice on each reel; the wheel spins
    // unless none shows, (18/20)^3, or the 100-coin prize came (8 of those 2168).
    const GameOdds mania = LongRunOdds(m, true);
    EXPECT_EQ(mania.wheel, MakeRational(8000 - 5832 - 8, 8000));
    EXPECT_EQ(mania.payout, run.payout + mania.wheel * MakeRational(35));
    // From all reels at 0 reel 0 turns a + 1 (a = 7..25): its pay line shows
    // positions 6..24, every one but 5, so 2 (at 7, 10, 17) with chance 3/19. Reel 1's
    // pay line is at a + b: 19 places in a row, missing a + 6 (14, 17 or 4 for the
    // three a), so it shows 2 (at 1, 3, 9, 15, 19) with chance 5/19.
    const GameOdds next = NextGameOdds(m, {0, 0, 0}, {}, false);
    EXPECT_EQ(next.prize[0], MakeRational(3 * 14, 19 * 19));
    EXPECT_EQ(next.prize[1], MakeRational(3 * 5, 19 * 19));
    // Reel 0 held at 9 shows 2; reel 1 from 0 shows 2 with chance 5/19 as above:
    // 2 coins 14 times in 19, 5 coins 5 times in 19.
    EXPECT_EQ(NextGameOdds(m, {9, 0, 13}, {1, 0, 0}, false).payout, MakeRational(2 * 14 + 5 * 5, 19));
}

TEST_F(ExactOdds, ThePayLineIsScoredAsTheGameScoresIt) {
    for (const bool mania : {false, true}) {
        m.ManiaActive = mania ? True : False;
        for (int i = 0; i < 15 * 15 * 15; ++i) {
            const Reels s{Integer(i / 225), Integer(i / 15 % 15), Integer(i % 15)};
            const LinePay pay = PayForLine(m, s, mania);
            const LineScore score =
                ScoreLine(m, std::to_string(s[0]) + "-" + std::to_string(s[1]) + "-" + std::to_string(s[2]));
            ASSERT_EQ(pay.category, score.category) << i;
            ASSERT_EQ(pay.payout, score.payout) << i;
            ASSERT_EQ(pay.wheel, score.specialHit) << i;
        }
    }
}

TEST(Fractions, StayInLowestTermsAndRefuseWhatDoesNotFit) {
    EXPECT_EQ(MakeRational(6, -4) + MakeRational(1, 2), MakeRational(-1));
    EXPECT_EQ(MakeRational(2, 3) * MakeRational(9, 4) / MakeRational(3, 2), MakeRational(1));
    const Rational huge = MakeRational(INT64_MAX / 2 + 2);  // twice it passes the largest by 2
    EXPECT_THROW(huge + huge, std::overflow_error);
    EXPECT_THROW(huge * MakeRational(3), std::overflow_error);
    EXPECT_THROW(MakeRational(1, 0), std::domain_error);
}

TEST(OddsMenu, OpensTheWindowWithTheFiguresAndFollowsTheGame) {
    Rig rig;
    Machine& m = rig.m;
    rig.StartPlaying();
    rig.InsertCoins(2);
    rig.Send(ev::MenuOdds{});
    ASSERT_EQ(rig.host.oddsShown.size(), 1u);
    EXPECT_EQ(rig.host.oddsShown[0].longRun.payout, LongRunOdds(m, false).payout);
    EXPECT_EQ(rig.host.oddsShown[0].nextGame.payout, NextGameOdds(m, m.ReelPos, {}, false).payout);
    EXPECT_TRUE(rig.host.oddsShown[0].holds.empty());  // the first game offers no hold
    rig.Send(ev::Tick{TimerId::ElapsedTime});
    EXPECT_EQ(rig.host.oddsShown.size(), 1u);  // nothing has changed

    // Pay line 2-8-13 wins 2 coins and locks reel 0: reels 1 and 2 may be held,
    // alone or together.
    rig.ScriptSteps({8, 8, 7});
    rig.PullLever();
    ASSERT_EQ(rig.host.oddsShown.size(), 2u);
    std::vector<Reels> choices;
    const HoldOdds* best = nullptr;
    for (const HoldOdds& h : rig.host.oddsShown[1].holds) {
        choices.push_back({h.held[0], h.held[1], h.held[2]});
        EXPECT_EQ(h.payout, NextGameOdds(m, m.ReelPos, choices.back(), false).payout);
        if (h.best) best = &h;
    }
    EXPECT_EQ(choices, (std::vector<Reels>{{0, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 1, 1}}));
    ASSERT_NE(best, nullptr);
    for (const HoldOdds& h : rig.host.oddsShown[1].holds) EXPECT_FALSE(best->payout < h.payout);

    rig.Press(places::HoldButton(2).x + 5, places::HoldButton(2).y + 5);
    ASSERT_EQ(rig.host.oddsShown.size(), 3u);
    EXPECT_TRUE(rig.host.oddsShown[2].holds[2].chosen);
}

}  // namespace
}  // namespace fw::test
