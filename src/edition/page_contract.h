// What crosses between the program and a page around it: the codes each side
// sends and the constants the page needs, defined once here. The browser
// edition's build writes the page's copy (contract.js, tools/page_contract.cpp)
// from this, so a page never holds a bare number of the program's.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "edition/keys.h"
#include "machine/machine.h"
#include "presentation/themes.h"

namespace fw {

// The Theme menu's items: one for each theme the machine takes.
inline constexpr int kThemeMenuItems = kMaxThemes;

// The commands of the menus the machine handles.
enum class MenuCommand { Configuration, Quit, Theme, About, Manual, Odds };
// What a sound does.
enum class AudioOperation { PlayOnce, Repeat, Stop, ReleaseAll };
// What a message box says.
enum class MessageKind { Message, Error };
// The View menu's items the page turns on and off and the records keep.
enum class ViewItem { Captions, Hints };

// A finger on the machine: a tap within this many CSS pixels of a small
// target presses it; a finger held this long (milliseconds) without moving
// more than this many CSS pixels is a press of the right button.
inline constexpr int kTouchReachCss = 6;
inline constexpr int kLongPressMs = 500;
inline constexpr int kTouchStillCss = 8;

// The machine event of a menu command (index: the theme's number, 1..10).
std::optional<MachineEvent> MenuEvent(int command, int index);

// How often a window timer ticks: the play-time clock each second, the
// check of the Mania period and the offer every ten seconds.
std::chrono::milliseconds TimerInterval(TimerId timer);

// The speed slider's position for a stored speed, and back: the slider runs
// from slow on the left to fast on the right, a larger speed is slower.
int SpeedSlider(int speed);
int SpeedOfSlider(int slider);

// The page's copy of the contract, as a script that defines `Contract`.
std::string PageContractScript();

}  // namespace fw
