// The reel window: which strip positions show, and where every cell lands.
#include <gtest/gtest.h>

#include "fakes.h"
#include "play/reels.h"
#include "records/data_tables.h"

namespace fw::test {
namespace {

class ReelWindow : public ::testing::Test {
protected:
    void SetUp() override {
        LoadMachineConfig(rig.m);
        rig.m.hdcTheme = ThemePicture(1);
    }
    Rig rig;
};

TEST_F(ReelWindow, PositionMapsToThreeRowsAboveIt) {
    const int cases[][4] = {{0, 19, 18, 17}, {1, 0, 19, 18}, {2, 1, 0, 19}, {3, 2, 1, 0}, {19, 18, 17, 16}};
    for (const auto& c : cases) {
        rig.m.ReelPos[1] = static_cast<Integer>(c[0]);
        for (int w = 0; w < 3; ++w) {
            EXPECT_EQ(VisibleSymbol(rig.m, 1, w), rig.m.Strip[c[w + 1]][1]) << "pos " << c[0] << " row " << w;
        }
    }
}

TEST_F(ReelWindow, DrawsNineSymbolsAndTwelvePayCellsIntoTheComposition) {
    rig.m.ReelPos = {3, 11, 19};
    const Surface screenBefore = rig.m.hdcScreen;
    const Surface composeBefore = rig.m.hdcCompose;
    DrawReels(rig.m);
    EXPECT_EQ(rig.m.hdcScreen, screenBefore);  // the screen is left to the caller
    for (int r = 0; r < 3; ++r)
        for (int w = 0; w < 3; ++w)
            EXPECT_TRUE(ShowsSymbol(rig.m.hdcCompose, r, w, VisibleSymbol(rig.m, r, w), 1));
    for (int k = 0; k < 12; ++k) EXPECT_TRUE(ShowsPayCell(rig.m.hdcCompose, k, 1)) << k;

    // Nothing outside the cells changes.
    auto inCell = [](int x, int y) {
        for (int r = 0; r < 3; ++r)
            if (x >= 93 + 44 * r && x <= 121 + 44 * r && y >= 75 && y <= 164) return true;
        for (int q = 0; q < 2; ++q)
            for (int j = 0; j < 6; ++j)
                if (x >= 55 + 55 * q && x <= 87 + 55 * q && y >= 10 + 8 * j && y <= 16 + 8 * j) return true;
        return false;
    };
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 320; ++x) {
            if (!inCell(x, y)) {
                ASSERT_EQ(rig.m.hdcCompose.pixel(x, y), composeBefore.pixel(x, y)) << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace fw::test
