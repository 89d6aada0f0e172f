#include "shell/startup.h"

#include <filesystem>
#include <string>
#include <vector>

#include "machine/screen.h"
#include "money/coins.h"
#include "platform/words.h"
#include "play/reels.h"
#include "presentation/digits.h"
#include "presentation/lamps.h"
#include "presentation/themes.h"
#include "records/data_tables.h"
#include "records/recovery.h"
#include "records/settings.h"
#include "sound/sound_bank.h"

namespace fw {

namespace {

// The application folder followed by a subfolder and the platform's separator.
std::string SubFolder(const std::string& appFolder, const char* name) {
    const char sep = static_cast<char>(std::filesystem::path::preferred_separator);
    return appFolder + sep + name + sep;
}

// What the player must know about the records, said once, in one message.
void Tell(Machine& m, const std::vector<std::string>& notes) {
    if (notes.empty()) return;
    std::string text;
    for (const std::string& note : notes) text += (text.empty() ? "" : "\n\n") + note;
    m.host.ShowMessage(m.config.AppName, text);
    // The time the message was read is not play time.
    m.clock.Sync();
}

// The theme chosen last, or when its picture cannot be loaded the first theme
// whose picture can: a theme that cannot is passed over, and why is noted for
// the player. False when no theme loads, with every reason in problems.
bool LoadStartTheme(Machine& m, std::vector<std::string>& notes, std::string& problems) {
    const int chosen = m.themes.ThemeIndex;
    std::vector<int> order{chosen};
    for (int i = 1; i <= m.themes.ThemeCount; ++i)
        if (i != chosen) order.push_back(i);
    for (const int index : order) {
        std::string error;
        if (LoadTheme(m, index, error)) {
            if (index == chosen) return true;
            CheckTheme(m, index);
            m.themes.ThemeIndex = static_cast<Integer>(index);
            notes.push_back(
                problems + " " +
                Fill(Tr("themes", "The reels show the theme \"%1\" instead."), {m.themes.ThemeFiles[index]}));
            return true;
        }
        problems += (problems.empty() ? "" : "\n\n") + error;
    }
    return false;
}

// The holds a suspended run had on offer: on offer again, lit while there are credits.
void OfferHoldsAgain(Machine& m, const std::array<bool, 3>& holdable) {
    if (holdable == std::array<bool, 3>{}) return;
    m.reels.HoldAllowed = True;
    m.reels.WinFlag = False;
    for (int r = 0; r < 3; ++r) {
        m.reels.WinLock[r] = holdable[r] ? 0 : 1;
        if (!holdable[r]) m.reels.WinFlag = True;
        SetHoldLamp(m, r, m.purse.Credits > 0 && holdable[r] ? kHoldPossible : kHoldRefused);
    }
}

}  // namespace

void Form_Load(Machine& m) {
    m.config.AppVersion = kAppVersion;
    m.config.AppDate = "00-02-20";
    m.config.AppName = "Fruitwhirl";

    m.themes.GfxPath = SubFolder(m.config.AppFolder, "Gfx");
    m.config.SfxPath = SubFolder(m.config.AppFolder, "Sfx");

    if (!ScanThemes(m)) return;
    std::vector<std::string> notes = m.store.Open();
    LoadSettings(m);
    // The records' messages below are said in the player's language.
    m.host.SetLanguage(m.config.Language);
    const std::optional<RunRecord> resumed = RecoverLastRun(m, notes);
    // The four drawing surfaces were taken when the machine was made.
    LoadMachineConfig(m);

    std::string problems;
    if (!LoadStartTheme(m, notes, problems)) {
        Tell(m, notes);
        m.host.ShowError(m.config.AppName, problems);
        EndProgram(m, 1);
        return;
    }
    if (resumed && resumed->Reels) m.reels.ReelPos = *resumed->Reels;
    DrawReels(m);

    m.host.ShowWindow();
    Pause(m, 300);
    InterlaceWipe(m, Wipe::Reveal);
    if (resumed) {
        // The run goes on as it was left: its purse at once, its credits lit.
        ShowPurse(m);
        if (resumed->Credits > 0)
            BitBlt(m.display.hdcScreen, places::CreditStrip, m.display.hdcSprites, cells::CreditStripLit);
        for (int n = 0; n < resumed->Credits; ++n) AdjustCredits(m, True);
        OfferHoldsAgain(m, resumed->Holdable);
        SaveScreen(m);
    } else {
        DrawDigits(m, 20);
    }
    Tell(m, notes);
    // Nothing to keep until the run changes; a resumed run's play time counts on.
    m.records.KeptRun = resumed ? static_cast<ScoreRecord>(*resumed) : m.records.ScoreTable[0];
    m.records.KeptState = CurrentRunState(m);
    m.records.StartTicks = static_cast<Long>(m.clock.Ticks() - (resumed ? resumed->ETime : 0));
    Notice(m, Happening::Started);
}

void Form_Activate(Machine& m) {
    if (m.window.ActivatedOnce) return;
    OpenSoundBank(m);
    m.window.ActivatedOnce = true;
}

}  // namespace fw
