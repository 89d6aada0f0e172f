// What the fuzz targets share beside the tests' fakes: a machine whose records
// are items in memory, the stop on a broken rule, and the checks of the rules.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "fakes.h"
#include "records/settings.h"

namespace fw::fuzz {

// A rule the readers keep was broken: libFuzzer keeps the input that did it.
[[noreturn]] inline void Broken(const char* rule) {
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

// UTF-8, as the store holds its values: the reader gives nothing else, and the machine's own values are text.
inline bool IsText(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int more = b < 0x80                ? 0
                         : b >= 0xC2 && b < 0xE0 ? 1
                         : b >= 0xE0 && b < 0xF0 ? 2
                         : b >= 0xF0 && b < 0xF5 ? 3
                                                 : -1;
        if (more < 0 || s.size() - i <= static_cast<std::size_t>(more)) return false;
        std::uint32_t c = b & (0x7F >> more);
        for (int k = 1; k <= more; ++k) {
            const auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80) return false;
            c = c << 6 | (t & 0x3F);
        }
        const std::uint32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (c < least[more] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return false;
        i += more + 1;
    }
    return true;
}

// A bare machine with three themes whose records are the items given.
struct RecordsRig : test::RecordsRig {
    explicit RecordsRig(std::map<std::string, std::string> items) : test::RecordsRig(std::move(items), true) {
        m.themes.ThemeCount = 3;
    }
    // The settings read as a start reads them; what the store said on opening them.
    std::vector<std::string> Load() {
        std::vector<std::string> said = store->Open();
        LoadSettings(m);
        return said;
    }
    Machine& m = rig->m;
};

// Two rows hold the same run, play time and all.
inline bool SameRow(const ScoreRecord& a, const ScoreRecord& b) {
    return a.Name == b.Name && a.Score == b.Score && a.Stat == b.Stat && a.ETime == b.ETime &&
           a.Played == b.Played && a.Wun == b.Wun;
}

inline bool SameList(const Machine& a, const Machine& b) {
    for (int n = 1; n <= kListLines; ++n)
        if (!SameRow(a.records.ScoreTable[n], b.records.ScoreTable[n])) return false;
    return true;
}

}  // namespace fw::fuzz
