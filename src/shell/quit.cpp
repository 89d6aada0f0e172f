#include "shell/quit.h"

#include "machine/screen.h"
#include "records/recovery.h"
#include "records/settings.h"
#include "sound/sound_bank.h"

namespace fw {

void QuitButton(Machine& m) {
    BitBlt(m.hdcScreen, places::PanelQuitButton, m.hdcSprites, cells::QuitPressed);
    PlaySfx(m, Sfx::Door, SfxMode::Once);
    Pause(m, 1000);
    mnuQuit_Click(m);
}

void mnuQuit_Click(Machine& m) {
    Pause(m, 100);
    InterlaceWipe(m, Wipe::Blank);
    Pause(m, 300);
    // The run as this quit enters it stays in the run record until the settings
    // hold it: a quit cut short is recovered at the next start, and only once.
    KeepRunRecord(m, true);
    std::string error;
    const bool saved = SaveSettings(m, error);
    if (saved) ForgetRunRecord(m);
    if (m.SoundAvailable == True) ReleaseSound(m);
    if (!saved) {
        // The records could not be written: say so rather than lose them silently.
        m.host.ShowError(m.AppName, "Your settings and high scores could not be saved.\n\n" + error);
        EndProgram(m, 1);
        return;
    }
    EndProgram(m, 0);
}

void Form_Unload(Machine& m) {
    mnuQuit_Click(m);
}

void CommitData(Machine& m) {
    if (!m.busy && !m.ended) KeepRunRecord(m, true);
}

void KeepRecords(Machine& m) {
    if (m.busy || m.ended) return;
    KeepRunRecord(m, true);
    std::string error;
    WriteSettings(m, error);
}

}  // namespace fw
