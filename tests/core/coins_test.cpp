// Coins from the pile into the slot, the credit lamps, coins that fall out of
// the picture, the out-of-coins panel and the drag's ends.
#include <gtest/gtest.h>

#include "fakes.h"
#include "machine/frame_delay.h"
#include "money/coins.h"
#include "presentation/digits.h"

namespace fw::test {
namespace {

int LitLamps(const Machine& m) {
    int lit = 0;
    for (int n = 0; n < 10; ++n) lit += ShowsSprite(m.hdcScreen, 214 - 6 * n, 67, 4, 3, 274, 293);
    return lit;
}

bool StripLit(const Machine& m) {
    return ShowsSprite(m.hdcScreen, 221, 67, 31, 3, 337, 218);
}

class Coins : public ::testing::Test {
protected:
    void SetUp() override { rig.StartPlaying(); }
    Rig rig;
    Machine& m = rig.m;
};

TEST_F(Coins, OneCoinFromTheLastOfThePurseWakesTheMachine) {
    m.ScoreTable[0].Score = 1;
    std::vector<Surface> frames;
    rig.clock.onWait = [&] { frames.push_back(m.hdcScreen); };
    rig.Drag(1, 236, 84);
    EXPECT_EQ(rig.host.dragIcon, DragIcon::None);
    // The coin spins in the window: seven frames of 60 ms, at rest 50 ms, then 205 ms.
    EXPECT_EQ(rig.clock.WaitsMs(), (std::vector<int>{60, 60, 60, 60, 60, 60, 60, 50, 205}));
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(ShowsSprite(frames[i], 229, 77, 16, 15, 410 + 16 * (i % 3), 53)) << i;
    EXPECT_TRUE(ShowsSprite(frames[7], 229, 77, 16, 15, 458, 53));
    EXPECT_EQ(rig.SoundsPlayed(), (std::vector<int>{11, 10, 0}));  // pick, pay, activate
    EXPECT_EQ(m.Credits, 1);
    EXPECT_EQ(m.ScoreTable[0].Score, 0);
    EXPECT_EQ(CounterText(m.hdcScreen), "---0");
    EXPECT_TRUE(StripLit(m));
    EXPECT_EQ(LitLamps(m), 1);
    EXPECT_EQ(m.hdcScreen, m.hdcCompose);
}

TEST_F(Coins, AStackWithThreeInThePurseMovesThree) {
    m.ScoreTable[0].Score = 3;
    rig.InsertCoins(2);
    EXPECT_EQ(m.Credits, 3);
    EXPECT_EQ(m.ScoreTable[0].Score, 0);
    EXPECT_EQ(LitLamps(m), 3);
    EXPECT_EQ(m.CoinsInHand, 5);
}

TEST_F(Coins, AStackIntoEightCreditsMovesTwoAndTheRestStays) {
    for (int i = 0; i < 8; ++i) rig.InsertCoins();
    ASSERT_EQ(m.Credits, 8);
    rig.InsertCoins(2);
    EXPECT_EQ(m.Credits, 10);
    EXPECT_EQ(m.ScoreTable[0].Score, 10);
    EXPECT_EQ(LitLamps(m), 10);
}

TEST_F(Coins, TheEleventhCoinIsRefusedWithoutAnimation) {
    rig.InsertCoins(2);
    rig.InsertCoins(2);
    ASSERT_EQ(m.Credits, 10);
    rig.ForgetSounds();
    rig.clock.waits.clear();
    const Surface before = m.hdcScreen;
    rig.InsertCoins();
    rig.InsertCoins(2);
    EXPECT_EQ(rig.SoundsPlayed(), (std::vector<int>{11, 18, 11, 18}));
    EXPECT_TRUE(rig.clock.waits.empty());
    EXPECT_EQ(m.Credits, 10);
    EXPECT_EQ(m.ScoreTable[0].Score, 10);
    EXPECT_EQ(m.hdcScreen, before);
}

TEST_F(Coins, ADropElsewhereFallsOutOfThePictureAndChangesNothing) {
    m.Speed = 20;
    const Surface before = m.hdcScreen;
    std::vector<Surface> frames;
    rig.clock.onWait = [&] { frames.push_back(m.hdcScreen); };
    rig.Drag(1, 150, 120);
    // From y = 120 in 2-pixel steps until y reaches 263: 72 steps.
    ASSERT_EQ(frames.size(), 72u);
    for (auto w : rig.clock.waits) EXPECT_EQ(w, FrameTime(20 * 1500));
    // First step: the coin at y = 122, its top-left corner at (143, 115), masked
    // over the background.
    const Surface& first = frames[0];
    for (int j = 0; j < 15; ++j) {
        for (int i = 0; i < 16; ++i) {
            const std::uint32_t mask = SpritePixel(290 + i, 238 + j);
            const std::uint32_t expected =
                (before.pixel(143 + i, 115 + j) & mask) ^ SpritePixel(274 + i, 238 + j);
            ASSERT_EQ(first.pixel(143 + i, 115 + j), expected) << i << "," << j;
        }
    }
    EXPECT_TRUE(first.sameRect(0, 0, 320, 115, before, 0, 0));  // nothing above it
    EXPECT_EQ(rig.SoundsPlayed(), (std::vector<int>{11, 4}));
    EXPECT_EQ(m.hdcScreen, before);  // every step restored what it covered
    EXPECT_EQ(m.ScoreTable[0].Score, 20);
    EXPECT_EQ(m.Credits, 0);
}

TEST_F(Coins, ADropOnTheBottomRowStillFallsOneStep) {
    rig.Drag(2, 100, 255);
    EXPECT_EQ(rig.clock.waits.size(), 4u);  // 257, 259, 261, 263
    EXPECT_EQ(rig.SoundsPlayed(), (std::vector<int>{11, 4}));
}

TEST_F(Coins, ALargerSpeedSettingFallsMoreSlowly) {
    m.Speed = 0;
    rig.Drag(1, 150, 200);
    const auto fast = rig.clock.waits;
    rig.clock.waits.clear();
    m.Speed = 100;
    rig.Drag(1, 150, 200);
    ASSERT_EQ(fast.size(), rig.clock.waits.size());
    EXPECT_EQ(fast.front(), FrameTime(0));
    EXPECT_EQ(rig.clock.waits.front(), FrameTime(150'000));
    EXPECT_LT(FrameTime(0) * 3, FrameTime(150'000));
}

TEST_F(Coins, ADropOnThePileOrOutsideTheWindowDoesNothing) {
    const Surface before = m.hdcScreen;
    rig.Drag(1, 300, 180);
    rig.Send(ev::Press{1, 305, 183});
    rig.Send(ev::Release{400, 100, false});
    EXPECT_EQ(rig.SoundsPlayed(), (std::vector<int>{11, 11}));
    EXPECT_TRUE(rig.clock.waits.empty());
    EXPECT_EQ(m.hdcScreen, before);
    EXPECT_EQ(rig.host.dragIcon, DragIcon::None);
}

TEST_F(Coins, TheDragIconShowsTheCoinsInHand) {
    rig.Send(ev::Press{1, 305, 183});
    EXPECT_EQ(rig.host.dragIcon, DragIcon::OneCoin);
    rig.Send(ev::Release{236, 84, true});
    EXPECT_EQ(rig.host.dragIcon, DragIcon::None);
    rig.Send(ev::Press{2, 305, 183});
    EXPECT_EQ(rig.host.dragIcon, DragIcon::FiveCoins);
}

TEST_F(Coins, AReleaseWithoutAPickUpDropsNothing) {
    rig.Send(ev::Release{236, 84, true});
    rig.Press(150, 230);  // a press elsewhere starts no drag
    rig.Send(ev::Release{236, 84, true});
    EXPECT_EQ(m.Credits, 0);
    EXPECT_EQ(m.ScoreTable[0].Score, 20);
}

TEST_F(Coins, ADragReleasedDuringAGameEndsInExactlyOneDropAfterIt) {
    rig.InsertCoins();
    rig.ScriptSteps({7, 7, 7});
    bool posted = false;
    rig.clock.onWait = [&] {
        if (posted) return;
        posted = true;  // pressed on the pile and let go on the slot while the reels turn
        Post(m, ev::Press{1, 305, 183});
        Post(m, ev::Release{236, 84, true});
        Post(m, ev::Release{236, 84, true});
    };
    rig.PullLever();
    EXPECT_EQ(m.Credits, 1);  // the game took its credit, the late coin gave one
    EXPECT_EQ(m.ScoreTable[0].Score, 18);
    EXPECT_EQ(m.Credits + m.ScoreTable[0].Score + m.ScoreTable[0].Played, 20);
}

TEST_F(Coins, LosingTheWindowDuringADragDropsNothing) {
    rig.Send(ev::Press{2, 305, 183});
    rig.Send(ev::Release{-1, -1, false});  // the window lost the mouse
    rig.Send(ev::Release{236, 84, true});
    EXPECT_EQ(m.Credits, 0);
    EXPECT_EQ(m.ScoreTable[0].Score, 20);
}

TEST_F(Coins, AnEmptyPurseWithCreditsIsRefused) {
    m.ScoreTable[0].Score = 1;
    rig.InsertCoins();
    rig.ForgetSounds();
    rig.Send(ev::Press{1, 305, 183});
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<int>{18});
    EXPECT_FALSE(m.DragActive);
    EXPECT_EQ(m.ScreenMode, Screen::Reels);
}

TEST_F(Coins, AnEmptyPurseAndNoCreditsOpensTheOutOfCoinsPanelAndContinueGives20) {
    for (int i = 0; i < 20; ++i) DrawDigits(m, 1);  // the purse spent
    rig.Send(ev::Press{1, 305, 183});
    EXPECT_EQ(m.ScreenMode, Screen::OutOfCoins);
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<int>{9});
    EXPECT_TRUE(ShowsSprite(m.hdcScreen, 83, 71, 137, 98, 0, 120));
    EXPECT_EQ(rig.clock.WaitsMs(), std::vector<int>(8, 50));
    rig.ForgetSounds();
    rig.Send(ev::Press{1, 305, 183});  // a second press on the pile does nothing
    EXPECT_TRUE(rig.sound.calls.empty());

    rig.clock.waits.clear();
    bool pressedLook = false;
    rig.clock.onWait = [&] {
        if (rig.clock.waits.size() == 1) pressedLook = ShowsSprite(m.hdcScreen, 192, 146, 17, 17, 393, 53);
    };
    rig.Press(200, 150);  // continue
    EXPECT_TRUE(pressedLook);
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<int>{4});
    EXPECT_EQ(m.ScreenMode, Screen::Reels);
    EXPECT_EQ(m.ScoreTable[0].Score, 20);
    EXPECT_EQ(CounterText(m.hdcScreen), "--20");
    EXPECT_TRUE(ShowsSymbol(m.hdcScreen, 1, 1, m.Strip[18][1], 1));
    EXPECT_EQ(m.hdcScreen, m.hdcCompose);
}

TEST_F(Coins, TheQuitButtonOfThePanelEndsTheProgram) {
    m.ScoreTable[0].Score = 0;
    rig.Send(ev::Press{1, 305, 183});
    rig.Press(100, 150);
    EXPECT_TRUE(m.ended);
    EXPECT_EQ(rig.host.endStatus, 0);
    EXPECT_EQ(rig.store.flushes, 1);
}

TEST_F(Coins, CreditsAndLampsStayInStepAcrossGames) {
    rig.InsertCoins(2);
    for (int game = 0; game < 5; ++game) {
        rig.ScriptSteps({7 + game, 8, 9});
        rig.PullLever();
        EXPECT_EQ(LitLamps(m), m.Credits);
    }
    EXPECT_EQ(m.Credits, 0);
    EXPECT_FALSE(StripLit(m));
}

}  // namespace
}  // namespace fw::test
