// The keyboard: a machine played with keys shows, sounds and waits as one played with the mouse; the
// touch controls; a busy machine, where presses wait their turn or are refused and a quit goes ahead.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"
#include "shell/controls.h"

namespace fw::test {
namespace {

class Keys : public ::testing::Test {
protected:
    void SetUp() override {
        keys.StartPlaying();
        mouse.StartPlaying();
    }
    void Key(KeyCommand command, int number = 0) { keys.Send(ev::Key{command, number}); }
    // A key on one machine, the mouse on the other, and the two alike.
    void Step(const char* step, KeyCommand command, int number, const std::function<void()>& mouseDoes) {
        Key(command, number);
        mouseDoes();
        EXPECT_EQ(keys.m.display.hdcScreen, mouse.m.display.hdcScreen) << step;
        EXPECT_EQ(keys.sound.calls, mouse.sound.calls) << step;
        EXPECT_EQ(keys.clock.waits, mouse.clock.waits) << step;
    }
    // The same with a press inside a place, away from its middle.
    void Step(const char* step, KeyCommand command, int number, const Cell& place, int button = 1) {
        Step(step, command, number, [&] { mouse.Press(place.x + 2, place.y + 3, button); });
    }
    void Steps(const std::vector<int>& steps) {
        keys.ScriptSteps(steps);
        mouse.ScriptSteps(steps);
    }
    // The game that takes the purse to 1000 coins raises the offer panel.
    void RaiseTheOffer() {
        Step("a stack", KeyCommand::Stack, 0, [&] { mouse.InsertCoins(2); });
        for (Rig* rig : {&keys, &mouse}) rig->m.records.ScoreTable[0].Score = 995;
        Steps({8, 7, 7});  // "2-2-5" pays 5
        Step("the offer panel", KeyCommand::Go, 0, places::LeverKnob);
        ASSERT_EQ(keys.m.display.ScreenMode, Screen::Offer);
    }
    Rig keys, mouse;
};

TEST_F(Keys, EveryKeyIsThePressItStandsFor) {
    Step("the lever without a credit", KeyCommand::Go, 0, places::LeverKnob);
    Step("a coin", KeyCommand::Coin, 0, [&] { mouse.InsertCoins(1); });
    Step("a stack", KeyCommand::Stack, 0, [&] { mouse.InsertCoins(2); });
    Steps({7, 7, 7});  // "3-3-7": no win, so the holds are on offer
    Step("a game", KeyCommand::Go, 0, places::LeverKnob);
    Step("the left hold", KeyCommand::Number, 1, places::HoldButton(0));
    Step("the right hold", KeyCommand::Number, 3, places::HoldButton(2));
    Step("no fourth reel", KeyCommand::Number, 4, [] {});
    Step("the left let go", KeyCommand::Number, 1, places::HoldButton(0));
    Step("the middle hold", KeyCommand::Number, 2, places::HoldButton(1));
    Step("the high-score list", KeyCommand::HighScores, 0, places::ReelWindowZone);
    Step("line 10's statistics", KeyCommand::Number, 10, places::ListLineZone(9));
    Step("nothing on a page", KeyCommand::HighScores, 0, [] {});
    Step("back from the page", KeyCommand::Back, 0, places::DisplayWindow);
    Step("this run's statistics", KeyCommand::Statistics, 0, places::ReelWindowZone, 2);
    Step("back again", KeyCommand::Back, 0, places::DisplayWindow);
    Step("the list once more", KeyCommand::HighScores, 0, places::ReelWindowZone);
    Step("back from the list", KeyCommand::Back, 0, places::ListLineZone(4), 2);
    EXPECT_EQ(keys.m.display.ScreenMode, Screen::Reels);
}

TEST_F(Keys, OnTheOfferPanelGoPlaysOn) {
    RaiseTheOffer();
    Step("play on", KeyCommand::Go, 0, places::PanelContinueButton);
    EXPECT_EQ(keys.m.display.ScreenMode, Screen::Reels);
}

TEST_F(Keys, OnTheOfferPanelQQuits) {
    RaiseTheOffer();
    Step("quit", KeyCommand::Quit, 0, places::PanelQuitButton);
    EXPECT_TRUE(keys.m.queue.ended);
}

TEST_F(Keys, AKeyDuringASpinWaitsItsTurnAndAKeyUnderAModalWindowOrDuringADragDoesNothing) {
    Step("five credits", KeyCommand::Stack, 0, [&] { mouse.InsertCoins(2); });
    Steps({7, 8, 9});
    bool once = false, again = false;  // one more lever press each, during the spin
    keys.clock.onWait = [&] { once = once || (Post(keys.m, ev::Key{KeyCommand::Go}), true); };
    mouse.clock.onWait = [&] {
        again = again ||
                (Post(mouse.m, ev::Press{1, CentreX(places::LeverKnob), CentreY(places::LeverKnob)}), true);
    };
    Step("a second game after the first", KeyCommand::Go, 0, places::LeverKnob);
    EXPECT_EQ(keys.m.records.ScoreTable[0].Played, 2);

    keys.host.configDialog = [&](ConfigValues&) { return Post(keys.m, ev::Key{KeyCommand::Go}), false; };
    keys.Send(ev::MenuConfig{});
    keys.PressOn(places::CoinPile);  // coins in the hand
    Key(KeyCommand::Coin);
    Key(KeyCommand::HighScores);
    EXPECT_EQ(keys.m.records.ScoreTable[0].Played, 2);
    EXPECT_EQ(keys.m.purse.Credits, 3);
    EXPECT_EQ(keys.m.display.ScreenMode, Screen::Reels);
}

// The touch controls, in order: coin, stack, the three holds, lever, list, page;
// each as '-' off, 'R' ready, 'X' refused, 'O' on.
std::string Looks(const Machine& m) {
    std::string looks;
    for (int c = 0; c < kControls; ++c) looks += "-RXO"[static_cast<int>(StateOfControl(m, Control(c)).look)];
    return looks;
}
void Touch(Rig& rig, Control control) {
    rig.Forget();
    if (const auto key = StateOfControl(rig.m, control).key) rig.Send(*key);
}

TEST(Controls, EachLooksAsItsPressAnswersAndAHoldAsTheMachineShowsIt) {
    Rig rig;
    rig.StartPlaying();
    EXPECT_EQ(Looks(rig.m), "RRXXXXRR") << "an empty machine";
    Touch(rig, Control::Lever);
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<Sfx>{Sfx::Wrong});
    Touch(rig, Control::Stack);
    EXPECT_EQ(rig.m.purse.Credits, 5);
    rig.ScriptSteps({7, 7, 7});  // "3-3-7": no win, so the holds are on offer
    Touch(rig, Control::Lever);
    Touch(rig, Control::Hold1);
    Touch(rig, Control::Hold3);
    EXPECT_EQ(Looks(rig.m), "RROXORRR") << "two reels held";
    EXPECT_EQ(HoldLooks(rig.m), "SDS");
    Touch(rig, Control::Hold2);
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<Sfx>{Sfx::Wrong});
    Touch(rig, Control::HighScores);
    EXPECT_EQ(Looks(rig.m), "------O-") << "the list";
    Touch(rig, Control::HighScores);
    Touch(rig, Control::Statistics);
    EXPECT_EQ(Looks(rig.m), "-------O") << "this run's page";
    Touch(rig, Control::Statistics);
    Touch(rig, Control::Stack);
    Touch(rig, Control::Coin);
    EXPECT_EQ(Looks(rig.m), "XXOXORRR") << "a full machine";
    std::string underConfiguration;
    rig.host.configDialog = [&](ConfigValues&) { return underConfiguration = Looks(rig.m), false; };
    rig.Send(ev::MenuConfig{});
    EXPECT_EQ(underConfiguration, "--------");
}

TEST(Controls, AFingerPressesASmallTargetWithinItsReach) {
    Rig rig;
    rig.StartPlaying();
    rig.InsertCoins();
    const Cell& knob = places::LeverKnob;
    for (const auto& [reach, games] : {std::pair{0.0f, 0}, {2.0f, 0}, {4.5f, 1}}) {
        rig.Send(ev::Press{1, knob.x - 4.0f, knob.y + 5.0f, reach});
        EXPECT_EQ(rig.m.records.ScoreTable[0].Played, games) << "reach " << reach;
    }
    // On a target the press stays there: the reel window beside a hold button.
    rig.Send(ev::Press{1, CentreX(places::HoldButton(1)), places::ReelWindowZone.bottom() + 0.5f, 9});
    EXPECT_EQ(rig.m.display.ScreenMode, Screen::HighScores);
}

// 560 inputs during the first 40 waits of the lever's game: the lever clicked and its key, over
// and over, and About and the configuration from the menu; quit, when given, at the twentieth wait.
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

// Each waiting menu command runs once; a quit saves when the game in hand ends.
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
