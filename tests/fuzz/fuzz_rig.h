// What the fuzz targets share: a machine on a quiet platform, its records in
// a RecordsStore over bytes held in memory, and the stop on a broken rule.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "edition/records_store.h"
#include "machine/machine.h"
#include "records/settings.h"

namespace fw::fuzz {

// A rule the readers keep was broken: libFuzzer keeps the input that did it.
[[noreturn]] inline void Broken(const char* rule) {
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

// UTF-8, as the store holds its values: the reader gives nothing else, and
// the machine's own values are text.
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

// Named items in memory; every write works.
class MemoryBytes : public StoreBytes {
public:
    explicit MemoryBytes(std::map<std::string, std::string>& items) : items_(items) {}
    PlaceWords Words() const override { return {"the settings folder", "the disk", ""}; }
    std::string Shown(const std::string& name) const override { return name; }
    std::string Prepare(const std::vector<std::string>&) override { return {}; }
    ItemKind Kind(const std::string& name) override {
        return items_.contains(name) ? ItemKind::Item : ItemKind::Missing;
    }
    ItemRead Read(const std::string& name, std::size_t limit) override {
        if (!items_.contains(name)) return {};
        return {ItemRead::State::Read, items_[name].substr(0, limit + 1), {}};
    }
    bool Replace(const std::string& name, const std::string& bytes, ByteFault&) override {
        items_[name] = bytes;
        return true;
    }
    bool KeepAside(const std::string& name, const std::string& aside, bool move, ByteFault&) override {
        items_[aside] = items_[name];
        if (move) items_.erase(name);
        return true;
    }
    void Remove(const std::string& name) override { items_.erase(name); }
    Writability Probe(const std::string&) override { return {}; }

private:
    std::map<std::string, std::string>& items_;
};

class QuietClock : public Clock {
public:
    std::uint32_t Ticks() override { return 1000; }
    void Wait(std::chrono::nanoseconds) override {}
};
class QuietRandom : public Random {
public:
    double Rnd() override { return 0.0; }
    void Randomize() override {}
};
class QuietSound : public SoundControl {
public:
    bool Initialise() override { return false; }
    void Load(std::int32_t, const std::string&) override {}
    void PlayOnce(std::int32_t) override {}
    void StartRepeating(std::int32_t) override {}
    void Stop(std::int32_t) override {}
    void Release() override {}
};
class NoImages : public ImageLoader {
public:
    LoadedImage Load(const std::string&) override { return {std::nullopt, "no picture"}; }
};
class QuietHost : public Host {
public:
    void ShowWindow() override {}
    void Present() override {}
    void SetPointer(Pointer) override {}
    void SetDragIcon(DragIcon) override {}
    void EnableMenu(MenuId, bool) override {}
    void SetThemeItem(int, const std::string&, bool, bool) override {}
    void CheckThemeItem(int, bool) override {}
    void SetTopmost(bool) override {}
    void EnableTimer(TimerId, bool) override {}
    void ShowError(const std::string&, const std::string&) override {}
    void ShowMessage(const std::string&, const std::string&) override {}
    bool RunConfigDialog(ConfigValues&) override { return false; }
    void ShowAbout(const std::string&) override {}
    void ShowManual(const std::string&) override {}
    void ShowOdds(const OddsReport&, bool) override {}
    bool OddsShown() override { return false; }
    void EndProgram(int) override {}
};

// A machine with three themes whose records are the items given.
struct RecordsRig {
    explicit RecordsRig(std::map<std::string, std::string>& items)
        : store(std::make_unique<MemoryBytes>(items)),
          m(Platform{clock, random, sound, store, images, host}, Pictures{}, "/app/") {
        store.stamp = [] { return std::string("2024-06-07-183005"); };
        m.themes.ThemeCount = 3;
    }
    QuietClock clock;
    QuietRandom random;
    QuietSound sound;
    NoImages images;
    QuietHost host;
    RecordsStore store;
    Machine m;
};

// Two rows hold the same run, play time and all.
inline bool SameRow(const ScoreRecord& a, const ScoreRecord& b) {
    return a.Name == b.Name && a.Score == b.Score && a.Stat == b.Stat && a.ETime == b.ETime &&
           a.Played == b.Played && a.Wun == b.Wun;
}

// The high-score list of two machines is the same, row for row.
inline bool SameList(const Machine& a, const Machine& b) {
    for (int n = 1; n <= kListLines; ++n)
        if (!SameRow(a.records.ScoreTable[n], b.records.ScoreTable[n])) return false;
    return true;
}

}  // namespace fw::fuzz
