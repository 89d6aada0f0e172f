// The rectangle copy: the four raster operations and clipping to both surfaces.
#include <gtest/gtest.h>

#include "platform/surface.h"

namespace fw {
namespace {

Surface Numbered(int w, int h, std::uint32_t base) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.setPixel(x, y, base + y * 100 + x);
    return s;
}

TEST(RasterOps, CopyMovesExactlyTheRectangle) {
    Surface dst(10, 10, 0x111111);
    const Surface src = Numbered(8, 8, 0x1000);
    BitBlt(dst, 2, 3, 4, 2, src, 1, 5);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 3 && y < 5;
            const std::uint32_t want = inside ? src.pixel(x - 2 + 1, y - 3 + 5) : 0x111111u;
            ASSERT_EQ(dst.pixel(x, y), want) << x << "," << y;
        }
    }
}

TEST(RasterOps, AndThenXorDrawsAMaskedSprite) {
    // The mask is white outside the sprite and black inside; the picture is
    // drawn on black. AND then XOR leaves the background outside the sprite.
    Surface dst(3, 1);
    dst.setPixel(0, 0, 0x123456);
    dst.setPixel(1, 0, 0x654321);
    dst.setPixel(2, 0, 0xABCDEF);
    Surface mask(3, 1, 0xFFFFFF);
    mask.setPixel(1, 0, 0x000000);
    Surface picture(3, 1, 0x000000);
    picture.setPixel(1, 0, 0xC0FFEE);
    BitBlt(dst, 0, 0, 3, 1, mask, 0, 0, Rop::SrcAnd);
    BitBlt(dst, 0, 0, 3, 1, picture, 0, 0, Rop::SrcInvert);
    EXPECT_EQ(dst.pixel(0, 0), 0x123456u);
    EXPECT_EQ(dst.pixel(1, 0), 0xC0FFEEu);
    EXPECT_EQ(dst.pixel(2, 0), 0xABCDEFu);
}

TEST(RasterOps, XorTwiceRestores) {
    Surface dst = Numbered(5, 5, 0x300000);
    const Surface before = dst;
    const Surface src = Numbered(5, 5, 0x0A0A0A);
    BitBlt(dst, 0, 0, 5, 5, src, 0, 0, Rop::SrcInvert);
    EXPECT_NE(dst, before);
    BitBlt(dst, 0, 0, 5, 5, src, 0, 0, Rop::SrcInvert);
    EXPECT_EQ(dst, before);
}

TEST(RasterOps, BlacknessIgnoresTheSource) {
    Surface dst(4, 4, 0xFFFFFF);
    const Surface tiny(1, 1, 0x00FF00);
    BitBlt(dst, 1, 1, 2, 2, tiny, 50, 50, Rop::Blackness);
    EXPECT_EQ(dst.pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(dst.pixel(1, 1), 0u);
    EXPECT_EQ(dst.pixel(2, 2), 0u);
    EXPECT_EQ(dst.pixel(3, 3), 0xFFFFFFu);
}

TEST(Clipping, DestinationOutsideTheSurfaceIsLeftOut) {
    Surface dst(4, 4, 7);
    const Surface src = Numbered(4, 4, 0x1000);
    BitBlt(dst, -2, 3, 4, 4, src, 0, 0);  // only the top-right part lands, at the bottom row
    EXPECT_EQ(dst.pixel(0, 3), src.pixel(2, 0));
    EXPECT_EQ(dst.pixel(1, 3), src.pixel(3, 0));
    EXPECT_EQ(dst.pixel(2, 3), 7u);
    EXPECT_EQ(dst.pixel(0, 2), 7u);
}

TEST(Clipping, SourceOutsideItsSurfaceIsLeftOut) {
    Surface dst(6, 1, 7);
    const Surface src = Numbered(3, 1, 0x1000);
    BitBlt(dst, 0, 0, 6, 1, src, -1, 0);  // source column -1 does not exist
    EXPECT_EQ(dst.pixel(0, 0), 7u);
    EXPECT_EQ(dst.pixel(1, 0), src.pixel(0, 0));
    EXPECT_EQ(dst.pixel(3, 0), src.pixel(2, 0));
    EXPECT_EQ(dst.pixel(4, 0), 7u);
}

TEST(Clipping, RowsBelowThePictureChangeNothing) {
    Surface dst(4, 4, 7);
    const Surface src = Numbered(4, 4, 0x1000);
    const Surface before = dst;
    BitBlt(dst, 0, 4, 4, 1, src, 0, 4);
    BitBlt(dst, 0, 4, 4, 1, src, 0, 4, Rop::Blackness);
    EXPECT_EQ(dst, before);
}

TEST(Clipping, CopyWithinOneSurfaceOverlapping) {
    Surface s = Numbered(6, 1, 0x1000);
    const Surface before = s;
    BitBlt(s, 1, 0, 4, 1, s, 0, 0);
    EXPECT_EQ(s.pixel(0, 0), before.pixel(0, 0));
    for (int x = 1; x < 5; ++x) EXPECT_EQ(s.pixel(x, 0), before.pixel(x - 1, 0));
    EXPECT_EQ(s.pixel(5, 0), before.pixel(5, 0));
}

}  // namespace
}  // namespace fw
