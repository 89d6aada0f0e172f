// Test doubles for the machine's platform, a Rig that plays the machine with them, and the records
// store as both editions keep it, over items in memory.
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
#include <stdexcept>
#include <string>
#include <vector>

#include "edition/records_store.h"
#include "machine/cells.h"
#include "machine/machine.h"
#include "machine/sounds.h"
#include "platform/clock.h"
#include "platform/host.h"
#include "platform/image_loader.h"
#include "platform/random.h"
#include "platform/settings_store.h"
#include "platform/sound_control.h"
#include "shell/events.h"

namespace fw {
std::ostream& operator<<(std::ostream& out, Screen s);
std::ostream& operator<<(std::ostream& out, Sfx s);
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
    void StartAt(std::uint32_t ticks) { start_ = ticks; }
    void Advance(std::chrono::milliseconds d) { nanos_ += static_cast<std::uint64_t>(d.count()) * 1'000'000; }

    std::vector<std::chrono::nanoseconds> waits;
    std::function<void()> onWait;

private:
    std::uint32_t start_ = 1000;
    std::uint64_t nanos_ = 0;
};

// Hands out the scripted numbers in order, then repeats the last one.
class ScriptedRandom : public Random {
public:
    double Rnd() override { return values.at(std::min(next++, values.size() - 1)); }
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
    void Randomize() override {}
    std::mt19937_64 engine;
};

// Records every call as text ("Play Lever", "Repeat WheelRun", "Load 3 /app/Sfx/Click.wav"),
// with the number of clock waits that had passed when it came: the frame it starts on.
class RecordingSound : public SoundControl {
public:
    explicit RecordingSound(const VirtualClock& clock) : clock_(clock) {}
    bool Initialise() override {
        Record("Initialise");
        return deviceOpens;
    }
    void Load(std::int32_t slot, const std::string& path) override {
        Record("Load " + std::to_string(slot) + " " + path);
    }
    void PlayOnce(std::int32_t slot) override { Record("Play", slot); }
    void StartRepeating(std::int32_t slot) override { Record("Repeat", slot); }
    void Stop(std::int32_t slot) override { Record("Stop", slot); }
    void Release() override { Record("Release"); }
    void SetVolume(int percent) override { level = percent; }

    bool deviceOpens = true;
    int level = -1;  // the level every sound plays at, as last set; -1 never set
    std::vector<std::string> calls;
    std::vector<std::size_t> atWait;  // beside calls

private:
    void Record(const std::string& call, int slot = -1);
    const VirtualClock& clock_;
};

// Values kept by "section/key"; the run record is a text that is there or not.
class MemoryStore : public SettingsStore {
public:
    std::vector<std::string> Open() override { return notices; }
    std::string GetSetting(const std::string& section, const std::string& key,
                           const std::string& fallback) override {
        return durable.contains(section + "/" + key) ? durable[section + "/" + key] : fallback;
    }
    void SaveSetting(const std::string& section, const std::string& key, const std::string& value) override {
        unsaved[section + "/" + key] = value;
    }
    bool Flush(WriteFailure& failure) override {
        ++flushes;
        for (const auto& [key, value] : failFlush ? decltype(unsaved){} : unsaved) durable[key] = value;
        if (!failFlush) unsaved.clear();
        if (failFlush)
            failure = {"the disk is full", "Free some space", "the settings file cannot be written"};
        return !failFlush;
    }
    std::optional<std::string> ReadRunRecord() override { return runRecord; }
    bool WriteRunRecord(const std::string& text, WriteFailure&) override {
        runRecords.push_back(text);
        runRecord = text;
        return true;
    }
    void RemoveRunRecord() override { runRecord.reset(); }
    std::string KeepRunRecordAside() override {
        const std::string name = "Fruitwhirl-damaged-" + std::to_string(aside.size() + 1) + ".record";
        aside[name] = runRecord.value_or("");
        runRecord.reset();
        return name;
    }
    std::string Value(const std::string& section, const std::string& key) const {
        return durable.contains(section + "/" + key) ? durable.at(section + "/" + key) : "<missing>";
    }
    void Set(const std::string& section, const std::string& key, const std::string& value) {
        durable[section + "/" + key] = value;
    }
    std::map<std::string, std::string> durable;  // what has been flushed (or preset)
    std::map<std::string, std::string> unsaved;  // written but not yet flushed
    int flushes = 0;
    bool failFlush = false;

    std::vector<std::string> notices;          // what Open reports
    std::optional<std::string> runRecord;      // the run record, when there is one
    std::vector<std::string> runRecords;       // every text written, in order
    std::map<std::string, std::string> aside;  // records moved aside, by their new name
};

// Pictures by path, of sizes not known before they are read.
class MemoryImages : public ImageLoader {
public:
    LoadedImage Load(const std::string& path, const PictureSizeCheck&) override {
        loads.push_back(path);
        if (!files.contains(path)) return {std::nullopt, "the file is not a picture"};
        return {files[path], {}};
    }
    std::map<std::string, Surface> files;
    std::vector<std::string> loads;
};

