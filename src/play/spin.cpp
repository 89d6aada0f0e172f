#include "play/spin.h"

#include <string>

#include "machine/frame_delay.h"
#include "machine/screen.h"
#include "play/reels.h"
#include "sound/sound_bank.h"

namespace fw {

namespace {

// A symbol enters the window one pixel row per frame, from its bottom row up.
constexpr int kSymbolRows = themecells::Symbol(0).h;

// Draws row f of the symbol entering reel k at the top of its column.
void DrawEnteringRow(Machine& m, int k, int f) {
    const Integer s = m.Strip[m.reels.ReelPos[k]][k];
    const Cell symbol = themecells::Symbol(0);
    BitBlt(m.display.hdcScreen, m.WheelCord[k][0], places::kReelTop, m.display.hdcTheme,
           {m.SymbolX[s], f, symbol.w, 1});
}

// The bottom pixel row of the window drops out; everything above moves down one row.
void ScrollDown(Machine& m, int x, int width) {
    BitBlt(m.display.hdcScreen, x, places::kReelTop + 1, width, places::kReelScrollHeight,
           m.display.hdcScreen, x, places::kReelTop);
}

long DelayCount(const Config& config, int standing) {
    return standing * 500L + config.Speed * 2000L;
}

// Reels m..2 turn together by steps positions: the whole group is scrolled by
// one copy, so the gaps between the columns move with it.
void TurnGroup(Machine& m, int first, int steps) {
    for (int step = 0; step < steps; ++step) {
        for (int f = kSymbolRows - 1; f >= 0; --f) {
            ScrollDown(m, m.WheelCord[first][0], m.WheelCord[first][1]);
            for (int k = first; k < 3; ++k) DrawEnteringRow(m, k, f);
            FrameDelay(m, DelayCount(m.config, first));
        }
        for (int k = first; k < 3; ++k)
            m.reels.ReelPos[k] = static_cast<Integer>((m.reels.ReelPos[k] + 1) % kReelPositions);
    }
}

// Every reel that is neither held nor stopped turns by steps positions, each
// scrolled in its own column.
void TurnFree(Machine& m, int steps, int standing) {
    for (int step = 0; step < steps; ++step) {
        for (int f = kSymbolRows - 1; f >= 0; --f) {
            for (int k = 0; k < 3; ++k) {
                if (m.reels.Held[k] != 0) continue;
                ScrollDown(m, m.WheelCord[k][0], themecells::Symbol(0).w);
                DrawEnteringRow(m, k, f);
            }
            FrameDelay(m, DelayCount(m.config, standing));
        }
        for (int k = 0; k < 3; ++k) {
            if (m.reels.Held[k] == 0)
                m.reels.ReelPos[k] = static_cast<Integer>((m.reels.ReelPos[k] + 1) % kReelPositions);
        }
    }
}

}  // namespace

int StepCountFor(double u) {
    return static_cast<int>(u * 19 + 7);
}

std::array<int, 3> DrawStepCounts(Machine& m) {
    std::array<int, 3> stepCount{};
    m.random.Randomize();
    for (int r = 0; r < 3; ++r) {
        if (m.reels.Held[r] == 0) stepCount[r] = StepCountFor(m.random.Rnd());
    }
    return stepCount;
}

std::array<Integer, 3> StopPositions(const std::array<Integer, 3>& from, const std::array<int, 3>& stepCount,
                                     const std::array<Integer, 3>& held) {
    std::array<Integer, 3> to = from;
    int turned = 0;
    for (int k = 0; k < 3; ++k) {
        if (held[k] != 0) continue;
        turned += stepCount[k] + 1;
        to[k] = static_cast<Integer>((from[k] + turned) % kReelPositions);
    }
    return to;
}

void PullLever(Machine& m) {
    PlaySfx(m, Sfx::Lever, SfxMode::Once);
    for (int i = 0; i < cells::kLeverFrames; ++i) {
        BitBlt(m.display.hdcScreen, places::Lever, m.display.hdcSprites, cells::LeverFrame(i));
        Pause(m, 75);
    }
    for (int i = cells::kLeverFrames - 1; i >= 0; --i) {
        BitBlt(m.display.hdcScreen, places::Lever, m.display.hdcSprites, cells::LeverFrame(i));
        Pause(m, 70);
    }
}

void SpinReels(Machine& m) {
    // The previous game's amount leaves the payout tray.
    if (m.purse.LastWin > 0) {
        BitBlt(m.display.hdcScreen, places::PayoutTrayLeft, m.display.hdcSprites, cells::PayoutTrayEmpty);
        BitBlt(m.display.hdcScreen, places::PayoutTrayRight, m.display.hdcSprites, cells::PayoutTrayEmpty);
    }

    const std::array<int, 3> stepCount = DrawStepCounts(m);

    PlaySfx(m, Sfx::WheelRun, SfxMode::Loop);
    if (m.reels.HoldCount == 0) {
        // Cascade: reels first..2 turn together; each time the leftmost stops.
        m.reels.HoldAllowed = True;
        for (int first = 0; first < 3; ++first) {
            TurnGroup(m, first, stepCount[first] + 1);
            PlaySfx(m, KlonkOf(first), SfxMode::Once);
        }
    } else {
        m.reels.HoldAllowed = False;
        int standing = m.reels.HoldCount;
        for (int j = 0; j < 3; ++j) {
            if (m.reels.Held[j] != 0) continue;
            TurnFree(m, stepCount[j] + 1, standing);
            PlaySfx(m, KlonkOf(j), SfxMode::Once);
            m.reels.Held[j] = 1;  // stopped
            ++standing;
        }
        m.reels.Held = {0, 0, 0};
        m.reels.HoldCount = 0;
    }
    PlaySfx(m, Sfx::WheelRun, SfxMode::Stop);

    for (int w = 0; w < 3; ++w) m.reels.LineText[w] = RowText(m, w);
    m.records.ScoreTable[0].Played = AddCapped(m.records.ScoreTable[0].Played, 1);
    Pause(m, 300);
}

}  // namespace fw
