#include "fakes.h"

#include <atomic>
#include <fstream>
#include <set>
#include <stdexcept>

#include <unistd.h>

namespace fw::test {

std::vector<int> VirtualClock::WaitsMs() const {
    std::vector<int> ms;
    for (auto w : waits) ms.push_back(static_cast<int>(w.count() / 1'000'000));
    return ms;
}

int VirtualClock::TotalWaitMs() const {
    std::int64_t total = 0;
    for (auto w : waits) total += w.count();
    return static_cast<int>(total / 1'000'000);
}

double ScriptedRandom::Rnd() {
    const double value = values.at(std::min(next, values.size() - 1));
    ++next;
    return value;
}

std::vector<std::string> RecordingSound::CallsStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& call : calls) {
        if (call.rfind(prefix, 0) == 0) found.push_back(call);
    }
    return found;
}

std::string MemoryStore::GetSetting(const std::string& app, const std::string& section,
                                    const std::string& key, const std::string& fallback) {
    if (app != "Fruitwhirl") throw std::logic_error("settings read under the application name " + app);
    const auto it = durable.find(section + "/" + key);
    return it == durable.end() ? fallback : it->second;
}

void MemoryStore::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                              const std::string& value) {
    if (app != "Fruitwhirl") throw std::logic_error("settings written under the application name " + app);
    unsaved[section + "/" + key] = value;
    ++writes;
}

bool MemoryStore::Flush(std::string& error) {
    ++flushes;
    if (failFlush) {
        unsaved.clear();
        error = "the settings file cannot be written";
        return false;
    }
    for (const auto& [k, v] : unsaved) durable[k] = v;
    unsaved.clear();
    return true;
}

bool MemoryStore::WriteRunRecord(const std::string& text, std::string&) {
    runRecords.push_back(text);
    runRecord = text;
    return true;
}

std::string MemoryStore::KeepRunRecordAside() {
    const std::string name = "Fruitwhirl-damaged-" + std::to_string(aside.size() + 1) + ".record";
    aside[name] = runRecord.value_or("");
    runRecord.reset();
    return name;
}

std::vector<std::string> MemoryStore::KeysOf(const std::string& section) const {
    std::vector<std::string> keys;
    for (const auto& [k, v] : durable) {
        if (k.rfind(section + "/", 0) == 0) keys.push_back(k.substr(section.size() + 1));
    }
    return keys;
}

std::vector<std::string> MemoryStore::Sections() const {
    std::set<std::string> sections;
    for (const auto& [k, v] : durable) sections.insert(k.substr(0, k.find('/')));
    return {sections.begin(), sections.end()};
}

std::string MemoryStore::Value(const std::string& section, const std::string& key) const {
    const auto it = durable.find(section + "/" + key);
    return it == durable.end() ? std::string("<missing>") : it->second;
}

LoadedImage MemoryImages::Load(const std::string& path) {
    loads.push_back(path);
    const auto it = files.find(path);
    if (it == files.end()) return {std::nullopt, "the file is not a picture"};
    return {it->second, {}};
}

void RecordingHost::SetThemeItem(int index, const std::string& caption, bool visible, bool enabled) {
    auto& item = themeItems[index];
    item.caption = caption;
    item.visible = visible;
    item.enabled = enabled;
}

void RecordingHost::CheckThemeItem(int index, bool checked) {
    themeItems[index].checked = checked;
}

void RecordingHost::ShowError(const std::string& title, const std::string& text) {
    errors.push_back(title + ": " + text);
    calls.push_back("ShowError");
}

void RecordingHost::ShowMessage(const std::string& title, const std::string& text) {
    messages.push_back(title + ": " + text);
    calls.push_back("ShowMessage");
}

bool RecordingHost::RunConfigDialog(ConfigValues& values) {
    calls.push_back("RunConfigDialog");
    configShown.push_back(values);
    return configDialog ? configDialog(values) : false;
}

void RecordingHost::EndProgram(int status) {
    endStatus = status;
    calls.push_back("EndProgram " + std::to_string(status));
}

std::uint32_t SpritePixel(int x, int y) {
    return 0x800000u | (static_cast<std::uint32_t>(y) << 9) | x;
}
std::uint32_t MachinePixel(int x, int y) {
    return 0x400000u | (static_cast<std::uint32_t>(y) << 9) | x;
}
std::uint32_t ThemePixel(int theme, int x, int y) {
    return (static_cast<std::uint32_t>(theme) << 16) | (static_cast<std::uint32_t>(y) << 9) | x;
}

