// The player's language: the choice the configuration offers and keeps, and
// which language a choice of "System" speaks.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "machine/languages.h"

namespace fw {

// What the configuration lists for a choice: the language's own name, or for
// the system's language its name in the player's language.
std::string LanguageChoiceName(int choice);

// The languages the system asks for, in order, as gettext reads them: LANGUAGE
// (a list split at ':'), else the first of LC_ALL, LC_MESSAGES and LANG that is
// set. "de_DE.UTF-8" gives "de_DE"; "C" and "POSIX" give "en".
std::vector<std::string> SystemLanguages(const std::function<const char*(const char*)>& environment);

// The language to speak, "en", "de", ...: the chosen one, or for the system's
// language the first of wished ("de_AT", "fr-CA", "sv") that the game has a
// catalogue of (available), English when none. A choice out of range is the
// system's language.
std::string SpokenLanguage(int choice, const std::vector<std::string>& wished,
                           const std::vector<std::string>& available);

// The choice a settings file's bytes keep (0, the system's language, when they
// name none, or are damaged and so put aside at start): what the program says
// before it reads its records, its --help and the lock's messages, speaks it.
int LanguageChoiceIn(std::string bytes);

}  // namespace fw