// Records what the machine asks of the window.
class RecordingHost : public Host {
public:
    void ShowWindow() override { calls.push_back("ShowWindow"); }
    void Present() override {}
    void SetPointer(Pointer p) override { pointer = p; }
    void SetDragIcon(DragIcon) override {}
    void EnableMenu(MenuId menu, bool enabled) override { menuEnabled[menu] = enabled; }
    void SetThemeItem(int index, const std::string& caption, bool visible, bool enabled) override {
        themeItems[index] = {caption, visible, enabled, themeItems[index].checked};
    }
    void CheckThemeItem(int index, bool checked) override { themeItems[index].checked = checked; }
    void SetTopmost(bool on) override { topmost = on; }
    void EnableTimer(TimerId timer, bool enabled) override { timerEnabled[timer] = enabled; }
    void ShowMessage(const std::string& title, const std::string& text) override {
        messages.push_back(title + ": " + text);
        calls.push_back("ShowMessage");
    }
    void ShowError(const std::string& title, const std::string& text) override {
        errors.push_back(title + ": " + text);
    }
    bool Ask(const std::string& title, const std::string& text, const std::string& yes,
             const std::string& no) override {
        asked.push_back(title + ": " + text + " [" + yes + "/" + no + "]");
        return answer ? answer() : false;
    }
    bool RunConfigDialog(ConfigValues& values) override {
        calls.push_back("RunConfigDialog");
        return configDialog ? configDialog(values) : false;
    }
    void ShowAbout(const std::string& version) override { calls.push_back("ShowAbout " + version); }
    void ShowManual(const std::string& path) override { calls.push_back("ShowManual " + path); }
    void ShowOdds(const OddsReport& odds, bool open) override { oddsShown.push_back(odds), oddsOpen |= open; }
    bool OddsShown() override { return oddsOpen; }
    void Caption(const std::string& sentence, bool urgent) override {
        captions.push_back({sentence, urgent});
    }
    void EndProgram(int status) override {
        endStatus = status;
        calls.push_back("EndProgram " + std::to_string(status));
    }
    void SetLanguage(int choice) override { languages.push_back(choice); }

    // What the player does in the configuration dialog: edits the values and
    // answers OK (true) or Cancel (false). Without it the dialog is cancelled.
    std::function<bool(ConfigValues&)> configDialog;
    struct ThemeItem {
        std::string caption;
        bool visible = false, enabled = false, checked = false;
    };
    std::map<int, ThemeItem> themeItems;
    std::vector<std::string> calls;
    std::vector<std::string> errors;    // title + ": " + text
    std::vector<std::string> asked;     // title + ": " + text + " [yes/no]"
    std::function<bool()> answer;       // the player's answer to Ask: yes (true); none says no
    std::vector<std::string> messages;  // title + ": " + text
    std::map<MenuId, bool> menuEnabled;
    std::map<TimerId, bool> timerEnabled;
    Pointer pointer = Pointer::Default;
    bool topmost = false;
    std::vector<OddsReport> oddsShown;  // the figures of the odds window, every time
    bool oddsOpen = false;
    struct Said {
        std::string sentence;
        bool urgent = false;
    };
    std::vector<Said> captions;  // every caption, in order
    int endStatus = -1;          // -1 while the program runs
    std::vector<int> languages;  // every language the machine asked the window to speak
};

// Coordinate-coded pictures: every pixel tells where it came from.
std::uint32_t SpritePixel(int x, int y);
std::uint32_t MachinePixel(int x, int y);
std::uint32_t ThemePixel(int theme, int x, int y);
Surface ThemePicture(int theme, int width = themecells::kMinWidth, int height = themecells::kMinHeight);

inline float CentreX(const Cell& c) {
    return c.x + c.w / 2;
}
inline float CentreY(const Cell& c) {
    return c.y + c.h / 2;
}

// A machine in a temporary application folder with the fakes above.
class Rig {
public:
    // Coded pictures; themes: files made in Gfx/, numbered 1.. in the list's order.
    // A real settings store, random numbers or window may take the fakes' place.
    explicit Rig(std::vector<std::string> themes = {"Fruit.Thm"}, SettingsStore* realStore = nullptr,
                 Random* realRandom = nullptr, Host* realHost = nullptr);
    // Real pictures: the sheet and machine given, themes from appFolder/Gfx through loader.
    Rig(Pictures pictures, ImageLoader& loader, const std::string& appFolder,
        SettingsStore* realStore = nullptr);
    ~Rig();

