// Playing the machine: start-up, coins and credits, the lever and the spin,
// holds, what a game wins and shows, the Mania period, the bonus wheel and the
// panels, as the player sees and hears them.
#include <gtest/gtest.h>

#include "fakes.h"
#include "machine/frame_delay.h"
#include "play/evaluate.h"
#include "play/mania.h"
#include "presentation/digits.h"

namespace fw::test {
namespace {

using std::chrono::milliseconds;

// The wait on which each played sound starts ("Play Klonk1" -> 312).
std::map<std::string, std::vector<std::size_t>> SoundWaits(const RecordingSound& sound) {
    std::map<std::string, std::vector<std::size_t>> at;
    for (std::size_t i = 0; i < sound.calls.size(); ++i) at[sound.calls[i]].push_back(sound.atWait[i]);
    return at;
}

class Game : public ::testing::Test {
protected:
    void SetUp() override {
        rig.StartPlaying();
        rig.InsertCoins(2);  // five credits, fifteen in the purse
        rig.Forget();
    }
    // A game without holds and without a win leaves holds on offer.
    void EarnHolds() {
        rig.ScriptSteps({7, 7, 7});  // 3-3-7
        rig.PullLever();
        ASSERT_EQ(Holds(), "GGG");
        rig.Forget();
    }
    std::string Holds() const {
        return {HoldLook(m.hdcScreen, 0), HoldLook(m.hdcScreen, 1), HoldLook(m.hdcScreen, 2)};
    }
    void Score(const std::string& line) {
        m.LineText[1] = line;
        EvaluateWin(m);
    }
    void ExpectReelsAt(std::array<int, 3> positions) {
        for (int r = 0; r < 3; ++r) {
            EXPECT_EQ(m.ReelPos[r], positions[r] % 20) << "reel " << r;
            for (int w = 0; w < 3; ++w)
                EXPECT_TRUE(ShowsSymbol(m.hdcScreen, r, w, PrintedSymbol(r, positions[r], w)))
                    << r << "," << w;
        }
    }
    Rig rig;
    Machine& m = rig.m;
};

TEST(Coins, CoinsWakeTheMachineAndStacksMoveWhatThePurseHoldsUpToTenCredits) {
    Rig rig;
    rig.StartPlaying();
    Machine& m = rig.m;
    m.ScoreTable[0].Score = 4;
    std::vector<bool> spinning;
    rig.clock.onWait = [&] {
        spinning.push_back(Shows(m.hdcScreen, places::CoinWindow, cells::SpinningCoin(spinning.size() % 3)));
    };
    rig.InsertCoins();
    EXPECT_EQ(spinning, (std::vector<bool>{true, true, true, true, true, true, true, false, false}));
    EXPECT_TRUE(Shows(m.hdcScreen, places::CoinWindow, cells::CoinAtRest));
    EXPECT_EQ(rig.SoundsPlayed(), (std::vector<Sfx>{Sfx::Pick, Sfx::Pay, Sfx::Activate}));
    EXPECT_TRUE(Shows(m.hdcScreen, places::CreditStrip, cells::CreditStripLit));
    for (int r = 0; r < 3; ++r) EXPECT_EQ(HoldLook(m.hdcScreen, r), '?') << "no hold before the first game";
    EXPECT_EQ(rig.host.dragIcon, DragIcon::None);
    rig.clock.onWait = nullptr;
    rig.InsertCoins(2);  // three left in the purse: three move
    EXPECT_EQ(m.Credits, 4);
    EXPECT_EQ(CounterText(m.hdcScreen), "---0");
    DrawDigits(m, 18);
    for (int i = 0; i < 4; ++i) rig.InsertCoins();
    rig.InsertCoins(2);  // two of five fit
    EXPECT_EQ(m.ScoreTable[0].Score, 12);
    EXPECT_EQ(CounterText(m.hdcScreen), "--12");
    EXPECT_EQ(LitCreditLamps(m.hdcScreen), 10);
    rig.Forget();
    const Surface before = m.hdcScreen;
    rig.InsertCoins();
    EXPECT_EQ(rig.SoundsPlayed(), (std::vector<Sfx>{Sfx::Pick, Sfx::Wrong}));
    EXPECT_TRUE(rig.clock.waits.empty());
    EXPECT_EQ(m.hdcScreen, before);
    EXPECT_EQ(m.hdcScreen, m.hdcCompose);
}

TEST(Coins, ADragEndsInOneDropOrNone) {
    Rig rig;
    rig.StartPlaying();
    Machine& m = rig.m;
    rig.PressOn(places::CoinPile, 2);
    EXPECT_EQ(rig.host.dragIcon, DragIcon::FiveCoins);
    rig.Send(ev::Release{CentreX(places::CoinSlot), CentreY(places::CoinSlot),
                         false});  // the window lost the mouse
    rig.Send(ev::Release{CentreX(places::CoinSlot), CentreY(places::CoinSlot), true});  // no pick-up: nothing
    rig.PressOn(places::CoinPile);
    EXPECT_EQ(rig.host.dragIcon, DragIcon::OneCoin);
    rig.Send(ev::Release{-5, 100, true});  // outside the window
    EXPECT_EQ(rig.host.dragIcon, DragIcon::None);
    EXPECT_EQ(m.Credits, 0);
    EXPECT_EQ(rig.SoundsPlayed(), (std::vector<Sfx>{Sfx::Pick, Sfx::Pick}));
    // A drag released during a game drops once, after it.
    rig.InsertCoins();
    rig.ScriptSteps({7, 7, 7});
    bool once = false;
    rig.clock.onWait = [&] {
        if (once) return;
        once = true;
        rig.PressOn(places::CoinPile);
        rig.Send(ev::Release{CentreX(places::CoinSlot), CentreY(places::CoinSlot), true});
        EXPECT_EQ(m.Credits, 1);
    };
    rig.PullLever();
    EXPECT_EQ(m.Credits, 1);
    EXPECT_EQ(m.ScoreTable[0].Score, 18);
}

TEST(Coins, AnEmptyPurseOpensTheOutOfCoinsPanelAndContinueGives20) {
    Rig rig;
    rig.StartPlaying();
    Machine& m = rig.m;
    rig.InsertCoins();
    for (int i = 0; i < 19; ++i) DrawDigits(m, kTakeOneCoin);
    rig.Forget();
    rig.PressOn(places::CoinPile);  // credits left: refused
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<Sfx>{Sfx::Wrong});
    rig.ScriptSteps({7, 7, 7});
    rig.PullLever();
    rig.Forget();
    rig.PressOn(places::CoinPile);
    EXPECT_EQ(m.ScreenMode, Screen::OutOfCoins);
    EXPECT_TRUE(Shows(m.hdcScreen, places::DisplayWindow, cells::OutOfCoinsPanel));
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<Sfx>{Sfx::NoMoney});
    rig.PullLever();  // dead while the panel shows
    rig.PressOn(places::PanelContinueButton);
    EXPECT_EQ(m.ScreenMode, Screen::Reels);
    EXPECT_EQ(CounterText(m.hdcScreen), "--20");
    EXPECT_TRUE(ShowsSymbol(m.hdcScreen, 0, 1, PrintedSymbol(0, 8, 1)));
    EXPECT_EQ(rig.SoundsPlayed(), (std::vector<Sfx>{Sfx::NoMoney, Sfx::Coin}));
    for (int i = 0; i < 20; ++i) DrawDigits(m, kTakeOneCoin);
    rig.PressOn(places::CoinPile);
    rig.PressOn(places::PanelQuitButton);
    EXPECT_EQ(rig.host.endStatus, 0);
    EXPECT_EQ(rig.store.flushes, 1);
}

