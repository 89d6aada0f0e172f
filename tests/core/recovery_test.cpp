// The run record: a run that ends without a quit is entered at the next start, once; a page
// left resumes as it stood; a record that cannot be read is kept aside.
#include <gtest/gtest.h>

#include <cstdio>

#include "fakes.h"
#include "records/recovery.h"
#include "records/settings.h"
#include "shell/quit.h"

namespace fw::test {
namespace {

// On a list of 90, 80, ..., 0 coins (or of 1000 coins but the tenth line's
// 0): a stack of coins, a game, the player renames herself Tess, two more
// games. The run ends where the caller says.
struct PlayedRun {
    explicit PlayedRun(bool tenth = false) : random(20240607), rig({"Fruit.Thm"}, nullptr, &random) {
        for (int n = 1; n <= 10; ++n)
            rig.store.Set(HighSection(n), "Score",
                          std::to_string(tenth ? (n < 10 ? 1000 : 0) : 100 - 10 * n));
        rig.StartPlaying();
        rig.InsertCoins(3);
        rig.PullLever();
        rig.Configure([](ConfigValues& values) { values.name = "Tess"; });
        rig.PullLever();
        rig.PullLever();
    }
    SeededRandom random;
    Rig rig;
};

// The row of the list that holds the name (10 when none before it does).
int RowNamed(std::map<std::string, std::string> stored, const std::string& name) {
    int row = 1;
    while (row < 10 && stored[HighSection(row) + "/Name"] != name) ++row;
    return row;
}

// The next start on what a run left behind.
void StartAfter(Rig& next, const MemoryStore& left) {
    next.store.durable = left.durable;
    next.store.runRecord = left.runRecord;
    next.Start();
}

TEST(RunRecord, FollowsTheGamesAndTheNameAndAQuitCutShortAfterItsSaveEntersTheRunOnce) {
    PlayedRun run;
    std::vector<std::string> kept;
    for (const auto& text : run.rig.store.runRecords) {
        const auto record = ParseRunRecord(text);
        kept.push_back(record ? record->Name + " " + std::to_string(record->Played) : text);
    }
    // The coins, each game and the new name; the clock's ticks change nothing.
    EXPECT_EQ(kept, (std::vector<std::string>{"NoName 0", "NoName 1", "Tess 1", "Tess 2", "Tess 3"}));
    // Killed between the save and the removal of the record, with the run in
    // the middle of the list or at its tenth line:
    for (const bool tenth : {false, true}) {
        PlayedRun cut(tenth);
        cut.rig.Send(ev::MenuQuit{});
        EXPECT_FALSE(cut.rig.store.runRecord);
        EXPECT_EQ(RowNamed(cut.rig.store.durable, "Tess") == 10, tenth);
        cut.rig.store.runRecord = cut.rig.store.runRecords.back();
        Rig next;
        StartAfter(next, cut.rig.store);
        EXPECT_EQ(next.store.durable, cut.rig.store.durable) << "tenth line: " << tenth;
        EXPECT_TRUE(next.host.messages.empty());
        EXPECT_FALSE(next.store.runRecord);
    }
}

// A run cut short (a crash, a kill: its record is not marked suspended) enters
// the list with the statistics its quit would have entered, and the player is told.
TEST(RunRecord, ARunCutShortEntersTheListWithTheStatisticsItsQuitWouldHaveEntered) {
    PlayedRun quit, cut;
    quit.rig.Send(ev::MenuQuit{});
    Rig next;
    StartAfter(next, cut.rig.store);
    const std::string quitRow = HighSection(RowNamed(quit.rig.store.durable, "Tess"));
    const std::string cutRow = HighSection(RowNamed(next.store.durable, "Tess"));
    for (int k = -2; k < 12; ++k) {
        char key[8];
        std::snprintf(key, sizeof key, "Stat-%02d", k);
        const std::string name = k == -2 ? "Played" : k == -1 ? "Wun" : key;
        EXPECT_EQ(next.store.Value(cutRow, name), quit.rig.store.Value(quitRow, name)) << name;
    }
    EXPECT_NE(next.store.Value(cutRow, "ETime"), "0");
    EXPECT_EQ(next.host.messages.size(), 1u);
}

// A page that goes away without a quit (a browser tab hidden, then closed) keeps the preferences and
// the list as they are and suspends the run: the next start resumes it where it stood, without a word.
TEST(RunRecord, APageLeftWithoutAQuitKeepsThePreferencesAndTheNextStartResumesTheRunAsItStood) {
    PlayedRun left;  // two credits still in the machine
    left.rig.Configure([](ConfigValues& values) { values.speed = 30; });
    left.rig.clock.Advance(std::chrono::minutes(3));
    KeepRecords(left.rig.m);
    KeepRecords(left.rig.m);
    const Surface& was = left.rig.m.display.hdcScreen;
    const std::string run = RunRecordText(CurrentRun(left.rig.m), CurrentRunState(left.rig.m));
    const auto tessRows = [](const MemoryStore& store) {
        int rows = 0;
        for (int n = 1; n <= 10; ++n) rows += store.Value(HighSection(n), "Name") == "Tess";
        return rows;
    };
    EXPECT_EQ(left.rig.store.Value("GameCfg", "Speed") + left.rig.store.Value("GameCfg", "Name"), "30Tess");
    Rig next;
    next.clock.StartAt(90'000'000);  // the time away is no play time
    StartAfter(next, left.rig.store);
    EXPECT_EQ(next.m.config.Speed, 30);
    EXPECT_EQ(RunRecordText(CurrentRun(next.m), CurrentRunState(next.m)), run);
    EXPECT_EQ(CounterText(next.m.display.hdcScreen), CounterText(was));
    EXPECT_EQ(LitCreditLamps(next.m.display.hdcScreen), LitCreditLamps(was));
    EXPECT_TRUE(next.host.messages.empty());
    EXPECT_EQ(tessRows(next.store), 0);
    // A quit ends the resumed run into the list: the start after it begins a new one.
    next.Send(ev::MenuQuit{});
    Rig after;
    StartAfter(after, next.store);
    EXPECT_EQ(tessRows(after.store), 1);
    EXPECT_EQ(CounterText(after.m.display.hdcScreen), "--20");
}

TEST(RunRecord, APageLeftDuringAGameResumesTheRunAsItStoodBeforeTheGame) {
    Rig rig;
    rig.StartPlaying();
    rig.InsertCoins(2);
    const std::string before = RunRecordText(CurrentRun(rig.m), CurrentRunState(rig.m));
    std::optional<std::string> atHide;
    rig.clock.onWait = [&] {
        if (!atHide) KeepRecords(rig.m), atHide = rig.store.runRecord;
    };
    rig.PullLever();
    rig.store.runRecord = atHide;  // the tab discarded while it was hidden
    Rig next;
    StartAfter(next, rig.store);
    EXPECT_EQ(RunRecordText(CurrentRun(next.m), CurrentRunState(next.m)), before);
    EXPECT_TRUE(next.host.messages.empty());
}

// The symbols in the reel window.
std::vector<int> Symbols(const Rig& rig) {
    std::vector<int> shown;
    for (int reel = 0; reel < 3; ++reel)
        for (int row = 0; row < 3; ++row) {
            int s = 0;
            while (s < themecells::kSymbols && !ShowsSymbol(rig.m.display.hdcScreen, reel, row, s)) ++s;
            shown.push_back(s);
        }
    return shown;
}

// A page left after a game comes back with the reels where they stood and the same holds on offer:
// all three after a game without a win, the two free ones after a small win that locked the left
// reel; lit at once with credits left, else woken by the next coin.
TEST(RunRecord, APageLeftWithHoldsOnOfferComesBackWithTheReelsAndTheHoldsAsTheyWere) {
    for (const int button : {1, 2})  // one coin: no credit after the game; a stack: four left
        for (const auto& [steps, holds] : {std::pair{std::vector<int>{7, 7, 7}, "GGG"}, {{8, 8, 7}, "DGG"}}) {
            Rig left;
            left.StartPlaying();
            left.InsertCoins(button);
            left.ScriptSteps(steps);
            left.PullLever();
            ASSERT_EQ(HoldLooks(left.m), button == 1 ? "DDD" : holds);
            KeepRecords(left.m);
            Rig next;
            StartAfter(next, left.store);
            EXPECT_EQ(Symbols(next), Symbols(left)) << holds;
            EXPECT_EQ(HoldLooks(next.m), HoldLooks(left.m));
            next.InsertCoins(1);
            EXPECT_EQ(HoldLooks(next.m), holds);
            // The left reel, then the right: a locked reel refuses; two held reels leave no third.
            next.PressHold(0);
            next.PressHold(2);
            EXPECT_EQ(HoldLooks(next.m), std::string(holds) == "GGG" ? "SDS" : "DGS");
        }
}

// A tab in the background is no play: hidden twice for ten minutes between two minutes of play.
TEST(PlayTime, TheTimeAPageIsHiddenIsNoPlayTime) {
    Rig rig;
    rig.StartPlaying();
    const Long atStart = CurrentRun(rig.m).ETime;
    rig.clock.Advance(std::chrono::minutes(1));
    StepAway(rig.m);
    rig.clock.Advance(std::chrono::minutes(4));
    StepAway(rig.m);
    rig.clock.Advance(std::chrono::minutes(6));
    ComeBack(rig.m);
    rig.clock.Advance(std::chrono::minutes(1));
    EXPECT_EQ(CurrentRun(rig.m).ETime - atStart, 2 * 60'000);
}

TEST(RunRecord, TheGameThatReaches1000IsKeptBeforeItsOfferPanelWipesIn) {
    Rig rig;
    rig.StartPlaying();
    rig.InsertCoins(2);
    rig.m.records.ScoreTable[0].Score = 995;
    rig.ScriptSteps({8, 7, 7});  // "2-2-5" pays 5: the purse reaches 1000
    std::string atLastWait;
    rig.clock.onWait = [&] { atLastWait = rig.store.runRecord.value_or(""); };
    rig.PullLever();
    ASSERT_EQ(rig.m.display.ScreenMode, Screen::Offer);
    EXPECT_EQ(ParseRunRecord(atLastWait).value_or(RunRecord{}).Score, 1000);
}

TEST(RunRecord, ARecordThatCannotBeReadIsKeptAsideAndTheListStaysAsItWas) {
    const std::string good = RunRecordText({.Name = "", .Score = 500});
    auto spoilt = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    for (const std::string& bad :
         {std::string(), std::string("\x01\xff"), good.substr(0, good.size() - 4), good + "Score=1\n",
          spoilt("Score=500", "Score=5OO"), spoilt("Played=0", "Played=-1"), spoilt("Stat-03=0\n", "")}) {
        Rig next;
        next.store.runRecord = bad;
        next.Start();
        EXPECT_EQ(next.store.aside["Fruitwhirl-damaged-1.record"], bad);
        EXPECT_EQ(next.host.messages,
                  std::vector<std::string>{"Fruitwhirl: The record of your last run could not be "
                                           "read; it was kept as \"Fruitwhirl-damaged-1.record\"."});
        EXPECT_FALSE(next.store.runRecord);
        EXPECT_EQ(next.m.records.ScoreTable[1].Score, 150);
        EXPECT_EQ(next.store.flushes, 0);
    }
}

TEST(RunRecord, ARunTheSettingsCannotTakeAtStartUpWaitsInItsRecordAndIsToldOnceWithTheRest) {
    const ScoreRecord earlier{.Name = "Vera", .Score = 5};
    Rig next;
    next.store.runRecord = RunRecordText(earlier);
    next.store.notices = {"The settings file was odd."};
    next.store.failFlush = true;
    next.Start();
    EXPECT_EQ(next.host.messages,
              std::vector<std::string>{
                  "Fruitwhirl: The settings file was odd.\n\nYour last run ended unexpectedly; its "
                  "5 coins were too few for the high-score list. The settings could not be saved, "
                  "so its record was kept for the next start. the settings file cannot be written"});
    EXPECT_EQ(next.host.calls[1], "ShowMessage");  // with the machine in view
    next.InsertCoins(3);
    next.PullLever();
    // The page hidden while the settings still refuse.
    KeepRecords(next.m);
    EXPECT_EQ(next.store.runRecord, RunRecordText(earlier));  // this run does not write over it
    next.store.failFlush = false;
    next.Send(ev::MenuQuit{});
    EXPECT_FALSE(next.store.runRecord);
    EXPECT_EQ(next.store.Value("GameCfg", "Name"), "Vera");
    EXPECT_EQ(next.host.messages.size(), 1u);
}

}  // namespace
}  // namespace fw::test
