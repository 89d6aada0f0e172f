#include "shell/menus.h"

#include <algorithm>
#include <filesystem>

#include "machine/screen.h"
#include "play/reels.h"
#include "presentation/bitmap_text.h"
#include "presentation/themes.h"
#include "records/screens.h"
#include "records/settings.h"

namespace fw {

void mnuConfig_Click(Machine& m) {
    const std::string before = m.ScoreTable[0].Name;
    ConfigValues values;
    values.name = before;
    values.soundOn = m.SoundOn;
    values.speed = static_cast<int>(m.Speed);
    values.soundAvailable = m.SoundAvailable == True;
    bool ok = false;
    {
        ModalWindow modal(m);
        ok = m.host.RunConfigDialog(values);
    }
    if (ok) {
        m.ScoreTable[0].Name = CleanName(values.name);
        m.SoundOn = static_cast<Integer>(values.soundOn);
        m.Speed = std::clamp<Long>(values.speed, 0, 100);
        if (values.resetHighScores) m.ResetHighScores = True;
    }

    const std::string& name = m.ScoreTable[0].Name;
    if (name != before && m.ScreenMode == Screen::HighScores && m.HighScorePlace != kNotListed) {
        // The current run's line of the list shows the new name; spaces cover a longer old one.
        const std::string padded =
            name + std::string(std::max(0, static_cast<int>(kNameLength) - TextLength(name)), ' ');
        DrawBitmapText(m, places::kListNameX, places::ListLineY(m.HighScorePlace), padded, FontColour::Yellow,
                       m.hdcScreen, false);
        SaveScreen(m);
    }
    if (name != before && m.ScreenMode == Screen::Statistics && m.StatPage == 0) {
        BitBlt(m.hdcScreen, places::StatisticsTitle, m.hdcSprites, cells::StatisticsTitleBar);
        DrawBitmapText(m, CentredX(TextLength(name), places::kStatisticsNameColumn), places::kStatisticsNameY,
                       name, FontColour::Yellow, m.hdcScreen, true);
        SaveScreen(m);
    }
    if (m.ResetHighScores == True) {
        ResetHighScoreList(m);
        if (m.ScreenMode == Screen::HighScores) ShowHighScores(m);
    }
}

void mnuAbout_Click(Machine& m) {
    ModalWindow modal(m);
    m.host.ShowAbout(m.AppVersion);
}

void mnuManual_Click(Machine& m) {
    const char sep = static_cast<char>(std::filesystem::path::preferred_separator);
    m.host.ShowManual(m.AppFolder + sep + "manual.txt");
}

std::string AddThemeCheck(Machine& m, const std::string& path, const std::string& file) {
    return ThemeToAdd(m, path, file);
}

void mnuWheelTheme_Click(Machine& m, int index) {
    if (index < 1 || index > m.ThemeCount) return;
    if (m.ThemeChecked[index]) return;  // already in use: no reload, no redraw

    // A theme file that has gone or been spoilt since start-up keeps the
    // current theme on the reels.
    std::string error;
    if (!LoadTheme(m, index, error)) {
        ModalWindow modal(m);
        m.host.ShowError(m.AppName, error);
        return;
    }
    CheckTheme(m, index);
    ShowReelWindow(m);
    m.ThemeIndex = static_cast<Integer>(index);
}

}  // namespace fw
