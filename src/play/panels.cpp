#include "play/panels.h"

#include "machine/screen.h"
#include "play/reels.h"
#include "presentation/digits.h"
#include "sound/sound_bank.h"

namespace fw {

void ShowOfferPanel(Machine& m) {
    // A theme chosen now would wipe the reels over the panel: no theme while it shows.
    EnableMenu(m, MenuId::Theme, false);
    SaveScreen(m);
    BitBlt(m.display.hdcCompose, places::DisplayWindow, m.display.hdcSprites, cells::OfferPanel);
    PlaySfx(m, Sfx::Congrats, SfxMode::Once);
    InterlaceWipe(m, Wipe::Reveal);
    m.display.ScreenMode = Screen::Offer;
    m.purse.OfferShown = True;
    m.purse.OfferPending = False;
    Notice(m, Happening::Offer);
}

void ContinuePlay(Machine& m) {
    BitBlt(m.display.hdcScreen, places::PanelContinueButton, m.display.hdcSprites, cells::ContinuePressed);
    PlaySfx(m, Sfx::Coin, SfxMode::Once);
    Pause(m, 1000);
    ShowReelWindow(m);
    if (m.display.ScreenMode == Screen::OutOfCoins) DrawDigits(m, 20);
    Notice(m, m.display.ScreenMode == Screen::OutOfCoins ? Happening::FreshCoins : Happening::PlayOn);
    m.display.ScreenMode = Screen::Reels;
    if (m.mania.ManiaActive != True) EnableMenu(m, MenuId::Theme, true);
}

}  // namespace fw
