// The machine in words: the captions each event and state tell the player, the hint of View > Hints,
// and the description a screen reader reads, written out by hand (the Fruit theme's names, the strips).
#include <gtest/gtest.h>

#include <functional>

#include "edition/describe.h"
#include "fakes.h"
#include "platform/words.h"
#include "play/mania.h"
#include "presentation/digits.h"
#include "shell/captions.h"
#include "shell/odds.h"

namespace fw::test {
namespace {

using Scene = std::function<void(Rig&)>;

// Scenes played one after another.
Scene Then(std::vector<Scene> scenes) {
    return [=](Rig& rig) {
        for (const Scene& scene : scenes) scene(rig);
    };
}

// A press on a place, with the left button or another.
Scene Press(const Cell& place, int button = 1) {
    return [=](Rig& rig) { rig.PressOn(place, button); };
}

// Games that stop on the lines given, one after another.
Scene Plays(std::vector<std::string> lines) {
    return [=](Rig& rig) {
        for (const std::string& line : lines) rig.Play(line);
    };
}

// Five credits from a stack, fifteen coins left in the pile.
void FiveCredits(Rig& rig) {
    rig.InsertCoins(2);
}

// The jackpot: the Mania period starts.
const Scene Jackpot = Then({FiveCredits, Plays({"9-9-12"})});

// A scene: coins in (a stack, or with button 1 one coin for a last credit), a game that
// stops on line, then the hold buttons pressed in the order given (0 the left reel).
Scene Game(const std::string& line, std::vector<int> holds = {}, int button = 2) {
    return [=](Rig& rig) {
        rig.InsertCoins(button);
        rig.Play(line);
        for (int reel : holds) rig.PressHold(reel);
    };
}
Scene LastCreditGame(const std::string& line, std::vector<int> holds = {}) {
    return Game(line, holds, 1);
}

// The pile pressed when it is empty: with no credit left, the out-of-coins panel opens.
const Scene PressTheEmptyPile = Then({[](Rig& rig) { rig.SetPurse(0); }, Press(places::CoinPile)});

// The offer panel: a game that takes the purse to 1000 coins ("2-2-5" pays 5).
const Scene OfferAt1000 = Then({FiveCredits, [](Rig& rig) { rig.SetPurse(995); }, Plays({"2-2-5"})});

struct Row {
    const char* rule;
    Scene scene;
    std::string caption;  // the last caption (or the description)
    bool urgent = false;
    std::vector<std::string> themes{"Fruit.Thm"};
};

// A game in the Mania period, one tick of its clock after the jackpot.
Scene ManiaGame(const std::string& line, int wheelStop) {
    return [=](Rig& rig) {
        Jackpot(rig);
        rig.Send(ev::Tick{TimerId::MultiCheck});
        rig.Play(line, wheelStop);
    };
}

// With View > Hints on, a game of five credits that stops on line.
Scene HintedGame(const std::string& line) {
    return Then({[](Rig& rig) { ShowHints(rig.m, true); }, Game(line)});
}

TEST(Captions, EachEventAndStateTellsWhatHappenedAndWhatThePlayerCanDoNow) {
    const std::vector<Row> rows{
        {"a fresh start asks for a coin", [](Rig&) {}, "Insert a coin to play."},
        {"coins count the credits", FiveCredits, "5 credits. Pull the lever to play."},
        {"the lever without a credit is refused for want of a coin", Press(places::LeverKnob),
         "No credit: insert a coin."},
        {"a game without a win names the line and offers holds", Game("3-3-7"),
         "No win: lemon, lemon, orange. Hold up to two reels, or pull the lever."},
        {"a win names the pay table's line and its coins", Game("3-0-0"),
         "Lemon, star, star: 10 coins. Pull the lever to play."},
        {"cherries on the left reel pay whatever the others show, and keep their reel", Game("2-8-4"),
         "Cherries on the left reel: 2 coins. Hold up to two reels, or pull the lever."},
        {"two cherries keep two reels, leaving one to hold", Game("2-2-5"),
         "Cherries on the left and middle reels: 5 coins. You may hold the right reel, or pull the lever."},
        {"the jackpot starts the Mania period, at once", Jackpot,
         "Lucky seven, lucky seven, crown: 100 coins. Mania starts: 2:20 of bonus play. Pull the lever to "
         "play.",
         true},
        {"a game in the Mania period adds the bonus wheel and the time left", ManiaGame("3-10-0", 2),
         "Lemon, BAR, star: 10 coins. The bonus wheel adds 40 coins. Mania: 1:57 left. Pull the lever to "
         "play."},
        {"a special symbol alone pays by the bonus wheel and keeps its reel", ManiaGame("3-10-7", 0),
         "Lemon, BAR, orange: the bonus wheel pays 20 coins. Mania: 1:58 left. Hold up to two reels, or "
         "pull the lever."},
        {"a hold holds its reel and offers a second", Game("3-3-7", {0}),
         "Left reel held. Hold another reel, or pull the lever."},
        {"two held reels leave the lever", Game("3-3-7", {0, 2}),
         "Right reel held. Pull the lever to spin the reels not held."},
        {"a third hold is refused", Game("3-3-7", {0, 2, 1}), "Two reels are held already."},
        {"a held reel let go offers the holds again", Game("3-3-7", {1, 1}),
         "Middle reel let go. Hold up to two reels, or pull the lever."},
        {"the reel a win keeps cannot be held", Game("2-8-4", {0}),
         "The win keeps this reel: it cannot be held."},
        {"a game after a win of more than 5 coins offers no hold", Game("3-0-0", {1}),
         "This game offers no hold: pull the lever."},
        {"the last credit's game asks for a coin instead of offering holds", LastCreditGame("3-3-7"),
         "No win: lemon, lemon, orange. Insert a coin to play."},
        {"a hold without a credit asks for a coin", LastCreditGame("3-3-7", {1}),
         "No credit: insert a coin."},
        {"the empty pile with credits in the machine is refused", Then({FiveCredits, PressTheEmptyPile}),
         "Your pile is empty: play your credits first."},
        {"a coin into a full machine is refused",
         Then({FiveCredits, FiveCredits, [](Rig& rig) { rig.InsertCoins(); }}),
         "The machine holds 10 credits, its most: pull the lever."},
        {"the out-of-coins panel offers its two choices, at once", PressTheEmptyPile,
         "Out of coins: quit, or take a fresh pile of 20 coins.", true},
        {"the out-of-coins panel's continue gives a fresh pile",
         Then({PressTheEmptyPile, Press(places::PanelContinueButton)}),
         "A fresh pile of 20 coins. Insert a coin to play."},
        {"the offer panel at 1000 coins offers its two choices, at once", OfferAt1000,
         "1000 coins! Quit with them, or play on.", true},
        {"the offer panel's continue plays on", Then({OfferAt1000, Press(places::PanelContinueButton)}),
         "Playing on. You may hold the right reel, or pull the lever."},
        {"the high-score list tells the place the run would take",
         Then({[](Rig& rig) { rig.SetPurse(125); }, Press(places::ReelWindowZone)}),
         "High scores: with your 125 coins you would be number 4. Press a line for its statistics."},
        {"the high-score list tells a run below it", Press(places::ReelWindowZone),
         "High scores: your 20 coins are not enough for the list yet. Press a line for its statistics."},
        {"a line's statistics page tells its figures",
         Then({Press(places::ReelWindowZone), Press(places::ListLineZone(0))}),
         "Statistics of Ardo: 0 games played, 0 won, play time 00:00:00. No prize won yet. "
         "Press the page to go back to the reels."},
        {"the run's own statistics page tells its figures and each prize won, in the pay table's order",
         Then({FiveCredits, Plays({"3-0-0", "3-3-7", "2-8-4", "9-9-12"}), Press(places::ReelWindowZone, 2)}),
         "Your statistics: 4 games played, 3 won, play time 00:00:25. "
         "Prizes 1 to 12 won: 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1. Press the page to go back to the reels."},
        {"back at the reels the caption says what to do",
         Then({Press(places::ReelWindowZone, 2), Press(places::ReelWindowZone)}), "Insert a coin to play."},
        {"another shipped theme names the symbols its own way",
         Game("2-8-4"),
         "Ruby heart on the left reel: 2 coins. Hold up to two reels, or pull the lever.",
         false,
         {"Jewels.Thm"}},
        {"a player's own theme names the symbols by number",
         Game("3-0-0"),
         "Symbol 3, symbol 0, symbol 0: 10 coins. Pull the lever to play.",
         false,
         {"Mine.Thm"}},
        {"with hints a game tells the hold that pays most on average", HintedGame("3-3-7"),
         "No win: lemon, lemon, orange. Hold up to two reels, or pull the lever. "
         "Best: hold the left and middle reels, 3.7 coins on average."},
        {"the hint passes over the reel a win keeps", HintedGame("2-8-4"),
         "Cherries on the left reel: 2 coins. Hold up to two reels, or pull the lever. "
         "Best: hold the right reel, 3.7 coins on average."},
        {"the hint may name the left reel alone", HintedGame("5-2-3"),
         "No win: grapes, cherries, lemon. Hold up to two reels, or pull the lever. "
         "Best: hold the left reel, 1.5 coins on average."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        Rig rig(row.themes);
        rig.StartPlaying();
        row.scene(rig);
        ASSERT_FALSE(rig.host.captions.empty());
        EXPECT_EQ(rig.host.captions.back().sentence, row.caption);
        EXPECT_EQ(rig.host.captions.back().urgent, row.urgent);
    }
}

TEST(Captions, ASentenceThatStartsWithASymbolsNameStartsWithACapitalInEveryLanguage) {
    for (const auto& [name, capital] : {std::pair{"érable", "Érable"},
                                        {"łódź", "Łódź"},
                                        {"ōra", "Ōra"},
                                        {"žuta", "Žuta"},
                                        {"Ølen", "Ølen"},
                                        {"1up", "1up"}}) {
        SCOPED_TRACE(name);
        // A language in which the lemon has that name.
        UseCatalogue([lemon = std::string(name)](const Phrase& p) -> std::optional<std::string> {
            if (p.context == "symbol" && p.english == "lemon") return lemon;
            return std::nullopt;
        });
        Rig rig;
        rig.StartPlaying();
        Game("3-0-0")(rig);
        EXPECT_EQ(rig.host.captions.back().sentence,
                  std::string(capital) + ", star, star: 10 coins. Pull the lever to play.");
    }
    UseCatalogue({});
}

TEST(Captions, TheManiaClockTicksSayNothingUntilTheyEndThePeriod) {
    Rig rig;
    rig.StartPlaying();
    Jackpot(rig);
    const std::size_t told = rig.host.captions.size();
    for (int t = 0; t < 14; ++t) rig.Send(ev::Tick{TimerId::MultiCheck});
    ASSERT_EQ(rig.host.captions.size(), told + 1);
    EXPECT_EQ(rig.host.captions.back().sentence, "Mania is over. Pull the lever to play.");
    EXPECT_FALSE(rig.host.captions.back().urgent);
}

TEST(Captions, FiguresWithAFractionUseThePlayersDecimalMark) {
    UseCatalogue([](const Phrase& p) -> std::optional<std::string> {
        if (p.context == "number" && p.english == ".") return ",";
        return std::nullopt;
    });
    Rig rig;
    rig.StartPlaying();
    HintedGame("3-3-7")(rig);
    EXPECT_EQ(rig.host.captions.back().sentence,
              "No win: lemon, lemon, orange. Hold up to two reels, or pull the lever. "
              "Best: hold the left and middle reels, 3,7 coins on average.");
    EXPECT_EQ(OneIn({9, 80}), "1 in 8,89");
    EXPECT_EQ(Percent({297, 200}), "148,5 %");
    UseCatalogue({});
}

// One coin in, and the other 19 of the pile taken as drops take them, one by one.
void LastCoinIn(Rig& rig) {
    rig.InsertCoins();
    for (int i = 0; i < 19; ++i) DrawDigits(rig.m, kTakeOneCoin);
}

// The reels as the start-up leaves them, and the keys' words that most scenes share.
const std::string kStartReels = "Reel 1 shows lemon. Reel 2 shows plum. Reel 3 shows plum. ";
const std::string kLever = "Space: pull the lever. ";
const std::string kCoins = "C: insert a coin. Shift+C: insert a stack of five. ";
const std::string kLists = "H: the high-score list. S: this run's statistics.";

const Row kScenes[] = {
    {"a fresh machine: coins can go in, the lever waits for a credit", [](Rig&) {},
     "Purse: 20 coins. Credits: 0. " + kStartReels + kCoins + kLists},
    {"ten credits: the slot takes no more", Then({FiveCredits, FiveCredits}),
     "Purse: 10 coins. Credits: 10. " + kStartReels + kLever + kLists},
    {"a game without holds offers every reel", Game("3-3-7"),
     "Purse: 15 coins. Credits: 4. Reel 1 shows lemon and can be held. Reel 2 shows lemon and can be held. "
     "Reel 3 shows orange and can be held. " +
         kLever + "1, 2, 3: hold or release a reel. " + kCoins + kLists},
    {"two held reels are named held and close the third", Game("3-3-7", {0, 2}),
     "Purse: 15 coins. Credits: 4. Reel 1 shows lemon and is held. Reel 2 shows lemon. "
     "Reel 3 shows orange and is held. " +
         kLever + "1, 2, 3: hold or release a reel. " + kCoins + kLists},
    {"an empty purse with a credit left: only the lever", LastCoinIn,
     "Purse: 0 coins. Credits: 1. " + kStartReels + kLever + kLists},
    {"nothing left: the pile opens the out-of-coins panel", Then({LastCoinIn, Plays({"3-3-7"})}),
     "Purse: 0 coins. Credits: 0. Reel 1 shows lemon. Reel 2 shows lemon. Reel 3 shows orange. "
     "C: the out-of-coins panel. " +
         kLists},
    {"the out-of-coins panel", PressTheEmptyPile,
     "Purse: 0 coins. Credits: 0. Out of coins: the panel offers a fresh purse or the end of the game. "
     "Space: play on with a fresh purse of 20 coins. Q: quit the game."},
    {"the offer panel", OfferAt1000,
     "Purse: 1000 coins. Credits: 4. You have 1000 coins: the panel offers to end the game with them. "
     "Space: play on with your coins. Q: quit the game."},
    {"the high-score list", Press(places::DisplayWindow),
     "Purse: 20 coins. Credits: 0. The high-score list shows. Your run is not on the list. "
     "1 to 9, 0: the statistics of line 1 to 10. Escape: back to the reels."},
    {"a line's statistics", Then({Press(places::DisplayWindow), Press(places::ListLineZone(2))}),
     "Purse: 20 coins. Credits: 0. The statistics of line 3 of the high-score list show. "
     "Escape: back to the reels."},
    {"this run's statistics", Press(places::DisplayWindow, 2),
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
    for (const Row& scene : kScenes) {
        Rig rig;
        rig.StartPlaying();
        scene.scene(rig);
        EXPECT_EQ(DescribeMachine(rig.m), scene.caption) << scene.rule;
    }
}

}  // namespace
}  // namespace fw::test
