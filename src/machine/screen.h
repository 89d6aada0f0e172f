// The screen primitives every part of the machine draws with: the copies
// between the screen and the composition surface, the pause, and the wipe.
#pragma once

#include "machine/cells.h"
#include "machine/machine.h"

namespace fw {

// Copies the whole cell of src to (x, y) of dst.
inline void BitBlt(Surface& dst, int x, int y, const Surface& src, const Cell& cell, Rop rop = Rop::SrcCopy) {
    BitBlt(dst, x, y, cell.w, cell.h, src, cell.x, cell.y, rop);
}
// Copies the whole cell of src to the place on dst.
inline void BitBlt(Surface& dst, const Cell& place, const Surface& src, const Cell& cell,
                   Rop rop = Rop::SrcCopy) {
    BitBlt(dst, place.x, place.y, cell.w, cell.h, src, cell.x, cell.y, rop);
}

// Copies the composition surface onto the screen, erasing transient drawing.
void Form_Paint(Machine& m);
// Copies the screen into the composition surface, making its look permanent.
void SaveScreen(Machine& m);
// Returns when at least ms milliseconds of the tick count have passed.
void Pause(Machine& m, int ms);

// What the wipe does: blank the screen to black, or reveal the composition surface.
enum class Wipe : Integer { Blank = 0, Reveal = 1 };
// Copies the composition surface onto the screen (Reveal) or blanks the
// screen (Blank) in eight interlaced passes of every eighth pixel row.
void InterlaceWipe(Machine& m, Wipe mode);

}  // namespace fw
