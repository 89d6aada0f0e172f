// The finish of the pictures: the icon's sizes, the pay-table miniatures, the coin slot.
#include "machine/cells.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cmath>
#include <vector>

static QImage Load(const QString& file) {
    return QImage(FW_PICTURES_DIR "/" + file).convertToFormat(QImage::Format_ARGB32);
}

TEST(WindowIcon, EverySizeIsThereAndNoneIsAnotherScaled) {
    std::vector<QImage> drawn;
    for (int size : {16, 24, 32, 48, 64, 128, 256, 512})
        ASSERT_EQ(drawn.emplace_back(Load(QString("icons/fruitwhirl-%1.png").arg(size))).size(),
                  QSize(size, size));
    for (const QImage& a : drawn)  // scaled up or down with square pixels, no size matches another
        for (const QImage& b : drawn) {
            const QImage s = a.scaled(b.size());
            int w = b.width(), differ = 0;
            for (int i = 0; i < w * w; ++i) differ += s.pixel(i % w, i / w) != b.pixel(i % w, i / w);
            EXPECT_TRUE(a.width() == w || differ > w * w / 16) << a.width() << " to " << w;
        }
}

TEST(PayTable, EveryMiniatureStandsOutFromItsGlass) {  // its median pixel by 3 : 1, in every theme
    auto L = [](int v) { return v <= 10 ? v / 3294.6 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };  // sRGB
    auto lum = [&](QRgb c) { return .05 + .2126 * L(qRed(c)) + .7152 * L(qGreen(c)) + .0722 * L(qBlue(c)); };
    for (const char* file : {"Gfx/Fruit.Thm", "Gfx/Jewels.Thm", "Gfx/Vegas.Thm"}) {
        const QImage theme = Load(file);
        for (int k = 0; k < 3 * fw::themecells::kPayCells; ++k) {  // three miniatures a cell, one a third
            const fw::Cell c = fw::themecells::PayCell(k / 3);
            const QRgb glass = theme.pixel(c.x, c.y);
            std::vector<double> ratios;
            for (int i = 0; i < c.w / 3 * c.h; ++i) {
                const QRgb p = theme.pixel(c.x + k % 3 * c.w / 3 + i % (c.w / 3), c.y + i / (c.w / 3));
                if (p != glass) ratios.push_back(std::max(lum(p), lum(glass)) / std::min(lum(p), lum(glass)));
            }
            std::sort(ratios.begin(), ratios.end());
            EXPECT_GE(ratios.empty() ? 0 : ratios[ratios.size() / 2], 3.0) << file << " " << k;
        }
    }
}

// Below the coin window the slot's plate runs in one colour to its bevelled edge: no label on it.
TEST(CoinSlot, NoLabelSitsOnThePlateUnderTheWindow) {
    const QImage m = Load("machine.png");
    const fw::Cell &w = fw::places::CoinWindow, &slot = fw::places::CoinSlot;
    for (int y = w.bottom() + 2; y <= slot.bottom(); ++y)
        for (int x = slot.x + 3; x <= slot.right() - 3; ++x)
            EXPECT_EQ(m.pixel(x, y), m.pixel(slot.x + 3, y)) << x << ", " << y;
}
