// The bank of 22 numbered sounds.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "shell/machine.h"

namespace fw {

inline constexpr std::array<std::string_view, 22> kSoundFiles = {
    "Activate.wav", "CircHigh.wav", "CircLow.wav", "Click.wav",   "Coin.wav",    "Congrats.wav",
    "Door.wav",     "Lever.wav",    "Mania.wav",   "NoMoney.wav", "Pay.wav",     "Pick.wav",
    "Siren4.wav",   "Siren8.wav",   "Tick.wav",    "WhlRun.wav",  "WinHigh.wav", "WinLow.wav",
    "Wrong.wav",    "klonk1.wav",   "klonk2.wav",  "klonk3.wav",
};

// Sound numbers used by name in the code.
enum Sfx : std::uint8_t {
    kSfxActivate = 0,
    kSfxCircHigh = 1,
    kSfxCircLow = 2,
    kSfxClick = 3,
    kSfxCoin = 4,
    kSfxCongrats = 5,
    kSfxDoor = 6,
    kSfxLever = 7,
    kSfxMania = 8,
    kSfxNoMoney = 9,
    kSfxPay = 10,
    kSfxPick = 11,
    kSfxSiren4 = 12,
    kSfxSiren8 = 13,
    kSfxTick = 14,
    kSfxWheelRun = 15,
    kSfxWinHigh = 16,
    kSfxWinLow = 17,
    kSfxWrong = 18,
    kSfxKlonk1 = 19,
};

// The main window's activation: the first one opens the sound device and
// loads the bank; later ones change nothing.
void Form_Activate(Machine& m);

// Plays sound number sound: mode 1 starts it repeating, 2 stops it, anything
// else plays it once. Silent before the first activation, when no sound
// device could be opened, or when sound is switched off.
void PlaySfx(Machine& m, std::uint8_t sound, std::uint8_t mode);

// Closes the sound device at quit when it was opened.
void ReleaseSound(Machine& m);

}  // namespace fw
