#include "shell/menus.h"

#include <algorithm>
#include <filesystem>

#include "machine/screen.h"
#include "play/reels.h"
#include "presentation/bitmap_text.h"
#include "presentation/themes.h"
#include "records/screens.h"
#include "records/settings.h"
#include "sound/sound_bank.h"

namespace fw {

void mnuConfig_Click(Machine& m) {
    const std::string before = m.records.ScoreTable[0].Name;
    ConfigValues values;
    values.name = before;
    values.soundOn = m.config.SoundOn;
    values.speed = static_cast<int>(m.config.Speed);
    values.soundAvailable = m.config.SoundAvailable == True;
    values.volume = m.config.Volume;
    values.language = m.config.Language;
    values.namePreview = [&m](const std::string& name) { return NamePreview(m, name); };
    bool ok = false;
    {
        ModalWindow modal(m);
        ok = m.host.RunConfigDialog(values);
    }
    if (ok) {
        m.records.ScoreTable[0].Name = CleanName(values.name);
        // Without a sound device the box cannot be changed: the stored choice stays
        // for the next start with one.
        if (m.config.SoundAvailable == True) m.config.SoundOn = static_cast<Integer>(values.soundOn);
        SetVolume(m, values.volume);
        m.config.Speed = std::clamp<Long>(values.speed, 0, 100);
        if (values.resetHighScores) m.config.ResetHighScores = True;
        if (values.language != m.config.Language && values.language >= 0 &&
            values.language <= kLanguageChoiceLast) {
            m.config.Language = static_cast<Integer>(values.language);
            m.host.SetLanguage(m.config.Language);
        }
    }

    const std::string& name = m.records.ScoreTable[0].Name;
    if (name != before && m.display.ScreenMode == Screen::HighScores &&
        m.records.HighScorePlace != kNotListed) {
        // The current run's line of the list shows the new name; spaces cover a longer old one.
        const std::string padded =
            name + std::string(std::max(0, static_cast<int>(kNameLength) - TextLength(name)), ' ');
        DrawBitmapText(m, places::kListNameX, places::ListLineY(m.records.HighScorePlace), padded,
                       FontColour::Yellow, m.display.hdcScreen, false);
        SaveScreen(m);
    }
    if (name != before && m.display.ScreenMode == Screen::Statistics && m.records.StatPage == 0) {
        BitBlt(m.display.hdcScreen, places::StatisticsTitle, m.display.hdcSprites, cells::StatisticsTitleBar);
        DrawBitmapText(m, CentredX(TextLength(name), places::kStatisticsNameColumn), places::kStatisticsNameY,
                       name, FontColour::Yellow, m.display.hdcScreen, true);
        SaveScreen(m);
    }
    if (m.config.ResetHighScores == True) {
        ResetHighScoreList(m);
        if (m.display.ScreenMode == Screen::HighScores) ShowHighScores(m);
    }
}

void mnuAbout_Click(Machine& m) {
    ModalWindow modal(m);
    m.host.ShowAbout(m.config.AppVersion);
}

void mnuManual_Click(Machine& m) {
    const char sep = static_cast<char>(std::filesystem::path::preferred_separator);
    m.host.ShowManual(m.config.AppFolder + sep + "manual.txt");
}

std::string AddThemeCheck(Machine& m, const std::string& path, const std::string& file) {
    return ThemeToAdd(m, path, file);
}

void mnuWheelTheme_Click(Machine& m, int index) {
    if (index < 1 || index > m.themes.ThemeCount) return;
    if (m.window.ThemeChecked[index]) return;  // already in use: no reload, no redraw

    // A theme file that has gone or been spoilt since start-up keeps the
    // current theme on the reels.
    std::string error;
    if (!LoadTheme(m, index, error)) {
        ModalWindow modal(m);
        m.host.ShowError(m.config.AppName, error);
        return;
    }
    CheckTheme(m, index);
    ShowReelWindow(m);
    m.themes.ThemeIndex = static_cast<Integer>(index);
}

}  // namespace fw
