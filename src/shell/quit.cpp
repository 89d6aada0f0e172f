#include "shell/quit.h"

#include "machine/screen.h"
#include "platform/words.h"
#include "records/recovery.h"
#include "records/settings.h"
#include "sound/sound_bank.h"

namespace fw {

void QuitButton(Machine& m) {
    BitBlt(m.display.hdcScreen, places::PanelQuitButton, m.display.hdcSprites, cells::QuitPressed);
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
    // A record that cannot be written leaves the one of the last game.
    WriteFailure failure;
    WriteRunRecordNow(m, failure);
    bool saved = SaveSettings(m, failure);
    while (!saved && !failure.remedy.empty()) {
        ModalWindow modal(m);
        const bool again = m.host.Ask(
            m.config.AppName,
            // Translators: %1 is why ("the disk is full"), %2 what to do ("Free some space"), %3 the
            // system's words.
            Fill(Tr("records",
                    "Fruitwhirl could not save your high scores: %1. Your previous records are "
                    "unchanged. %2 and try again, or quit without saving: the next start then enters "
                    "your run as far as its record was kept.\n\n(%3)"),
                 {failure.reason, failure.remedy, failure.detail}),
            Tr("records", "Try Again"), Tr("records", "Quit Without Saving"));
        if (!again) break;
        // The run entered the list at the first try: only the writing is tried again.
        saved = WriteSettings(m, failure);
    }
    if (saved) ForgetRunRecord(m);
    if (m.config.SoundAvailable == True) ReleaseSound(m);
    if (!saved && failure.remedy.empty()) {
        // Nothing the player can do now: say so rather than lose them silently.
        m.host.ShowError(
            m.config.AppName,
            Tr("records", "Your settings and high scores could not be saved.") + "\n\n" + failure.detail);
    }
    EndProgram(m, saved ? 0 : 1);
}

void Form_Unload(Machine& m) {
    mnuQuit_Click(m);
}

void CommitData(Machine& m) {
    WriteFailure failure;
    if (!m.queue.busy && !m.queue.ended) WriteRunRecordNow(m, failure);
}

void KeepRecords(Machine& m) {
    if (m.queue.ended) return;
    WriteFailure failure;
    // The run is suspended, not ended: the next start resumes it as it stands,
    // or, with an event under way, as it stood before the event.
    if (SuspendRun(m, failure) && !m.queue.busy) WriteSettings(m, failure);
}

void StepAway(Machine& m) {
    KeepRecords(m);
    if (!m.records.AwaySince) m.records.AwaySince = m.clock.Ticks();
}

void ComeBack(Machine& m) {
    if (!m.records.AwaySince) return;
    m.records.StartTicks += static_cast<Long>(m.clock.Ticks() - *m.records.AwaySince);
    m.records.AwaySince.reset();
}

}  // namespace fw