TEST_F(Game, TheCascadeStopsEachReelWithItsClunkOnItsLastFrame) {
    rig.ScriptSteps({9, 12, 7});
    rig.PullLever();
    // The lever (6 x 75 ms down, 6 x 70 ms up), then 30 frames a step: reels 0..2
    // turn 10 steps together, reels 1..2 13 more, reel 2 8 more; then 300 ms.
    const std::size_t stops[3] = {12 + 30 * 10, 12 + 30 * 23, 12 + 30 * 31};
    auto at = SoundWaits(rig.sound);
    EXPECT_EQ(at["Play Lever"], std::vector<std::size_t>{0});
    EXPECT_EQ(at["Repeat WheelRun"], std::vector<std::size_t>{12});
    EXPECT_EQ(at["Play Klonk1"], std::vector<std::size_t>{stops[0]});
    EXPECT_EQ(at["Play Klonk2"], std::vector<std::size_t>{stops[1]});
    EXPECT_EQ(at["Play Klonk3"], std::vector<std::size_t>{stops[2]});
    EXPECT_EQ(at["Stop WheelRun"], std::vector<std::size_t>{stops[2]});
    for (std::size_t i = 12; i < stops[2]; ++i)  // each stopped reel slows the others
        ASSERT_EQ(rig.clock.waits[i], FrameTime((i >= stops[0]) * 500 + (i >= stops[1]) * 500 + 50 * 2000))
            << i;
    ExpectReelsAt({10, 23, 31});
    EXPECT_EQ(m.LineText[1], "4-2-4");
    EXPECT_EQ(m.ScoreTable[0].Played, 1);
    EXPECT_EQ(rig.host.pointer, Pointer::Default);
    EXPECT_EQ(rig.random.reseeds, 1);
    EXPECT_EQ(m.hdcScreen, m.hdcCompose);
}

