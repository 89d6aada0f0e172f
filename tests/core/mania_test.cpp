// The Mania period: its start, its clock and time bar, its end, a restart, and
// the bonus wheel.
#include <gtest/gtest.h>

#include "fakes.h"
#include "play/mania.h"

namespace fw::test {
namespace {

class Mania : public ::testing::Test {
protected:
    void SetUp() override {
        rig.StartPlaying();
        StartMania(m);
        rig.ForgetSounds();
        rig.clock.waits.clear();
    }
    void Tick() { rig.Send(ev::Tick{TimerId::MultiCheck}); }
    bool WheelShows(int sheetX) const { return ShowsSprite(m.hdcScreen, 201, 7, 53, 53, sheetX, 0); }
    bool BarEmpty() const { return ShowsSprite(m.hdcScreen, 175, 13, 9, 40, 274, 253); }
    Rig rig;
    Machine& m = rig.m;
};

TEST(ManiaStart, LightsTheWheelDisablesTheMenusAndKeepsTheWindowOnTop) {
    Rig rig;
    rig.StartPlaying();
    StartMania(rig.m);
    EXPECT_TRUE(ShowsSprite(rig.m.hdcScreen, 201, 7, 53, 53, 356, 0));
    EXPECT_TRUE(ShowsSprite(rig.m.hdcScreen, 175, 13, 9, 40, 274, 253));
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<int>{8});
    EXPECT_EQ(rig.m.ManiaActive, True);
    EXPECT_TRUE(rig.m.MultiCheckTimerOn);
    EXPECT_TRUE(rig.host.timerEnabled[TimerId::MultiCheck]);
    EXPECT_TRUE(rig.host.topmost);
    for (MenuId menu : {MenuId::Game, MenuId::Theme, MenuId::Help}) EXPECT_FALSE(rig.host.menuEnabled[menu]);
}

TEST_F(Mania, ThirteenSegmentsFillTheBarFromTheBottomInGreenYellowRed) {
    for (int t = 1; t <= 13; ++t) {
        Tick();
        const int y = 50 - 3 * (t - 1);
        const int colour = t < 8 ? 296 : t < 12 ? 298 : 300;
        EXPECT_TRUE(ShowsSprite(m.hdcScreen, 176, y, 7, 2, 274, colour)) << "tick " << t;
        EXPECT_EQ(m.hdcScreen, m.hdcCompose);
    }
    EXPECT_TRUE(ShowsSprite(m.hdcScreen, 176, 14, 7, 2, 274, 300));  // the last at y = 14
    EXPECT_EQ(m.ManiaActive, True);
}

TEST_F(Mania, TheFourteenthTickEndsThePeriod) {
    for (int t = 1; t <= 14; ++t) Tick();
    EXPECT_EQ(m.ManiaActive, False);
    EXPECT_EQ(m.ManiaTicks, 0);
    EXPECT_FALSE(m.MultiCheckTimerOn);
    EXPECT_TRUE(WheelShows(409));
    EXPECT_TRUE(BarEmpty());
    EXPECT_FALSE(rig.host.topmost);
    for (MenuId menu : {MenuId::Game, MenuId::Theme, MenuId::Help}) EXPECT_TRUE(rig.host.menuEnabled[menu]);
    const Surface after = m.hdcScreen;
    Tick();  // a late tick of the stopped timer is dropped
    EXPECT_EQ(m.hdcScreen, after);
}

TEST_F(Mania, ARestartCountsFourteenTicksAfresh) {
    for (int t = 1; t <= 10; ++t) Tick();
    StartMania(m);
    EXPECT_TRUE(BarEmpty());
    for (int t = 1; t <= 13; ++t) Tick();
    EXPECT_EQ(m.ManiaActive, True);
    Tick();
    EXPECT_EQ(m.ManiaActive, False);
}

TEST_F(Mania, MenuCommandsQueuedBeforeThePeriodAreDroppedWhileItRuns) {
    rig.Send(ev::MenuConfig{});
    rig.Send(ev::MenuAbout{});
    rig.Send(ev::MenuTheme{1});
    EXPECT_TRUE(rig.host.calls.empty() || rig.host.calls.back() != "RunConfigDialog");
    EXPECT_EQ(std::count(rig.host.calls.begin(), rig.host.calls.end(), "RunConfigDialog"), 0);
    rig.Send(ev::CloseWindow{});  // closing the window still quits
    EXPECT_TRUE(m.ended);
}

TEST_F(Mania, TheBonusWheelCirclesFourLapsAndStopsOnItsNumber) {
    for (int k = 0; k < 4; ++k) {
        rig.ForgetSounds();
        rig.clock.waits.clear();
        rig.random.values = {(k + 0.5) / 4};
        m.LastWin = 10;
        std::vector<int> positions;
        rig.clock.onWait = [&] {
            for (int p = 0; p < 4; ++p)
                if (WheelShows(144 + 53 * p) && rig.clock.waits.back() == std::chrono::milliseconds(120))
                    positions.push_back(p);
        };
        SpinBonusWheel(m);
        rig.clock.onWait = nullptr;
        ASSERT_EQ(positions.size(), 16u + k + 1);
        EXPECT_EQ(positions.back(), k);
        EXPECT_EQ(m.LastWin, 10 + (k + 2) * 10);
        const auto waits = rig.clock.WaitsMs();
        EXPECT_EQ(std::count(waits.begin(), waits.end(), 120), 17 + k);
        EXPECT_EQ(std::count(waits.begin(), waits.end(), 100), 16);  // eight flashes
        EXPECT_EQ(waits.back(), 400);
        EXPECT_TRUE(WheelShows(356));  // back to the Mania look
        const auto played = rig.SoundsPlayed();
        EXPECT_EQ(std::count(played.begin(), played.end(), 14), 17 + k);
        EXPECT_EQ(std::count(played.begin(), played.end(), 2), 8);
        EXPECT_EQ(std::count(played.begin(), played.end(), 1), 8);
        EXPECT_EQ(rig.random.reseeds, k + 1);
    }
}

}  // namespace
}  // namespace fw::test
