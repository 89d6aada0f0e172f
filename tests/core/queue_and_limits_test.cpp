// Where the machine once went plainly wrong: a theme over a panel, the purse limit, stored counts.
#include <gtest/gtest.h>

#include "fakes.h"

namespace fw::test {
namespace {

bool PanelShows(const Machine& m, const Cell& panel) {
    const Cell& w = places::DisplayWindow;
    return Shows(m.display.hdcScreen, w, panel) && m.display.hdcScreen == m.display.hdcCompose;
}

const int kGoX = places::PanelContinueButton.x + 5, kGoY = places::PanelContinueButton.y + 5;

TEST(QueueAndLimits, AThemeQueuedDuringTheSpinThatRaisesTheOfferIsDroppedAndThePanelsKeepTheirButtons) {
    Rig rig({"Fruit.Thm", "Gems.Thm"});
    rig.StartPlaying();
    Machine& m = rig.m;
    rig.PressOn(places::CoinPile, 2);    // a stack from the pile...
    rig.PressOn(places::DisplayWindow);  // ...while another button does nothing...
    const Cell& slot = places::CoinSlot;
    rig.Send(ev::Release{CentreX(slot), CentreY(slot), true, 2});  // ...onto the slot
    m.records.ScoreTable[0].Score = 995;
    rig.ScriptSteps({8, 7, 7});  // "2-2-5" pays 5: the purse reaches 1000
    rig.clock.onWait = [&] { Post(m, ev::MenuTheme{2}); };
    rig.PullLever();
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
    rig.ScriptSteps({14, 16, 9});  // "9-9-12" pays 100: Mania and the offer; five coins reach the purse
    rig.PullLever();
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
