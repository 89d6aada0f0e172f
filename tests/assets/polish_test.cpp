// Checks of the finish of the pictures: the window icon's sizes, the pay-table
// miniatures against their glass, the coin slot's plate.
#include "machine/cells.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace {

QImage loadArgb(const QString& relative) {
    return QImage(QStringLiteral(FW_PICTURES_DIR) + "/" + relative).convertToFormat(QImage::Format_ARGB32);
}

// The share of pixels, over those that either picture covers, where the two differ.
double differingShare(const QImage& a, const QImage& b) {
    int covered = 0, differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAlpha(p) == 0 && qAlpha(q) == 0) continue;
            ++covered;
            differ += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                          std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q)) >
                      48;
        }
    return covered ? double(differ) / covered : 0.0;
}

TEST(WindowIcon, EverySizeIsCrispPixelArtDrawnForItsSize) {
    std::vector<QImage> icons;
    for (int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
        const QImage icon = loadArgb(QString("icons/fruitwhirl-%1.png").arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        // No smoothed edges: a pixel is clear or solid, or the one shade of the shadow.
        std::set<int> alphas;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) alphas.insert(qAlpha(icon.pixel(x, y)));
        EXPECT_LE(alphas.size(), 3u) << size;
        EXPECT_TRUE(alphas.count(0) && alphas.count(255)) << size;
        icons.push_back(icon);
    }
    // None is another scaled up or down with square pixels.
    for (size_t i = 0; i < icons.size(); ++i)
        for (size_t j = i + 1; j < icons.size(); ++j) {
            const int small = icons[i].width(), large = icons[j].width();
            const QImage up = icons[i].scaled(large, large, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            const QImage down = icons[j].scaled(small, small, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            EXPECT_GT(differingShare(up, icons[j]), 0.15) << small << " blown up to " << large;
            EXPECT_GT(differingShare(down, icons[i]), 0.15) << large << " shrunk to " << small;
        }
}

// The contrast ratio of two colours by their relative luminance (sRGB).
double contrast(QRgb a, QRgb b) {
    auto luminance = [](QRgb c) {
        auto lin = [](int v) { return v <= 10 ? v / 3294.6 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Each pay-table cell shows three miniatures, one in each third. Most of a
// miniature's pixels (its median) stand out from the cell's glass by 3 : 1.
TEST(PayTable, EveryMiniatureStandsOutFromItsGlassInEveryTheme) {
    for (const char* file : {"Gfx/Fruit.Thm", "Gfx/Jewels.Thm", "Gfx/Vegas.Thm"}) {
        const QImage theme = loadArgb(file);
        for (int k = 0; k < fw::themecells::kPayCells; ++k) {
            const fw::Cell cell = fw::themecells::PayCell(k);
            const QRgb glass = theme.pixel(cell.x, cell.y);
            for (int third = 0; third < 3; ++third) {
                std::vector<double> ratios;
                for (int y = cell.y; y <= cell.bottom(); ++y)
                    for (int x = cell.x + third * cell.w / 3; x < cell.x + (third + 1) * cell.w / 3; ++x)
                        if (theme.pixel(x, y) != glass) ratios.push_back(contrast(theme.pixel(x, y), glass));
                ASSERT_FALSE(ratios.empty()) << file << " cell " << k << " third " << third;
                std::nth_element(ratios.begin(), ratios.begin() + ratios.size() / 2, ratios.end());
                EXPECT_GE(ratios[ratios.size() / 2], 3.0) << file << " cell " << k << " third " << third;
            }
        }
    }
}

// The coin window's frame is one colour all round, and below it the slot's
// plate runs clean to its bevelled edge: no label sits on either.
TEST(CoinSlot, LabelsStayOffTheWindowFrameAndThePlate) {
    const QImage machine = loadArgb("machine.png");
    const fw::Cell& w = fw::places::CoinWindow;
    std::set<QRgb> ring;
    for (int x = w.x - 1; x <= w.right() + 1; ++x)
        ring.insert({machine.pixel(x, w.y - 1), machine.pixel(x, w.bottom() + 1)});
    for (int y = w.y - 1; y <= w.bottom() + 1; ++y)
        ring.insert({machine.pixel(w.x - 1, y), machine.pixel(w.right() + 1, y)});
    EXPECT_EQ(ring.size(), 1u);
    const fw::Cell& slot = fw::places::CoinSlot;
    for (int y = w.bottom() + 2; y <= slot.bottom(); ++y) {
        std::set<QRgb> row;
        for (int x = slot.x + 3; x <= slot.right() - 3; ++x) row.insert(machine.pixel(x, y));
        EXPECT_EQ(row.size(), 1u) << "row " << y;
    }
}

}  // namespace
