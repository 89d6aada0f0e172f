// The settings store: first run, the run entering the high-score list at quit,
// corrupt stored values, the reset, and a store that cannot be written.
#include <gtest/gtest.h>

#include "fakes.h"
#include "records/settings.h"

namespace fw::test {
namespace {

const char* kDefaultNames[] = {"Ardo", "Belo", "Cira", "Dovo", "Elin",
                               "Fazu", "Gemo", "Hali", "Iska", "Joru"};

void ExpectDefaultList(const Machine& m) {
    for (int n = 1; n <= 10; ++n) {
        const ScoreRecord& row = m.ScoreTable[n];
        EXPECT_EQ(row.Name, kDefaultNames[n - 1]);
        EXPECT_EQ(row.Score, 160 - 10 * n);
        EXPECT_EQ(row.ETime, 0);
        EXPECT_EQ(row.Played, 0);
        EXPECT_EQ(row.Wun, 0);
        EXPECT_EQ(row.Stat, (std::array<Integer, 12>{}));
    }
}

// Starts, lets the run end with a purse and a play time, and quits.
void PlayAndQuit(Rig& rig, Integer purse, int playMs = 0) {
    rig.Start();
    rig.m.ScoreTable[0].Score = purse;
    rig.clock.Advance(std::chrono::milliseconds(playMs));
    rig.Send(ev::MenuQuit{});
}

TEST(FirstRun, DefaultsEverywhere) {
    Rig rig;
    rig.Start();
    ExpectDefaultList(rig.m);
    EXPECT_EQ(rig.m.ScoreTable[0].Name, "NoName");
    EXPECT_EQ(rig.m.SoundOn, 1);
    EXPECT_EQ(rig.m.ThemeIndex, 1);
    EXPECT_EQ(rig.m.Speed, 50);
    EXPECT_EQ(rig.m.DataCursor, 0);
}

TEST(FirstRun, QuitWritesEverySectionAndKey) {
    Rig rig;
    PlayAndQuit(rig, 20);
    EXPECT_EQ(rig.store.KeysOf("PrgInfo"), (std::vector<std::string>{"Date", "Version"}));
    EXPECT_EQ(rig.store.Value("PrgInfo", "Version"), "5.1");
    EXPECT_EQ(rig.store.Value("PrgInfo", "Date"), "00-02-20");
    EXPECT_EQ(rig.store.KeysOf("GameCfg").size(), 5u);
    EXPECT_EQ(rig.store.Value("GameCfg", "Sound"), "1");
    EXPECT_EQ(rig.store.Value("GameCfg", "Theme"), "1");
    EXPECT_EQ(rig.store.Value("GameCfg", "ThmNr"), "1");
    EXPECT_EQ(rig.store.Value("GameCfg", "Name"), "NoName");
    EXPECT_EQ(rig.store.Value("GameCfg", "Speed"), "50");
    EXPECT_EQ(rig.store.Sections().size(), 12u);
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(rig.store.KeysOf(HighSection(n)).size(), 17u) << n;
    EXPECT_EQ(rig.store.Value("High-10", "Stat-11"), "0");
    EXPECT_EQ(rig.store.flushes, 1);
}

TEST(EnterList, ScoreEqualToRow10EntersAtRow10) {
    Rig rig;
    PlayAndQuit(rig, 60, 5000);
    EXPECT_EQ(rig.store.Value("High-10", "Name"), "NoName");
    EXPECT_EQ(rig.store.Value("High-10", "Score"), "60");
    EXPECT_EQ(rig.store.Value("High-09", "Name"), "Iska");
}

TEST(EnterList, OneBelowRow10LeavesTheListButStillWritesIt) {
    Rig rig;
    PlayAndQuit(rig, 59);
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(rig.store.Value(HighSection(n), "Name"), kDefaultNames[n - 1]);
}

TEST(EnterList, TieWithRow3PlacesTheNewRunAbove) {
    Rig rig;
    rig.store.Set("GameCfg", "Name", "Tess");
    rig.Start();
    rig.m.ScoreTable[0].Score = 130;
    rig.m.ScoreTable[0].Played = 42;
    rig.m.ScoreTable[0].Wun = 7;
    rig.m.ScoreTable[0].Stat[4] = 3;
    rig.clock.Advance(std::chrono::milliseconds(61'000));
    rig.Send(ev::MenuQuit{});
    EXPECT_EQ(rig.store.Value("High-03", "Name"), "Tess");
    EXPECT_EQ(rig.store.Value("High-03", "Played"), "42");
    EXPECT_EQ(rig.store.Value("High-03", "Wun"), "7");
    EXPECT_EQ(rig.store.Value("High-03", "Stat-04"), "3");
    EXPECT_EQ(rig.store.Value("High-04", "Name"), "Cira");
    EXPECT_EQ(rig.store.Value("High-04", "Score"), "130");
    EXPECT_EQ(rig.store.Value("High-10", "Name"), "Iska");
}

TEST(EnterList, BestRunEntersAtRow1AndTheOldRow10IsDropped) {
    Rig rig;
    PlayAndQuit(rig, 999);
    EXPECT_EQ(rig.store.Value("High-01", "Name"), "NoName");
    EXPECT_EQ(rig.store.Value("High-01", "Score"), "999");
    for (int n = 2; n <= 10; ++n) EXPECT_EQ(rig.store.Value(HighSection(n), "Name"), kDefaultNames[n - 2]);
}

TEST(EnterList, PlayTimeIsTheRunsTimeAtQuit) {
    Rig rig;
    PlayAndQuit(rig, 500, 90'000);
    // Between the end of start-up and the save the quit spends 100 + 400 + 300 ms.
    EXPECT_EQ(rig.store.Value("High-01", "ETime"), std::to_string(90'000 + 800));
    EXPECT_EQ(rig.m.ScoreTable[0].ETime, 0);
}

TEST(EnterList, PlayTimeAcrossTheWrapOfTheTickCount) {
    Rig rig;
    rig.clock.StartAt(0xFFFFFFFFu - 2000);
    PlayAndQuit(rig, 500, 10'000);
    EXPECT_EQ(rig.store.Value("High-01", "ETime"), std::to_string(10'000 + 800));
}

TEST(StoredValues, ASecondRunReadsWhatTheFirstWrote) {
    Rig first;
    first.store.Set("GameCfg", "Name", "Rhea");
    PlayAndQuit(first, 135, 1234);
    Rig second;
    second.store.durable = first.store.durable;
    second.Start();
    EXPECT_EQ(second.m.ScoreTable[0].Name, "Rhea");
    EXPECT_EQ(second.m.ScoreTable[3].Name, "Rhea");
    EXPECT_EQ(second.m.ScoreTable[3].Score, 135);
    EXPECT_EQ(second.m.ScoreTable[3].ETime, 1234 + 800);
    EXPECT_EQ(second.m.ScoreTable[4].Name, "Cira");
}

TEST(StoredValues, CorruptNumbersFallBackToTheirDefaults) {
    Rig rig;
    rig.store.Set("GameCfg", "Sound", "yes");
    rig.store.Set("GameCfg", "Speed", "12abc");
    rig.store.Set("High-02", "Score", "40000");  // beyond 16 bits
    rig.store.Set("High-02", "Played", " 5");    // not a plain decimal
    rig.store.Set("High-02", "Wun", "");
    rig.store.Set("High-02", "ETime", "99999999999");  // beyond 32 bits
    rig.store.Set("High-02", "Stat-03", "3.5");
    rig.store.Set("High-05", "Score", "-7");  // no count is negative
    rig.Start();
    EXPECT_EQ(rig.m.SoundOn, 1);
    EXPECT_EQ(rig.m.Speed, 50);
    EXPECT_EQ(rig.m.ScoreTable[2].Score, 140);
    EXPECT_EQ(rig.m.ScoreTable[2].Played, 0);
    EXPECT_EQ(rig.m.ScoreTable[2].Wun, 0);
    EXPECT_EQ(rig.m.ScoreTable[2].ETime, 0);
    EXPECT_EQ(rig.m.ScoreTable[2].Stat[3], 0);
    EXPECT_EQ(rig.m.ScoreTable[5].Score, 110);
}

TEST(StoredValues, SpeedIsClampedTo0To100) {
    for (auto [stored, speed] : {std::pair{"-20", 0}, std::pair{"250", 100}, std::pair{"73", 73}}) {
        Rig rig;
        rig.store.Set("GameCfg", "Speed", stored);
        rig.Start();
        EXPECT_EQ(rig.m.Speed, speed) << stored;
    }
}

TEST(StoredValues, NamesLongerThanTenCharactersAreCut) {
    Rig rig;
    rig.store.Set("GameCfg", "Name", "Maximiliana");
    rig.store.Set("High-01", "Name", "ÅsaÖrnÄngsvik");
    rig.Start();
    EXPECT_EQ(rig.m.ScoreTable[0].Name, "Maximilian");
    EXPECT_EQ(rig.m.ScoreTable[1].Name, "ÅsaÖrnÄngs");
}

TEST(ThemeChoice, FallsBackTo1WhenTheThemesChangedOrTheNumberDoesNotFit) {
    struct Case {
        const char* theme;
        const char* count;
        Integer expected;
    };
    for (const Case c : {Case{"2", "3", 2}, Case{"3", "2", 1}, Case{"4", "3", 1}, Case{"0", "3", 1},
                         Case{"-2", "3", 1}, Case{"two", "3", 1}}) {
        Rig rig({"A.Thm", "B.Thm", "C.Thm"});
        rig.store.Set("GameCfg", "Theme", c.theme);
        rig.store.Set("GameCfg", "ThmNr", c.count);
        rig.Start();
        EXPECT_EQ(rig.m.ThemeIndex, c.expected) << c.theme << "/" << c.count;
        EXPECT_TRUE(rig.host.themeItems[c.expected].checked);
        EXPECT_TRUE(ShowsSymbol(rig.m.hdcScreen, 0, 0, 6, c.expected));
    }
}

TEST(Reset, RestoresTheDefaultListAndLeavesTheRunAlone) {
    Rig rig;
    rig.store.Set("High-01", "Name", "Zed");
    rig.store.Set("High-01", "Score", "900");
    rig.store.Set("High-04", "Stat-07", "12");
    rig.Start();
    rig.m.ScoreTable[0].Name = "Ulla";
    rig.m.ScoreTable[0].Played = 3;
    rig.m.ResetHighScores = True;
    ResetHighScoreList(rig.m);
    ExpectDefaultList(rig.m);
    EXPECT_EQ(rig.m.ResetHighScores, False);
    EXPECT_EQ(rig.m.ScoreTable[0].Name, "Ulla");
    EXPECT_EQ(rig.m.ScoreTable[0].Played, 3);
    EXPECT_EQ(rig.m.DataCursor, 0);
    EXPECT_EQ(rig.store.writes, 0);  // reaches the store only at quit
}

TEST(Reset, QuitAfterAResetStoresTheDefaultsUnlessTheRunEnters) {
    Rig rig;
    rig.store.Set("High-01", "Score", "900");
    rig.Start();
    ResetHighScoreList(rig.m);
    rig.m.ScoreTable[0].Score = 10;
    rig.Send(ev::MenuQuit{});
    EXPECT_EQ(rig.store.Value("High-01", "Score"), "150");
    EXPECT_EQ(rig.store.Value("High-10", "Name"), "Joru");
}

TEST(StoreFailure, TheProgramStillEndsAndSaysTheRecordsWereNotSaved) {
    Rig rig;
    rig.store.Set("High-01", "Name", "Kept");
    rig.store.failFlush = true;
    PlayAndQuit(rig, 999);
    EXPECT_EQ(rig.store.Value("High-01", "Name"), "Kept");  // the old content survives
    ASSERT_EQ(rig.host.errors.size(), 1u);
    EXPECT_NE(rig.host.errors[0].find("could not be saved"), std::string::npos);
    EXPECT_EQ(rig.host.endStatus, 1);
    EXPECT_TRUE(rig.m.ended);
}

}  // namespace
}  // namespace fw::test
