// Presses on the machine face: the zones of every screen mode, the refusals,
// and the presses that do nothing at all.
#include <gtest/gtest.h>

#include "fakes.h"
#include "shell/dispatch.h"

namespace fw::test {
namespace {

// The zone in the game's numbering.
int ZoneNumber(const Machine& m, float x, float y) {
    const Hit h = HitTest(m, x, y);
    switch (h.zone) {
        case Zone::HoldButton:
            return h.index + 1;
        case Zone::Lever:
            return 4;
        case Zone::DisplayWindow:
            return 5;
        case Zone::ListLine:
            return h.index;
        case Zone::StatisticsPage:
            return 1;
        case Zone::QuitButton:
            return 1;
        case Zone::ContinueButton:
            return 2;
        case Zone::None:
            return 0;
    }
    return 0;
}

class Dispatch : public ::testing::Test {
protected:
    void SetUp() override { rig.StartPlaying(); }
    Rig rig;
    Machine& m = rig.m;
};

TEST_F(Dispatch, ZonesOfThePlayMode) {
    m.ScreenMode = Screen::Reels;
    EXPECT_EQ(ZoneNumber(m, 97, 180), 1);
    EXPECT_EQ(ZoneNumber(m, 118, 191), 1);
    EXPECT_EQ(ZoneNumber(m, 119, 191), 0);
    EXPECT_EQ(ZoneNumber(m, 118, 192), 0);
    EXPECT_EQ(ZoneNumber(m, 141, 185), 2);
    EXPECT_EQ(ZoneNumber(m, 206, 191), 3);
    EXPECT_EQ(ZoneNumber(m, 265, 36), 4);
    EXPECT_EQ(ZoneNumber(m, 284, 52), 4);
    EXPECT_EQ(ZoneNumber(m, 285, 52), 0);
    EXPECT_EQ(ZoneNumber(m, 82, 70), 5);
    EXPECT_EQ(ZoneNumber(m, 220, 169), 5);
    EXPECT_EQ(ZoneNumber(m, 221, 169), 0);
    EXPECT_EQ(ZoneNumber(m, 10, 10), 0);
}

TEST_F(Dispatch, ListLinesShareTheirBoundaryWithTheUpperLine) {
    m.ScreenMode = Screen::HighScores;
    EXPECT_EQ(ZoneNumber(m, 86, 85), 1);
    EXPECT_EQ(ZoneNumber(m, 216, 93), 1);
    EXPECT_EQ(ZoneNumber(m, 150, 94), 2);
    EXPECT_EQ(ZoneNumber(m, 150, 157), 9);
    EXPECT_EQ(ZoneNumber(m, 150, 158), 10);
    EXPECT_EQ(ZoneNumber(m, 150, 165), 10);
    EXPECT_EQ(ZoneNumber(m, 150, 166), 0);
    EXPECT_EQ(ZoneNumber(m, 85, 100), 0);
    EXPECT_EQ(ZoneNumber(m, 217, 100), 0);
    EXPECT_EQ(ZoneNumber(m, 150, 84), 0);
}

TEST_F(Dispatch, ZonesOfTheStatisticsPageAndThePanels) {
    m.ScreenMode = Screen::Statistics;
    EXPECT_EQ(ZoneNumber(m, 83, 71), 1);
    EXPECT_EQ(ZoneNumber(m, 219, 168), 1);
    EXPECT_EQ(ZoneNumber(m, 82, 71), 0);
    EXPECT_EQ(ZoneNumber(m, 270, 40), 0);  // the lever is out of play
    for (Screen mode : {Screen::OutOfCoins, Screen::Offer}) {
        m.ScreenMode = mode;
        EXPECT_EQ(ZoneNumber(m, 94, 146), 1);
        EXPECT_EQ(ZoneNumber(m, 110, 162), 1);
        EXPECT_EQ(ZoneNumber(m, 111, 162), 0);
        EXPECT_EQ(ZoneNumber(m, 192, 146), 2);
        EXPECT_EQ(ZoneNumber(m, 208, 162), 2);
        EXPECT_EQ(ZoneNumber(m, 150, 150), 0);
        EXPECT_EQ(ZoneNumber(m, 100, 185), 0);  // hold buttons are out of play
    }
    m.ScreenMode = static_cast<Screen>(7);
    EXPECT_EQ(ZoneNumber(m, 100, 150), 0);
}

TEST_F(Dispatch, APressOutsideEveryZoneDoesNothingAtAll) {
    BitBlt(m.hdcScreen, 0, 0, 10, 10, m.hdcSprites, 0, 0);  // something transient
    const Surface screen = m.hdcScreen;
    const Surface composed = m.hdcCompose;
    rig.Press(10, 240);
    rig.Press(10, 240, 2);
    EXPECT_EQ(m.hdcScreen, screen);  // not even a repaint
    EXPECT_EQ(m.hdcCompose, composed);
    EXPECT_TRUE(rig.sound.calls.empty());
}

TEST_F(Dispatch, LeverWithoutCreditIsRefusedAndNothingMoves) {
    const Surface before = m.hdcScreen;
    rig.PullLever();
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<int>{18});
    EXPECT_EQ(m.hdcScreen, before);
    EXPECT_EQ(m.ScoreTable[0].Played, 0);
    EXPECT_TRUE(rig.clock.waits.empty());
}

TEST_F(Dispatch, HoldWithoutHoldAllowedIsRefusedEvenWithCredits) {
    rig.InsertCoins();
    rig.ForgetSounds();
    ASSERT_EQ(m.HoldAllowed, False);
    rig.Press(100, 185);
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<int>{18});
    EXPECT_EQ(m.HoldCount, 0);
}

