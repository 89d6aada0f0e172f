// The machine in words, as a screen reader reads it: each scene played with the machine's own
// presses, the description written out by hand (the Fruit theme's names, the strips as printed).
#include <gtest/gtest.h>

#include <functional>

#include "edition/describe.h"
#include "fakes.h"
#include "play/mania.h"
#include "play/panels.h"
#include "presentation/digits.h"

namespace fw::test {
namespace {

// One coin in, and the other 19 of the pile taken as drops take them, one by one.
void LastCoinIn(Rig& rig) {
    rig.InsertCoins();
    for (int i = 0; i < 19; ++i) DrawDigits(rig.m, kTakeOneCoin);
}

struct Scene {
    const char* name;
    std::function<void(Rig&)> play;
    std::string said;
};

// The reels as the start-up leaves them, and the keys' words that most scenes share.
const std::string kStartReels = "Reel 1 shows lemon. Reel 2 shows plum. Reel 3 shows plum. ";
const std::string kLever = "Space: pull the lever. ";
const std::string kCoins = "C: insert a coin. Shift+C: insert a stack of five. ";
const std::string kLists = "H: the high-score list. S: this run's statistics.";

const Scene kScenes[] = {
    {"a fresh machine: coins can go in, the lever waits for a credit", [](Rig&) {},
     "Purse: 20 coins. Credits: 0. " + kStartReels + kCoins + kLists},
    {"a coin makes a credit and the lever ready", [](Rig& rig) { rig.InsertCoins(); },
     "Purse: 19 coins. Credits: 1. " + kStartReels + kLever + kCoins + kLists},
    {"ten credits: the slot takes no more",
     [](Rig& rig) {
         rig.InsertCoins(2);
         rig.InsertCoins(2);
     },
     "Purse: 10 coins. Credits: 10. " + kStartReels + kLever + kLists},
    {"a game without holds offers every reel",
     [](Rig& rig) {
         rig.InsertCoins(2);
         rig.Play("3-3-7");  // lemon, lemon, orange: no win, holds on offer
     },
     "Purse: 15 coins. Credits: 4. Reel 1 shows lemon and can be held. Reel 2 shows lemon and can be held. "
     "Reel 3 shows orange and can be held. " +
         kLever + "1, 2, 3: hold or release a reel. " + kCoins + kLists},
    {"two held reels are named held and close the third",
     [](Rig& rig) {
         rig.InsertCoins(2);
         rig.Play("3-3-7");
         rig.PressHold(0);
         rig.PressHold(2);
     },
     "Purse: 15 coins. Credits: 4. Reel 1 shows lemon and is held. Reel 2 shows lemon. "
     "Reel 3 shows orange and is held. " +
         kLever + "1, 2, 3: hold or release a reel. " + kCoins + kLists},
    {"an empty purse with a credit left: only the lever", LastCoinIn,
     "Purse: 0 coins. Credits: 1. " + kStartReels + kLever + kLists},
    {"nothing left: the pile opens the out-of-coins panel",
     [](Rig& rig) {
         LastCoinIn(rig);
         rig.Play("3-3-7");
     },
     "Purse: 0 coins. Credits: 0. Reel 1 shows lemon. Reel 2 shows lemon. Reel 3 shows orange. "
     "C: the out-of-coins panel. " +
         kLists},
    {"the out-of-coins panel",
     [](Rig& rig) {
         LastCoinIn(rig);
         rig.Play("3-3-7");
         rig.PressOn(places::CoinPile);
     },
     "Purse: 0 coins. Credits: 0. Out of coins: the panel offers a fresh purse or the end of the game. "
     "Space: play on with a fresh purse of 20 coins. Q: quit the game."},
    {"the offer panel", [](Rig& rig) { ShowOfferPanel(rig.m); },
     "Purse: 20 coins. Credits: 0. You have 1000 coins: the panel offers to end the game with them. "
     "Space: play on with your coins. Q: quit the game."},
    {"the high-score list", [](Rig& rig) { rig.PressOn(places::DisplayWindow); },
     "Purse: 20 coins. Credits: 0. The high-score list shows. Your run is not on the list. "
     "1 to 9, 0: the statistics of line 1 to 10. Escape: back to the reels."},
    {"a line's statistics",
     [](Rig& rig) {
         rig.PressOn(places::DisplayWindow);
         rig.PressOn(places::ListLineZone(2));
     },
     "Purse: 20 coins. Credits: 0. The statistics of line 3 of the high-score list show. "
     "Escape: back to the reels."},
    {"this run's statistics", [](Rig& rig) { rig.PressOn(places::DisplayWindow, 2); },
     "Purse: 20 coins. Credits: 0. This run's statistics show. Escape: back to the reels."},
    {"the Mania period's time left",
     [](Rig& rig) {
         rig.InsertCoins();
         StartMania(rig.m);
         for (int t = 0; t < 3; ++t) rig.Send(ev::Tick{TimerId::MultiCheck});
     },
     "Purse: 19 coins. Credits: 1. " + kStartReels + "Mania: 110 seconds left. " + kLever + kCoins + kLists},
};

TEST(Description, TheMachineInWordsNamesThePurseTheReelsAndHoldsTheScreenAndTheKeysThatActNow) {
    for (const Scene& scene : kScenes) {
        Rig rig;
        rig.StartPlaying();
        scene.play(rig);
        EXPECT_EQ(DescribeMachine(rig.m), scene.said) << scene.name;
    }
}

}  // namespace
}  // namespace fw::test
