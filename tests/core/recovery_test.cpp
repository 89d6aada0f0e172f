// The run record: a run that ends without a quit is entered at the next start
// exactly as its quit would have entered it, and only once; a clean quit leaves
// no record; a record that cannot be read is kept aside; what the player must
// know about the records is said once, at start-up.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"
#include "records/recovery.h"
#include "records/settings.h"

namespace fw::test {
namespace {

using Stored = std::map<std::string, std::string>;

// A list the runs enter in its middle: 90, 80, ..., 0 coins.
Stored LowList() {
    Stored list;
    for (int n = 1; n <= 10; ++n) list[HighSection(n) + "/Score"] = std::to_string(100 - 10 * n);
    return list;
}

// A run on the stored settings: a stack of coins, a game, the player renames
// herself Tess, two more games. It ends where the caller says.
struct PlayedRun {
    explicit PlayedRun(const Stored& stored) : random(20240607), rig({"Fruit.Thm"}, nullptr, &random) {
        rig.store.durable = stored;
        rig.host.configDialog = [](ConfigValues& values) {
            values.name = "Tess";
            return true;
        };
        rig.StartPlaying();
        rig.InsertCoins(3);
        rig.PullLever();
        rig.Send(ev::MenuConfig{});
        rig.PullLever();
        rig.PullLever();
    }
    SeededRandom random;
    Rig rig;
};

// The high-score row that holds the name, 11 when none does.
int RowNamed(const Stored& stored, const std::string& name) {
    int row = 1;
    while (row <= 10 && stored.count(HighSection(row) + "/Name") &&
           stored.at(HighSection(row) + "/Name") != name)
        ++row;
    return row;
}

// The next start on what a run left behind.
void StartAfter(Rig& next, const MemoryStore& left) {
    next.store.durable = left.durable;
    next.store.runRecord = left.runRecord;
    next.Start();
}

TEST(RunRecord, ARunKilledAfterItsThirdGameIsEnteredAsItsQuitWouldHaveEnteredIt) {
    PlayedRun quitting(LowList());
    quitting.rig.Send(ev::MenuQuit{});
    PlayedRun killed(LowList());
    const Integer purse = killed.rig.m.ScoreTable[0].Score;
    ASSERT_GT(killed.rig.m.ScoreTable[0].Played, 2);

    Rig next;
    StartAfter(next, killed.rig.store);
    EXPECT_EQ(next.host.messages, std::vector<std::string>{
                                      "Fruitwhirl: Your last run ended unexpectedly; its " +
                                      std::to_string(purse) + " coins were entered in the high-score list."});
    EXPECT_FALSE(next.store.runRecord);
    // Every stored key as the quit stored it, but the play time: the quit's
    // closing wipe and pauses took 800 ms more of it.
    Stored recovered = next.store.durable, quit = quitting.rig.store.durable;
    const int row = RowNamed(quit, "Tess");
    ASSERT_LE(row, 10);
    const std::string etime = HighSection(row) + "/ETime";
    EXPECT_EQ(std::stoi(recovered[etime]) + 800, std::stoi(quit[etime]));
    recovered.erase(etime);
    quit.erase(etime);
    EXPECT_EQ(recovered, quit);
    EXPECT_EQ(next.m.ScoreTable[0].Name, "Tess");
}

TEST(RunRecord, FollowsEveryGameAndTheNewNameAndACleanQuitRemovesIt) {
    PlayedRun run(LowList());
    std::vector<std::string> kept;
    for (const auto& text : run.rig.store.runRecords) {
        const auto record = ParseRunRecord(text);
        ASSERT_TRUE(record) << text;
        kept.push_back(record->Name + " " + std::to_string(record->Played));
    }
    // The coins, each game and the new name; the clock's ticks change nothing.
    EXPECT_EQ(kept, (std::vector<std::string>{"NoName 0", "NoName 1", "Tess 1", "Tess 2", "Tess 3"}));
    run.rig.Send(ev::MenuQuit{});
    EXPECT_FALSE(run.rig.store.runRecord);
    EXPECT_EQ(run.rig.host.endStatus, 0);
}

TEST(RunRecord, AQuitThatCannotSaveKeepsTheRecordForTheNextStart) {
    PlayedRun run(LowList());
    run.rig.store.failFlush = true;
    run.rig.Send(ev::MenuQuit{});
    EXPECT_EQ(run.rig.host.endStatus, 1);
    Rig next;
    StartAfter(next, run.rig.store);
    EXPECT_LE(RowNamed(next.store.durable, "Tess"), 10);
    EXPECT_FALSE(next.store.runRecord);
}

TEST(RunRecord, AQuitCutShortAfterItsSaveEntersTheRunOnce) {
    PlayedRun run(LowList());
    run.rig.Send(ev::MenuQuit{});
    // Killed between the save and the removal of the record.
    run.rig.store.runRecord = run.rig.store.runRecords.back();
    Rig next;
    StartAfter(next, run.rig.store);
    EXPECT_EQ(next.store.durable, run.rig.store.durable);
    EXPECT_TRUE(next.host.messages.empty());
    EXPECT_FALSE(next.store.runRecord);
}

TEST(RunRecord, ARecordThatCannotBeReadIsKeptAsideAndTheListStaysAsItWas) {
    ScoreRecord run;
    run.Name = "Ulf";
    run.Score = 500;
    const std::string good = RunRecordText(run);
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    for (const std::string& bad :
         {std::string(), std::string("\x01\xff garbage"), good.substr(0, good.size() - 4), good + "Score=1\n",
          replaced("Score=500", "Score=5OO"), replaced("Played=0", "Played=-1"),
          replaced("Stat-03=0\n", "")}) {
        Rig next;
        next.store.runRecord = bad;
        next.Start();
        EXPECT_EQ(next.store.aside["Fruitwhirl-damaged-1.record"], bad);
        EXPECT_FALSE(next.store.runRecord);
        EXPECT_EQ(next.host.messages,
                  std::vector<std::string>{"Fruitwhirl: The record of your last run could not be "
                                           "read; it was kept as \"Fruitwhirl-damaged-1.record\"."});
        EXPECT_EQ(next.m.ScoreTable[1].Name, "Ardo");
        EXPECT_EQ(next.store.flushes, 0);
    }
}

TEST(RunRecord, ARunThatCannotBeStoredAtStartUpWaitsInItsRecordUntilAQuitSaves) {
    ScoreRecord earlier;
    earlier.Name = "Vera";
    earlier.Score = 5;
    Rig next;
    next.store.runRecord = RunRecordText(earlier);
    next.store.notices = {"The settings file was odd."};
    next.store.failFlush = true;
    next.Start();
    ASSERT_EQ(next.host.messages.size(), 1u);
    EXPECT_EQ(next.host.messages[0].rfind(
                  "Fruitwhirl: The settings file was odd.\n\nYour last run ended unexpectedly; "
                  "its 5 coins were too few for the high-score list. The settings could not be "
                  "saved, so its record was kept for the next start.",
                  0),
              0u);
    EXPECT_LT(std::find(next.host.calls.begin(), next.host.calls.end(), "ShowWindow"),
              std::find(next.host.calls.begin(), next.host.calls.end(), "ShowMessage"));
    next.InsertCoins(3);
    next.PullLever();
    EXPECT_EQ(next.store.runRecord, RunRecordText(earlier));  // this run does not write over it
    next.store.failFlush = false;
    next.Send(ev::MenuQuit{});
    EXPECT_FALSE(next.store.runRecord);
    EXPECT_EQ(next.store.Value("GameCfg", "Name"), "Vera");
    EXPECT_EQ(next.host.messages.size(), 1u);
    EXPECT_EQ(next.store.opens, 1);
}

}  // namespace
}  // namespace fw::test
