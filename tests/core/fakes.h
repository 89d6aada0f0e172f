// Test doubles for the machine's platform: a virtual clock, scripted random
// numbers, a recording sound control, an in-memory settings store and image
// loader, and a recording host.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "machine/machine.h"
#include "platform/clock.h"
#include "platform/host.h"
#include "platform/image_loader.h"
#include "platform/random.h"
#include "platform/settings_store.h"
#include "platform/sound_control.h"
#include "shell/events.h"

namespace fw {
// Screen modes print as their numbers in test messages.
inline std::ostream& operator<<(std::ostream& out, Screen s) {
    return out << "Screen " << static_cast<int>(s);
}
}  // namespace fw

namespace fw::test {

// Time moves only when the machine waits, and then at once.
class VirtualClock : public Clock {
public:
    std::uint32_t Ticks() override { return start_ + static_cast<std::uint32_t>(nanos_ / 1'000'000); }
    void Wait(std::chrono::nanoseconds d) override {
        nanos_ += static_cast<std::uint64_t>(d.count());
        waits.push_back(d);
        if (onWait) onWait();
    }
    // Sets the tick count the clock starts from (for example just before the wrap).
    void StartAt(std::uint32_t ticks) { start_ = ticks; }
    // Lets time pass while the machine is idle.
    void Advance(std::chrono::milliseconds d) { nanos_ += static_cast<std::uint64_t>(d.count()) * 1'000'000; }
    std::uint64_t ElapsedNanos() const { return nanos_; }
    // The waits in whole milliseconds, in order.
    std::vector<int> WaitsMs() const;
    int TotalWaitMs() const;

    std::vector<std::chrono::nanoseconds> waits;
    std::function<void()> onWait;

private:
    std::uint32_t start_ = 1000;
    std::uint64_t nanos_ = 0;
};

// Hands out the scripted numbers in order, then repeats the last one.
class ScriptedRandom : public Random {
public:
    double Rnd() override;
    void Randomize() override { ++reseeds; }
    std::vector<double> values{0.0};
    std::size_t next = 0;
    int reseeds = 0;
};

// Uniform numbers from a fixed seed; reseeding changes nothing.
class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint64_t seed) : engine(seed) {}
    double Rnd() override { return static_cast<double>(engine() >> 11) * 0x1.0p-53; }
    void Randomize() override { ++reseeds; }
    std::mt19937_64 engine;
    int reseeds = 0;
};

// Records every call as text, for example "Load 3 /app/Sfx/Click.wav".
class RecordingSound : public SoundControl {
public:
    void SetWindow(std::uintptr_t) override { calls.push_back("SetWindow"); }
    std::int32_t Initialise() override {
        calls.push_back("Initialise");
        return initialiseResult;
    }
    void Load(std::int32_t slot, const std::string& path) override {
        calls.push_back("Load " + std::to_string(slot) + " " + path);
    }
    void PlayOnce(std::int32_t slot) override { calls.push_back("Play " + std::to_string(slot)); }
    void StartRepeating(std::int32_t slot) override { calls.push_back("Repeat " + std::to_string(slot)); }
    void Stop(std::int32_t slot) override { calls.push_back("Stop " + std::to_string(slot)); }
    void Release() override { calls.push_back("Release"); }

    // The calls that start with prefix.
    std::vector<std::string> CallsStartingWith(const std::string& prefix) const;

    std::int32_t initialiseResult = 0;
    std::vector<std::string> calls;
};

// Values kept by "section/key"; the application name must be "Fruitwhirl".
// The run record is a text that is there or not.
class MemoryStore : public SettingsStore {
public:
    std::vector<std::string> Open() override { return notices; }
    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& fallback) override;
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool Flush(std::string& error) override;
    std::optional<std::string> ReadRunRecord() override { return runRecord; }
    bool WriteRunRecord(const std::string& text, std::string& error) override;
    void RemoveRunRecord() override { runRecord.reset(); }
    std::string KeepRunRecordAside() override;

    // Keys of one section.
    std::vector<std::string> KeysOf(const std::string& section) const;
    std::vector<std::string> Sections() const;
    std::string Value(const std::string& section, const std::string& key) const;
    void Set(const std::string& section, const std::string& key, const std::string& value) {
        durable[section + "/" + key] = value;
    }

    std::map<std::string, std::string> durable;  // what has been flushed (or preset)
    std::map<std::string, std::string> unsaved;  // written but not yet flushed
    int writes = 0;
    int flushes = 0;
    bool failFlush = false;

    std::vector<std::string> notices;          // what Open reports
    std::optional<std::string> runRecord;      // the run record, when there is one
    std::vector<std::string> runRecords;       // every text written, in order
    std::map<std::string, std::string> aside;  // records moved aside, by their new name
};

// Pictures by path.
class MemoryImages : public ImageLoader {
public:
    LoadedImage Load(const std::string& path) override;
    std::map<std::string, Surface> files;
    std::vector<std::string> loads;
};

