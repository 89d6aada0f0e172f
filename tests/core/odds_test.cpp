// The odds: the program's figures, and the rows that show them (the odds window, the page's dialog,
// `--odds`), against exact fractions worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "edition/odds_rows.h"
#include "fakes.h"
#include "play/odds.h"

namespace fw::test {
namespace {

using Reels = std::array<Integer, 3>;

TEST(ExactOdds, FiguresWorkedOutByHand) {
    Rig rig;
    rig.Start();
    Machine& m = rig.m;
    // Long run: every position equally likely, the reels independent. Symbol 2
    // stands 3 times on reel 0's 20 positions and 5 times on reel 1's.
    const GameOdds run = LongRunOdds(m, false);
    EXPECT_EQ(run.prize[0], MakeRational(3 * 15, 20 * 20));
    EXPECT_EQ(run.prize[1], MakeRational(3 * 5, 20 * 20));
    EXPECT_EQ(StationaryWeights(m), std::vector<std::int64_t>(8000, 1));
    // Mania: a special symbol (9, 10, 12) stands twice on each reel; the wheel, 35 coins on average,
    // spins unless none shows, (18/20)^3, or the 100-coin prize came (8 of those 2168).
    const GameOdds mania = LongRunOdds(m, true);
    EXPECT_EQ(mania.payout, run.payout + MakeRational((8000 - 5832 - 8) * 35, 8000));
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
    rig.Play("2-8-13");
    ASSERT_EQ(shown.size(), 2u);
    std::vector<Reels> choices;
    for (const HoldOdds& h : shown[1].holds) choices.push_back({h.held[0], h.held[1], h.held[2]});
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
    EXPECT_EQ(Row(holds, "Hold right reel (held now)"),
              (std::vector<std::string>{"Hold right reel (held now)", "100.0 %", "25.0 %"}));
}

TEST(OddsRows, LeaveTheNextGameOutOfTheLongRun) {
    const std::string text = LongRunOddsText();
    for (const char* part : {"Next game", "Hold"}) EXPECT_EQ(text.find(part), std::string::npos) << part;
    for (const char* part : {"Prizes", "The long run", "Pay lines", "cherries, any, any"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
}

}  // namespace
}  // namespace fw::test
