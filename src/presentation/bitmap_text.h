// The bitmap font of the sprite sheet and the play-time clock.
#pragma once

#include <string>

#include "shell/machine.h"

namespace fw {

// The font's 41 characters, in glyph order.
inline constexpr char32_t kFontAlphabet[] = U"ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00C5\u00C4\u00D6:0123456789 ";

// Draws one line of text (UTF-8) at (x, y) of target, 7 pixels a character.
// colour 0 is white, 1 yellow; transparent draws only the glyph shapes (a
// space still blacks out its cell). Characters outside the font leave their
// place empty. Lower case draws with the capitals.
void DrawBitmapText(Machine& m, int x, int y, const std::string& text, int colour, Surface& target,
                    bool transparent);

// Milliseconds as hh:mm:ss; hours count modulo 24.
std::string FormatPlayTime(Long ms);

// The number of characters of a UTF-8 text.
int TextLength(const std::string& text);

// The x at which a text of n characters centred on column p starts.
int CentredX(int n, int p);

// Rounds to the nearest whole number, halves to the even neighbour.
int Whole(double v);

// Every second while the statistics page of the current run shows: the live play time.
void tmrElapsedTime_Timer(Machine& m);

}  // namespace fw
