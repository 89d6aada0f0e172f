// What both editions take from the layer around the machine: keys, timers, the speed slider.
#include <gtest/gtest.h>

#include "edition/keys.h"
#include "edition/page_contract.h"
#include "fakes.h"
#include "play/mania.h"
#include "shell/events.h"

namespace fw::test {
namespace {

struct KeyRow {
    const char* name;  // as the desktop or the browser names the key
    HeldKeys held;
    std::optional<ev::Key> machine;
    WindowCommand window;
};

TEST(KeyTable, EachKeyMeansTheSameByEveryNameItGoesByWithShiftAndCapsLock) {
    const HeldKeys none, shift{true}, control{false, true}, controlShift{true, true}, alt{false, false, true};
    const auto key = [](KeyCommand c, int n = 0) { return std::optional<ev::Key>(ev::Key{c, n}); };
    const auto no = WindowCommand::None;
    const KeyRow rows[] = {
        {"c", none, key(KeyCommand::Coin), no},
        {"C", none, key(KeyCommand::Coin), no},  // Caps Lock on
        {"C", shift, key(KeyCommand::Stack), no},
        {"c", shift, key(KeyCommand::Stack), no},  // Shift with Caps Lock on
        {" ", none, key(KeyCommand::Go), no},
        {"Space", none, key(KeyCommand::Go), no},
        {"Enter", none, key(KeyCommand::Go), no},
        {"Return", none, key(KeyCommand::Go), no},
        {"Esc", none, key(KeyCommand::Back), no},
        {"Escape", none, key(KeyCommand::Back), no},
        {"Backspace", none, key(KeyCommand::Back), no},
        {"H", none, key(KeyCommand::HighScores), no},
        {"s", none, key(KeyCommand::Statistics), no},
        {"q", none, key(KeyCommand::Quit), no},
        {"1", none, key(KeyCommand::Number, 1), no},
        {"9", none, key(KeyCommand::Number, 9), no},
        {"0", none, key(KeyCommand::Number, 10), no},
        {"Q", control, std::nullopt, WindowCommand::Quit},
        {"q", controlShift, std::nullopt, WindowCommand::Quit},
        {"F1", none, std::nullopt, WindowCommand::Manual},
        {"F11", none, std::nullopt, WindowCommand::FullScreen},
        {"+", controlShift, std::nullopt, WindowCommand::ZoomIn},
        {"=", control, std::nullopt, WindowCommand::ZoomIn},
        {"-", control, std::nullopt, WindowCommand::ZoomOut},
        {"0", control, std::nullopt, WindowCommand::ActualSize},
        // The window's and the browser's own keys stay theirs.
        {"1", shift, std::nullopt, no},
        {"!", shift, std::nullopt, no},
        {"c", control, std::nullopt, no},
        {"h", alt, std::nullopt, no},
        {"Tab", none, std::nullopt, no},
        {"F5", none, std::nullopt, no},
        {"a", none, std::nullopt, no},
        {"=", none, std::nullopt, no},
    };
    for (const KeyRow& row : rows) {
        const KeyMeaning meaning = MeaningOfKey(row.name, row.held);
        const bool same = meaning.machine.has_value() == row.machine.has_value() &&
                          (!row.machine || (meaning.machine->command == row.machine->command &&
                                            meaning.machine->number == row.machine->number));
        EXPECT_TRUE(same && meaning.window == row.window)
            << row.name << " shift " << row.held.shift << " control " << row.held.control;
    }
}

TEST(Timers, TheManiaPeriodLasts140SecondsOfTheWindowsOwnTimer) {
    Rig rig;
    rig.StartPlaying();
    StartMania(rig.m);
    int ticks = 0;
    while (rig.m.mania.ManiaActive == True && ticks < 1000) {
        rig.Send(ev::Tick{TimerId::MultiCheck});
        ++ticks;
    }
    EXPECT_EQ(ticks * TimerInterval(TimerId::MultiCheck), std::chrono::seconds(140));
}

// The page checks a picture the player adds between the machine's events.
TEST(Queue, WorkBetweenEventsHoldsWhatIsPostedMeanwhileUntilItEnds) {
    Rig rig;
    rig.StartPlaying();
    Integer creditsDuring = -1;
    EXPECT_TRUE(RunBetweenEvents(rig.m, [&] {
        rig.Send(ev::Key{KeyCommand::Coin});
        creditsDuring = rig.m.purse.Credits;
    }));
    EXPECT_EQ(creditsDuring, 0);
    EXPECT_EQ(rig.m.purse.Credits, 1);
}

TEST(Configuration, TheSpeedSliderIsSlowOnTheLeftAndFastOnTheRight) {
    // A larger stored speed is slower.
    EXPECT_EQ(SpeedOfSlider(0), 100);
    EXPECT_EQ(SpeedOfSlider(100), 0);
    EXPECT_EQ(SpeedSlider(30), 70);
}

}  // namespace
}  // namespace fw::test
