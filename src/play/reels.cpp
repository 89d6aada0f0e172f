#include "play/reels.h"

namespace fw {

Integer VisibleSymbol(const Machine& m, int reel, int row) {
    // The window shows positions ReelPos - 1, - 2 and - 3 from top to bottom;
    // the strip runs downwards through it.
    const int p = ((m.ReelPos[reel] - row - 1) % 20 + 20) % 20;
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
            BitBlt(m.hdcCompose, 93 + 44 * r, 75 + 30 * w, 29, 30, m.hdcTheme, m.SymbolX[s], 0);
        }
    }
    int k = 0;
    for (int q = 0; q < 2; ++q) {
        for (int j = 0; j < 6; ++j, ++k) {
            BitBlt(m.hdcCompose, 55 + 55 * q, 10 + 8 * j, 33, 7, m.hdcTheme, 33 * k, 30);
        }
    }
}

}  // namespace fw
