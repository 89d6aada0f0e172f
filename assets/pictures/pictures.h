// The picture generator's parts: the reel themes, the sprite sheet with the
// machine picture, the icons, the About window's and the message boxes' pictures.
#pragma once

#include <QImage>

namespace pictures {

inline constexpr int kThemeWidth = 435;
inline constexpr int kThemeHeight = 37;
inline constexpr int kSymbolW = 29;
inline constexpr int kSymbolH = 30;
inline constexpr int kPayCellW = 33;
inline constexpr int kPayCellH = 7;

// The reel themes, each 15 symbols and 12 pay-table pictures. They are
// installed as Gfx/Fruit.Thm, Gfx/Jewels.Thm and Gfx/Vegas.Thm; the game
// numbers them in name order, so the fruit theme stays theme 1.
QImage makeFruitTheme();
QImage makeJewelTheme();
QImage makeVegasTheme();

struct SheetAndMachine {
    QImage sheet;    // 474 x 358, RGB
    QImage machine;  // 320 x 256, RGB
};
SheetAndMachine makeSheetAndMachine();

// The window icon at each of its sizes, each drawn for its size: a little
// fruit machine, the same design as the About window's logo.
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256, 512};
QImage makeWindowIcon(int size);  // ARGB
QImage makeDragCoin();            // 32 x 32 ARGB
QImage makeDragStack();           // 32 x 32 ARGB

// The About window's pictures, ARGB: the logo is the window icon's design
// fitted to its own size.
inline constexpr int kAboutLogoSize = 96;
inline constexpr int kAboutLinkSize = 32;
QImage makeAboutLogo();
// The About window's title: the cabinet's "FRUIT" over "WHIRL" lettering, on
// a clear ground.
inline constexpr int kWordmarkWidth = 66, kWordmarkHeight = 27;
QImage makeWordmark();
QImage makeAboutEmail();
QImage makeAboutHomepage();

// The message boxes' pictures, ARGB, kMessageIconSize square: a warning, an
// error, and information (also a question's).
inline constexpr int kMessageIconSize = 16;
QImage makeWarningIcon();
QImage makeErrorIcon();
QImage makeInformationIcon();

// Colours shared by several pictures so that cells sit seamlessly in the machine.
namespace colours {
inline constexpr unsigned kPanel = 0xFF101634;  // pay-table glass
inline constexpr unsigned kPanelDark = 0xFF0A0E22;
inline constexpr unsigned kReel = 0xFFF6EEDA;  // reel paper
inline constexpr unsigned kReelShade = 0xFFE2D6BA;
}  // namespace colours

}  // namespace pictures
