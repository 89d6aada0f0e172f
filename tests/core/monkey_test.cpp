// 100 000 random events on the virtual clock: presses anywhere with either
// button, drags and drops anywhere, timer ticks, theme changes and the
// configuration dialog. After every event the machine must still hold together.
#include <gtest/gtest.h>

#include <random>

#include "fakes.h"
#include "machine/cells.h"
#include "money/coins.h"
#include "presentation/digits.h"
#include "shell/dispatch.h"

namespace fw::test {
namespace {

struct Point {
    int x, y;
};

Point Centre(const Cell& c) {
    return {c.x + c.w / 2, c.y + c.h / 2};
}
// Places worth pressing more often than chance would.
const Point kHotSpots[] = {
    Centre(places::LeverKnob),
    Centre(places::HoldButton(0)),
    Centre(places::HoldButton(1)),
    Centre(places::HoldButton(2)),
    Centre(places::DisplayWindow),
    Centre(places::CoinPile),
    Centre(places::CoinSlot),
    Centre(places::PanelQuitButton),
    Centre(places::PanelContinueButton),
    Centre(places::ListLineStrip(1)),
    Centre(places::ListLineStrip(6)),
    Centre(places::ListLineStrip(10)),
    {places::DisplayWindow.x, 100},
    {places::DisplayWindow.right(), places::DisplayWindow.bottom()},
};

class Monkey {
public:
    explicit Monkey(std::uint64_t seed) : dice_(seed), random_(seed + 1) { Restart(); }

    // A new run, from one of three situations: a fresh purse of 20, a purse
    // spent down to its last coins, or a purse a win away from 1000.
    void Restart() {
        rig_ = std::make_unique<Rig>(std::vector<std::string>{"Fruit.Thm", "Jewels.Thm", "Vegas.Thm"},
                                     nullptr, &random_);
        rig_->StartPlaying();
        Machine& m = rig_->m;
        switch (Roll(3)) {
            case 0:
                break;
            case 1:
                while (m.ScoreTable[0].Score > Roll(3)) DrawDigits(m, kTakeOneCoin);
                break;
            case 2:
                DrawDigits(m, static_cast<Integer>(960 + Roll(30)));
                break;
        }
        eventsLeft_ = 3000;
        Remember();
    }

    // One random event, then the checks.
    void Step() {
        if (--eventsLeft_ == 0) Restart();
        Machine& m = rig_->m;
        const int pick = Roll(100);
        bool pressedZone = false;
        if (pick < 45) {
            Point p =
                Roll(2) == 0 ? kHotSpots[Roll(std::size(kHotSpots))] : Point{Roll(330) - 5, Roll(266) - 5};
            if (Roll(5) == 0) p = kHotSpots[0];  // the lever, often: games are what matter
            const int button = Roll(3) == 0 ? 2 : 1;
            pressedZone = !places::CoinPile.contains(p.x, p.y) && !places::CoinSlot.contains(p.x, p.y) &&
                          HitTest(m, p.x, p.y).zone != Zone::None;
            rig_->Send(ev::Press{button, float(p.x), float(p.y)});
        } else if (pick < 70) {
            const int button = Roll(3) == 0 ? 2 : 1;
            const Cell pile = places::CoinPile, slot = places::CoinSlot;
            rig_->Send(ev::Press{button, float(pile.x + Roll(pile.w)), float(pile.y + Roll(pile.h))});
            const int where = Roll(4);
            if (where < 2) {
                rig_->Send(ev::Release{float(slot.x + Roll(slot.w)), float(slot.y + Roll(slot.h)), true});
            } else if (where == 2) {
                rig_->Send(ev::Release{float(Roll(340) - 10), float(Roll(276) - 10), Roll(5) != 0});
            } else {
                rig_->Send(ev::Release{-1, -1, false});
            }
        } else if (pick < 78) {
            rig_->Send(ev::Release{float(Roll(320)), float(Roll(256)), true});
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

    int restarts = 0;
    int games = 0;
    std::array<int, 5> modesSeen{};

private:
    int Roll(std::size_t n) { return static_cast<int>(dice_() % n); }

    void Remember() {
        const Machine& m = rig_->m;
        purse_ = m.ScoreTable[0].Score;
        credits_ = m.Credits;
        played_ = m.ScoreTable[0].Played;
        mode_ = m.ScreenMode;
    }

    void Check(bool pressedZone) {
        const Machine& m = rig_->m;
        if (m.ended) {  // the quit button of a panel
            ++restarts;
            Restart();
            return;
        }
        const ScoreRecord& run = m.ScoreTable[0];
        const int mode = static_cast<int>(m.ScreenMode);
        if (mode >= 0 && mode <= 4) ++modesSeen[mode];
        ASSERT_GE(m.Credits, 0);
        ASSERT_LE(m.Credits, 10);
        ASSERT_GE(m.HoldCount, 0);
        ASSERT_LE(m.HoldCount, 2);
        ASSERT_GE(run.Score, 0);
        ASSERT_GE(static_cast<int>(m.ScreenMode), 0);
        ASSERT_LE(static_cast<int>(m.ScreenMode), 4);
        int statSum = 0;
        for (Integer s : run.Stat) statSum += s;
        ASSERT_EQ(statSum, run.Wun);
        if (pressedZone) {
            ASSERT_EQ(m.hdcCompose, m.hdcScreen);
        }
        int lit = 0;
        lit = LitCreditLamps(m.hdcCompose);
        if (m.ScreenMode == Screen::Reels) {
            ASSERT_EQ(lit, m.Credits);
        }

        // Coins only move between the purse and the credits; a game costs a
        // credit and pays its win; the out-of-coins panel's continue gives 20.
        int expected = 0;
        const int gamesNow = run.Played - played_;
        ASSERT_LE(gamesNow, 1);
        if (gamesNow == 1) {
            ++games;
            expected += m.LastWin - 1;
        }
        if (mode_ == Screen::OutOfCoins && m.ScreenMode == Screen::Reels) expected += 20;
        ASSERT_EQ((run.Score + m.Credits) - (purse_ + credits_), expected);
        Remember();
    }

    std::mt19937_64 dice_;
    SeededRandom random_;
    std::unique_ptr<Rig> rig_;
    int purse_ = 0, credits_ = 0, played_ = 0;
    Screen mode_ = Screen::Reels;
    int eventsLeft_ = 0;
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
    for (int mode = 0; mode < 5; ++mode) EXPECT_GT(monkey.modesSeen[mode], 0) << "screen mode " << mode;
}

}  // namespace
}  // namespace fw::test