TEST_F(Game, AHeldReelStandsStillWhileTheOthersTurn) {
    EarnHolds();  // the reels stand at 8, 16, 4
    rig.PressHold(0);
    rig.PressHold(2);
    EXPECT_EQ(Holds(), "SDS");
    const Surface before = m.hdcScreen;
    bool still = true;
    rig.clock.onWait = [&] {
        for (int r : {0, 2}) {
            const Cell column = places::ReelCell(r, 0);
            still =
                still && m.hdcScreen.sameRect(column.x, column.y, column.w, 90, before, column.x, column.y);
        }
    };
    rig.ScriptSteps({11});
    rig.PullLever();
    EXPECT_TRUE(still);
    ExpectReelsAt({8, 16 + 12, 4});
    auto at = SoundWaits(rig.sound);
    EXPECT_EQ(at["Play Klonk2"], std::vector<std::size_t>{12 + 30 * 12});
    EXPECT_TRUE(at["Play Klonk1"].empty() && at["Play Klonk3"].empty());
    EXPECT_EQ(rig.clock.waits[12], FrameTime(2 * 500 + 50 * 2000));
    EXPECT_EQ(Holds(), "DDD");  // no holds after a held spin
    rig.Forget();
    rig.PressHold(1);
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<Sfx>{Sfx::Wrong});
    EXPECT_EQ(m.HoldCount, 0);
}

TEST_F(Game, WithTheLeftReelHeldTheOtherTwoTurnTogetherThenTheRightAlone) {
    EarnHolds();
    rig.PressHold(0);
    rig.ScriptSteps({9, 14});
    rig.PullLever();
    ExpectReelsAt({8, 16 + 10, 4 + 10 + 15});
    auto at = SoundWaits(rig.sound);
    EXPECT_EQ(at["Play Klonk2"], std::vector<std::size_t>{12 + 30 * 10});
    EXPECT_EQ(at["Play Klonk3"], std::vector<std::size_t>{12 + 30 * 25});
    EXPECT_EQ(rig.clock.waits[12], FrameTime(500 + 50 * 2000));
    EXPECT_EQ(rig.clock.waits[12 + 30 * 10], FrameTime(1000 + 50 * 2000));
}

TEST_F(Game, HoldsOpenAndCloseByTheRules) {
    EarnHolds();
    rig.PressHold(0);
    EXPECT_EQ(Holds(), "SGG");
    rig.PressHold(1);
    EXPECT_EQ(Holds(), "SSD");  // two held: the third closes
    rig.PressHold(2);
    rig.PressHold(0);  // released: the third opens again
    EXPECT_EQ(Holds(), "GSG");
    rig.PressHold(1);
    EXPECT_EQ(Holds(), "GGG");
    rig.PressOn(places::HoldButton(1), 2);  // the right button holds nothing
    EXPECT_EQ(rig.SoundsPlayed(),
              (std::vector<Sfx>{Sfx::Click, Sfx::Click, Sfx::Wrong, Sfx::Click, Sfx::Click}));
    EXPECT_EQ(m.HoldCount, 0);
    EXPECT_EQ(m.hdcScreen, m.hdcCompose);
    // A symbol-2 win locks its reel; the others can both be held.
    rig.ScriptSteps({10, 7, 7});  // 2-8-4 from 8, 16, 4
    rig.PullLever();
    EXPECT_EQ(m.LastWin, 2);
    EXPECT_EQ(Holds(), "DGG");
    rig.PressHold(1);
    rig.PressHold(2);
    EXPECT_EQ(Holds(), "DSS");
    rig.PressHold(1);
    rig.PressHold(2);
    EXPECT_EQ(Holds(), "DGG");
    // The last credit closes the holds and darkens the strip; a coin opens them again.
    m.Credits = 1;
    rig.ScriptSteps({7, 7, 7});  // 5-2-3
    rig.PullLever();
    EXPECT_EQ(Holds(), "DDD");
    EXPECT_TRUE(Shows(m.hdcScreen, places::CreditStrip, cells::CreditStripDark));
    rig.InsertCoins();
    EXPECT_EQ(Holds(), "GGG");
}