    void Start() { Send(ev::Load{}); }
    // Starts, opens the sound bank, and forgets the waits and sounds so far.
    void StartPlaying();
    void Send(MachineEvent event) { Post(m, event); }
    void Press(float x, float y, int button = 1) { Send(ev::Press{button, x, y}); }
    void PressOn(const Cell& c, int button = 1) { Press(CentreX(c), CentreY(c), button); }
    void PullLever() { PressOn(places::LeverKnob); }
    void PressHold(int reel) { PressOn(places::HoldButton(reel)); }
    // Drags from the pile with the button and lets go at (x, y).
    void Drag(int button, float x, float y);
    // One coin with the left button, a stack with the right, onto the slot.
    void InsertCoins(int button = 1) { Drag(button, CentreX(places::CoinSlot), CentreY(places::CoinSlot)); }
    // The player changes the configuration dialog's values and answers OK.
    void Configure(const std::function<void(ConfigValues&)>& change) {
        host.configDialog = [change](ConfigValues& values) { return change(values), true; };
        Send(ev::MenuConfig{});
    }
    // The next spin's step counts (7..25) for the reels that are not held.
    void ScriptSteps(std::vector<int> steps);
    // The next spin stops with line ("3-0-0", the symbol ids left to right) on the pay line, and a
    // bonus wheel that spins after it stops its light at position wheelStop (0..3: 20..50 coins).
    void ScriptLine(const std::string& line, int wheelStop = 0);
    void Play(const std::string& line, int wheelStop = 0) {
        ScriptLine(line, wheelStop);
        PullLever();
    }
    // The player's purse: the coins left in the pile.
    void SetPurse(int coins) { m.records.ScoreTable[0].Score = static_cast<Integer>(coins); }
    std::vector<Sfx> SoundsPlayed() const;
    void Forget() {
        sound.calls.clear();
        sound.atWait.clear();
        clock.waits.clear();
    }

    std::string GfxFile(const std::string& name) const;

    std::filesystem::path folder;
    bool ownsFolder = true;
    VirtualClock clock;
    ScriptedRandom random;
    RecordingSound sound{clock};
    MemoryStore store;
    MemoryImages images;
    RecordingHost host;
    std::unique_ptr<Machine> machine;
    Machine& m;
};

// The next start on what a run left behind, its clock at the ticks given.
struct NextRun : Rig {
    explicit NextRun(const MemoryStore& left, std::uint32_t ticks = 1000) {
        clock.StartAt(ticks);
        store.durable = left.durable;
        store.runRecord = left.runRecord;
        Start();
    }
};

// Named items in memory; every write fails with the fault while one is set.
class MemoryBytes : public StoreBytes {
public:
    PlaceWords Words() const override { return {"the settings folder \"/home/ann\"", "the disk", ""}; }
    std::string Shown(const std::string& name) const override { return "/home/ann/" + name; }
    std::string Prepare(const std::vector<std::string>&) override { return refused; }
    ItemKind Kind(const std::string& name) override {
        return items.contains(name) ? ItemKind::Item : ItemKind::Missing;
    }
    ItemRead Read(const std::string& name, std::size_t limit) override {
        if (!items.contains(name)) return {};
        return {ItemRead::State::Read, items[name].substr(0, limit + 1), {}};
    }
    bool Replace(const std::string& name, const std::string& bytes, ByteFault& fault) override {
        if (failing) return fault = *failing, false;
        items[name] = bytes;
        return true;
    }
    bool KeepAside(const std::string& name, const std::string& aside, bool move, ByteFault& fault) override {
        if (failing || items.contains(aside)) return fault = failing.value_or(ByteFault{}), false;
        items[aside] = items[name];
        if (move) items.erase(name);
        return true;
    }
    void Remove(const std::string& name) override { items.erase(name); }
    Writability Probe(const std::string&) override { return {}; }

    std::map<std::string, std::string> items;
    std::string refused;  // what stops the place from holding records at all
    std::optional<ByteFault> failing;
};

// The time the records store stamps on what it keeps aside.
inline constexpr const char* kStamp = "2026-12-08-101500";

// A run of the machine on the records store over the items given; a bare one
// has no pictures nor themes, for runs that only read and write the records.
struct RecordsRig {
    explicit RecordsRig(std::map<std::string, std::string> items = {}, bool bare = false);
    // Starts, and opens the sound bank.
    void Start() {
        rig->Start();
        rig->Send(ev::Activate{});
    }
    std::string Told() const { return rig->host.messages.empty() ? "" : rig->host.messages[0]; }
    MemoryBytes* bytes;
    std::unique_ptr<RecordsStore> store;
    std::vector<std::string> notes;  // what the edition was given to note
    MemoryImages noPictures;
    std::unique_ptr<Rig> rig;
};

// The player keeps themes of their own, each with a numbered picture (before the start).
void OwnThemes(Rig& rig, const std::vector<std::pair<std::string, int>>& themes);

// True when the place of surface shows the sprite-sheet cell (coded pictures).
bool Shows(const Surface& surface, const Cell& place, const Cell& cell);
// True when reel cell (reel, row) of surface shows symbol s of the numbered theme.
bool ShowsSymbol(const Surface& surface, int reel, int row, int symbol, int theme = 1);
// The money counter as text: a digit, '-' blank, '?' anything else.
std::string CounterText(const Surface& surface);
// The hold button's look: 'S' STOP, 'G' lit GO, 'D' dark GO, '?' other.
char HoldLook(const Surface& surface, int reel);
// The three hold buttons' looks on the screen, left to right.
std::string HoldLooks(const Machine& m);
int LitCreditLamps(const Surface& surface);

}  // namespace fw::test
