// Scoring a game: the symbol-2 rule, the pay table, the Mania specials, the
// shows that go with them, the payout and the next game's hold buttons.
#include <gtest/gtest.h>

#include "fakes.h"
#include "play/evaluate.h"
#include "play/mania.h"

namespace fw::test {
namespace {

class Evaluate : public ::testing::Test {
protected:
    void SetUp() override {
        rig.StartPlaying();
        rig.InsertCoins(2);    // 5 credits, purse 15
        m.HoldAllowed = True;  // as after a spin without holds
        rig.ForgetSounds();
        rig.clock.waits.clear();
    }
    void Score(const std::string& line) {
        m.LineText[1] = line;
        EvaluateWin(m);
    }
    bool HoldLit(int r) const { return ShowsSprite(m.hdcScreen, 97 + 44 * r, 180, 21, 11, 295, 218); }
    Rig rig;
    Machine& m = rig.m;
};

TEST_F(Evaluate, TwoTwoTwoPaysFiveByTheSymbol2RuleAndKeepsTheHolds) {
    Score("2-2-2");
    EXPECT_EQ(m.LastWin, 5);
    EXPECT_EQ(m.ScoreTable[0].Stat[1], 1);
    EXPECT_EQ(m.ScoreTable[0].Wun, 1);
    EXPECT_EQ(m.WinLock, (std::array<Integer, 3>{1, 1, 0}));
    EXPECT_EQ(m.WinFlag, True);
    EXPECT_EQ(m.HoldAllowed, True);
    EXPECT_EQ(m.ScoreTable[0].Score, 20);
    EXPECT_EQ(m.Credits, 4);
    EXPECT_FALSE(HoldLit(0));
    EXPECT_FALSE(HoldLit(1));
    EXPECT_TRUE(HoldLit(2));
}

TEST_F(Evaluate, ThreeTwoTwoWinsNothing) {
    Score("3-2-2");
    EXPECT_EQ(m.LastWin, 0);
    EXPECT_EQ(m.ScoreTable[0].Wun, 0);
    EXPECT_EQ(m.ScoreTable[0].Stat, (std::array<Integer, 12>{}));
    EXPECT_EQ(m.HoldAllowed, True);
    EXPECT_TRUE(rig.sound.calls.empty());
    EXPECT_TRUE(rig.clock.waits.empty());  // no show, no pause
    for (int r = 0; r < 3; ++r) EXPECT_TRUE(HoldLit(r));
}

TEST_F(Evaluate, ThreeTenTwelvePaysTenInCategory3AndEndsTheHolds) {
    Score("3-10-12");
    EXPECT_EQ(m.LastWin, 10);
    EXPECT_EQ(m.ScoreTable[0].Stat[3], 1);
    EXPECT_EQ(m.WinLock, (std::array<Integer, 3>{0, 0, 0}));
    EXPECT_EQ(m.WinFlag, False);
    EXPECT_EQ(m.HoldAllowed, False);
    for (int r = 0; r < 3; ++r) EXPECT_FALSE(HoldLit(r));
    // Win sound, 16 banner frames, 150 ms, eight coin drops, the count, 150 ms.
    const auto played = rig.SoundsPlayed();
    EXPECT_EQ(played.front(), 17);
    EXPECT_EQ(std::count(played.begin(), played.end(), 10), 8);
    EXPECT_EQ(m.ScoreTable[0].Score, 25);
}

TEST_F(Evaluate, ThreeTenTwelveInManiaAlsoHitsTheSpecialsOfReels1And2) {
    StartMania(m);
    rig.ForgetSounds();
    rig.random.values = {0.6};  // the wheel stops on position 2: 40 coins
    Score("3-10-12");
    EXPECT_EQ(m.WinLock, (std::array<Integer, 3>{0, 1, 1}));
    EXPECT_EQ(m.WinFlag, True);
    EXPECT_EQ(m.HoldAllowed, False);  // the table win paid more than 5
    EXPECT_EQ(m.LastWin, 10 + 40);
    const auto played = rig.SoundsPlayed();
    EXPECT_EQ(played.front(), 12);                                // the siren turns 4 times
    EXPECT_GT(std::count(played.begin(), played.end(), 14), 16);  // the wheel ticks
    EXPECT_EQ(m.ScoreTable[0].Stat[3], 1);
    EXPECT_EQ(m.ScoreTable[0].Wun, 1);
}

TEST_F(Evaluate, NineNineTwelveInManiaIsAHundredWithoutTheWheelAndRestartsMania) {
    StartMania(m);
    for (int i = 0; i < 6; ++i) rig.Send(ev::Tick{TimerId::MultiCheck});
    ASSERT_EQ(m.ManiaTicks, 6);
    rig.ForgetSounds();
    rig.clock.waits.clear();
    Score("9-9-12");
    EXPECT_EQ(m.LastWin, 100);
    EXPECT_EQ(m.ScoreTable[0].Stat[11], 1);
    EXPECT_EQ(m.ManiaTicks, 0);
    EXPECT_EQ(m.ManiaActive, True);
    const auto played = rig.SoundsPlayed();
    EXPECT_EQ(std::count(played.begin(), played.end(), 14), 0);  // no wheel
    // Siren 8 turns, win, banner, 100 ms, lamp, 150, 15 coin drops, count, Mania, 150.
    std::vector<int> order;
    for (int s : played)
        if (s != 10) order.push_back(s);
    EXPECT_EQ(order, (std::vector<int>{13, 17, 16, 8}));
    EXPECT_EQ(std::count(played.begin(), played.end(), 10), 15);
    const auto waits = rig.clock.WaitsMs();
    EXPECT_EQ(std::count(waits.begin(), waits.begin() + 64, 49), 64);
    EXPECT_EQ(waits[64], 80);
    EXPECT_EQ(waits[64 + 16], 100);
    EXPECT_EQ(waits.back(), 150);
}

TEST_F(Evaluate, NineFourFourInManiaAfterAnUnheldSpinLocksReel0Only) {
    StartMania(m);
    rig.random.values = {0.1};  // 20 coins
    Score("9-4-4");
    EXPECT_EQ(m.LastWin, 20);
    EXPECT_EQ(m.ScoreTable[0].Wun, 0);  // a special hit alone counts in no category
    EXPECT_EQ(m.HoldAllowed, True);
    EXPECT_FALSE(HoldLit(0));
    EXPECT_TRUE(HoldLit(1));
    EXPECT_TRUE(HoldLit(2));
    EXPECT_EQ(m.ScoreTable[0].Score, 15 + 20);
}

TEST_F(Evaluate, NineFourFourInManiaAfterAHeldSpinLeavesEveryButtonDark) {
    StartMania(m);
    m.HoldAllowed = False;  // what a held spin leaves
    rig.random.values = {0.9};
    Score("9-4-4");
    EXPECT_EQ(m.LastWin, 50);
    for (int r = 0; r < 3; ++r) EXPECT_FALSE(HoldLit(r));
}

TEST_F(Evaluate, ASpecialSymbolOutsideManiaDoesNothing) {
    Score("9-4-4");
    EXPECT_EQ(m.LastWin, 0);
    EXPECT_TRUE(rig.sound.calls.empty());
}

TEST_F(Evaluate, FiftyAndSeventyFiveFlashTheirLamps) {
    std::vector<int> lit;
    rig.clock.onWait = [&] {
        for (int n = 0; n < 3; ++n)
            if (ShowsSprite(m.hdcScreen, 52, 73 + 37 * n, 29, 20, 289 + 29 * n, 53)) lit.push_back(n);
    };
    Score("5-0-0");
    EXPECT_EQ(std::count(lit.begin(), lit.end(), 0), 7);
    EXPECT_TRUE(ShowsSprite(m.hdcScreen, 52, 73, 29, 20, 289, 73));  // ends dim
    EXPECT_EQ(m.ScoreTable[0].Stat[8], 1);
    lit.clear();
    Score("6-11-4");
    EXPECT_EQ(std::count(lit.begin(), lit.end(), 1), 7);
    EXPECT_EQ(m.ScoreTable[0].Stat[10], 1);
    EXPECT_EQ(m.ManiaActive, False);  // only a hundred starts Mania
}

TEST_F(Evaluate, TheBannerFlashes16TimesAndEndsOnFrame0) {
    std::vector<int> frames;
    rig.clock.onWait = [&] {
        for (int k = 0; k < 3; ++k)
            if (ShowsSprite(m.hdcScreen, 80, 199, 145, 14, 144, 53 + 14 * k) &&
                rig.clock.waits.back() == std::chrono::milliseconds(80))
                frames.push_back(k);
    };
    Score("7-7-7");
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0}));
}

