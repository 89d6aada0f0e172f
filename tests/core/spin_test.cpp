// The lever and the spin: step counts, cascade and held, the stop sounds, the
// line texts, the frames and their timing.
#include <gtest/gtest.h>

#include "fakes.h"
#include "machine/frame_delay.h"
#include "play/reels.h"
#include "play/spin.h"

namespace fw::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::nanoseconds;

class Spin : public ::testing::Test {
protected:
    void SetUp() override {
        rig.StartPlaying();
        rig.InsertCoins(2);
        rig.ForgetSounds();
        rig.clock.waits.clear();
    }
    Rig rig;
    Machine& m = rig.m;
};

TEST(StepCounts, UniformNumbersMapOnto7To25) {
    EXPECT_EQ(StepCountFor(0.0), 7);
    EXPECT_EQ(StepCountFor(0.999999), 25);
    EXPECT_EQ(StepCountFor(1.0 / 19), 8);
    EXPECT_EQ(StepCountFor(1.0 / 19 - 1e-9), 7);
}

TEST(StepCounts, StopPositionsAddUpTheStepsLeftToRight) {
    EXPECT_EQ(StopPositions({0, 0, 0}, {7, 7, 7}, {0, 0, 0}), (std::array<Integer, 3>{8, 16, 4}));
    EXPECT_EQ(StopPositions({19, 5, 0}, {25, 10, 7}, {0, 0, 0}), (std::array<Integer, 3>{5, 2, 5}));
    EXPECT_EQ(StopPositions({3, 4, 5}, {0, 9, 0}, {1, 0, 1}), (std::array<Integer, 3>{3, 14, 5}));
    EXPECT_EQ(StopPositions({3, 4, 5}, {0, 9, 12}, {1, 0, 0}), (std::array<Integer, 3>{3, 14, 28 % 20}));
}

TEST_F(Spin, TheLeverSwingsDownAndBackInAbout870Milliseconds) {
    std::vector<int> frames;
    rig.clock.onWait = [&] {
        for (int i = 0; i < 6; ++i)
            if (ShowsSprite(m.hdcScreen, 262, 36, 23, 93, 24 * i, 0)) frames.push_back(i);
    };
    PullLever(m);
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 2, 3, 4, 5, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(rig.clock.TotalWaitMs(), 6 * 75 + 6 * 70);
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<int>{7});
}

TEST_F(Spin, TheShortestCascadeTurnsTheReels8_16And24Positions) {
    rig.ScriptSteps({7, 7, 7});
    rig.PullLever();
    EXPECT_EQ(m.ReelPos, (std::array<Integer, 3>{8, 16, 4}));
    EXPECT_EQ(m.LineText[0], "2-2-5");
    EXPECT_EQ(m.LineText[1], "3-3-7");
    EXPECT_EQ(m.LineText[2], "5-8-8");
    EXPECT_EQ(m.ScoreTable[0].Played, 1);
    EXPECT_EQ(m.HoldAllowed, True);
    EXPECT_EQ(rig.random.reseeds, 1);
}

TEST_F(Spin, EveryVisibleCellShowsTheStripAtItsNewPosition) {
    rig.ScriptSteps({19, 8, 24});
    rig.PullLever();
    EXPECT_EQ(m.ReelPos, StopPositions({0, 0, 0}, {19, 8, 24}, {0, 0, 0}));
    for (int r = 0; r < 3; ++r)
        for (int w = 0; w < 3; ++w) EXPECT_TRUE(ShowsSymbol(m.hdcScreen, r, w, VisibleSymbol(m, r, w), 1));
    EXPECT_EQ(m.hdcScreen, m.hdcCompose);
}

TEST_F(Spin, SoundsRunningThenThreeStopsInOrder) {
    rig.ScriptSteps({10, 10, 10});
    rig.PullLever();
    ASSERT_GE(rig.sound.calls.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(rig.sound.calls.begin(), rig.sound.calls.begin() + 6),
              (std::vector<std::string>{"Play 7", "Repeat 15", "Play 19", "Play 20", "Play 21", "Stop 15"}));
}

TEST_F(Spin, TheCascadeTimelineFollowsTheFrameDelays) {
    rig.ScriptSteps({9, 12, 7});
    rig.PullLever();
    const auto& waits = rig.clock.waits;
    // The lever's twelve pauses, then the frames, then the closing 300 ms.
    std::vector<nanoseconds> expected(6, milliseconds(75));
    expected.insert(expected.end(), 6, milliseconds(70));
    const long speed = m.Speed * 2000L;
    expected.insert(expected.end(), 30 * 10, FrameTime(speed));
    expected.insert(expected.end(), 30 * 13, FrameTime(500 + speed));
    expected.insert(expected.end(), 30 * 8, FrameTime(1000 + speed));
    expected.push_back(milliseconds(300));
    ASSERT_GE(waits.size(), expected.size());
    EXPECT_EQ(std::vector<nanoseconds>(waits.begin(), waits.begin() + expected.size()), expected);
}

