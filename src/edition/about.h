// What the About window says, the same in both editions.
#pragma once

#include <string>

namespace fw {

// The version, what the game is, and the notice: lines of text.
std::string AboutText(const std::string& version);

}  // namespace fw
