// Playing the machine: coins, the lever, holds, wins, the Mania period and the bonus wheel; and
// where it once went plainly wrong: a theme over a panel, the purse limit, stored counts.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"
#include "play/evaluate.h"
#include "play/mania.h"
#include "presentation/digits.h"

namespace fw::test {
namespace {

class Game : public ::testing::Test {
protected:
    void SetUp() override {
        rig.StartPlaying();
        rig.InsertCoins(2);  // five credits, fifteen in the purse
        rig.Forget();
    }
    void Score(const std::string& line) {
        m.reels.LineText[1] = line;
        EvaluateWin(m);
    }
    long Played(Sfx sound) const {
        const std::vector<Sfx> played = rig.SoundsPlayed();
        return std::count(played.begin(), played.end(), sound);
    }
    Rig rig;
    Machine& m = rig.m;
};

TEST(Coins, CoinsWakeTheMachineAndStacksMoveWhatThePurseHoldsUpToTenCredits) {
    Rig rig;
    rig.StartPlaying();
    Machine& m = rig.m;
    rig.PressOn(places::CoinPile);  // let go over the slot once the window lost the mouse: no coin
    rig.Send(ev::Release{CentreX(places::CoinSlot), CentreY(places::CoinSlot), false});
    rig.Forget();
    rig.SetPurse(4);
    rig.InsertCoins();
    EXPECT_EQ(rig.SoundsPlayed(), (std::vector<Sfx>{Sfx::Pick, Sfx::Pay, Sfx::Activate}));
    rig.Forget();
    rig.InsertCoins();
    EXPECT_EQ(rig.SoundsPlayed(), (std::vector<Sfx>{Sfx::Pick, Sfx::Pay})) << "a second coin";
    rig.InsertCoins(2);  // two left in the purse: two move
    EXPECT_EQ(m.purse.Credits, 4);
    EXPECT_EQ(CounterText(m.display.hdcScreen), "---0");
    DrawDigits(m, 18);
    for (int i = 0; i < 4; ++i) rig.InsertCoins();
    rig.InsertCoins(2);  // two of five fit
    EXPECT_EQ(m.records.ScoreTable[0].Score, 12);
    EXPECT_EQ(CounterText(m.display.hdcScreen), "--12");
    EXPECT_EQ(LitCreditLamps(m.display.hdcScreen), 10);
    rig.Forget();
    const Surface before = m.display.hdcScreen;
    rig.InsertCoins();
    EXPECT_EQ(rig.SoundsPlayed(), (std::vector<Sfx>{Sfx::Pick, Sfx::Wrong}));
    EXPECT_TRUE(rig.clock.waits.empty());
    EXPECT_EQ(m.display.hdcScreen, before);
    EXPECT_EQ(m.display.hdcScreen, m.display.hdcCompose);
}

TEST(Coins, AnEmptyPurseIsRefusedWhileCreditsRemainAndOpensThePanelWithout) {
    Rig rig;
    rig.StartPlaying();
    rig.InsertCoins();
    for (int i = 0; i < 19; ++i) DrawDigits(rig.m, kTakeOneCoin);
    rig.Forget();
    rig.PressOn(places::CoinPile);
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<Sfx>{Sfx::Wrong});
    rig.Play("3-3-7");
    rig.PressOn(places::CoinPile);
    rig.Forget();
    rig.PullLever();  // dead while the panel shows
    rig.PressOn(places::CoinPile);
    EXPECT_TRUE(rig.sound.calls.empty() && rig.clock.waits.empty());
}

TEST_F(Game, StatisticsAGameWithHeldReelsCountsAsPlayed) {
    rig.Play("3-3-7");  // no win, holds on offer
    rig.PressHold(0);
    rig.ScriptSteps({7, 7});
    rig.PullLever();
    EXPECT_EQ(m.records.ScoreTable[0].Played, 2);
}

TEST_F(Game, StatisticsEveryWinCountsOnceOnItsPrizesLineAndAmongTheGamesWon) {
    // A line of each prize of the printed pay table, 1 to 12, and its coins.
    const std::pair<const char*, int> prizes[] = {
        {"2-8-4", 2},  {"2-2-8", 5},   {"3-3-3", 10}, {"3-10-12", 10}, {"7-7-7", 15},  {"7-11-4", 15},
        {"6-8-8", 25}, {"8-8-12", 25}, {"5-0-5", 50}, {"5-0-4", 50},   {"6-11-4", 75}, {"9-10-12", 100}};
    for (int prize = 0; prize < 12; ++prize) {
        const auto& [line, coins] = prizes[prize];
        const ScoreRecord before = m.records.ScoreTable[0];
        Score(line);
        const ScoreRecord& after = m.records.ScoreTable[0];
        std::vector<int> counted(12), once(12);
        for (int k = 0; k < 12; ++k) counted[k] = after.Stat[k] - before.Stat[k];
        once[prize] = 1;
        EXPECT_EQ(counted, once) << line;
        EXPECT_EQ(m.purse.LastWin, coins) << line;
        EXPECT_EQ(after.Wun, before.Wun + 1) << line;
    }
}

TEST_F(Game, HoldsOpenAndCloseByTheRules) {
    rig.Play("3-3-7");  // no holds, no win, holds on offer
    EXPECT_EQ(HoldLooks(m), "GGG");
    rig.Forget();
    rig.PressHold(0);
    EXPECT_EQ(HoldLooks(m), "SGG");
    rig.PressHold(1);
    rig.PressHold(2);
    rig.PressHold(0);  // released: the third opens again
    EXPECT_EQ(HoldLooks(m), "GSG");
    rig.PressHold(1);
    rig.PressOn(places::HoldButton(1), 2);  // the right button holds nothing
    EXPECT_EQ(HoldLooks(m), "GGG");
    EXPECT_EQ(rig.random.reseeds, 1);  // the spin drew fresh numbers
    EXPECT_EQ(rig.SoundsPlayed(),
              (std::vector<Sfx>{Sfx::Click, Sfx::Click, Sfx::Wrong, Sfx::Click, Sfx::Click}));
    EXPECT_EQ(m.display.hdcScreen, m.display.hdcCompose);
    // A cherries win locks its reel; the others can both be held.
    rig.Play("2-8-4");
    EXPECT_EQ(HoldLooks(m), "DGG");
    rig.PressHold(1);
    rig.PressHold(2);
    EXPECT_EQ(HoldLooks(m), "DSS");
    rig.PressHold(1);
    rig.PressHold(2);
    EXPECT_EQ(HoldLooks(m), "DGG");
    // The last credit closes the holds and darkens the strip; a coin opens them again.
    m.purse.Credits = 1;
    rig.Play("5-2-3");
    EXPECT_EQ(HoldLooks(m), "DDD");
    rig.Forget();
    rig.PressHold(0);
    EXPECT_EQ(HoldLooks(m), "DDD");
    EXPECT_EQ(rig.SoundsPlayed(), std::vector<Sfx>{Sfx::Wrong}) << "a hold without a credit";
    EXPECT_TRUE(Shows(m.display.hdcScreen, places::CreditStrip, cells::CreditStripDark));
    rig.InsertCoins();
    EXPECT_EQ(HoldLooks(m), "GGG");
    rig.PressHold(0);
    rig.InsertCoins();  // a coin leaves the held reel held
    EXPECT_EQ(HoldLooks(m), "SGG");
}

TEST_F(Game, ThePayoutDropsMoreCoinsFromEachPrizeSizeOn) {
    // Each size's first amount, and the last amount of the size below it.
    for (const auto& [amount, drops] : {std::pair{9, 0}, {10, 8}, {49, 8}, {50, 11}, {99, 11}, {100, 15}}) {
        rig.Forget();
        ShowPayout(m, amount);
        EXPECT_EQ(Played(Sfx::Pay), drops) << amount << " coins";
    }
}

TEST_F(Game, TheManiaPeriodRunsThirteenTicksAndAHundredStartsItAgain) {
    Score("9-10-12");
    EXPECT_TRUE(rig.host.topmost);
    rig.Send(ev::MenuConfig{});
    rig.Send(ev::MenuAbout{});
    EXPECT_EQ(rig.host.calls, std::vector<std::string>{"ShowWindow"});  // the menus are off
    for (int t = 1; t <= 6; ++t) rig.Send(ev::Tick{TimerId::MultiCheck});
    // The record screens and the out-of-coins panel come and go; the themes stay off.
    rig.PressOn(places::DisplayWindow);
    rig.PressOn(places::ListLineZone(4), 2);
    EXPECT_EQ(m.display.ScreenMode, Screen::Reels);
    EXPECT_FALSE(rig.host.menuEnabled[MenuId::Theme]) << "back from the list";
    rig.SetPurse(0);
    m.purse.Credits = 0;
    rig.PressOn(places::CoinPile);
    rig.PressOn(places::PanelContinueButton);
    EXPECT_EQ(m.display.ScreenMode, Screen::Reels);
    EXPECT_FALSE(rig.host.menuEnabled[MenuId::Theme]) << "continued from the panel";
    Score("9-9-12");
    EXPECT_TRUE(Shows(m.display.hdcScreen, places::TimeBar, cells::TimeBarEmpty));
    for (int t = 1; t <= 13; ++t) rig.Send(ev::Tick{TimerId::MultiCheck});
    EXPECT_EQ(m.mania.ManiaActive, True);
    rig.Send(ev::Tick{TimerId::MultiCheck});
    EXPECT_EQ(m.mania.ManiaActive, False);
    EXPECT_FALSE(rig.host.topmost);
    for (MenuId menu : {MenuId::Game, MenuId::Theme, MenuId::Help}) EXPECT_TRUE(rig.host.menuEnabled[menu]);
    const Surface after = m.display.hdcScreen;
    rig.Send(ev::Tick{TimerId::MultiCheck});  // a tick of the stopped timer is dropped
    EXPECT_EQ(m.display.hdcScreen, after);
}

TEST_F(Game, SpecialSymbolsInTheManiaPeriodSpinTheBonusWheel) {
    StartMania(m);
    m.reels.HoldAllowed = True;
    for (int k = 0; k < 4; ++k) {
        rig.Forget();
        rig.random.values = {(k + 0.5) / 4};
        const Integer purse = m.records.ScoreTable[0].Score;
        Score("9-4-4");  // a special symbol on reel 0 alone
        EXPECT_EQ(m.records.ScoreTable[0].Score, purse + (k + 2) * 10);
        EXPECT_EQ(Played(Sfx::Tick),
                  17 + k);                     // four laps and on to its number
        EXPECT_EQ(rig.random.reseeds, k + 1);  // the wheel draws its own number
    }
    EXPECT_EQ(m.records.ScoreTable[0].Wun, 0);  // a special hit alone is in no category
    m.purse.Credits = 3;
    Score("3-10-12");  // the table pays 10 and reels 1 and 2 hit: more than 5 ends the holds
    EXPECT_EQ(m.reels.WinLock, (std::array<Integer, 3>{0, 1, 1}));
    EXPECT_EQ(HoldLooks(m), "DDD");
    rig.Forget();
    Score("9-9-12");  // a hundred: no wheel
    EXPECT_EQ(Played(Sfx::Tick), 0);
}

bool PanelShows(const Machine& m, const Cell& panel) {
    return Shows(m.display.hdcScreen, places::DisplayWindow, panel) &&
           m.display.hdcScreen == m.display.hdcCompose;
}

const int kGoX = places::PanelContinueButton.x + 5, kGoY = places::PanelContinueButton.y + 5;

TEST(QueueAndLimits, AThemeQueuedDuringTheSpinThatRaisesTheOfferIsDroppedAndThePanelsKeepTheirButtons) {
    Rig rig({"Fruit.Thm", "Gems.Thm"});
    rig.StartPlaying();
    Machine& m = rig.m;
    rig.PressOn(places::CoinPile, 2);    // a stack from the pile...
    rig.PressOn(places::DisplayWindow);  // ...while another button does nothing...
    rig.Send(ev::Release{CentreX(places::CoinSlot), CentreY(places::CoinSlot), true, 2});  // ...onto the slot
    rig.SetPurse(995);
    rig.clock.onWait = [&] { Post(m, ev::MenuTheme{2}); };
    rig.Play("2-2-5");  // pays 5: the purse reaches 1000
    EXPECT_TRUE(PanelShows(m, cells::OfferPanel));
    EXPECT_EQ(m.themes.ThemeIndex, 1);
    rig.Press(kGoX, kGoY);
    rig.Send(ev::MenuTheme{2});
    EXPECT_TRUE(ShowsSymbol(m.display.hdcScreen, 0, 1, 2, 2));

    m.records.ScoreTable[0].Score = 0;
    m.purse.Credits = 0;
    rig.Press(places::CoinPile.x + 5, places::CoinPile.y + 5);
    rig.Send(ev::MenuTheme{1});
    EXPECT_TRUE(PanelShows(m, cells::OutOfCoinsPanel));
    rig.Press(kGoX, kGoY);
    EXPECT_EQ(m.records.ScoreTable[0].Score, 20);
    EXPECT_EQ(m.themes.ThemeIndex, 2);
}

TEST(QueueAndLimits, AtThePurseLimitTheCounterShowsThePurseAndManiaEndingUnderThePanelLeavesTheThemesAlone) {
    Rig rig;
    rig.StartPlaying();
    Machine& m = rig.m;
    m.records.ScoreTable[0].Score = kIntegerMax;
    rig.InsertCoins(2);
    EXPECT_EQ(CounterText(m.display.hdcScreen), "2762");
    rig.Play("9-9-12");  // pays 100: Mania and the offer; five coins reach the purse
    EXPECT_EQ(m.records.ScoreTable[0].Score, kIntegerMax);
    EXPECT_EQ(CounterText(m.display.hdcScreen), "2767");
    for (int t = 0; t < 14; ++t) rig.Send(ev::Tick{TimerId::MultiCheck});
    EXPECT_TRUE(m.mania.ManiaActive == False && rig.host.menuEnabled[MenuId::Help]);
    EXPECT_FALSE(rig.host.menuEnabled[MenuId::Theme]);
    rig.Press(kGoX, kGoY);
    EXPECT_TRUE(rig.host.menuEnabled[MenuId::Theme]);
}

TEST(QueueAndLimits, StoredCountsAreTakenUpToTheLargestAndFallBackBeyondEitherEnd) {
    for (const auto& [stored, taken] :
         {std::pair{"-1", false}, {"0", true}, {"32767", true}, {"32768", false}}) {
        Rig rig, plain;
        for (const char* key : {"Score", "Stat-00", "Stat-11", "Played", "Wun"})
            rig.store.Set("High-02", key, stored);
        rig.store.Set("High-03", "ETime", stored);
        rig.Start();
        plain.Start();
        const ScoreRecord& row = rig.m.records.ScoreTable[2];
        const Integer count = taken ? static_cast<Integer>(std::stoi(stored)) : 0;
        EXPECT_EQ(row.Score, taken ? count : plain.m.records.ScoreTable[2].Score) << stored;
        for (const Integer value : {row.Stat[0], row.Stat[11], row.Played, row.Wun})
            EXPECT_EQ(value, count) << stored;
        EXPECT_EQ(rig.m.records.ScoreTable[3].ETime, std::string(stored) == "-1" ? 0 : std::stol(stored))
            << stored;
    }
}

}  // namespace
}  // namespace fw::test
