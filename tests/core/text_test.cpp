// The bitmap font and the play-time clock.
#include <gtest/gtest.h>

#include "fakes.h"
#include "presentation/bitmap_text.h"

namespace fw::test {
namespace {

// The glyph drawn opaque at (x, y): its number, -1 when the cell is anything else.
int GlyphAt(const Surface& s, int x, int y, int colour) {
    for (int k = 0; k < 41; ++k)
        if (ShowsSprite(s, x, y, 6, 7, 6 * k, 316 + 7 * colour)) return k;
    return -1;
}

TEST(BitmapText, LowerCaseAndSwedishLettersDrawWithTheCapitals) {
    Rig rig;
    Surface target(100, 10, 0x123456);
    DrawBitmapText(rig.m, 1, 2, "Kåre 12:05", FontColour::Yellow, target, false);
    const int expected[] = {10, 26, 17, 4, 40, 31, 32, 29, 30, 35};  // K Å R E space 1 2 : 0 5
    for (int i = 0; i < 10; ++i) EXPECT_EQ(GlyphAt(target, 1 + 7 * i, 2, 1), expected[i]) << i;
    for (int i = 0; i < 10; ++i) EXPECT_EQ(target.pixel(7 + 7 * i, 4), 0x123456u);  // the gap column
}

TEST(BitmapText, CharactersOutsideTheFontLeaveTheirPlaceEmpty) {
    Rig rig;
    Surface target(60, 10, 0x123456);
    DrawBitmapText(rig.m, 0, 0, "A-B.!C", FontColour::White, target, false);
    EXPECT_EQ(GlyphAt(target, 0, 0, 0), 0);
    EXPECT_TRUE(target.sameRect(7, 0, 6, 7, Surface(6, 7, 0x123456), 0, 0));
    EXPECT_EQ(GlyphAt(target, 14, 0, 0), 1);
    EXPECT_EQ(GlyphAt(target, 35, 0, 0), 2);
}

TEST(BitmapText, AnEmptyTextDrawsNothing) {
    Rig rig;
    Surface target(20, 10, 0x123456);
    DrawBitmapText(rig.m, 0, 0, "", FontColour::White, target, true);
    EXPECT_EQ(target, Surface(20, 10, 0x123456));
}

TEST(BitmapText, TransparentTextKeepsTheBackgroundBetweenTheStrokes) {
    Rig rig;
    Surface target(20, 10, 0xABCDEF);
    DrawBitmapText(rig.m, 2, 1, "Z ", FontColour::Yellow, target, true);
    for (int j = 0; j < 7; ++j) {
        for (int i = 0; i < 6; ++i) {
            const std::uint32_t z =
                (0xABCDEF & SpritePixel(6 * 25 + i, 330 + j)) ^ SpritePixel(6 * 25 + i, 323 + j);
            EXPECT_EQ(target.pixel(2 + i, 1 + j), z);
            const std::uint32_t space =
                (0xABCDEF & SpritePixel(240 + i, 330 + j)) ^ SpritePixel(240 + i, 323 + j);
            EXPECT_EQ(target.pixel(9 + i, 1 + j), space);
        }
    }
    EXPECT_EQ(target.pixel(8, 3), 0xABCDEFu);
}

TEST(PlayTime, HoursMinutesSeconds) {
    EXPECT_EQ(FormatPlayTime(0), "00:00:00");
    EXPECT_EQ(FormatPlayTime(59'999), "00:00:59");
    EXPECT_EQ(FormatPlayTime(3'723'000), "01:02:03");
    EXPECT_EQ(FormatPlayTime(86'400'000), "00:00:00");
    EXPECT_EQ(FormatPlayTime(90'061'000), "01:01:01");
}

TEST(PlayTime, CentringAndRounding) {
    EXPECT_EQ(CentredX(1, 95), 92);
    EXPECT_EQ(CentredX(2, 95), 88);
    EXPECT_EQ(CentredX(3, 95), 84);
    EXPECT_EQ(Whole(2.5), 2);
    EXPECT_EQ(Whole(3.5), 4);
    EXPECT_EQ(Whole(-0.5), 0);
}

TEST(PlayTime, TheClockOfTheCurrentRunsPageTicksOnTheScreenOnly) {
    Rig rig;
    rig.StartPlaying();
    rig.Press(150, 120, 2);  // the current run's page
    ASSERT_TRUE(rig.m.ElapsedTimerOn);
    rig.clock.Advance(std::chrono::milliseconds(3'723'000));
    const Surface composed = rig.m.hdcCompose;
    rig.Send(ev::Tick{TimerId::ElapsedTime});
    const int expected[] = {30, 31, 29, 30, 32, 29, 30, 33};  // 01:02:03 (the page opened 400 ms after start)
    for (int i = 0; i < 8; ++i) EXPECT_EQ(GlyphAt(rig.m.hdcScreen, 159 + 7 * i, 147, 0), expected[i]) << i;
    EXPECT_EQ(rig.m.hdcCompose, composed);
    rig.Press(150, 120);  // leaving the page stops the clock
    const Surface after = rig.m.hdcScreen;
    rig.Send(ev::Tick{TimerId::ElapsedTime});
    EXPECT_EQ(rig.m.hdcScreen, after);
}

}  // namespace
}  // namespace fw::test