// Records what the machine asks of the window.
class RecordingHost : public Host {
public:
    void ShowWindow() override { calls.push_back("ShowWindow"); }
    void Present() override { ++presents; }
    void SetPointer(Pointer pointer) override { this->pointer = pointer; }
    void SetDragIcon(DragIcon icon) override { dragIcon = icon; }
    void EnableMenu(MenuId menu, bool enabled) override { menuEnabled[menu] = enabled; }
    void SetThemeItem(int index, const std::string& caption, bool visible, bool enabled) override;
    void CheckThemeItem(int index, bool checked) override;
    void SetTopmost(bool topmost) override { this->topmost = topmost; }
    void EnableTimer(TimerId timer, bool enabled) override { timerEnabled[timer] = enabled; }
    void ShowError(const std::string& title, const std::string& text) override;
    void ShowMessage(const std::string& title, const std::string& text) override;
    bool RunConfigDialog(ConfigValues& values) override;
    void ShowAbout(const std::string& version) override { calls.push_back("ShowAbout " + version); }
    void ShowManual(const std::string& path) override { calls.push_back("ShowManual " + path); }
    void ShowOdds(const OddsReport& odds, bool open) override { oddsShown.push_back(odds), oddsOpen |= open; }
    bool OddsShown() override { return oddsOpen; }
    void EndProgram(int status) override;

    // What the player does in the configuration dialog: edits the values and
    // answers OK (true) or Cancel (false). Without it the dialog is cancelled.
    std::function<bool(ConfigValues&)> configDialog;
    std::vector<ConfigValues> configShown;  // the values the dialog opened with

    struct ThemeItem {
        std::string caption;
        bool visible = false;
        bool enabled = false;
        bool checked = false;
    };
    std::map<int, ThemeItem> themeItems;
    std::vector<std::string> calls;
    std::vector<std::string> errors;    // title + ": " + text
    std::vector<std::string> messages;  // title + ": " + text
    std::map<MenuId, bool> menuEnabled;
    std::map<TimerId, bool> timerEnabled;
    Pointer pointer = Pointer::Default;
    DragIcon dragIcon = DragIcon::None;
    bool topmost = false;
    int presents = 0;
    std::vector<OddsReport> oddsShown;  // the figures of the odds window, every time
    bool oddsOpen = false;
    int endStatus = -1;  // -1 while the program runs
};

// Coordinate-coded pictures: every pixel tells where it came from, so a copy
// can be checked exactly.
std::uint32_t SpritePixel(int x, int y);
std::uint32_t MachinePixel(int x, int y);
std::uint32_t ThemePixel(int theme, int x, int y);
Surface SpriteSheet();
Surface MachinePicture();
Surface ThemePicture(int theme, int width = 435, int height = 37);

// A machine in a temporary application folder with theme files on disk
// (their pictures come from MemoryImages) and the fakes above.
class Rig {
public:
    // themes: file names created in Gfx/; each gets a coordinate-coded picture
    // numbered by its position in the list (1-based). A real settings store,
    // random numbers or window may take the place of the fakes.
    explicit Rig(std::vector<std::string> themes = {"Fruit.Thm"}, SettingsStore* realStore = nullptr,
                 Random* realRandom = nullptr, Host* realHost = nullptr);
    ~Rig();

    // Runs the start-up to its end.
    void Start();
    // Starts, opens the sound bank, and forgets the waits and sounds so far.
    void StartPlaying();
    // Posts an event and runs it to completion.
    void Send(MachineEvent event);
    // A press (and release, where it matters) as the player makes it.
    void Press(int x, int y, int button = 1) { Send(ev::Press{button, float(x), float(y)}); }
    void PullLever() { Press(270, 40); }
    // Drags from the pile with the button and lets go at (x, y).
    void Drag(int button, int x, int y);
    // Drags coins onto the slot: one with the left button, a stack with the right.
    void InsertCoins(int button = 1) { Drag(button, 236, 84); }
    // The next spin's step counts (7..25) for the reels that are not held.
    void ScriptSteps(std::vector<int> steps);
    // The numbers the sounds were played with, in order ("Play 18" -> 18).
    std::vector<int> SoundsPlayed() const;
    void ForgetSounds() { sound.calls.clear(); }

    std::string GfxFile(const std::string& name) const;

    std::filesystem::path folder;
    VirtualClock clock;
    ScriptedRandom random;
    RecordingSound sound;
    MemoryStore store;
    MemoryImages images;
    RecordingHost host;
    std::unique_ptr<Machine> machine;
    Machine& m;
};

}  // namespace fw::test

namespace fw::test {

// True when the w x h rectangle at (x, y) of surface is the sprite-sheet cell at (sx, sy).
bool ShowsSprite(const Surface& surface, int x, int y, int w, int h, int sx, int sy);
// True when reel cell (reel, row) of surface shows symbol s of the numbered theme.
bool ShowsSymbol(const Surface& surface, int reel, int row, int symbol, int theme);
// True when pay-table cell k of surface shows cell k of the numbered theme.
bool ShowsPayCell(const Surface& surface, int k, int theme);
// The money counter as text, left to right: a digit, '-' for a blank cell (the
// blank glyph or the cell as the machine picture paints it), '?' for anything else.
std::string CounterText(const Surface& surface);

}  // namespace fw::test
