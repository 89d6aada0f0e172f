#include "shell/transitions.h"

#include "globals/cells.h"
#include "play/reels.h"
#include "records/settings.h"
#include "shell/form.h"
#include "sound/sound_bank.h"

namespace fw {

void InterlaceWipe(Machine& m, Integer mode) {
    const Rop rop = mode != 0 ? Rop::SrcCopy : Rop::Blackness;
    for (int pass = 0; pass < 8; ++pass) {
        // Offsets run to 256 inclusive; the last row of a pass may lie below the
        // picture, where the copy changes nothing.
        for (int offset = 0; offset <= 256; offset += 8) {
            BitBlt(m.hdcScreen, 0, offset + pass, kScreenWidth, 1, m.hdcCompose, 0, offset + pass, rop);
        }
        Pause(m, 50);
    }
}

void ShowReelWindow(Machine& m) {
    BitBlt(m.hdcCompose, 83, 71, 137, 98, m.hdcSprites, 274, 120);
    DrawReels(m);
    InterlaceWipe(m, 1);
}

void QuitButton(Machine& m) {
    BitBlt(m.hdcScreen, 94, 146, 17, 17, m.hdcSprites, 376, 53);
    PlaySfx(m, kSfxDoor, 0);
    Pause(m, 1000);
    mnuQuit_Click(m);
}

void mnuQuit_Click(Machine& m) {
    Pause(m, 100);
    InterlaceWipe(m, 0);
    Pause(m, 300);
    std::string error;
    const bool saved = SaveSettings(m, error);
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

}  // namespace fw