namespace {
template <class F>
Surface Coded(int w, int h, F pixel) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) s.setPixel(x, y, pixel(x, y));
    }
    return s;
}
}  // namespace

Surface SpriteSheet() {
    return Coded(474, 337, SpritePixel);
}
Surface MachinePicture() {
    return Coded(320, 256, MachinePixel);
}
Surface ThemePicture(int theme, int width, int height) {
    return Coded(width, height, [theme](int x, int y) { return ThemePixel(theme, x, y); });
}

namespace {
std::filesystem::path MakeFolder() {
    static std::atomic<int> counter{0};
    auto dir = std::filesystem::temp_directory_path() /
               ("fw-core-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "Gfx");
    return dir;
}
}  // namespace

Rig::Rig(std::vector<std::string> themes, SettingsStore* realStore, Random* realRandom, Host* realHost)
    : folder(MakeFolder()),
      machine(std::make_unique<Machine>(
          Platform{clock, realRandom ? *realRandom : random, sound, realStore ? *realStore : store, images,
                   realHost ? *realHost : host},
          Pictures{SpriteSheet(), MachinePicture()}, folder.string())),
      m(*machine) {
    int n = 1;
    for (const auto& name : themes) {
        std::ofstream(folder / "Gfx" / name) << "theme " << n;
        images.files[GfxFile(name)] = ThemePicture(n);
        ++n;
    }
}

Rig::~Rig() {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}

std::string Rig::GfxFile(const std::string& name) const {
    return (folder / "Gfx" / name).string();
}

void Rig::Start() {
    Send(ev::Load{});
}

void Rig::Send(MachineEvent event) {
    Post(m, event);
}

void Rig::StartPlaying() {
    Start();
    Send(ev::Activate{});
    sound.calls.clear();
    clock.waits.clear();
}

void Rig::Drag(int button, int x, int y) {
    Send(ev::Press{button, 305, 183});
    Send(ev::Release{float(x), float(y), true});
}

void Rig::ScriptSteps(std::vector<int> steps) {
    random.values.clear();
    // int(u * 19 + 7) = s for u in the middle of its nineteenth.
    for (int s : steps) random.values.push_back((s - 7 + 0.5) / 19.0);
    random.next = 0;
}

std::vector<int> Rig::SoundsPlayed() const {
    std::vector<int> played;
    for (const auto& call : sound.calls) {
        if (call.rfind("Play ", 0) == 0) played.push_back(std::stoi(call.substr(5)));
    }
    return played;
}

}  // namespace fw::test

namespace fw::test {

bool ShowsSprite(const Surface& surface, int x, int y, int w, int h, int sx, int sy) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (surface.pixel(x + i, y + j) != SpritePixel(sx + i, sy + j)) return false;
    return true;
}

bool ShowsSymbol(const Surface& surface, int reel, int row, int symbol, int theme) {
    for (int j = 0; j < 30; ++j)
        for (int i = 0; i < 29; ++i)
            if (surface.pixel(93 + 44 * reel + i, 75 + 30 * row + j) != ThemePixel(theme, 29 * symbol + i, j))
                return false;
    return true;
}

bool ShowsPayCell(const Surface& surface, int k, int theme) {
    const int x = 55 + 55 * (k / 6);
    const int y = 10 + 8 * (k % 6);
    for (int j = 0; j < 7; ++j)
        for (int i = 0; i < 33; ++i)
            if (surface.pixel(x + i, y + j) != ThemePixel(theme, 33 * k + i, 30 + j)) return false;
    return true;
}

std::string CounterText(const Surface& surface) {
    std::string text;
    for (int i = 0; i < 4; ++i) {
        char c = '?';
        // The machine picture paints the cells blank.
        bool painted = true;
        for (int j = 0; j < 9; ++j)
            for (int x = 0; x < 5; ++x)
                painted = painted &&
                          surface.pixel(225 + 6 * i + x, 158 + j) == MachinePixel(225 + 6 * i + x, 158 + j);
        if (painted) c = '-';
        for (int k = 0; k <= 10; ++k) {
            if (ShowsSprite(surface, 225 + 6 * i, 158, 5, 9, 274 + 5 * k, 229)) c = "0123456789-"[k];
        }
        text += c;
    }
    return text;
}

}  // namespace fw::test
