// The money counter: taking one coin, counting up, its timing and its limits.
#include <gtest/gtest.h>

#include "fakes.h"
#include "presentation/digits.h"

namespace fw::test {
namespace {

class MoneyCounter : public ::testing::Test {
protected:
    void SetUp() override {
        rig.Start();
        rig.clock.waits.clear();
    }
    Rig rig;
    Machine& m = rig.m;
};

TEST_F(MoneyCounter, TakingOneCoinFrom20Shows19) {
    DrawDigits(m, 1);
    EXPECT_EQ(m.ScoreTable[0].Score, 19);
    EXPECT_EQ(CounterText(m.hdcScreen), "--19");
    EXPECT_EQ(m.MoneyDigits, (std::array<Integer, 4>{9, 1, 0, 0}));
    EXPECT_EQ(m.hdcCompose, m.hdcScreen);
    EXPECT_TRUE(rig.clock.waits.empty());
}

TEST_F(MoneyCounter, TakingTheLastCoinShowsASingleZero) {
    m.ScoreTable[0].Score = 1;
    DrawDigits(m, 1);
    EXPECT_EQ(m.ScoreTable[0].Score, 0);
    EXPECT_EQ(CounterText(m.hdcScreen), "---0");
}

TEST_F(MoneyCounter, CountingUp100From19CarriesIntoTheHundreds) {
    DrawDigits(m, 1);  // 19
    std::vector<std::string> shown;
    rig.clock.onWait = [&] { shown.push_back(CounterText(m.hdcScreen)); };
    DrawDigits(m, 100);
    ASSERT_EQ(shown.size(), 100u);
    EXPECT_EQ(shown[0], "--20");
    EXPECT_EQ(shown[79], "--99");
    EXPECT_EQ(shown[80], "-100");  // the hundreds cell lights at the carry
    EXPECT_EQ(shown[99], "-119");
    EXPECT_EQ(m.ScoreTable[0].Score, 119);
    EXPECT_EQ(m.MoneyDigits, (std::array<Integer, 4>{9, 1, 1, 0}));
    EXPECT_EQ(rig.clock.TotalWaitMs(), 1580);
}

TEST_F(MoneyCounter, FiveCoinsTake50_50_50_50_45) {
    DrawDigits(m, 5);
    EXPECT_EQ(rig.clock.WaitsMs(), (std::vector<int>{50, 50, 50, 50, 45}));
    EXPECT_EQ(m.ScoreTable[0].Score, 25);
}

TEST_F(MoneyCounter, DelaysShrinkToFiveMilliseconds) {
    DrawDigits(m, 150);
    const auto waits = rig.clock.WaitsMs();
    EXPECT_EQ(waits[43], 10);
    EXPECT_EQ(waits[44], 5);
    EXPECT_EQ(waits[149], 5);
    EXPECT_EQ(rig.clock.TotalWaitMs(), 1830);
}

TEST_F(MoneyCounter, ZeroOrNegativeAmountsCountNothing) {
    DrawDigits(m, 0);
    DrawDigits(m, -3);
    EXPECT_TRUE(rig.clock.waits.empty());
    EXPECT_EQ(m.ScoreTable[0].Score, 17);  // the purse still takes the amount
    EXPECT_EQ(CounterText(m.hdcScreen), "--20");
}

TEST_F(MoneyCounter, PurseAbove9999ShowsItsLastFourDigits) {
    m.ScoreTable[0].Score = 12346;
    DrawDigits(m, 1);
    EXPECT_EQ(CounterText(m.hdcScreen), "2345");
    EXPECT_EQ(m.MoneyDigits, (std::array<Integer, 4>{5, 4, 3, 2}));
}

TEST_F(MoneyCounter, CountingUpWrapsTheDisplayAt10000) {
    m.ScoreTable[0].Score = 9999;
    DrawDigits(m, 1);  // shows 9998
    DrawDigits(m, 3);
    EXPECT_EQ(CounterText(m.hdcScreen), "0001");
    EXPECT_EQ(m.ScoreTable[0].Score, 10001);
}

TEST_F(MoneyCounter, PurseStaysAt32767InsteadOfWrapping) {
    m.ScoreTable[0].Score = 32760;
    DrawDigits(m, 50);
    EXPECT_EQ(m.ScoreTable[0].Score, 32767);
}

}  // namespace
}  // namespace fw::test
