// The odds' rows (the odds window, the page's dialog, `--odds`), worked out by hand.
#include <gtest/gtest.h>

#include "edition/odds_rows.h"
#include "fakes.h"
#include "play/odds.h"

namespace fw::test {
namespace {

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
