// The reel window: the nine visible symbols and the pay-table panel.
#pragma once

#include <string>

#include "machine/machine.h"

namespace fw {

// The symbol of reel r in visible row w (0 top, 1 the pay line, 2 bottom).
Integer VisibleSymbol(const Machine& m, int reel, int row);

// Visible row w as text: the three symbol ids joined by "-", reels left to right.
std::string RowText(const Machine& m, int row);

// Draws the nine reel cells and the twelve pay-table cells into the
// composition surface from the theme picture.
void DrawReels(Machine& m);

// Redraws the reel window into the composition surface and wipes it in.
void ShowReelWindow(Machine& m);

}  // namespace fw
