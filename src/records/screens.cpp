#include "records/screens.h"

#include <algorithm>
#include <array>
#include <string>

#include "machine/screen.h"
#include "presentation/bitmap_text.h"

namespace fw {

namespace {

struct PreviewEntry {
    std::string name;
    Integer score = 0;
};

// A text centred on column p.
void DrawCentred(Machine& m, const std::string& text, int p, int y, FontColour colour,
                 bool transparent = false) {
    DrawBitmapText(m, CentredX(TextLength(text), p), y, text, colour, m.display.hdcCompose, transparent);
}

// Counts that are still zero show in yellow.
FontColour CountColour(long value) {
    return value <= 0 ? FontColour::Yellow : FontColour::White;
}

}  // namespace

void ShowHighScores(Machine& m) {
    std::array<PreviewEntry, kListLines + 1> list;
    for (int i = 1; i <= kListLines; ++i)
        list[i] = {m.records.ScoreTable[i].Name, m.records.ScoreTable[i].Score};

    const ScoreRecord& run = m.records.ScoreTable[0];
    if (run.Score < list[kListLines].score) {
        m.records.HighScorePlace = kNotListed;
    } else {
        int place = 1;
        while (list[place].score > run.Score) ++place;
        for (int i = kListLines; i > place; --i) list[i] = list[i - 1];
        list[place] = {run.Name, run.Score};
        m.records.HighScorePlace = static_cast<Integer>(place);
    }

    BitBlt(m.display.hdcCompose, places::DisplayWindow, m.display.hdcSprites, cells::HighScorePanel);
    for (int i = 1; i <= kListLines; ++i) {
        const int y = places::ListLineY(i);
        const FontColour colour = i == m.records.HighScorePlace ? FontColour::Yellow : FontColour::White;
        DrawCentred(m, std::to_string(i), places::kListNumberColumn, y, colour);
        DrawBitmapText(m, places::kListNameX, y, list[i].name, colour, m.display.hdcCompose, false);
        const std::string score = std::to_string(list[i].score);
        const int scoreX = places::kListScoreRight - kGlyphPitch * static_cast<int>(score.size());
        DrawBitmapText(m, scoreX, y, score, colour, m.display.hdcCompose, false);
    }
    InterlaceWipe(m, Wipe::Reveal);
    m.display.ScreenMode = Screen::HighScores;
    Notice(m, Happening::HighScores);
}

void ShowStatistics(Machine& m, Integer line) {
    if (line > 0) {
        // The chosen line blinks five times and ends as it was.
        const Cell strip = places::ListLineStrip(line);
        const Cell scratch = cells::ScratchListRow;
        BitBlt(m.display.hdcSprites, scratch.x, scratch.y, scratch.w, scratch.h, m.display.hdcScreen, strip.x,
               strip.y);
        for (int pass = 0; pass < 10; ++pass) {
            BitBlt(m.display.hdcScreen, strip, m.display.hdcSprites, scratch, Rop::SrcInvert);
            Pause(m, 70);
        }
        Pause(m, 150);
    }

    BitBlt(m.display.hdcCompose, places::DisplayWindow, m.display.hdcSprites, cells::StatisticsPanel);
    for (int k = 0; k < themecells::kPayCells; ++k) {
        BitBlt(m.display.hdcCompose, places::StatisticsPayCell(k), m.display.hdcTheme,
               themecells::PayCell(k));
    }

    // Lines below the current run's line show the stored rows one further up.
    if (line == 0 || line == m.records.HighScorePlace) {
        m.records.StatPage = 0;
    } else if (line < m.records.HighScorePlace) {
        m.records.StatPage = line;
    } else {
        m.records.StatPage = static_cast<Integer>(line - 1);
    }
    const ScoreRecord& row = m.records.ScoreTable[m.records.StatPage];

    DrawCentred(m, row.Name, places::kStatisticsNameColumn, places::kStatisticsNameY, FontColour::Yellow,
                true);
    for (int k = 0; k < themecells::kPayCells; ++k) {
        DrawCentred(m, std::to_string(row.Stat[k]), places::StatisticsCountColumn(k),
                    places::StatisticsPayCell(k).y, CountColour(row.Stat[k]));
    }
    DrawCentred(m, std::to_string(row.Played), places::kPlayedColumn, places::kGamesY,
                CountColour(row.Played));
    DrawCentred(m, std::to_string(row.Wun), places::kWonColumn, places::kGamesY, CountColour(row.Wun));
    if (m.records.StatPage == 0) {
        DrawBitmapText(m, places::kPlayTimeX, places::kPlayTimeY, FormatPlayTime(PlayTime(m)),
                       FontColour::White, m.display.hdcCompose, false);
        EnableTimer(m, TimerId::ElapsedTime, true);
    } else {
        DrawBitmapText(m, places::kPlayTimeX, places::kPlayTimeY, FormatPlayTime(row.ETime),
                       CountColour(row.ETime), m.display.hdcCompose, false);
    }

    m.records.HighScorePlace = 0;
    InterlaceWipe(m, Wipe::Reveal);
    m.display.ScreenMode = Screen::Statistics;
    Notice(m, Happening::Statistics);
}

void tmrElapsedTime_Timer(Machine& m) {
    // Drawn on the screen only: a repaint shows the time the page opened with.
    DrawBitmapText(m, places::kPlayTimeX, places::kPlayTimeY, FormatPlayTime(PlayTime(m)), FontColour::White,
                   m.display.hdcScreen, false);
}

}  // namespace fw
