// Reel themes: picture files "*.Thm" in the Gfx folder.
#pragma once

#include <optional>
#include <string>

#include "machine/machine.h"

namespace fw {

inline constexpr int kMaxThemes = 10;

// Why a picture of width x height pixels cannot be a reel theme, or "" when
// it can: it holds the theme's cells and is no larger than themecells::kMaxSide
// on a side. Both editions' loaders ask it of a picture's declared size before
// decoding it, and the machine asks it of the decoded picture.
std::string ThemeSizeProblem(int width, int height);
// What the player is told when there are more theme files than the menu holds.
std::string TooManyThemes();

// Lists the theme files and builds the theme menu. Returns false when the
// program has to end (too many themes, or none).
bool ScanThemes(Machine& m);
// Loads theme number index (1..ThemeCount) into the theme picture. Returns
// false, with the reason in error, when the picture cannot be used.
bool LoadTheme(Machine& m, int index, std::string& error);
// A theme picture as the machine can use it, or nothing with the reason in
// error, which calls the picture name (no picture, or a size that is no
// theme's).
std::optional<Surface> ReadThemePicture(ImageLoader& images, const std::string& path, const std::string& name,
                                        std::string& error);
// A picture the player adds to the own themes as file ("Mine.Thm"): what
// stops it (the reasons of ReadThemePicture, naming the picture by its own
// file name, or one theme too many; a theme named like one there takes its
// place), or "" when the scan will take it.
std::string ThemeToAdd(Machine& m, const std::string& path, const std::string& file);
// Puts the theme menu's check mark on item index alone.
void CheckTheme(Machine& m, int index);

// The name of reel symbol `symbol` (0..14) in the theme of the file `themeFile`
// ("Fruit.Thm", any case): the three shipped themes name their symbols ("lemon");
// in any other theme it is "symbol 7".
std::string SymbolName(const std::string& themeFile, int symbol);
// The name of reel symbol `symbol` in the current theme. A player's own theme
// is never taken for a shipped one, even under the same file name.
std::string SymbolName(const Machine& m, int symbol);

}  // namespace fw
