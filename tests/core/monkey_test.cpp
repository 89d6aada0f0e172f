// 100 000 random events on the virtual clock: presses anywhere with either
// button, drags and drops anywhere, timer ticks, theme changes and the
// configuration dialog. After every event the machine must still hold together.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "fakes.h"
#include "presentation/digits.h"
#include "shell/dispatch.h"

namespace fw::test {
namespace {

// Places worth pressing more often than chance would.
const Cell kHotSpots[] = {places::LeverKnob,           places::HoldButton(0),    places::HoldButton(1),
                          places::HoldButton(2),       places::DisplayWindow,    places::PanelQuitButton,
                          places::PanelContinueButton, places::ListLineStrip(1), places::ListLineStrip(10)};

class Monkey {
public:
    explicit Monkey(std::uint64_t seed) : dice_(seed), random_(seed + 1) { Restart(); }

    // A new run: a fresh purse of 20, one spent down to its last coins, or one a win away from 1000.
    void Restart() {
        rig_ = std::make_unique<Rig>(std::vector<std::string>{"Fruit.Thm", "Jewels.Thm", "Vegas.Thm"},
                                     nullptr, &random_);
        rig_->StartPlaying();
        Machine& m = rig_->m;
        const int start = Roll(3);
        while (start == 1 && m.ScoreTable[0].Score > Roll(3)) DrawDigits(m, kTakeOneCoin);
        if (start == 2) DrawDigits(m, static_cast<Integer>(960 + Roll(30)));
        eventsLeft_ = 3000;
        Remember();
    }

    // One random event, then the checks.
    void Step() {
        if (--eventsLeft_ == 0) Restart();
        Machine& m = rig_->m;
        const int pick = Roll(100), button = Roll(3) == 0 ? 2 : 1;
        const Cell pile = places::CoinPile, slot = places::CoinSlot;
        bool pressedZone = false;
        if (pick < 45) {
            const Cell spot = kHotSpots[Roll(Roll(5) == 0 ? 1 : std::size(kHotSpots))];
            const bool hot = Roll(2) == 0;
            const float x = hot ? spot.x + Roll(spot.w) : Roll(330) - 5,
                        y = hot ? spot.y + Roll(spot.h) : Roll(266) - 5;
            pressedZone = !pile.contains(x, y) && !slot.contains(x, y) && HitTest(m, x, y).zone != Zone::None;
            rig_->Send(ev::Press{button, x, y});
        } else if (pick < 70) {
            rig_->Send(ev::Press{button, float(pile.x + Roll(pile.w)), float(pile.y + Roll(pile.h))});
            const int where = Roll(4);
            if (where < 2)
                rig_->Send(ev::Release{float(slot.x + Roll(slot.w)), float(slot.y + Roll(slot.h)), true});
            if (where == 2)
                rig_->Send(ev::Release{float(Roll(340) - 10), float(Roll(276) - 10), Roll(5) != 0});
            if (where == 3) rig_->Send(ev::Release{-1, -1, false});
        } else if (pick < 78) {
            rig_->Send(ev::Release{float(Roll(kScreenWidth)), float(Roll(kScreenHeight)), true});
        } else if (pick < 90) {
            rig_->Send(ev::Tick{Roll(2) == 0 ? TimerId::ElapsedTime : TimerId::MultiCheck});
        } else if (pick < 95) {
            rig_->Send(ev::MenuTheme{1 + Roll(3)});
        } else if (pick < 97) {
            const int choice = Roll(4);
            rig_->host.configDialog = [choice, this](ConfigValues& v) {
                if (choice == 0) v.name = "Monkey" + std::to_string(Roll(100));
                if (choice == 1) v.resetHighScores = true;
                if (choice == 2) v.speed = Roll(101);
                return choice != 3;
            };
            rig_->Send(ev::MenuConfig{});
        } else {
            rig_->Send(ev::Expose{});
        }
        Check(pressedZone);
    }

    int restarts = 0, games = 0;
    std::set<Screen> screensSeen;

private:
    int Roll(std::size_t n) { return static_cast<int>(dice_() % n); }

    void Remember() {
        const Machine& m = rig_->m;
        purse_ = m.ScoreTable[0].Score, credits_ = m.Credits, played_ = m.ScoreTable[0].Played;
        screen_ = m.ScreenMode;
    }

    void Check(bool pressedZone) {
        const Machine& m = rig_->m;
        if (m.ended) {  // the quit button of a panel
            ++restarts;
            return Restart();
        }
        const ScoreRecord& run = m.ScoreTable[0];
        screensSeen.insert(m.ScreenMode);
        ASSERT_TRUE(m.Credits >= 0 && m.Credits <= 10 && m.HoldCount >= 0 && m.HoldCount <= 2 &&
                    run.Score >= 0);
        int statSum = 0;
        for (Integer s : run.Stat) statSum += s;
        ASSERT_EQ(statSum, run.Wun);
        ASSERT_TRUE(!pressedZone || m.hdcCompose == m.hdcScreen);
        ASSERT_TRUE(m.ScreenMode != Screen::Reels || LitCreditLamps(m.hdcCompose) == m.Credits);
        // Coins only move between the purse and the credits; a game costs a
        // credit and pays its win; the out-of-coins panel's continue gives 20.
        const int gamesNow = run.Played - played_;
        ASSERT_LE(gamesNow, 1);
        games += gamesNow;
        const int expected = gamesNow * (m.LastWin - 1) +
                             (screen_ == Screen::OutOfCoins && m.ScreenMode == Screen::Reels ? 20 : 0);
        ASSERT_EQ((run.Score + m.Credits) - (purse_ + credits_), expected);
        Remember();
    }

    std::mt19937_64 dice_;
    SeededRandom random_;
    std::unique_ptr<Rig> rig_;
    int purse_ = 0, credits_ = 0, played_ = 0, eventsLeft_ = 0;
    Screen screen_ = Screen::Reels;
};

TEST(Monkey, HundredThousandRandomEventsKeepTheMachineWhole) {
    Monkey monkey(20261206);
    for (int i = 0; i < 100'000; ++i) {
        monkey.Step();
        if (::testing::Test::HasFatalFailure()) {
            ADD_FAILURE() << "after event " << i;
            return;
        }
    }
    // The run reached the places that matter.
    EXPECT_GT(monkey.games, 100);
    EXPECT_GT(monkey.restarts, 0) << monkey.games << " games";
    EXPECT_EQ(monkey.screensSeen.size(), 5u);
}

}  // namespace
}  // namespace fw::test
