// Every rectangle the machine draws from, draws to or presses on: the cells of
// the sprite sheet (474 x 358) and of a theme picture, and the places on the
// machine picture (320 x 256). This table is the one source of these numbers:
// the game, the picture generator and the tests all use the names.
#pragma once

#include <string_view>

namespace fw {

struct Cell {
    int x = 0, y = 0, w = 0, h = 0;
    constexpr int right() const { return x + w - 1; }
    constexpr int bottom() const { return y + h - 1; }
    // Both bounds count: left <= px <= right and top <= py <= bottom.
    constexpr bool contains(double px, double py) const {
        return px >= x && px <= right() && py >= y && py <= bottom();
    }
    constexpr Cell at(int nx, int ny) const { return {nx, ny, w, h}; }
    constexpr bool operator==(const Cell&) const = default;
};

inline constexpr int kSheetWidth = 474;
inline constexpr int kSheetHeight = 358;
inline constexpr int kScreenWidth = 320;
inline constexpr int kScreenHeight = 256;

// The bitmap font's characters, in glyph order: the first 41 the machine was
// made with, then the capitals of the Latin alphabets of Europe and the marks
// people put in their names. A small letter draws as its capital.
inline constexpr std::u32string_view kFontAlphabet =
    U"ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00C5\u00C4\u00D6:0123456789 "
    U"\u00C0\u00C1\u00C2\u00C3\u00C6\u00C7\u00C8\u00C9\u00CA\u00CB\u00CC\u00CD\u00CE\u00CF"  // À..Ï
    U"\u00D1\u00D2\u00D3\u00D4\u00D5\u00D8\u0152\u00D9\u00DA\u00DB\u00DC\u00DD\u0178\u00DF"  // Ñ..ß
    U"\u0104\u0106\u010C\u010E\u0118\u011A\u011E\u0130\u0141\u0143\u0147"                    // Ą..Ň
    U"\u0150\u0158\u015A\u015E\u0160\u0164\u016E\u0170\u0179\u017B\u017D"                    // Ő..Ž
    U"-'.!&?";
inline constexpr int kGlyphCount = static_cast<int>(kFontAlphabet.size());
inline constexpr int kGlyphPitch = 7;  // a character advances 7 pixels: a 6-pixel glyph and a gap
// The font's rows of the sprite sheet hold this many glyphs side by side; the
// glyphs after them go into the band below.
inline constexpr int kGlyphsPerBand = 79;

enum class FontColour { White = 0, Yellow = 1 };

// The tables below keep one cell to a line.
// clang-format off

// ---- The sprite sheet ----------------------------------------------------------
namespace cells {

inline constexpr int kLeverFrames = 6;                                    // 0 up .. 5 fully down
constexpr Cell LeverFrame(int i) { return {24 * i, 0, 23, 93}; }
constexpr Cell BonusWheelLit(int k) { return {144 + 53 * k, 0, 53, 53}; }  // 20, 30, 40, 50 coins lit
inline constexpr Cell BonusWheelMania{356, 0, 53, 53};                     // all values lit
inline constexpr Cell BonusWheelNeutral{409, 0, 53, 53};                   // none lit
inline constexpr int kBannerFrames = 3;
constexpr Cell WinnerBanner(int f) { return {144, 53 + 14 * f, 145, 14}; }
// The prize lamps: n = 0 for 50 coins, 1 for 75, 2 for 100.
constexpr Cell PrizeLampLit(int n) { return {289 + 29 * n, 53, 29, 20}; }
constexpr Cell PrizeLampDim(int n) { return {289 + 29 * n, 73, 29, 20}; }
inline constexpr Cell QuitPressed{376, 53, 17, 17};
inline constexpr Cell ContinuePressed{393, 53, 17, 17};
inline constexpr int kSpinningCoinFrames = 3;
constexpr Cell SpinningCoin(int f) { return {410 + 16 * f, 53, 16, 15}; }
inline constexpr Cell CoinAtRest{458, 53, 16, 15};
// The coin dropping into the payout tray: frames 0..11, then 12, the empty tray.
inline constexpr int kPayoutFrames = 13;
constexpr Cell PayoutCoin(int f) { return {16 * f, 95, 16, 25}; }
inline constexpr Cell PayoutTrayEmpty = PayoutCoin(12);
inline constexpr int kSirenFrames = 8;
constexpr Cell SirenFrame(int k) { return {208 + 26 * k, 95, 26, 20}; }
inline constexpr Cell SirenOff{416, 95, 26, 20};
inline constexpr Cell OutOfCoinsPanel{0, 120, 137, 98};
inline constexpr Cell OfferPanel{137, 120, 137, 98};
inline constexpr Cell EmptyReelWindow{274, 120, 137, 98};
inline constexpr Cell HighScorePanel{0, 218, 137, 98};
inline constexpr Cell StatisticsPanel{137, 218, 137, 98};
inline constexpr Cell StatisticsTitleBar{140, 221, 131, 9};  // the empty title bar inside the panel
inline constexpr Cell HoldStop{274, 218, 21, 11};
// The GO looks of a hold button: state 0 lit (the reel can be held), 1 dark.
constexpr Cell HoldGo(int state) { return {295 + 21 * state, 218, 21, 11}; }
inline constexpr Cell HoldGoLit = HoldGo(0);
inline constexpr Cell HoldGoDark = HoldGo(1);
inline constexpr Cell CreditStripLit{337, 218, 31, 3};
inline constexpr Cell CreditStripDark{368, 218, 31, 3};
// The money counter's glyphs: 0..9, and 10 the blank cell.
inline constexpr int kBlankDigit = 10;
constexpr Cell Digit(int k) { return {274 + 5 * k, 229, 5, 9}; }
inline constexpr Cell FallingCoin{274, 238, 16, 15};
inline constexpr Cell FallingCoinMask{290, 238, 16, 15};
inline constexpr Cell FallingStack{306, 238, 28, 15};
inline constexpr Cell FallingStackMask{334, 238, 28, 15};
inline constexpr Cell TimeBarEmpty{274, 253, 9, 40};
inline constexpr Cell CreditLampLit{274, 293, 4, 3};
inline constexpr Cell CreditLampDark{278, 293, 4, 3};
inline constexpr Cell TimeSegmentGreen{274, 296, 7, 2};
inline constexpr Cell TimeSegmentYellow{274, 298, 7, 2};
inline constexpr Cell TimeSegmentRed{274, 300, 7, 2};
// Scratch space that the machine draws into at run time.
inline constexpr Cell ScratchFallingCoin{362, 289, 28, 15};  // what the falling coin covers
inline constexpr Cell ScratchListRow{274, 309, 131, 7};      // a blinking high-score line
// Glyph k of the font alphabet, and its mask for transparent text: bands of
// three rows (white, yellow, the mask) from row 316.
constexpr Cell Glyph(int k, FontColour c) { return {6 * (k % kGlyphsPerBand), 316 + 21 * (k / kGlyphsPerBand) + 7 * static_cast<int>(c), 6, 7}; }
constexpr Cell GlyphMask(int k) { return {6 * (k % kGlyphsPerBand), 330 + 21 * (k / kGlyphsPerBand), 6, 7}; }

}  // namespace cells

// ---- A theme picture (at least 435 x 37) -----------------------------------------
namespace themecells {
inline constexpr int kSymbols = 15;
inline constexpr int kPayCells = 12;
inline constexpr int kMinWidth = 435;
inline constexpr int kMinHeight = 37;
// A theme picture may be larger than its cells, up to this on either side: a
// larger one is no theme, and decoding it would take seconds and gigabytes.
inline constexpr int kMaxSide = 4096;
constexpr Cell Symbol(int s) { return {29 * s, 0, 29, 30}; }
constexpr Cell PayCell(int k) { return {33 * k, 30, 33, 7}; }
}  // namespace themecells

// ---- The machine picture ------------------------------------------------------------
namespace places {

// The pay-table panel: two columns of six cells.
constexpr Cell PayTableCell(int k) { return {55 + 55 * (k / 6), 10 + 8 * (k % 6), 33, 7}; }
// The display window behind the reels, where the panels and record screens show.
inline constexpr Cell DisplayWindow{83, 71, 137, 98};
// Reel r's cell in visible row w (0 top, 1 the pay line, 2 bottom).
constexpr Cell ReelCell(int r, int w) { return {93 + 44 * r, 75 + 30 * w, 29, 30}; }
// The three reel columns scroll within these rows; the bottom pixel row drops out.
inline constexpr int kReelTop = 75;
inline constexpr int kReelScrollHeight = 89;
constexpr Cell HoldButton(int r) { return {97 + 44 * r, 180, 21, 11}; }
inline constexpr Cell Lever{262, 36, 23, 93};
constexpr Cell PrizeLamp(int n) { return {52, 73 + 37 * n, 29, 20}; }
inline constexpr Cell SirenLamp{16, 23, 26, 20};
inline constexpr Cell BonusWheel{201, 7, 53, 53};
inline constexpr Cell TimeBar{175, 13, 9, 40};
// Segment t (0..12) of the time bar: the bar fills from the bottom, 3 pixels a tick.
constexpr Cell TimeBarSegment(int t) { return {176, 50 - 3 * t, 7, 2}; }
inline constexpr Cell WinnerBanner{80, 199, 145, 14};
// The payout tray: coins drop at x 135..155; the amount is written centred over it.
inline constexpr Cell PayoutTray{135, 221, 36, 25};
inline constexpr int kPayoutDropSpread = 21;  // drops land at PayoutTray.x + 0..20
inline constexpr int kPayoutTextY = 231;
// Clearing the tray: the empty-tray cell drawn twice side by side.
inline constexpr Cell PayoutTrayLeft{137, 221, 16, 25};
inline constexpr Cell PayoutTrayRight{153, 221, 16, 25};
// Credit lamp n (0..9) lights from right to left.
constexpr Cell CreditLamp(int n) { return {214 - 6 * n, 67, 4, 3}; }
inline constexpr Cell CreditStrip{221, 67, 31, 3};
inline constexpr Cell CoinSlot{221, 71, 31, 26};  // the drop zone
inline constexpr Cell CoinWindow{229, 77, 16, 15};
// Counter cell i from the left: 0 the thousands .. 3 the units.
constexpr Cell MoneyCounterCell(int i) { return {225 + 6 * i, 158, 5, 9}; }
inline constexpr Cell CoinPile{296, 174, 21, 21};  // the press zone
inline constexpr Cell PanelQuitButton{94, 146, 17, 17};
inline constexpr Cell PanelContinueButton{192, 146, 17, 17};
// A coin dropped off the slot falls from where the pointer held it (this
// pixel of its picture) and leaves the picture when that pixel passes a row.
inline constexpr int kFallingCoinHoldX = 7;
inline constexpr int kFallingStackHoldX = 14;
inline constexpr int kFallingHoldY = 7;
inline constexpr int kFallOutY = 263;

// Press zones that are not exactly a picture's place.
inline constexpr Cell LeverKnob{265, 36, 20, 17};
constexpr Cell HoldZone(int r) { return {97 + 44 * r, 180, 22, 12}; }
inline constexpr Cell ReelWindowZone{82, 70, 139, 100};
// Line i (0..9) of the high-score list; neighbours share their boundary row,
// which belongs to the upper line.
constexpr Cell ListLineZone(int i) { return {86, 85 + 8 * i, 131, 9}; }

// The high-score list: line n (1..10) at y, its number centred on a column,
// the name at a fixed x and the score ending at a right edge.
constexpr int ListLineY(int n) { return 8 * n + 78; }
inline constexpr int kListNumberColumn = 95;
inline constexpr int kListNameX = 110;
inline constexpr int kListScoreRight = 216;
// The blinking strip of list line n (1..10).
constexpr Cell ListLineStrip(int n) { return {86, 8 * (n - 1) + 86, 131, 7}; }

// The statistics page: the name centred in the title, twelve pay-table
// pictures with their counts, games played and won, and the play time.
inline constexpr Cell StatisticsTitle{86, 74, 131, 9};
inline constexpr int kStatisticsNameY = 75;
inline constexpr int kStatisticsNameColumn = 152;
constexpr Cell StatisticsPayCell(int k) { return {87 + 69 * (k / 6), 86 + 10 * (k % 6), 33, 7}; }
constexpr int StatisticsCountColumn(int k) { return 135 + 69 * (k / 6); }
inline constexpr int kPlayedColumn = 138;
inline constexpr int kWonColumn = 201;
inline constexpr int kGamesY = 158;
inline constexpr int kPlayTimeX = 159;
inline constexpr int kPlayTimeY = 147;

}  // namespace places

// clang-format on

}  // namespace fw
