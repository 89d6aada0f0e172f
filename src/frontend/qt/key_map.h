// The machine's keys: which key of the keyboard stands for which press.
#pragma once

#include <Qt>
#include <optional>

#include "machine/machine.h"

namespace fw {

// The machine key for a key press, or none (the key is the window's: menu
// shortcuts, Alt with a menu's letter). Keys held down do not repeat.
std::optional<ev::Key> MachineKey(int key, Qt::KeyboardModifiers modifiers);

// The keys, as the lines of text that --help shows.
extern const char* const kKeysHelp;

}  // namespace fw
