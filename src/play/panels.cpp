#include "play/panels.h"

#include "presentation/digits.h"
#include "shell/form.h"
#include "shell/transitions.h"
#include "sound/sound_bank.h"

namespace fw {

void ShowOfferPanel(Machine& m) {
    SaveScreen(m);
    BitBlt(m.hdcCompose, 83, 71, 137, 98, m.hdcSprites, 137, 120);
    PlaySfx(m, kSfxCongrats, 0);
    InterlaceWipe(m, 1);
    m.ScreenMode = kModeOffer;
    m.OfferShown = True;
    m.OfferPending = False;
}

void ContinuePlay(Machine& m) {
    BitBlt(m.hdcScreen, 192, 146, 17, 17, m.hdcSprites, 393, 53);
    PlaySfx(m, kSfxCoin, 0);
    Pause(m, 1000);
    ShowReelWindow(m);
    if (m.ScreenMode == kModeOutOfCoins) DrawDigits(m, 20);
    m.ScreenMode = kModeReels;
}

}  // namespace fw
