#include "play/reels.h"

#include "machine/screen.h"

namespace fw {

Integer VisibleSymbol(const Machine& m, int reel, int row) {
    // The window shows positions ReelPos - 1, - 2 and - 3 from top to bottom;
    // the strip runs downwards through it.
    const int p = ((m.reels.ReelPos[reel] - row - 1) % kReelPositions + kReelPositions) % kReelPositions;
    return m.Strip[p][reel];
}

std::string RowText(const Machine& m, int row) {
    return std::to_string(VisibleSymbol(m, 0, row)) + "-" + std::to_string(VisibleSymbol(m, 1, row)) + "-" +
           std::to_string(VisibleSymbol(m, 2, row));
}

void DrawReels(Machine& m) {
    for (int w = 0; w < 3; ++w) {
        for (int r = 0; r < 3; ++r) {
            const Integer s = VisibleSymbol(m, r, w);
            const Cell symbol = themecells::Symbol(0);
            BitBlt(m.display.hdcCompose, places::ReelCell(r, w), m.display.hdcTheme,
                   symbol.at(m.SymbolX[s], symbol.y));
        }
    }
    // Column by column, top to bottom: cells 0..5 on the left, 6..11 on the right.
    for (int k = 0; k < themecells::kPayCells; ++k) {
        BitBlt(m.display.hdcCompose, places::PayTableCell(k), m.display.hdcTheme, themecells::PayCell(k));
    }
}

void ShowReelWindow(Machine& m) {
    BitBlt(m.display.hdcCompose, places::DisplayWindow, m.display.hdcSprites, cells::EmptyReelWindow);
    DrawReels(m);
    InterlaceWipe(m, Wipe::Reveal);
}

}  // namespace fw
