#include <gtest/gtest.h>

#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

#include "edition/odds_rows.h"
#include "fakes.h"
#include "frontend/qt/odds_window.h"
#include "modal.h"
#include "play/odds.h"

namespace fw::test {
namespace {

// The window shows each section of the rows, every cell's text and exact figure, and no other section.
void ExpectShowsTheRows(QDialog* window, const OddsReport& odds) {
    const std::vector<OddsSection> sections = OddsRows(odds, OddsScope::WhereItStands);
    const QList<QGroupBox*> boxes = window->findChildren<QGroupBox*>();
    EXPECT_EQ(std::ranges::count_if(boxes, &QWidget::isVisible), std::ssize(sections));
    for (const OddsSection& section : sections) {
        auto* box = window->findChild<QGroupBox*>(QString::fromStdString("grp" + section.key));
        auto* table = window->findChild<QTableWidget*>(QString::fromStdString("tbl" + section.key));
        ASSERT_TRUE(box && table && box->isVisible()) << section.key;
        EXPECT_EQ(box->title().toStdString(), section.title);
        ASSERT_EQ(table->rowCount(), static_cast<int>(section.rows.size())) << section.key;
        for (int r = 0; r < table->rowCount(); ++r) {
            const OddsRow& row = section.rows[static_cast<std::size_t>(r)];
            for (int c = 0; c < static_cast<int>(row.cells.size()); ++c) {
                const OddsCell& cell = row.cells[static_cast<std::size_t>(c)];
                const QTableWidgetItem* item = table->item(r, c);
                EXPECT_EQ(item->text().toStdString(), cell.text) << section.key << r << c;
                EXPECT_EQ(item->toolTip().toStdString(), cell.exact) << section.key << r << c;
                EXPECT_EQ(item->font().bold(), row.best) << section.key << r << c;
                if (cell.chance >= 0) {
                    EXPECT_DOUBLE_EQ(item->data(Qt::UserRole).toDouble(), cell.chance);  // the bar
                }
            }
        }
    }
}

TEST(OddsWindow, ShowsEverySectionOfTheRowsWithPicturesAndBars) {
    Rig rig;
    rig.Start();
    rig.m.reels.ReelPos = {9, 0, 13};
    rig.m.reels.HoldAllowed = True;
    const OddsReport odds = WorkOutOdds(rig.m);
    auto parent = MainWindowAt(100, 50);
    ShowOddsWindow(parent.get(), 2, odds, true);
    auto* window = parent->findChild<QDialog*>("frmOdds");
    ASSERT_TRUE(window && window->isVisible() && OddsWindowShown());
    ExpectShowsTheRows(window, odds);
    auto* prizes = window->findChild<QTableWidget*>("tblPrizes");
    for (int row = 0; row < kPrizes; ++row) {
        // Theme 1's pay-table cell k (coordinate-coded: each pixel tells where it came from).
        const QImage picture = prizes->item(row, 0)->icon().pixmap(prizes->iconSize()).toImage();
        EXPECT_EQ(picture.pixel(0, 0) & 0xFFFFFFu, ThemePixel(1, 33 * row, 30)) << row;
    }
    for (const QTableWidget* table : window->findChildren<QTableWidget*>()) {
        if (table->horizontalHeader()->isHidden()) continue;
        const QFontMetrics metrics(table->horizontalHeader()->font());
        for (int column = 0; column < table->columnCount(); ++column) {
            const QString header = table->horizontalHeaderItem(column)->text();
            EXPECT_GE(table->columnWidth(column), metrics.horizontalAdvance(header) + 8)
                << header.toStdString();
        }
    }

    // In the Mania period, without holds, the rows change and the window follows; closed, it stays closed.
    rig.m.mania.ManiaActive = True;
    rig.m.reels.HoldAllowed = False;
    const OddsReport mania = WorkOutOdds(rig.m);
    ShowOddsWindow(parent.get(), 2, mania, false);
    ExpectShowsTheRows(window, mania);
    window->close();
    ShowOddsWindow(parent.get(), 2, odds, false);
    EXPECT_FALSE(window->isVisible() || OddsWindowShown());
}

}  // namespace
}  // namespace fw::test
