// frmOdds: the figures the core works out, each prize with its pay-table cell
// of the current theme, its chance as one game in so many and a bar.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QTableWidget>

#include "fakes.h"
#include "frontend/qt/odds_window.h"
#include "modal.h"
#include "play/odds.h"
#include "shell/odds.h"

namespace fw::test {
namespace {

// The number N of a "1 in N" cell.
double GamesPerWin(const QTableWidgetItem* item) {
    EXPECT_TRUE(item->text().startsWith("1 in ")) << item->text().toStdString();
    return item->text().mid(5).toDouble();
}

TEST(OddsWindow, ListsTwelvePrizesAndNoWinWithTheCoresFigures) {
    Rig rig;
    rig.Start();
    rig.m.ReelPos = {9, 0, 13};
    rig.m.HoldAllowed = True;
    const OddsReport odds = WorkOutOdds(rig.m);
    auto parent = MainWindowAt(100, 50);
    ShowOddsWindow(parent.get(), 2, odds, true);
    auto* window = parent->findChild<QDialog*>("frmOdds");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible() && OddsWindowShown());
    auto* prizes = window->findChild<QTableWidget*>("tblPrizes");
    ASSERT_EQ(prizes->rowCount(), kPrizes + 1);
    EXPECT_EQ(prizes->item(kPrizes, 0)->text(), "No win");
    for (int row = 0; row <= kPrizes; ++row) {
        const bool prize = row < kPrizes;
        const Rational longRun = prize ? odds.longRun.prize[row] : odds.longRun.noWin;
        const Rational next = prize ? odds.nextGame.prize[row] : odds.nextGame.noWin;
        for (const auto& [column, chance] : {std::pair{2, longRun}, std::pair{3, next}}) {
            const QTableWidgetItem* cell = prizes->item(row, column);
            if (chance.num == 0) {
                EXPECT_EQ(cell->text(), "never");
                continue;
            }
            EXPECT_NEAR(GamesPerWin(cell), 1 / chance.value(), 0.005 / chance.value()) << row;
            EXPECT_DOUBLE_EQ(cell->data(Qt::UserRole).toDouble(), chance.value()) << row;  // the bar
            EXPECT_TRUE(cell->toolTip().startsWith(QString::fromStdString(FractionText(chance) + " ")));
        }
        if (!prize) break;
        EXPECT_EQ(prizes->item(row, 1)->text().toInt(), odds.coins[row]);
        // The pay-table cell of theme 1 (coordinate-coded: every pixel tells where it came from).
        const QImage picture = prizes->item(row, 0)->icon().pixmap(prizes->iconSize()).toImage();
        EXPECT_EQ(picture.pixel(0, 0) & 0xFFFFFFu, ThemePixel(1, 33 * row, 30)) << row;
    }
    const QString longRun = window->findChild<QLabel*>("lblLongRun")->text();
    EXPECT_TRUE(longRun.contains(QString::fromStdString(FractionText(odds.longRun.payout) + " coins")));

    // Every hold choice, the one that pays most on average marked.
    auto* holds = window->findChild<QTableWidget*>("tblHolds");
    ASSERT_EQ(holds->rowCount(), 7);
    for (int row = 0; row < 7; ++row) {
        const HoldOdds& hold = odds.holds[row];
        EXPECT_NEAR(holds->item(row, 1)->text().toDouble(), hold.payout.value(), 0.0005);
        EXPECT_EQ(holds->item(row, 0)->text().contains("best"), hold.best) << row;
        for (const HoldOdds& other : odds.holds) EXPECT_FALSE(hold.best && hold.payout < other.payout);
    }

    // In the Mania period the bonus wheel has a row of its own; a closed window stays closed.
    rig.m.ManiaActive = True;
    ShowOddsWindow(parent.get(), 2, WorkOutOdds(rig.m), false);
    EXPECT_EQ(prizes->rowCount(), kPrizes + 2);
    EXPECT_EQ(prizes->item(kPrizes, 0)->text(), "Bonus wheel");
    window->close();
    ShowOddsWindow(parent.get(), 2, odds, false);
    EXPECT_FALSE(window->isVisible() || OddsWindowShown());
}

}  // namespace
}  // namespace fw::test