TEST_F(Spin, OneScrollFrameMovesTheGroupDownAndDrawsTheEnteringRow) {
    rig.ScriptSteps({7, 7, 7});
    Surface before, first;
    int waits = 0;
    rig.clock.onWait = [&] {
        ++waits;
        if (waits == 12) before = m.hdcScreen;  // the lever is back up
        if (waits == 13) first = m.hdcScreen;   // the first frame of the spin
    };
    rig.PullLever();
    ASSERT_FALSE(first.empty());
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 320; ++x) {
            std::uint32_t want = before.pixel(x, y);
            if (x >= 93 && x < 93 + 117 && y >= 76 && y <= 164) want = before.pixel(x, y - 1);
            for (int k = 0; k < 3; ++k) {
                const int left = 93 + 44 * k;
                // Entering from the top: row 29 of the symbol at the reel's position (0).
                if (y == 75 && x >= left && x < left + 29)
                    want = ThemePixel(1, 29 * m.Strip[0][k] + x - left, 29);
            }
            ASSERT_EQ(first.pixel(x, y), want) << x << "," << y;
        }
    }
}

TEST_F(Spin, WithReels0And2HeldOnlyReel1TurnsAndItsFramesCountTwoStanding) {
    // Earn the holds: a game without holds and without a win.
    rig.ScriptSteps({7, 7, 7});
    rig.PullLever();
    rig.Press(100, 185);
    rig.Press(188, 185);
    ASSERT_EQ(m.HoldCount, 2);
    rig.ForgetSounds();
    rig.clock.waits.clear();
    const auto before = m.ReelPos;
    rig.ScriptSteps({11});
    rig.PullLever();
    EXPECT_EQ(m.ReelPos, (std::array<Integer, 3>{before[0], Integer((before[1] + 12) % 20), before[2]}));
    const auto played = rig.SoundsPlayed();
    EXPECT_EQ(std::count(played.begin(), played.end(), 19), 0);
    EXPECT_EQ(std::count(played.begin(), played.end(), 20), 1);
    EXPECT_EQ(std::count(played.begin(), played.end(), 21), 0);
    const auto frame = FrameTime(2 * 500 + m.Speed * 2000L);
    EXPECT_EQ(std::count(rig.clock.waits.begin(), rig.clock.waits.end(), frame), 30 * 12);
    EXPECT_EQ(m.HoldAllowed, False);
    EXPECT_EQ(m.HoldCount, 0);
    EXPECT_EQ(rig.random.reseeds, 2);
}

TEST_F(Spin, WithReel0HeldReels1And2TurnTogetherThenReel2Alone) {
    rig.ScriptSteps({7, 7, 7});
    rig.PullLever();
    rig.Press(100, 185);
    rig.ForgetSounds();
    rig.clock.waits.clear();
    const auto before = m.ReelPos;
    rig.ScriptSteps({9, 14});
    rig.PullLever();
    EXPECT_EQ(m.ReelPos, StopPositions(before, {0, 9, 14}, {1, 0, 0}));
    const auto calls = rig.sound.calls;
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 5),
              (std::vector<std::string>{"Play 7", "Repeat 15", "Play 20", "Play 21", "Stop 15"}));
    const long speed = m.Speed * 2000L;
    EXPECT_EQ(std::count(rig.clock.waits.begin(), rig.clock.waits.end(), FrameTime(500 + speed)), 30 * 10);
    EXPECT_EQ(std::count(rig.clock.waits.begin(), rig.clock.waits.end(), FrameTime(1000 + speed)), 30 * 15);
}

TEST_F(Spin, APayingGameClearsTheTrayAtTheNextSpin) {
    rig.ScriptSteps({11, 7, 7});  // "2-8-8" pays 2
    rig.PullLever();
    ASSERT_EQ(m.LastWin, 2);
    EXPECT_FALSE(ShowsSprite(m.hdcScreen, 137, 221, 16, 25, 192, 95) &&
                 ShowsSprite(m.hdcScreen, 153, 221, 16, 25, 192, 95));
    rig.ScriptSteps({7, 7, 7});
    bool cleared = false;
    int waits = 0;
    rig.clock.onWait = [&] {
        if (++waits == 13) {
            cleared = ShowsSprite(m.hdcScreen, 137, 221, 16, 25, 192, 95) &&
                      ShowsSprite(m.hdcScreen, 153, 221, 16, 25, 192, 95);
        }
    };
    rig.PullLever();
    EXPECT_TRUE(cleared);
}

TEST_F(Spin, ANonPayingGameLeavesTheTrayAlone) {
    rig.ScriptSteps({7, 7, 7});
    rig.PullLever();
    ASSERT_EQ(m.LastWin, 0);
    const Surface before = m.hdcScreen;
    rig.ScriptSteps({8, 8, 8});
    rig.PullLever();
    EXPECT_TRUE(m.hdcScreen.sameRect(135, 221, 36, 25, before, 135, 221));
}

TEST_F(Spin, PlayedStaysAt32767) {
    m.ScoreTable[0].Played = 32767;
    rig.ScriptSteps({7, 7, 7});
    rig.PullLever();
    EXPECT_EQ(m.ScoreTable[0].Played, 32767);
}

TEST_F(Spin, TheAnimationEndsWhereTheStepRuleSays) {
    for (int game = 0; game < 5; ++game) {
        const std::array<int, 3> steps{7 + 4 * game, 25 - 3 * game, 11 + game};
        const auto from = m.ReelPos;
        rig.ScriptSteps({steps[0], steps[1], steps[2]});
        if (m.Credits == 0) rig.InsertCoins(2);
        m.HoldAllowed = False;  // no holds: a cascade every time
        rig.PullLever();
        EXPECT_EQ(m.ReelPos, StopPositions(from, steps, {0, 0, 0})) << game;
    }
}

}  // namespace
}  // namespace fw::test
