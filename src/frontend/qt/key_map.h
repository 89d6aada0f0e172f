// The machine's keys on the desktop: a key of Qt's by the name the game's one
// table of keys knows it by.
#pragma once

#include <Qt>
#include <optional>

#include "edition/keys.h"

namespace fw {

// The machine key for a key press, or none (the key is the window's: menu
// shortcuts, Alt with a menu's letter). The keypad's keys count as the others.
std::optional<ev::Key> MachineKey(int key, Qt::KeyboardModifiers modifiers);

}  // namespace fw
