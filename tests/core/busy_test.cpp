// A busy machine: presses during a game wait their turn or are refused; a quit goes ahead.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"

namespace fw::test {
namespace {

// 560 inputs during the first 40 waits of the game that the lever starts: the
// lever clicked (pressed and released) and the lever's key, over and over, and
// About and the configuration from the menu. quit, when given, comes at the
// twentieth wait.
struct Flood {
    explicit Flood(std::optional<MachineEvent> quit = std::nullopt) {
        rig.StartPlaying();
        rig.InsertCoins(2);
        rig.InsertCoins(2);
        rig.clock.waits.clear();
        rig.clock.onWait = [this, quit] {
            const std::size_t wait = rig.clock.waits.size();
            if (wait == 1) busyPointer = rig.host.pointer;
            if (wait > 40) return;
            for (int i = 0; i < 4; ++i) {
                rig.PullLever();
                rig.Send(ev::Release{CentreX(places::LeverKnob), CentreY(places::LeverKnob), true, 1});
                rig.Send(ev::Key{KeyCommand::Go});
            }
            for (MachineEvent e : {MachineEvent(ev::MenuAbout{}), MachineEvent(ev::MenuConfig{})})
                rig.Send(e);
            if (quit && wait == 20) rig.Send(*quit);
            mostWaiting = std::max(mostWaiting, rig.m.queue.pending.size());
        };
        rig.PullLever();
    }
    Rig rig;
    std::size_t mostWaiting = 0;
    Pointer busyPointer = Pointer::Default;
};

// Without a quit the lever's game and the four presses that waited are played, with four presses and
// their releases waiting at most (the releases of refused presses go too), and each menu command
// that waited runs once; a quit from the menu or closing the window goes ahead of the waiting
// presses and saves when the game in hand ends.
TEST(BusyMachine, AFloodDuringAGameLetsFourPressesWaitAndAQuitGoesAheadOfThem) {
    const struct {
        const char* name;
        std::optional<MachineEvent> quit;
        int played, endStatus;
    } rows[] = {
        {"no quit", std::nullopt, 5, -1}, {"Quit", ev::MenuQuit{}, 1, 0}, {"close", ev::CloseWindow{}, 1, 0}};
    for (const auto& row : rows) {
        Flood flood(row.quit);
        EXPECT_EQ(flood.rig.m.records.ScoreTable[0].Played, row.played) << row.name;
        EXPECT_LE(flood.mostWaiting, 8u + 2u) << row.name;
        const auto& calls = flood.rig.host.calls;
        for (const std::string& call :
             {"ShowAbout " + flood.rig.m.config.AppVersion, std::string("RunConfigDialog")})
            EXPECT_EQ(std::count(calls.begin(), calls.end(), call), row.quit ? 0 : 1) << row.name << call;
        EXPECT_EQ(flood.rig.host.endStatus, row.endStatus) << row.name;
        EXPECT_TRUE(flood.busyPointer == Pointer::Hourglass && flood.rig.host.pointer == Pointer::Default);
        EXPECT_EQ(flood.rig.m.queue.ended, row.quit.has_value()) << row.name;
        EXPECT_EQ(flood.rig.store.flushes >= 1, row.quit.has_value())
            << row.name << ": the quit saved the records";
    }
}

}  // namespace
}  // namespace fw::test
