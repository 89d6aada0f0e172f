// The game's keys, one table both editions read. A key comes by the name the
// keyboard gives it, in any case ("c", "C", " ", "Space", "Return", "Esc",
// "F1", "+"), with the modifiers held; it stands for a press on the machine
// (made where that press would be in the current screen mode), a command of
// the window, or nothing (the key is the window's or the browser's own).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "machine/machine.h"

namespace fw {

// Mute is carried out at once, not queued behind a spin: it silences the sound the player hears now.
enum class WindowCommand { None, Quit, Manual, FullScreen, ZoomIn, ZoomOut, ActualSize, Mute };

struct HeldKeys {
    bool shift = false;
    bool control = false;
    bool alt = false;  // Alt, or the system's own key (Meta, Command)
};

struct KeyMeaning {
    std::optional<ev::Key> machine;
    WindowCommand window = WindowCommand::None;
};

// A key's name as the table knows it: lower case, " " as "space", "esc" as
// "escape", "return" as "enter".
std::string KeyName(std::string_view name);

KeyMeaning MeaningOfKey(std::string_view name, HeldKeys held);

// The keys of a window command as a menu shows them ("Ctrl+Q"), first the one to show.
std::vector<std::string> Shortcuts(WindowCommand command);

// The keys, as the lines of text that --help shows.
std::string KeysHelp();

}  // namespace fw