TEST_F(Evaluate, CoinDropsPerAmount) {
    EXPECT_EQ(PayoutDrops(2), 2);
    EXPECT_EQ(PayoutDrops(5), 5);
    EXPECT_EQ(PayoutDrops(10), 8);
    EXPECT_EQ(PayoutDrops(20), 8);
    EXPECT_EQ(PayoutDrops(49), 8);
    EXPECT_EQ(PayoutDrops(50), 11);
    EXPECT_EQ(PayoutDrops(99), 11);
    EXPECT_EQ(PayoutDrops(100), 15);
    EXPECT_EQ(PayoutDrops(150), 15);
    for (int odd : {1, 3, 4, 6, 9}) EXPECT_EQ(PayoutDrops(odd), 0);
}

TEST_F(Evaluate, TheAmountIsWrittenInTheTrayCentred) {
    rig.random.values = {0.0};  // every coin drops at x = 135
    ShowPayout(m, 25);
    // Two digits start at x = 146, yellow, drawn through the mask.
    const int k2 = 32;  // '2' in the font: A..Z, Å, Ä, Ö, ':', then the digits
    for (int j = 0; j < 7; ++j) {
        for (int i = 0; i < 6; ++i) {
            const std::uint32_t mask = SpritePixel(6 * k2 + i, 330 + j);
            const std::uint32_t glyph = SpritePixel(6 * k2 + i, 323 + j);
            // Under it: the empty tray frame left by the last drop at x = 135..150, then the machine.
            const int x = 146 + i;
            const std::uint32_t under =
                x <= 150 ? SpritePixel(192 + x - 135, 95 + 10 + j) : MachinePixel(x, 231 + j);
            ASSERT_EQ(m.hdcScreen.pixel(146 + i, 231 + j), (under & mask) ^ glyph) << i << "," << j;
        }
    }
    const auto waits = rig.clock.WaitsMs();
    EXPECT_EQ(waits.size(), 8u * 14u);
}

