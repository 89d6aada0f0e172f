// Start-up: the reels at their first positions, the wipe, the starting purse
// and the order of everything, on the virtual clock.
#include <gtest/gtest.h>

#include "fakes.h"

namespace fw::test {
namespace {

std::vector<int> CountUpDelays(int amount) {
    std::vector<int> delays;
    int delay = 50, run = 0;
    for (int j = 1; j <= amount; ++j) {
        if (delay > 5 && ++run == 5) {
            delay -= 5;
            run = 0;
        }
        delays.push_back(delay);
    }
    return delays;
}

TEST(StartUp, ReelsShowPositions19To17OfEachStrip) {
    Rig rig;
    rig.Start();
    // Strip positions 19, 18, 17 hold 6, 3, 2 on reel 0; 2, 8, 11 on reel 1; 3, 8, 0 on reel 2.
    const int symbols[3][3] = {{6, 3, 2}, {2, 8, 11}, {3, 8, 0}};
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(rig.m.ReelPos[r], 0);
        for (int w = 0; w < 3; ++w) {
            EXPECT_TRUE(ShowsSymbol(rig.m.hdcScreen, r, w, symbols[r][w], 1)) << "reel " << r << " row " << w;
        }
    }
    for (int k = 0; k < 12; ++k) EXPECT_TRUE(ShowsPayCell(rig.m.hdcScreen, k, 1)) << "pay cell " << k;
}

TEST(StartUp, TimelineIs300ThenWipeThenCountTo20) {
    Rig rig;
    rig.Start();
    std::vector<int> expected{300, 50, 50, 50, 50, 50, 50, 50, 50};
    for (int d : CountUpDelays(20)) expected.push_back(d);
    EXPECT_EQ(rig.clock.WaitsMs(), expected);
    EXPECT_EQ(rig.clock.TotalWaitMs(), 300 + 400 + 830);
    EXPECT_EQ(static_cast<std::uint32_t>(rig.m.StartTicks), rig.clock.Ticks());
}

TEST(StartUp, PurseCountsUpTo20AndCreditsStayEmpty) {
    Rig rig;
    std::vector<std::string> shown;
    int waits = 0;
    rig.clock.onWait = [&] {
        if (++waits > 9) shown.push_back(CounterText(rig.m.hdcScreen));
    };
    rig.Start();
    ASSERT_EQ(shown.size(), 20u);
    EXPECT_EQ(shown[0], "---1");
    EXPECT_EQ(shown[8], "---9");
    EXPECT_EQ(shown[9], "--10");
    EXPECT_EQ(shown[19], "--20");
    EXPECT_EQ(rig.m.ScoreTable[0].Score, 20);
    EXPECT_EQ(rig.m.MoneyDigits, (std::array<Integer, 4>{0, 2, 0, 0}));
    EXPECT_EQ(rig.m.Credits, 0);
    EXPECT_EQ(rig.m.hdcCompose, rig.m.hdcScreen);
}

TEST(StartUp, WindowShownBlackThenWipedInRowByRow) {
    Rig rig;
    std::vector<Surface> frames, composed;
    rig.clock.onWait = [&] {
        frames.push_back(rig.m.hdcScreen);
        composed.push_back(rig.m.hdcCompose);
    };
    rig.Start();
    ASSERT_GE(frames.size(), 9u);
    EXPECT_EQ(rig.host.calls.at(0), "ShowWindow");
    EXPECT_EQ(frames[0], Surface(320, 256));  // black during the first 300 ms
    for (int pass = 0; pass < 8; ++pass) {
        const Surface& frame = frames[1 + pass];
        for (int y = 0; y < 256; ++y) {
            const bool revealed = y % 8 <= pass;
            const bool sameAsCompose = frame.sameRect(0, y, 320, 1, composed[1 + pass], 0, y);
            const bool black = frame.sameRect(0, y, 320, 1, Surface(320, 1), 0, 0);
            ASSERT_TRUE(revealed ? sameAsCompose : black) << "pass " << pass << " row " << y;
        }
    }
}

TEST(StartUp, InputDuringTheWipeWaitsUntilTheCountHasEnded) {
    Rig rig({"A.Thm", "B.Thm"});
    Integer themeWhileCounting = -1;
    int waits = 0;
    rig.clock.onWait = [&] {
        ++waits;
        if (waits == 2) Post(rig.m, ev::MenuTheme{2});           // arrives during the wipe
        if (waits == 29) themeWhileCounting = rig.m.ThemeIndex;  // last pause of the count
    };
    rig.Start();
    EXPECT_EQ(themeWhileCounting, 1);
    EXPECT_EQ(rig.m.ThemeIndex, 2);
    EXPECT_EQ(waits, 29 + 8);  // the theme switch wipes the reels in afterwards
    EXPECT_TRUE(ShowsSymbol(rig.m.hdcScreen, 0, 0, 6, 2));
}

TEST(StartUp, SetsVersionAndFolders) {
    Rig rig;
    rig.Start();
    EXPECT_EQ(rig.m.AppVersion, "5.1");
    EXPECT_EQ(rig.m.AppDate, "00-02-20");
    EXPECT_EQ(rig.m.AppName, "Fruitwhirl");
    EXPECT_EQ(rig.m.GfxPath, rig.folder.string() + "/Gfx/");
    EXPECT_EQ(rig.m.SfxPath, rig.folder.string() + "/Sfx/");
}

TEST(Repaint, ExposeRestoresTheScreenFromTheComposition) {
    Rig rig;
    rig.Start();
    const Surface settled = rig.m.hdcScreen;
    BitBlt(rig.m.hdcScreen, 94, 146, 17, 17, rig.m.hdcSprites, 376, 53);  // a transient highlight
    ASSERT_NE(rig.m.hdcScreen, settled);
    rig.Send(ev::Expose{});
    EXPECT_EQ(rig.m.hdcScreen, settled);
}

}  // namespace
}  // namespace fw::test
