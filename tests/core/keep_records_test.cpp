// A page that goes away without a quit (a browser tab hidden, closed or
// reloaded): the preferences and the list are kept as they are, the run in the
// run record, and the next start enters the run exactly once.
#include <gtest/gtest.h>

#include "fakes.h"
#include "records/settings.h"
#include "shell/quit.h"

namespace fw::test {
namespace {

TEST(PageLeft, KeepsThePreferencesAndTheRunWhichTheNextStartEntersOnce) {
    SeededRandom random(20240607);
    Rig rig({"Fruit.Thm"}, nullptr, &random);
    for (int n = 1; n <= 10; ++n) rig.store.Set(HighSection(n), "Score", std::to_string(100 - 10 * n));
    rig.host.configDialog = [](ConfigValues& values) {
        values.name = "Tess";
        values.speed = 30;
        return true;
    };
    rig.StartPlaying();
    rig.InsertCoins(3);
    rig.PullLever();
    rig.Send(ev::MenuConfig{});
    rig.PullLever();
    // Hidden, then closed: kept twice, entered by neither.
    KeepRecords(rig.m);
    KeepRecords(rig.m);
    EXPECT_EQ(rig.store.durable["GameCfg/Speed"], "30");
    EXPECT_EQ(rig.store.durable["GameCfg/Name"], "Tess");
    for (int n = 1; n <= 10; ++n) EXPECT_NE(rig.store.durable[HighSection(n) + "/Name"], "Tess");

    Rig next;
    next.store.durable = rig.store.durable;
    next.store.runRecord = rig.store.runRecord;
    next.Start();
    EXPECT_EQ(next.m.Speed, 30);
    int rows = 0;
    for (int n = 1; n <= 10; ++n) rows += next.store.durable[HighSection(n) + "/Name"] == "Tess";
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(next.host.messages,
              std::vector<std::string>{"Fruitwhirl: Your last run ended unexpectedly; its " +
                                       std::to_string(rig.m.ScoreTable[0].Score) +
                                       " coins were entered in the high-score list."});
}

}  // namespace
}  // namespace fw::test