TEST_F(Evaluate, TheOfferIsRaisedOnceWhenAPayingGameReaches1000) {
    m.ScoreTable[0].Score = 990;
    Score("3-3-3");
    EXPECT_EQ(m.OfferPending, True);
    m.OfferPending = False;
    m.OfferShown = True;
    Score("3-3-3");
    EXPECT_EQ(m.OfferPending, False);
}

TEST_F(Evaluate, NoOfferAfterAGameThatPaidNothing) {
    m.ScoreTable[0].Score = 1500;
    Score("3-2-2");
    EXPECT_EQ(m.OfferPending, False);
}

TEST_F(Evaluate, CountersStayAt32767) {
    m.ScoreTable[0].Wun = 32767;
    m.ScoreTable[0].Stat[2] = 32767;
    m.ScoreTable[0].Score = 32760;
    Score("3-3-3");
    EXPECT_EQ(m.ScoreTable[0].Wun, 32767);
    EXPECT_EQ(m.ScoreTable[0].Stat[2], 32767);
    EXPECT_EQ(m.ScoreTable[0].Score, 32767);
}

TEST(LineTokens, ReadTheIdsInReelOrderAndStartAgain) {
    Rig rig;
    EXPECT_EQ(NextLineToken(rig.m, "9-10-12"), "9");
    EXPECT_EQ(NextLineToken(rig.m, "9-10-12"), "10");
    EXPECT_EQ(NextLineToken(rig.m, "9-10-12"), "12");
    EXPECT_EQ(rig.m.LineCursor, 0);
    EXPECT_EQ(NextLineToken(rig.m, "11-3-4"), "11");
}

TEST(OfferPanel, OpensAfterTheGameThatReaches1000AndContinueGivesNoCoins) {
    Rig rig;
    rig.StartPlaying();
    Machine& m = rig.m;
    rig.InsertCoins(2);
    m.ScoreTable[0].Score = 995;
    rig.ScriptSteps({8, 7, 7});  // "2-2-5" pays 5: the purse reaches 1000
    rig.ForgetSounds();
    rig.PullLever();
    EXPECT_EQ(m.ScoreTable[0].Score, 1000);
    EXPECT_EQ(m.ScreenMode, Screen::Offer);
    EXPECT_EQ(m.OfferShown, True);
    EXPECT_EQ(m.OfferPending, False);
    EXPECT_TRUE(ShowsSprite(m.hdcScreen, 83, 71, 137, 98, 137, 120));
    EXPECT_EQ(rig.SoundsPlayed().back(), 5);
    EXPECT_EQ(m.hdcScreen, m.hdcCompose);

    rig.Press(200, 150);  // continue
    EXPECT_EQ(m.ScreenMode, Screen::Reels);
    EXPECT_EQ(m.ScoreTable[0].Score, 1000);
    EXPECT_TRUE(ShowsSymbol(m.hdcScreen, 0, 1, 2, 1));

    rig.ScriptSteps({8, 7, 7});  // from here: another paying game, no second offer
    m.ReelPos = {0, 0, 0};
    rig.PullLever();
    EXPECT_EQ(m.ScreenMode, Screen::Reels);
}

TEST(OfferPanel, AHundredThatReaches1000StartsManiaThenOpensTheOffer) {
    Rig rig;
    rig.StartPlaying();
    Machine& m = rig.m;
    rig.InsertCoins(2);
    m.ScoreTable[0].Score = 950;
    rig.ScriptSteps({14, 16, 9});  // "9-9-12"
    rig.ForgetSounds();
    rig.PullLever();
    EXPECT_EQ(m.ManiaActive, True);
    EXPECT_EQ(m.ScreenMode, Screen::Offer);
    const auto played = rig.SoundsPlayed();
    const auto mania = std::find(played.begin(), played.end(), 8);
    const auto congrats = std::find(played.begin(), played.end(), 5);
    EXPECT_LT(mania - played.begin(), congrats - played.begin());
}

}  // namespace
}  // namespace fw::test
