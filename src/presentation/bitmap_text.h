// The bitmap font of the sprite sheet and the play-time clock.
#pragma once

#include <string>

#include "machine/cells.h"
#include "machine/machine.h"

namespace fw {

// Draws one line of text (UTF-8) at (x, y) of target, 7 pixels a character.
// transparent draws only the glyph shapes (a space still blacks out its
// cell). Characters outside the font leave their place empty. Lower case
// draws with the capitals.
void DrawBitmapText(Machine& m, int x, int y, const std::string& text, FontColour colour, Surface& target,
                    bool transparent);

// Whether the font draws every character of a text.
bool FontDraws(const std::string& text);

// For a text holding characters the font has not: the text as the machine
// draws it, in yellow on black with a pixel of black around. Empty when the
// font draws every character.
Surface NamePreview(Machine& m, const std::string& text);

// Milliseconds as hh:mm:ss; hours count modulo 24.
std::string FormatPlayTime(Long ms);

// The number of characters of a UTF-8 text.
int TextLength(const std::string& text);

// The x at which a text of n characters centred on column p starts.
int CentredX(int n, int p);

// Rounds to the nearest whole number, halves to the even neighbour.
int Whole(double v);

}  // namespace fw
