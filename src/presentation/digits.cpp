#include "presentation/digits.h"

#include <algorithm>
#include <string>

#include "machine/screen.h"

namespace fw {

namespace {

// The counter's glyphs in order: the ten digits, then the blank cell.
constexpr std::string_view kDigitAlphabet = "0123456789-";

// Draws glyph k (0..9 a digit, 10 the blank cell) in counter cell i, counted
// from the left (0 the thousands, 3 the units).
void DrawDigitCell(Machine& m, int i, int k) {
    BitBlt(m.display.hdcScreen, places::MoneyCounterCell(i), m.display.hdcSprites, cells::Digit(k));
}

void TakeOneCoin(Machine& m) {
    Integer& purse = m.records.ScoreTable[0].Score;
    purse = AddCapped(purse, -1);
    ShowPurse(m);
}

void CountUp(Machine& m, Integer amount) {
    // Only the coins that reach the purse are counted: it stops at 32767, and
    // the counter keeps showing its last four digits.
    const int counted = std::min<int>(amount, kIntegerMax - m.records.ScoreTable[0].Score);
    int delay = 50;
    int run = 0;
    for (int j = 1; j <= counted; ++j) {
        // Advance the units cell and carry to the left; only cells that change
        // are drawn, so blank leading cells stay blank until a carry reaches them.
        for (int d = 0; d < 4; ++d) {
            m.purse.MoneyDigits[d] = static_cast<Integer>((m.purse.MoneyDigits[d] + 1) % 10);
            DrawDigitCell(m, 3 - d, m.purse.MoneyDigits[d]);
            if (m.purse.MoneyDigits[d] != 0) break;
        }
        ++run;
        if (delay > 5 && run == 5) {
            delay -= 5;
            run = 0;
        }
        Pause(m, delay);
    }
    m.records.ScoreTable[0].Score = AddCapped(m.records.ScoreTable[0].Score, amount);
}

}  // namespace

void ShowPurse(Machine& m) {
    std::string text = std::to_string(m.records.ScoreTable[0].Score);
    // Four cells: a longer number shows its last four digits.
    if (text.size() > 4) text = text.substr(text.size() - 4);
    text.insert(0, 4 - text.size(), '-');
    for (int i = 0; i < 4; ++i) {
        const int k = static_cast<int>(kDigitAlphabet.find(text[i]));
        DrawDigitCell(m, i, k);
        m.purse.MoneyDigits[3 - i] = static_cast<Integer>(k == cells::kBlankDigit ? 0 : k);
    }
}

void DrawDigits(Machine& m, Integer amount) {
    if (amount == kTakeOneCoin) {
        TakeOneCoin(m);
    } else {
        CountUp(m, amount);
    }
    SaveScreen(m);
}

}  // namespace fw
