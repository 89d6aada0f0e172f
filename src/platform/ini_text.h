// The text of the settings file, shared by every settings store: the checks a
// text must pass to be read cleanly, the reading of its sections, keys and
// values, and the writing of them, in the spelling the desktop's file has
// always had (so a file made by one edition reads in the other).
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace fw {

// The next character of UTF-8 text at i (i advanced past it), or -1 for a
// byte that starts none (i advanced by one).
long NextUtf8(std::string_view text, std::size_t& i);

// Our own file is a few kilobytes: a larger one is not read beyond this.
inline constexpr std::size_t kLargestSettingsText = std::size_t{1} << 20;

// A settings text with what cannot be read cleanly left out, and the first
// such thing ("line 3 is a comment", "it is larger than 1 MiB"); problem is
// empty for a clean text. A UTF-8 byte-order mark starts an ordinary text;
// UTF-16 is turned into UTF-8; lines end in "\n", "\r\n" or a lone "\r".
struct CheckedSettings {
    std::string text;
    std::string problem;
};
CheckedSettings CheckSettingsText(std::string bytes);

// Section, key, value; keys before any section are in "General".
using IniValues = std::map<std::string, std::map<std::string, std::string>>;

// Section, key, the line (from 1) its value was read from.
using IniLines = std::map<std::string, std::map<std::string, int>>;

// The values of a checked text. A value with unquoted commas reads as its
// parts joined by commas. With lines, also where each value stands.
IniValues ReadIniText(const std::string& text, IniLines* lines = nullptr);

// The values as the settings file's text: sections in order, a blank line
// between them, names and values spelt so that ReadIniText gives them back.
std::string IniText(const IniValues& values);

}  // namespace fw
