// Checks of the finish of the pictures: the window icon's sizes.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

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

}  // namespace
