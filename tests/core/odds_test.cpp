// The odds: the program's outcomes and figures, and the rows that show them (the odds window, the
// page's dialog, `--odds`), against exact fractions worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>

#include "edition/odds_rows.h"
#include "fakes.h"
#include "play/evaluate.h"
#include "play/odds.h"
#include "play/reels.h"
#include "play/spin.h"

namespace fw::test {
namespace {

using Reels = std::array<Integer, 3>;

// The reel strips from position 0 to 19, left, middle and right reel, as printed.
const int kPrintedStrips[3][20] = {{9, 3, 7, 3, 8, 5, 3, 2, 4, 7, 2, 7, 5, 9, 3, 7, 5, 2, 3, 6},
                                   {10, 2, 7, 2, 0, 8, 7, 3, 4, 2, 9, 7, 0, 8, 3, 2, 8, 11, 8, 2},
                                   {12, 8, 7, 5, 13, 7, 8, 0, 8, 4, 3, 13, 7, 3, 12, 13, 7, 0, 8, 3}};
// The printed prize of each category (0 and 1 are the symbol-2 wins), and the
// combinations of each, in the order the machine tries them.
const int kPrize[12] = {2, 5, 10, 10, 15, 15, 25, 25, 50, 50, 75, 100};
const std::string kCombos[12] = {"",
                                 "",
                                 "3-3-3 3-0-3 3-10-3 3-3-0 3-0-0 3-10-0",
                                 "3-3-12 3-0-12 3-10-12 3-3-4 3-0-4 3-10-4",
                                 "7-7-7 7-11-7",
                                 "7-7-12 7-11-12 7-7-4 7-11-4",
                                 "6-8-8 8-8-8",
                                 "6-8-12 8-8-12 6-8-4 8-8-4",
                                 "5-0-0 5-0-5",
                                 "5-0-12 5-0-4",
                                 "4-4-12 6-4-12 6-11-12 4-11-12 4-4-4 6-4-4 6-11-4 4-11-4",
                                 "9-10-12 9-9-12"};
// The category a pay line wins, -1 for none, by the rules: symbol 2 on the
// left reel pays 2, on the left two reels 5; otherwise a whole combination.
int CategoryOf(const std::string& line) {
    if (line.starts_with("2-2-")) return 1;
    if (line.starts_with("2-")) return 0;
    for (int c = 2; c < 12; ++c)
        if ((" " + kCombos[c] + " ").find(" " + line + " ") != std::string::npos) return c;
    return -1;
}

// Every cascade from positions 0, 0, 0, against the printed tables: each triple
// of step counts 7..25 is equally likely; reel k stops after the steps of reels
// 0..k, one more each, and the pay line shows the strip two positions behind the stop.
TEST(Odds, EveryOutcomeOfTheProgramMatchesTheExactOdds) {
    Rig rig;
    rig.Start();
    Machine& m = rig.m;
    std::map<int, int> program, exact;  // category (-1 none) -> triples out of 19^3
    int programCoins = 0, exactCoins = 0;
    for (int a = 7; a <= 25; ++a)
        for (int b = 7; b <= 25; ++b)
            for (int c = 7; c <= 25; ++c) {
                const int stop[3] = {a + 1, a + b + 2, a + b + c + 3};
                std::string line;
                for (int k = 0; k < 3; ++k)
                    line += (k ? "-" : "") + std::to_string(kPrintedStrips[k][(stop[k] + 18) % 20]);
                const int category = CategoryOf(line);
                ++exact[category];
                exactCoins += category < 0 ? 0 : kPrize[category];
                m.reels.ReelPos = StopPositions({0, 0, 0}, {a, b, c}, {0, 0, 0});
                const LineScore score = ScoreLine(m, RowText(m, 1));
                ++program[score.won() ? score.category : -1];
                programCoins += score.payout;
            }
    EXPECT_EQ(program, exact);
    EXPECT_EQ(programCoins, exactCoins);  // 10451 / 6859: about 1.52 coins a credit
}

TEST(ExactOdds, FiguresWorkedOutByHand) {
    Rig rig;
    rig.Start();
    Machine& m = rig.m;
    // Long run: every position equally likely, the reels independent. Symbol 2
    // stands 3 times on reel 0's 20 positions and 5 times on reel 1's.
    const GameOdds run = LongRunOdds(m, false);
    EXPECT_EQ(run.prize[0], MakeRational(3 * 15, 20 * 20));
    EXPECT_EQ(run.prize[1], MakeRational(3 * 5, 20 * 20));
    // 100 coins: 9 twice on reel 0; 10 once and 9 once on reel 1; 12 twice on reel 2.
    EXPECT_EQ(run.prize[11], MakeRational(2 * 2 * 2, 8000));
    EXPECT_EQ(StationaryWeights(m), std::vector<std::int64_t>(8000, 1));
    // Mania: a special symbol (9, 10, 12) stands twice on each reel; the wheel spins
    // unless none shows, (18/20)^3, or the 100-coin prize came (8 of those 2168).
    const GameOdds mania = LongRunOdds(m, true);
    EXPECT_EQ(mania.wheel, MakeRational(8000 - 5832 - 8, 8000));
    EXPECT_EQ(mania.payout, run.payout + mania.wheel * MakeRational(35));
    // No win in the period needs no special symbol on the line, and a wheel alone is a win.
    EXPECT_TRUE(mania.noWin < MakeRational(5832, 8000) && mania.noWin < run.noWin);
    // From all reels at 0 reel 0 turns a + 1 (a = 7..25): its pay line shows
    // positions 6..24, every one but 5, so 2 (at 7, 10, 17) with chance 3/19. Reel 1's
    // pay line is at a + b: 19 places in a row, missing a + 6 (14, 17 or 4 for the
    // three a), so it shows 2 (at 1, 3, 9, 15, 19) with chance 5/19.
    const GameOdds next = NextGameOdds(m, {0, 0, 0}, {}, false);
    EXPECT_EQ(next.prize[0], MakeRational(3 * 14, 19 * 19));
    EXPECT_EQ(next.prize[1], MakeRational(3 * 5, 19 * 19));
    // Reel 0 held at 9 shows 2; reel 1 from 0 shows 2 with chance 5/19 as above:
    // 2 coins 14 times in 19, 5 coins 5 times in 19.
    EXPECT_EQ(NextGameOdds(m, {9, 0, 13}, {1, 0, 0}, false).payout, MakeRational(2 * 14 + 5 * 5, 19));
}

TEST(Fractions, StayInLowestTermsAndRefuseWhatDoesNotFit) {
    EXPECT_EQ(MakeRational(6, -4) + MakeRational(1, 2), MakeRational(-1));
    EXPECT_EQ(MakeRational(2, 3) * MakeRational(9, 4) / MakeRational(3, 2), MakeRational(1));
    const Rational huge = MakeRational(INT64_MAX / 2 + 2);  // twice it passes the largest by 2
    EXPECT_THROW(huge + huge, std::overflow_error);
    EXPECT_THROW(huge * MakeRational(3), std::overflow_error);
    EXPECT_THROW(MakeRational(1, 0), std::domain_error);
}

TEST(OddsMenu, OpensTheWindowWithTheFiguresAndFollowsTheGame) {
    Rig rig;
    rig.StartPlaying();
    rig.InsertCoins(2);
    rig.Send(ev::MenuOdds{});
    rig.Send(ev::Tick{TimerId::ElapsedTime});
    const std::vector<OddsReport>& shown = rig.host.oddsShown;
    ASSERT_EQ(shown.size(), 1u);          // nothing has changed since it opened
    EXPECT_TRUE(shown[0].holds.empty());  // the first game offers no hold
    // Pay line 2-8-13 wins 2 coins and locks reel 0: reels 1 and 2 may be held, alone or together.
    rig.ScriptSteps({8, 8, 7});
    rig.PullLever();
    ASSERT_EQ(shown.size(), 2u);
    std::vector<Reels> choices;
    for (const HoldOdds& h : shown[1].holds) {
        choices.push_back({h.held[0], h.held[1], h.held[2]});
        for (const HoldOdds& other : shown[1].holds) EXPECT_FALSE(h.best && h.payout < other.payout);
    }
    EXPECT_EQ(choices, (std::vector<Reels>{{0, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 1, 1}}));
    EXPECT_EQ(std::count_if(shown[1].holds.begin(), shown[1].holds.end(), [](auto& h) { return h.best; }), 1);
}

const OddsSection& Section(const std::vector<OddsSection>& sections, const std::string& key) {
    for (const OddsSection& section : sections) {
        if (section.key == key) return section;
    }
    ADD_FAILURE() << "no section " << key;
    static const OddsSection none;
    return none;
}

// The texts of a row whose first cell says first.
std::vector<std::string> Row(const OddsSection& section, const std::string& first) {
    for (const OddsRow& row : section.rows) {
        std::vector<std::string> texts;
        for (const OddsCell& cell : row.cells) texts.push_back(cell.text);
        if (!texts.empty() && texts[0] == first) return texts;
    }
    ADD_FAILURE() << "no row " << first << " in " << section.key;
    return {};
}

std::vector<OddsSection> RowsOf(Rig& rig) {
    return OddsRows(WorkOutOdds(rig.m), OddsScope::WhereItStands);
}

TEST(OddsRows, ShowTheLongRunAsWorkedOutByHand) {
    Rig rig;
    rig.Start();
    const std::vector<OddsSection> rows = RowsOf(rig);
    // Every position equally likely: 9 twice on reel 0, 10 and 9 once each on
    // reel 1, 12 twice on reel 2 make the 100 coins 8 times in 8000.
    EXPECT_EQ(Row(Section(rows, "Prizes"), "Prize 12")[2], "1 in 1000 (0.10 %)");
    const OddsSection& longRun = Section(rows, "LongRun");
    EXPECT_EQ(Row(longRun, "Return per credit, outside the Mania period")[1], "297/200 coins (148.5 %)");
    EXPECT_EQ(Row(longRun, "Games between 100-coin prizes, on average")[1], "1000");
    // The wheel spins unless no special symbol shows, (18/20)^3, or the 100 coins came: 2160 in 8000.
    EXPECT_EQ(Row(longRun, "Bonus wheel spins in the Mania period")[1], "1 in 3.70 (27.0 %)");
}

TEST(OddsRows, NameThePayLinesByTheThemesSymbols) {
    Rig rig({"Fruit.Thm", "Jewels.Thm"});
    rig.Start();
    // Symbol 2 on the left reel pays whatever the others show; prize 3 is symbol 3
    // three times, or with 0 or 10 in the middle.
    EXPECT_EQ(Row(Section(RowsOf(rig), "PayLines"), "Prize 1")[2], "cherries, any, any");
    EXPECT_TRUE(Row(Section(RowsOf(rig), "PayLines"), "Prize 3")[2].starts_with(
        "lemon, lemon, lemon; lemon, star, lemon; lemon, BAR, lemon;"));
    rig.Send(ev::MenuTheme{2});
    EXPECT_TRUE(Row(Section(RowsOf(rig), "PayLines"), "Prize 3")[2].starts_with(
        "emerald, emerald, emerald; emerald, star crystal, emerald; emerald, gold ingot, emerald;"));
}

TEST(OddsRows, NameAPlayersOwnThemesSymbolsByNumberEvenUnderAShippedName) {
    Rig rig({"Fruit.Thm"});
    OwnThemes(rig, {{"fruit.thm", 7}});
    rig.Start();
    EXPECT_EQ(Row(Section(RowsOf(rig), "PayLines"), "Prize 2")[2], "symbol 2, symbol 2, any");
}

TEST(OddsRows, MarkTheBestHoldAndTheOneHeldNow) {
    OddsReport odds;
    // Holding the left reel on symbol 2 pays 2 coins, 5 when the middle reel
    // brings a second 2 (5 times in 19): 53/19 coins.
    odds.holds = {{{false, false, false}, MakeRational(3, 2), MakeRational(1, 2), false, false},
                  {{true, false, false}, MakeRational(53, 19), MakeRational(1), true, false},
                  {{false, false, true}, MakeRational(1), MakeRational(1, 4), false, true}};
    const std::vector<OddsSection> rows = OddsRows(odds, OddsScope::WhereItStands);
    const OddsSection& holds = Section(rows, "Holds");
    ASSERT_EQ(holds.rows.size(), 3u);
    EXPECT_EQ(Row(holds, "Hold left reel  \u2605 best"),
              (std::vector<std::string>{"Hold left reel  \u2605 best", "278.9 %", "100.0 %"}));
    EXPECT_TRUE(holds.rows[1].best);
    EXPECT_FALSE(holds.rows[0].best || holds.rows[2].best);
    EXPECT_EQ(Row(holds, "Hold right reel (held now)")[2], "25.0 %");
}

TEST(OddsRows, LeaveTheNextGameOutOfTheLongRun) {
    const std::string text = LongRunOddsText();
    for (const char* part : {"Next game", "Hold"}) EXPECT_EQ(text.find(part), std::string::npos) << part;
    for (const char* part : {"Prizes", "The long run", "Pay lines", "cherries, any, any"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
}

}  // namespace
}  // namespace fw::test
