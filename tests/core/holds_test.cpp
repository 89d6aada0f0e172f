// Hold buttons: their looks, holding and releasing, and the hold rules.
#include <gtest/gtest.h>

#include "fakes.h"
#include "play/holds.h"

namespace fw::test {
namespace {

constexpr int kStop = 274, kGoLit = 295, kGoDark = 316;

// The look of reel r's hold button: the sheet x of the cell it shows, or -1.
int ButtonLook(const Machine& m, int reel) {
    for (int look : {kStop, kGoLit, kGoDark}) {
        if (ShowsSprite(m.hdcScreen, 97 + 44 * reel, 180, 21, 11, look, 218)) return look;
    }
    return -1;
}

class Holds : public ::testing::Test {
protected:
    // A game without holds that won nothing, with credits left: holds are on offer.
    void SetUp() override {
        rig.StartPlaying();
        rig.InsertCoins(2);  // five credits
        rig.ScriptSteps({7, 7, 7});
        rig.PullLever();  // "3-3-7": no win
        ASSERT_EQ(m.HoldAllowed, True);
        rig.ForgetSounds();
    }
    void PressHold(int reel) { rig.Press(100 + 44 * reel, 185); }
    Rig rig;
    Machine& m = rig.m;
};

TEST_F(Holds, AfterAnUnheldGameWithoutWinAllThreeButtonsOfferTheHold) {
    for (int r = 0; r < 3; ++r) EXPECT_EQ(ButtonLook(m, r), kGoLit) << r;
    EXPECT_EQ(m.HoldLamp, (std::array<Integer, 3>{0, 0, 0}));
}

TEST_F(Holds, HoldingTwoReelsClosesTheThirdAndReleasingOneOpensIt) {
    PressHold(0);
    EXPECT_EQ(ButtonLook(m, 0), kStop);
    EXPECT_EQ(ButtonLook(m, 2), kGoLit);
    PressHold(1);
    EXPECT_EQ(ButtonLook(m, 1), kStop);
    EXPECT_EQ(ButtonLook(m, 2), kGoDark);
    EXPECT_EQ(m.HoldCount, 2);
    PressHold(2);  // refused
    EXPECT_EQ(m.Held, (std::array<Integer, 3>{1, 1, 0}));
    PressHold(0);  // release reel 0
    EXPECT_EQ(ButtonLook(m, 0), kGoLit);
    EXPECT_EQ(ButtonLook(m, 2), kGoLit);
    EXPECT_EQ(m.HoldCount, 1);
    EXPECT_EQ(rig.SoundsPlayed(), (std::vector<int>{3, 3, 18, 3}));
    EXPECT_EQ(m.hdcScreen, m.hdcCompose);
}

TEST_F(Holds, HoldAndReleaseTheSameReelLeavesItAsItWas) {
    PressHold(1);
    PressHold(1);
    EXPECT_EQ(m.HoldCount, 0);
    EXPECT_EQ(ButtonLook(m, 1), kGoLit);
    EXPECT_EQ(m.Held, (std::array<Integer, 3>{0, 0, 0}));
}

TEST_F(Holds, AHeldSpinTurnsOnlyTheFreeReelsAndClosesTheNextGamesHolds) {
    PressHold(0);
    PressHold(2);
    const auto before = m.ReelPos;
    rig.ScriptSteps({9});
    rig.ForgetSounds();
    rig.PullLever();
    EXPECT_EQ(m.ReelPos[0], before[0]);
    EXPECT_EQ(m.ReelPos[1], (before[1] + 10) % 20);
    EXPECT_EQ(m.ReelPos[2], before[2]);
    EXPECT_EQ(m.HoldAllowed, False);
    EXPECT_EQ(m.Held, (std::array<Integer, 3>{0, 0, 0}));
    EXPECT_EQ(m.HoldCount, 0);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(ButtonLook(m, r), kGoDark);
    rig.ForgetSounds();
    PressHold(1);
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<int>{18});
}

TEST(HoldsAfterLockingWin, TheLockedReelCannotBeHeldAndTheOthersStayOpen) {
    Rig rig;
    rig.StartPlaying();
    rig.InsertCoins(2);
    // From positions 0: reel 0 stops at 12 (steps 11), showing symbol 2 on the pay line.
    rig.ScriptSteps({11, 7, 7});
    rig.PullLever();
    Machine& m = rig.m;
    ASSERT_EQ(m.LineText[1].substr(0, 2), "2-");
    ASSERT_NE(m.LineText[1].substr(0, 3), "2-2");
    EXPECT_EQ(m.WinFlag, True);
    EXPECT_EQ(m.HoldAllowed, True);
    EXPECT_EQ(ButtonLook(m, 0), kGoDark);
    EXPECT_EQ(ButtonLook(m, 1), kGoLit);
    EXPECT_EQ(ButtonLook(m, 2), kGoLit);
    rig.ForgetSounds();
    rig.Press(100, 185);  // reel 0 is locked
    rig.Press(144, 185);
    rig.Press(188, 185);  // both others: the buttons are left as they are
    EXPECT_EQ(rig.SoundsPlayed(), (std::vector<int>{18, 3, 3}));
    EXPECT_EQ(m.HoldCount, 2);
    EXPECT_EQ(ButtonLook(m, 0), kGoDark);
}

TEST(HoldsAndCredits, TheLastCreditClosesTheHoldsAndACoinReopensThem) {
    Rig rig;
    rig.StartPlaying();
    rig.InsertCoins();
    rig.ScriptSteps({7, 7, 7});
    rig.PullLever();
    Machine& m = rig.m;
    ASSERT_EQ(m.Credits, 0);
    EXPECT_EQ(m.HoldAllowed, True);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(ButtonLook(m, r), kGoDark);
    EXPECT_TRUE(ShowsSprite(m.hdcScreen, 221, 67, 31, 3, 368, 218));  // the strip is dark
    rig.InsertCoins();
    for (int r = 0; r < 3; ++r) EXPECT_EQ(ButtonLook(m, r), kGoLit);
    rig.ForgetSounds();
    rig.Press(100, 185);
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<int>{3});
}

}  // namespace
}  // namespace fw::test
