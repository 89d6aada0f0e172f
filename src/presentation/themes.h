// Reel themes: picture files "*.Thm" in the Gfx folder.
#pragma once

#include <string>

#include "machine/machine.h"

namespace fw {

inline constexpr int kMaxThemes = 10;

// Lists the theme files and builds the theme menu. Returns false when the
// program has to end (too many themes, or none).
bool ScanThemes(Machine& m);
// Loads theme number index (1..ThemeCount) into the theme picture. Returns
// false, with the reason in error, when the picture cannot be used.
bool LoadTheme(Machine& m, int index, std::string& error);
// Puts the theme menu's check mark on item index alone.
void CheckTheme(Machine& m, int index);

}  // namespace fw
