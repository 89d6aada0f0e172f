// A busy machine: while a game runs, a few presses wait their turn and the
// rest are refused; Quit and closing the window go ahead of the presses that
// wait and run as soon as the game in hand has ended.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"

namespace fw::test {
namespace {

// 480 inputs during the first 40 waits of the game that the lever starts: the
// lever clicked (pressed and released) and the lever's key, over and over.
// quit, when given, comes at the twentieth wait.
struct Flood {
    explicit Flood(std::optional<MachineEvent> quit = std::nullopt) {
        rig.StartPlaying();
        rig.InsertCoins(2);
        rig.InsertCoins(2);
        rig.clock.waits.clear();
        rig.clock.onWait = [this, quit] {
            const std::size_t wait = rig.clock.waits.size();
            if (wait > 40) return;
            for (int i = 0; i < 4; ++i) {
                rig.PullLever();
                rig.Send(ev::Release{CentreX(places::LeverKnob), CentreY(places::LeverKnob), true, 1});
                rig.Send(ev::Key{KeyCommand::Go});
            }
            if (quit && wait == 20) rig.Send(*quit);
            mostWaiting = std::max(mostWaiting, rig.m.pending.size());
        };
        rig.PullLever();
    }
    Rig rig;
    std::size_t mostWaiting = 0;
};

TEST(BusyMachine, AFloodDuringAGameLetsFourPressesWaitAndRefusesTheRest) {
    Flood flood;
    EXPECT_EQ(flood.rig.m.ScoreTable[0].Played, 5);  // the lever's game and the four that waited
    // Four presses and their releases at most: the releases of refused presses go too.
    EXPECT_LE(flood.mostWaiting, 8u);
    EXPECT_EQ(flood.rig.host.endStatus, -1);
}

TEST(BusyMachine, QuitFromTheMenuGoesAheadOfTheWaitingPressesAndRunsWhenTheGameEnds) {
    Flood flood(ev::MenuQuit{});
    EXPECT_EQ(flood.rig.host.endStatus, 0);
    EXPECT_EQ(flood.rig.m.ScoreTable[0].Played, 1);
    EXPECT_TRUE(flood.rig.m.ended);
}

TEST(BusyMachine, ClosingTheWindowGoesAheadOfTheWaitingPressesAndRunsWhenTheGameEnds) {
    Flood flood(ev::CloseWindow{});
    EXPECT_EQ(flood.rig.host.endStatus, 0);
    EXPECT_EQ(flood.rig.m.ScoreTable[0].Played, 1);
    EXPECT_GE(flood.rig.store.flushes, 1) << "the quit saved the records";
}

}  // namespace
}  // namespace fw::test