TEST_F(Dispatch, ARightPressOnTheLeverOrAHoldRepaintsAndSavesButStartsNothing) {
    rig.InsertCoins();
    rig.ForgetSounds();
    BitBlt(m.hdcScreen, 0, 0, 10, 10, m.hdcSprites, 0, 0);  // something transient
    rig.Press(270, 40, 2);
    EXPECT_EQ(m.hdcScreen, m.hdcCompose);
    EXPECT_TRUE(m.hdcScreen.sameRect(0, 0, 10, 10, MachinePicture(), 0, 0));  // repainted first
    rig.Press(100, 185, 2);
    EXPECT_TRUE(rig.sound.calls.empty());
    EXPECT_EQ(m.ScoreTable[0].Played, 0);
    EXPECT_EQ(m.Credits, 1);
}

TEST_F(Dispatch, ThePlayZonesAreDeadWhileARecordScreenOrAPanelShows) {
    rig.InsertCoins();
    for (Screen mode : {Screen::HighScores, Screen::Statistics, Screen::OutOfCoins, Screen::Offer}) {
        m.ScreenMode = mode;
        rig.ForgetSounds();
        rig.PullLever();
        rig.Press(100, 185);
        rig.Press(305, 183);  // the pile
        EXPECT_TRUE(rig.sound.calls.empty()) << mode;
        EXPECT_EQ(m.ScoreTable[0].Played, 0);
        EXPECT_FALSE(m.DragActive);
    }
}

TEST_F(Dispatch, TheDisplayWindowOpensTheRecordScreensAndThemeMenuCloses) {
    rig.Press(150, 120);
    EXPECT_EQ(m.ScreenMode, Screen::HighScores);
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<int>{3});
    EXPECT_FALSE(rig.host.menuEnabled[MenuId::Theme]);
    rig.Press(150, 100, 2);  // any other button on a line: back to the reels
    EXPECT_EQ(m.ScreenMode, Screen::Reels);
    EXPECT_TRUE(rig.host.menuEnabled[MenuId::Theme]);
    rig.Press(150, 120, 2);
    EXPECT_EQ(m.ScreenMode, Screen::Statistics);
    EXPECT_EQ(m.StatPage, 0);
    EXPECT_TRUE(m.ElapsedTimerOn);
    rig.Press(150, 120, 2);  // only the left button leaves the page
    EXPECT_EQ(m.ScreenMode, Screen::Statistics);
    rig.Press(150, 120);
    EXPECT_EQ(m.ScreenMode, Screen::Reels);
    EXPECT_FALSE(m.ElapsedTimerOn);
    EXPECT_EQ(m.hdcScreen, m.hdcCompose);
}

TEST_F(Dispatch, ALeverPressDuringASpinStartsTheNextGameAfterIt) {
    rig.InsertCoins();
    rig.InsertCoins();
    rig.ForgetSounds();
    rig.ScriptSteps({7, 7, 7, 7, 7, 7});
    bool posted = false;
    rig.clock.onWait = [&] {
        if (!posted) {
            posted = true;
            Post(m, ev::Press{1, 270, 40});  // arrives while the first lever swings
        }
    };
    rig.PullLever();
    EXPECT_EQ(m.ScoreTable[0].Played, 2);
    EXPECT_EQ(m.Credits, 0);
    const auto& calls = rig.sound.calls;
    const auto firstStop = std::find(calls.begin(), calls.end(), "Stop 15");
    const auto secondLever =
        std::find(std::find(calls.begin(), calls.end(), "Play 7") + 1, calls.end(), "Play 7");
    ASSERT_NE(secondLever, calls.end());
    EXPECT_GT(secondLever - calls.begin(), firstStop - calls.begin());
}

TEST_F(Dispatch, TheHourglassShowsDuringAGame) {
    rig.InsertCoins();
    std::vector<Pointer> seen;
    rig.clock.onWait = [&] { seen.push_back(rig.host.pointer); };
    rig.PullLever();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), Pointer::Hourglass);
    EXPECT_EQ(seen.back(), Pointer::Hourglass);
    EXPECT_EQ(rig.host.pointer, Pointer::Default);
}

}  // namespace
}  // namespace fw::test