TEST_F(Game, TheTrayIsClearedOnlyAfterAGameThatPaid) {
    rig.ScriptSteps({11, 7, 7});  // 2-8-8 pays 2
    rig.PullLever();
    const Surface paid = m.hdcScreen;
    EXPECT_FALSE(Shows(paid, places::PayoutTrayLeft, cells::PayoutTrayEmpty));
    bool cleared = false;
    rig.clock.onWait = [&] {
        cleared = cleared || (Shows(m.hdcScreen, places::PayoutTrayLeft, cells::PayoutTrayEmpty) &&
                              Shows(m.hdcScreen, places::PayoutTrayRight, cells::PayoutTrayEmpty));
    };
    rig.ScriptSteps({8, 8, 8});  // 6-8-3
    rig.PullLever();
    EXPECT_TRUE(cleared);
    EXPECT_EQ(m.LastWin, 0);
    const Surface unpaid = m.hdcScreen;
    rig.ScriptSteps({9, 9, 9});  // 7-8-5
    rig.PullLever();
    const Cell tray = places::PayoutTray;
    EXPECT_TRUE(m.hdcScreen.sameRect(tray.x, tray.y, tray.w, tray.h, unpaid, tray.x, tray.y));
}

TEST_F(Game, TheSymbol2RuleAndThePayTable) {
    m.HoldAllowed = True;
    Score("2-2-2");
    EXPECT_EQ(m.LastWin, 5);
    EXPECT_EQ(m.WinLock, (std::array<Integer, 3>{1, 1, 0}));
    EXPECT_EQ(Holds(), "DDG");
    Score("3-2-2");
    EXPECT_EQ(m.LastWin, 0);
    EXPECT_EQ(Holds(), "GGG");
    Score("3-10-12");
    EXPECT_EQ(m.LastWin, 10);
    EXPECT_EQ(Holds(), "DDD");  // a table win ends the holds
    const ScoreRecord& run = m.ScoreTable[0];
    EXPECT_EQ(run.Stat, (std::array<Integer, 12>{0, 1, 0, 1}));
    EXPECT_EQ(run.Wun, 2);
    EXPECT_EQ(run.Score, 15 + 5 + 10);
    EXPECT_EQ(m.Credits, 2);
    EXPECT_EQ(CounterText(m.hdcScreen), "--30");
    EXPECT_EQ(m.ManiaActive, False);
    auto played = rig.SoundsPlayed();
    EXPECT_EQ(std::count(played.begin(), played.end(), Sfx::Pay), 5 + 8);
    EXPECT_EQ(std::count(played.begin(), played.end(), Sfx::WinLow), 2);
}

TEST_F(Game, PrizeLampsFlashAtTheirPlaces) {
    for (const auto& [line, lamp] : {std::pair{"5-0-0", 0}, {"6-11-4", 1}, {"9-9-12", 2}}) {
        rig.Forget();
        std::array<int, 3> lit{};
        rig.clock.onWait = [&] {
            for (int n = 0; n < 3; ++n)
                lit[n] += Shows(m.hdcScreen, places::PrizeLamp(n), cells::PrizeLampLit(n));
        };
        Score(line);
        for (int n = 0; n < 3; ++n) EXPECT_EQ(lit[n], n == lamp ? 7 : 0) << line << " lamp " << n;
        EXPECT_TRUE(Shows(m.hdcScreen, places::PrizeLamp(lamp), cells::PrizeLampDim(lamp)));
        auto at = SoundWaits(rig.sound);
        const std::size_t siren = lamp == 2 ? 64 : 0;  // a hundred first turns the siren 8 times
        EXPECT_EQ(at["Play WinLow"], std::vector<std::size_t>{siren}) << line;
        EXPECT_EQ(at["Play WinHigh"], std::vector<std::size_t>{siren + 17}) << line;
        EXPECT_EQ(at["Play Siren8"].size(), lamp == 2 ? 1u : 0u);
    }
    EXPECT_EQ(m.ScoreTable[0].Stat, (std::array<Integer, 12>{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1}));
    EXPECT_EQ(m.ManiaActive, True);  // only the hundred
}

