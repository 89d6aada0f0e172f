// What both editions take from the layer around the machine: keys, timers, the language, the paced clock.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "edition/keys.h"
#include "edition/language.h"
#include "edition/paced_clock.h"
#include "edition/page_contract.h"
#include "fakes.h"
#include "play/mania.h"
#include "shell/events.h"

namespace fw::test {
namespace {

struct KeyRow {
    const char* name;  // as the desktop or the browser names the key
    HeldKeys held;
    ev::Key machine;
    WindowCommand window;
};

TEST(KeyTable, EachKeyMeansTheSameByEveryNameItGoesByWithShiftAndCapsLock) {
    const HeldKeys none, shift{true}, control{false, true}, controlShift{true, true}, alt{false, false, true};
    const ev::Key nothing{KeyCommand::Coin, -1};  // no key of the machine
    const auto no = WindowCommand::None;
    const KeyRow rows[] = {
        {"c", none, {KeyCommand::Coin}, no},
        {"C", none, {KeyCommand::Coin}, no},  // Caps Lock on
        {"C", shift, {KeyCommand::Stack}, no},
        {"c", shift, {KeyCommand::Stack}, no},  // Shift with Caps Lock on
        {" ", none, {KeyCommand::Go}, no},
        {"Space", none, {KeyCommand::Go}, no},
        {"Enter", none, {KeyCommand::Go}, no},
        {"Return", none, {KeyCommand::Go}, no},
        {"Esc", none, {KeyCommand::Back}, no},
        {"Escape", none, {KeyCommand::Back}, no},
        {"Backspace", none, {KeyCommand::Back}, no},
        {"H", none, {KeyCommand::HighScores}, no},
        {"s", none, {KeyCommand::Statistics}, no},
        {"q", none, {KeyCommand::Quit}, no},
        {"1", none, {KeyCommand::Number, 1}, no},
        {"9", none, {KeyCommand::Number, 9}, no},
        {"0", none, {KeyCommand::Number, 10}, no},
        {"Q", control, nothing, WindowCommand::Quit},
        {"q", controlShift, nothing, WindowCommand::Quit},
        {"F1", none, nothing, WindowCommand::Manual},
        {"F11", none, nothing, WindowCommand::FullScreen},
        {"m", none, nothing, WindowCommand::Mute},
        {"+", controlShift, nothing, WindowCommand::ZoomIn},
        {"=", control, nothing, WindowCommand::ZoomIn},
        {"-", control, nothing, WindowCommand::ZoomOut},
        {"0", control, nothing, WindowCommand::ActualSize},
        // The window's and the browser's own keys stay theirs.
        {"1", shift, nothing, no},
        {"!", shift, nothing, no},
        {"c", control, nothing, no},
        {"h", alt, nothing, no},
        {"Tab", none, nothing, no},
        {"F5", none, nothing, no},
        {"a", none, nothing, no},
        {"=", none, nothing, no},
    };
    for (const KeyRow& row : rows) {
        const KeyMeaning meaning = MeaningOfKey(row.name, row.held);
        const ev::Key machine = meaning.machine.value_or(nothing);
        EXPECT_TRUE(machine.command == row.machine.command && machine.number == row.machine.number &&
                    meaning.window == row.window)
            << row.name << " shift " << row.held.shift << " control " << row.held.control;
    }
}

TEST(Timers, TheManiaPeriodLasts140SecondsOfTheWindowsOwnTimer) {
    Rig rig;
    rig.StartPlaying();
    StartMania(rig.m);
    int ticks = 0;
    for (; rig.m.mania.ManiaActive == True && ticks < 1000; ++ticks) rig.Send(ev::Tick{TimerId::MultiCheck});
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

using namespace std::chrono_literals;
using std::chrono::nanoseconds;

// A front end whose wall clock moves only when it sleeps (waking late if told) or the test moves it.
class Wall : public PacingHost {
public:
    nanoseconds Now() override { return now; }
    void Show(bool animation) override { shown.push_back({now - start, animation}); }
    void Breathe() override {}
    void LiveUntil(nanoseconds moment) override { Sleep(lived, moment); }
    void SleepUntil(nanoseconds moment) override { Sleep(slept, moment); }

    using Shown = std::pair<nanoseconds, bool>;  // when, and whether an animation frame
    const nanoseconds start = 5'000'000'000ns;
    nanoseconds now = start;
    nanoseconds late = 0ns;  // how late the next sleep wakes
    std::vector<Shown> shown;
    std::vector<nanoseconds> lived, slept;

private:
    void Sleep(std::vector<nanoseconds>& log, nanoseconds moment) {
        log.push_back(moment - start);
        if (moment > now) now = moment;
        now += late;
        late = 0ns;
    }
};

class Pacing : public ::testing::Test {
protected:
    // Frames of the given length, each costing the machine `work` of wall time.
    void Frames(int count, nanoseconds length, nanoseconds work) {
        for (int i = 0; i < count; ++i) {
            wall.now += work;
            clock.Wait(length);
        }
    }
    Wall wall;
    PacedClock clock{wall};
};

TEST_F(Pacing, ARunOfPausesLastsTheirSumHoweverLateOneWakes) {
    const std::uint32_t started = clock.Ticks();
    wall.late = 30ms;
    for (int i = 0; i < 3; ++i) clock.Wait(100ms);
    EXPECT_EQ(clock.Ticks() - started, 300u);
    EXPECT_EQ(wall.lived, (std::vector<nanoseconds>{100ms, 200ms, 300ms}));
    EXPECT_EQ(wall.now - wall.start, 300ms);  // the late wake was made up by the next pause
}

TEST_F(Pacing, APauseShowsTheFrameAtMostOncePerRefreshUnlessItStaysThatLong) {
    clock.Wait(2ms);   // the shortest pause: shown, and the window lives until its end
    clock.Wait(3ms);   // 2 ms after that show: not shown again
    clock.Wait(16ms);  // stays a whole refresh: shown
    EXPECT_EQ(wall.shown, (std::vector<Wall::Shown>{{0ms, false}, {5ms, false}}));
    EXPECT_EQ(wall.lived, (std::vector<nanoseconds>{2ms, 5ms, 21ms}));
}

TEST_F(Pacing, AnimationFramesAreShownOncePerDisplayRefresh) {
    Frames(64, 1ms, 1ms);  // the machine keeps pace with its frames
    EXPECT_EQ(wall.shown, (std::vector<Wall::Shown>{{1ms, true}, {17ms, true}, {33ms, true}, {49ms, true}}));
    EXPECT_TRUE(wall.lived.empty() && wall.slept.empty());
}

TEST_F(Pacing, AnimationFramesRunAtMostTheLeadAheadAndThenSleepTogether) {
    Frames(24, 1ms, 0ns);  // drawing takes no time: the frames run ahead
    EXPECT_EQ(wall.slept, (std::vector<nanoseconds>{8ms, 16ms, 24ms}));
    // A frame just under the pause's length with a pause's distance to go is still a frame.
    clock.Wait(1999us);
    clock.Wait(1999us);
    EXPECT_TRUE(wall.lived.empty());
}

TEST_F(Pacing, AfterTheMachineWasIdleTheTimelineCatchesUpAndNeverGoesBack) {
    const std::uint32_t started = clock.Ticks();
    wall.now += 5s;
    clock.Sync();
    EXPECT_EQ(clock.Ticks() - started, 5000u);
    Frames(6, 1ms, 0ns);  // 6 ms ahead of the wall clock
    clock.Sync();
    EXPECT_EQ(clock.Ticks() - started, 5006u);
}

struct Spoken {
    const char* name;
    int choice;
    std::map<std::string, std::string> environment;
    std::string expected;
};

TEST(Language, AChoiceSpeaksItsLanguageAndTheSystemsIsTheFirstItAsksForThatTheGameSpeaks) {
    const std::vector<std::string> catalogues{"de", "fr"};
    const Spoken rows[] = {
        {"LANGUAGE comes before LANG", 0, {{"LANGUAGE", "de"}, {"LANG", "fr_FR.UTF-8"}}, "de"},
        {"LANGUAGE is a list, read in order", 0, {{"LANGUAGE", "sv:fr:de"}, {"LANG", "de_DE.UTF-8"}}, "fr"},
        {"LC_MESSAGES comes before LANG", 0, {{"LC_MESSAGES", "de_AT.UTF-8"}, {"LANG", "fr_FR.UTF-8"}}, "de"},
        {"LC_ALL comes before LC_MESSAGES", 0, {{"LC_ALL", "fr_CA"}, {"LC_MESSAGES", "de_DE"}}, "fr"},
        {"LANG alone, a region of a language", 0, {{"LANG", "de_CH.UTF-8"}}, "de"},
        {"the C locale is English", 0, {{"LANG", "C.UTF-8"}}, "en"},
        {"a language without a catalogue is English", 0, {{"LANG", "ja_JP.UTF-8"}}, "en"},
        {"nothing set is English", 0, {}, "en"},
        {"a choice comes before the system's", 3, {{"LANGUAGE", "de"}}, "fr"},
        {"English chosen on a German system", 1, {{"LANG", "de_DE.UTF-8"}}, "en"},
        {"a choice out of range is the system's", 17, {{"LANG", "de_DE.UTF-8"}}, "de"},
    };
    for (const Spoken& row : rows) {
        const auto environment = [&row](const char* name) -> const char* {
            const auto value = row.environment.find(name);
            return value == row.environment.end() ? nullptr : value->second.c_str();
        };
        EXPECT_EQ(SpokenLanguage(row.choice, SystemLanguages(environment), catalogues), row.expected)
            << row.name;
    }
}

TEST(Language, TheChoiceIsKeptWithTheRecordsAndSpokenAtTheNextStart) {
    Rig first;
    first.Start();
    first.Configure([](ConfigValues& values) { values.language = 2; });
    EXPECT_EQ(first.host.languages.back(), 2) << "the window speaks it at once";
    first.Send(ev::MenuQuit{});

    NextRun next(first.store);
    ConfigValues shown;
    next.host.configDialog = [&shown](ConfigValues& values) { return shown = values, false; };
    next.Send(ev::MenuConfig{});
    EXPECT_EQ(next.host.languages, std::vector<int>{2}) << "spoken before the start-up's messages";
    EXPECT_EQ(shown.language, 2);
}

TEST(Language, AStoredChoiceTheGameDoesNotKnowIsTheSystemsLanguage) {
    for (const char* stored : {"6", "-1", "de", ""}) {
        Rig rig;
        rig.store.Set("GameCfg", "Language", stored);
        rig.Start();
        EXPECT_EQ(rig.host.languages, std::vector<int>{0}) << stored;
    }
}

}  // namespace
}  // namespace fw::test
