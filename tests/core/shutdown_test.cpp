// Leaving the program: the closing wipe, the save, the sound released, the end.
#include <gtest/gtest.h>

#include "fakes.h"
#include "machine/screen.h"
#include "play/reels.h"
#include "shell/quit.h"

namespace fw::test {
namespace {

TEST(Shutdown, QuitBlanksTheScreenInEightPassesThenSavesAndEnds) {
    Rig rig;
    rig.Start();
    rig.clock.waits.clear();
    std::vector<Surface> frames;
    int writesDuringWipe = -1;
    rig.clock.onWait = [&] {
        frames.push_back(rig.m.hdcScreen);
        writesDuringWipe = rig.store.writes;
    };
    const Surface before = rig.m.hdcScreen;
    rig.Send(ev::MenuQuit{});

    EXPECT_EQ(rig.clock.WaitsMs(), (std::vector<int>{100, 50, 50, 50, 50, 50, 50, 50, 50, 300}));
    EXPECT_EQ(writesDuringWipe, 0);  // saved after the last pause
    EXPECT_EQ(frames[0], before);
    for (int pass = 0; pass < 8; ++pass) {
        for (int y = 0; y < 256; ++y) {
            const bool black = y % 8 <= pass;
            const Surface& frame = frames[1 + pass];
            const bool isBlack = frame.sameRect(0, y, 320, 1, Surface(320, 1), 0, 0);
            const bool unchanged = frame.sameRect(0, y, 320, 1, before, 0, y);
            ASSERT_TRUE(black ? isBlack : unchanged) << "pass " << pass << " row " << y;
        }
    }
    EXPECT_EQ(rig.m.hdcScreen, Surface(320, 256));
    EXPECT_EQ(rig.store.flushes, 1);
    EXPECT_EQ(rig.host.endStatus, 0);
    EXPECT_TRUE(rig.m.ended);
}

TEST(Shutdown, ClosingTheWindowTakesTheSameRoad) {
    Rig viaMenu, viaClose;
    for (Rig* rig : {&viaMenu, &viaClose}) {
        rig->Start();
        rig->m.ScoreTable[0].Score = 77;
        rig->clock.waits.clear();
    }
    viaMenu.Send(ev::MenuQuit{});
    viaClose.Send(ev::CloseWindow{});
    EXPECT_EQ(viaClose.clock.WaitsMs(), viaMenu.clock.WaitsMs());
    EXPECT_EQ(viaClose.store.durable, viaMenu.store.durable);
    EXPECT_EQ(viaClose.host.endStatus, 0);
    EXPECT_EQ(viaClose.m.hdcScreen, viaMenu.m.hdcScreen);
}

TEST(Shutdown, NothingRunsAfterTheEnd) {
    Rig rig({"A.Thm", "B.Thm"});
    rig.Start();
    int waits = 0;
    rig.clock.onWait = [&] {
        if (++waits == 2) {
            Post(rig.m, ev::MenuTheme{2});  // queued during the closing wipe
            Post(rig.m, ev::MenuQuit{});
        }
    };
    rig.Send(ev::MenuQuit{});
    EXPECT_EQ(waits, 10);
    EXPECT_EQ(rig.m.ThemeIndex, 1);
    EXPECT_EQ(rig.store.flushes, 1);
    rig.Send(ev::Expose{});
    EXPECT_EQ(rig.m.hdcScreen, Surface(320, 256));
}

TEST(Shutdown, SoundIsReleasedOnlyWhenItWasAvailable) {
    Rig with, without;
    without.sound.initialiseResult = 1;
    for (Rig* rig : {&with, &without}) {
        rig->Start();
        rig->Send(ev::Activate{});
        rig->Send(ev::MenuQuit{});
    }
    EXPECT_EQ(with.sound.calls.back(), "Release");
    EXPECT_TRUE(without.sound.CallsStartingWith("Release").empty());
}

TEST(QuitButton, ShowsItsPressedLookAndTheDoorForASecondFirst) {
    Rig rig;
    rig.Start();
    rig.Send(ev::Activate{});
    rig.clock.waits.clear();
    bool pressedShown = false;
    int waits = 0;
    rig.clock.onWait = [&] {
        if (++waits == 1) pressedShown = ShowsSprite(rig.m.hdcScreen, 94, 146, 17, 17, 376, 53);
    };
    QuitButton(rig.m);
    EXPECT_TRUE(pressedShown);
    const auto waitsMs = rig.clock.WaitsMs();
    EXPECT_EQ(waitsMs.front(), 1000);
    EXPECT_EQ(waitsMs.size(), 11u);
    EXPECT_EQ(rig.sound.CallsStartingWith("Play"), (std::vector<std::string>{"Play 6"}));
    EXPECT_EQ(rig.host.endStatus, 0);
}

TEST(ReelWindowReturn, ShowReelWindowClearsTheDisplayAndRedrawsTheReels) {
    Rig rig;
    rig.Start();
    rig.m.ReelPos = {5, 6, 7};
    BitBlt(rig.m.hdcCompose, 83, 71, 137, 98, rig.m.hdcSprites, 0, 120);  // a panel in the window
    SaveScreen(rig.m);
    rig.clock.waits.clear();
    ShowReelWindow(rig.m);
    EXPECT_EQ(rig.clock.WaitsMs(), std::vector<int>(8, 50));
    EXPECT_EQ(rig.m.hdcScreen, rig.m.hdcCompose);
    EXPECT_TRUE(ShowsSprite(rig.m.hdcScreen, 83, 71, 10, 4, 274, 120));  // empty window's top edge
    EXPECT_TRUE(ShowsSymbol(rig.m.hdcScreen, 2, 1, rig.m.Strip[5][2], 1));
}

}  // namespace
}  // namespace fw::test