TEST_F(Game, TheManiaPeriodRunsThirteenTicksAndAHundredStartsItAgain) {
    Score("9-10-12");
    EXPECT_EQ(rig.SoundsPlayed().back(), Sfx::Mania);
    EXPECT_TRUE(rig.host.topmost);
    rig.Send(ev::MenuConfig{});
    rig.Send(ev::MenuAbout{});
    EXPECT_EQ(rig.host.calls, std::vector<std::string>{"ShowWindow"});  // the menus are off
    for (int t = 1; t <= 6; ++t) rig.Send(ev::Tick{TimerId::MultiCheck});
    Score("9-9-12");
    EXPECT_TRUE(Shows(m.hdcScreen, places::TimeBar, cells::TimeBarEmpty));
    for (int t = 1; t <= 13; ++t) rig.Send(ev::Tick{TimerId::MultiCheck});
    EXPECT_TRUE(Shows(m.hdcScreen, places::TimeBarSegment(12), cells::TimeSegmentRed));
    EXPECT_EQ(m.ManiaActive, True);
    rig.Send(ev::Tick{TimerId::MultiCheck});
    EXPECT_EQ(m.ManiaActive, False);
    EXPECT_TRUE(Shows(m.hdcScreen, places::BonusWheel, cells::BonusWheelNeutral));
    EXPECT_FALSE(rig.host.topmost);
    for (MenuId menu : {MenuId::Game, MenuId::Theme, MenuId::Help}) EXPECT_TRUE(rig.host.menuEnabled[menu]);
    const Surface after = m.hdcScreen;
    rig.Send(ev::Tick{TimerId::MultiCheck});  // a tick of the stopped timer is dropped
    EXPECT_EQ(m.hdcScreen, after);
}

TEST_F(Game, SpecialSymbolsInTheManiaPeriodSpinTheBonusWheel) {
    StartMania(m);
    m.HoldAllowed = True;
    for (int k = 0; k < 4; ++k) {
        rig.Forget();
        rig.random.values = {(k + 0.5) / 4};
        const Integer purse = m.ScoreTable[0].Score;
        Score("9-4-4");  // a special symbol on reel 0 alone
        EXPECT_EQ(m.LastWin, (k + 2) * 10);
        EXPECT_EQ(m.ScoreTable[0].Score, purse + (k + 2) * 10);
        auto at = SoundWaits(rig.sound);
        EXPECT_EQ(at["Play Siren4"], std::vector<std::size_t>{0});
        EXPECT_EQ(at["Play Tick"].size(), 17u + k);  // four laps and on to its number
        EXPECT_EQ(at["Play CircHigh"].size(), 8u);
        EXPECT_TRUE(Shows(m.hdcScreen, places::BonusWheel, cells::BonusWheelMania));
        EXPECT_EQ(rig.random.reseeds, k + 1);  // the wheel draws its own number
        if (k == 0) EXPECT_EQ(Holds(), "DGG");
    }
    EXPECT_EQ(m.ScoreTable[0].Wun, 0);  // a special hit alone is in no category
    m.HoldAllowed = False;              // as after a held spin
    Score("3-10-12");                   // the table pays 10 and reels 1 and 2 hit
    EXPECT_EQ(m.WinLock, (std::array<Integer, 3>{0, 1, 1}));
    EXPECT_GE(m.LastWin, 30);
    EXPECT_EQ(Holds(), "DDD");
    rig.Forget();
    Score("9-9-12");  // a hundred: no wheel
    EXPECT_EQ(SoundWaits(rig.sound)["Play Tick"].size(), 0u);
}

TEST_F(Game, TheOfferOpensOnceWhenAPayingGameReaches1000) {
    DrawDigits(m, 980);          // 995
    rig.ScriptSteps({8, 7, 7});  // 2-2-5 pays 5
    rig.PullLever();
    EXPECT_EQ(m.ScreenMode, Screen::Offer);
    EXPECT_TRUE(Shows(m.hdcScreen, places::DisplayWindow, cells::OfferPanel));
    EXPECT_EQ(rig.SoundsPlayed().back(), Sfx::Congrats);
    rig.PressOn(places::PanelContinueButton);
    EXPECT_EQ(m.ScreenMode, Screen::Reels);
    EXPECT_EQ(m.ScoreTable[0].Score, 1000);
    rig.ScriptSteps({8, 7, 7});
    rig.PullLever();
    EXPECT_EQ(m.ScreenMode, Screen::Reels);
}

}  // namespace
}  // namespace fw::test
