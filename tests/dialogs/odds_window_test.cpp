// frmOdds: the core's figures, each prize with its theme picture, "1 in N" and a bar;
// every header of its tables readable whole.
#include <gtest/gtest.h>

#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include "fakes.h"
#include "frontend/qt/odds_window.h"
#include "modal.h"
#include "play/odds.h"
#include "shell/odds.h"

namespace fw::test {
namespace {

TEST(OddsWindow, ListsTwelvePrizesAndNoWinWithTheCoresFigures) {
    Rig rig;
    rig.Start();
    rig.m.ReelPos = {9, 0, 13};
    rig.m.HoldAllowed = True;
    const OddsReport odds = WorkOutOdds(rig.m);
    auto parent = MainWindowAt(100, 50);
    ShowOddsWindow(parent.get(), 2, odds, true);
    auto* window = parent->findChild<QDialog*>("frmOdds");
    ASSERT_TRUE(window && window->isVisible() && OddsWindowShown());
    auto* prizes = window->findChild<QTableWidget*>("tblPrizes");
    ASSERT_EQ(prizes->rowCount(), kPrizes + 1);
    EXPECT_EQ(prizes->item(kPrizes, 0)->text(), "No win");
    for (int row = 0; row <= kPrizes; ++row) {
        const bool prize = row < kPrizes;
        for (const auto& [column, game] : {std::pair{2, odds.longRun}, std::pair{3, odds.nextGame}}) {
            const Rational chance = prize ? game.prize[row] : game.noWin;
            const QTableWidgetItem* cell = prizes->item(row, column);
            ASSERT_TRUE(cell->text().startsWith("1 in ")) << cell->text().toStdString();
            EXPECT_NEAR(cell->text().mid(5).toDouble(), 1 / chance.value(), 0.005 / chance.value()) << row;
            EXPECT_DOUBLE_EQ(cell->data(Qt::UserRole).toDouble(), chance.value()) << row;  // the bar
        }
        if (!prize) continue;
        EXPECT_EQ(prizes->item(row, 1)->text().toInt(), odds.coins[row]);
        // Theme 1's pay-table cell k (coordinate-coded: each pixel tells where it came from).
        const QImage picture = prizes->item(row, 0)->icon().pixmap(prizes->iconSize()).toImage();
        EXPECT_EQ(picture.pixel(0, 0) & 0xFFFFFFu, ThemePixel(1, 33 * row, 30)) << row;
    }
    const std::string payout = FractionText(odds.longRun.payout) + " coins";
    EXPECT_TRUE(window->findChild<QLabel*>("lblLongRun")->text().contains(QString::fromStdString(payout)));
    auto* holds = window->findChild<QTableWidget*>("tblHolds");
    ASSERT_EQ(holds->rowCount(), 7);
    for (int row = 0; row < 7; ++row) {
        EXPECT_NEAR(holds->item(row, 1)->text().toDouble(), odds.holds[row].payout.value(), 0.0005);
        EXPECT_EQ(holds->item(row, 0)->text().contains("best"), odds.holds[row].best) << row;
    }
    for (const QTableWidget* table : {prizes, holds}) {
        const QFontMetrics metrics(table->horizontalHeader()->font());
        for (int column = 0; column < table->columnCount(); ++column) {
            const QString header = table->horizontalHeaderItem(column)->text();
            EXPECT_GE(table->columnWidth(column), metrics.horizontalAdvance(header) + 8)
                << header.toStdString();
        }
    }

    // In the Mania period the bonus wheel has a row; a closed window stays closed.
    rig.m.ManiaActive = True;
    ShowOddsWindow(parent.get(), 2, WorkOutOdds(rig.m), false);
    EXPECT_EQ(prizes->item(kPrizes, 0)->text(), "Bonus wheel");
    window->close();
    ShowOddsWindow(parent.get(), 2, odds, false);
    EXPECT_FALSE(window->isVisible() || OddsWindowShown());
}

}  // namespace
}  // namespace fw::test
