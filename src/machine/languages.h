// The languages the player may choose, in the order the configuration lists
// them and by the number the settings keep (GameCfg/Language): 0 is the
// system's language, then each language the game speaks, named in its own
// language.
#pragma once

#include <iterator>

namespace fw {

struct LanguageChoice {
    const char* code;  // "" for the system's language
    const char* name;  // "" for the system's language, which is named in the player's language
};
inline constexpr LanguageChoice kLanguageChoices[] = {
    {"", ""}, {"en", "English"}, {"de", "Deutsch"}, {"fr", "Français"}, {"es", "Español"}, {"sv", "Svenska"},
};
inline constexpr int kLanguageChoiceLast = static_cast<int>(std::size(kLanguageChoices)) - 1;

}  // namespace fw
