#include "records/screens.h"

#include <algorithm>
#include <array>
#include <string>

#include "presentation/bitmap_text.h"
#include "shell/form.h"
#include "shell/transitions.h"

namespace fw {

namespace {

struct PreviewEntry {
    std::string name;
    Integer score = 0;
};

// A number centred on column p.
void DrawCentred(Machine& m, const std::string& text, int p, int y, int colour, bool transparent = false) {
    DrawBitmapText(m, CentredX(TextLength(text), p), y, text, colour, m.hdcCompose, transparent);
}

int CountColour(long value) {
    return value <= 0 ? 1 : 0;
}

}  // namespace

void ShowHighScores(Machine& m) {
    std::array<PreviewEntry, 11> list;
    for (int i = 1; i <= 10; ++i) list[i] = {m.ScoreTable[i].Name, m.ScoreTable[i].Score};

    const ScoreRecord& run = m.ScoreTable[0];
    if (run.Score < list[10].score) {
        m.HighScorePlace = 11;
    } else {
        int place = 1;
        while (list[place].score > run.Score) ++place;
        for (int i = 10; i > place; --i) list[i] = list[i - 1];
        list[place] = {run.Name, run.Score};
        m.HighScorePlace = static_cast<Integer>(place);
    }

    BitBlt(m.hdcCompose, 83, 71, 137, 98, m.hdcSprites, 0, 218);
    for (int i = 1; i <= 10; ++i) {
        const int y = 8 * i + 78;
        const int colour = i == m.HighScorePlace ? 1 : 0;
        DrawCentred(m, std::to_string(i), 95, y, colour);
        DrawBitmapText(m, 110, y, list[i].name, colour, m.hdcCompose, false);
        const std::string score = std::to_string(list[i].score);
        DrawBitmapText(m, 216 - 7 * static_cast<int>(score.size()), y, score, colour, m.hdcCompose, false);
    }
    InterlaceWipe(m, 1);
    m.ScreenMode = kModeHighScores;
}

void ShowStatistics(Machine& m, Integer line) {
    if (line > 0) {
        // The chosen line blinks five times and ends as it was.
        const int y = 8 * (line - 1) + 86;
        BitBlt(m.hdcSprites, 274, 309, 131, 7, m.hdcScreen, 86, y);
        for (int pass = 0; pass < 10; ++pass) {
            BitBlt(m.hdcScreen, 86, y, 131, 7, m.hdcSprites, 274, 309, Rop::SrcInvert);
            Pause(m, 70);
        }
        Pause(m, 150);
    }

    BitBlt(m.hdcCompose, 83, 71, 137, 98, m.hdcSprites, 137, 218);
    for (int k = 0; k < 12; ++k) {
        BitBlt(m.hdcCompose, 87 + 69 * (k / 6), 86 + 10 * (k % 6), 33, 7, m.hdcTheme, 33 * k, 30);
    }

    // Lines below the current run's line show the stored rows one further up.
    if (line == 0 || line == m.HighScorePlace) {
        m.StatPage = 0;
    } else if (line < m.HighScorePlace) {
        m.StatPage = line;
    } else {
        m.StatPage = static_cast<Integer>(line - 1);
    }
    const ScoreRecord& row = m.ScoreTable[m.StatPage];

    DrawCentred(m, row.Name, 152, 75, 1, true);
    for (int k = 0; k < 12; ++k) {
        DrawCentred(m, std::to_string(row.Stat[k]), 135 + 69 * (k / 6), 86 + 10 * (k % 6),
                    CountColour(row.Stat[k]));
    }
    DrawCentred(m, std::to_string(row.Played), 138, 158, CountColour(row.Played));
    DrawCentred(m, std::to_string(row.Wun), 201, 158, CountColour(row.Wun));
    if (m.StatPage == 0) {
        DrawBitmapText(m, 159, 147, FormatPlayTime(PlayTime(m)), 0, m.hdcCompose, false);
        EnableTimer(m, TimerId::ElapsedTime, true);
    } else {
        DrawBitmapText(m, 159, 147, FormatPlayTime(row.ETime), CountColour(row.ETime), m.hdcCompose, false);
    }

    m.HighScorePlace = 0;
    InterlaceWipe(m, 1);
    m.ScreenMode = kModeStatistics;
}

}  // namespace fw
