#include "fakes.h"

#include <atomic>
#include <fstream>

#include <unistd.h>

#include "play/pay_line.h"

namespace fw {

std::ostream& operator<<(std::ostream& out, Screen s) {
    return out << "Screen " << static_cast<int>(s);
}

namespace {
constexpr const char* kSoundNames[] = {
#define FW_SOUND(name, file) #name,
#include "machine/sound_list.h"
#undef FW_SOUND
};
}  // namespace

std::ostream& operator<<(std::ostream& out, Sfx s) {
    return out << kSoundNames[SoundNumber(s)];
}

}  // namespace fw

namespace fw::test {

void RecordingSound::Record(const std::string& call, int slot) {
    calls.push_back(slot < 0 ? call : call + " " + kSoundNames[slot]);
    atWait.push_back(clock_.waits.size());
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
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.setPixel(x, y, pixel(x, y));
    return s;
}

std::filesystem::path MakeFolder() {
    static std::atomic<int> counter{0};
    auto dir = std::filesystem::temp_directory_path() /
               ("fw-core-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "Gfx");
    return dir;
}

// The pay line after a spin in which the reels not held turn by their step counts (7..25): a
// reel turns by its own steps and those of the free reels left of it, one position more for
// each, and the pay line shows the symbol two positions above a reel's position.
std::array<Integer, 3> PayLineAfter(const Machine& m, const std::array<int, 3>& steps,
                                    const std::array<bool, 3>& held) {
    std::array<Integer, 3> shown{};
    int turned = 0;
    for (int r = 0; r < 3; ++r) {
        if (!held[r]) turned += steps[r] + 1;
        const int position = (m.reels.ReelPos[r] + (held[r] ? 0 : turned)) % kReelPositions;
        shown[r] = m.Strip[(position + kReelPositions - 2) % kReelPositions][r];
    }
    return shown;
}
}  // namespace

Surface ThemePicture(int theme, int width, int height) {
    return Coded(width, height, [theme](int x, int y) { return ThemePixel(theme, x, y); });
}

Rig::Rig(std::vector<std::string> themes, SettingsStore* realStore, Random* realRandom, Host* realHost)
    : folder(MakeFolder()),
      machine(std::make_unique<Machine>(
          Platform{clock, realRandom ? *realRandom : random, sound, realStore ? *realStore : store, images,
                   realHost ? *realHost : host},
          Pictures{Coded(kSheetWidth, kSheetHeight, SpritePixel),
                   Coded(kScreenWidth, kScreenHeight, MachinePixel)},
          folder.string())),
      m(*machine) {
    int n = 1;
    for (const auto& name : themes) {
        std::ofstream(folder / "Gfx" / name) << "theme " << n;
        images.files[GfxFile(name)] = ThemePicture(n++);
    }
}

Rig::Rig(Pictures pictures, ImageLoader& loader, const std::string& appFolder, SettingsStore* realStore)
    : folder(appFolder),
      ownsFolder(false),
      machine(std::make_unique<Machine>(
          Platform{clock, random, sound, realStore ? *realStore : store, loader, host}, std::move(pictures),
          appFolder)),
      m(*machine) {}

Rig::~Rig() {
    std::error_code ec;
    if (ownsFolder) std::filesystem::remove_all(folder, ec);
}

std::string Rig::GfxFile(const std::string& name) const {
    return (folder / "Gfx" / name).string();
}

void Rig::StartPlaying() {
    Start();
    Send(ev::Activate{});
    Forget();
}

void Rig::Drag(int button, float x, float y) {
    PressOn(places::CoinPile, button);
    Send(ev::Release{x, y, true});
}

void Rig::ScriptSteps(std::vector<int> steps) {
    random.values.clear();
    // int(u * 19 + 7) = s for u in the middle of its nineteenth.
    for (int s : steps) random.values.push_back((s - 7 + 0.5) / 19.0);
    random.next = 0;
}

void OwnThemes(Rig& rig, const std::vector<std::pair<std::string, int>>& themes) {
    const auto own = rig.folder / "own";
    std::filesystem::create_directories(own);
    rig.m.themes.UserGfxPath = own.string() + "/";
    for (const auto& [name, theme] : themes) {
        std::ofstream(own / name) << "mine";
        rig.images.files[rig.m.themes.UserGfxPath + name] = ThemePicture(theme);
    }
}

void Rig::ScriptLine(const std::string& line, int wheelStop) {
    const std::array<bool, 3> held{m.reels.Held[0] != 0, m.reels.Held[1] != 0, m.reels.Held[2] != 0};
    for (int a = 7; a <= 25; ++a)
        for (int b = 7; b <= 25; ++b)
            for (int c = 7; c <= 25; ++c) {
                const std::array<int, 3> steps{a, b, c};
                if (LineText(PayLineAfter(m, steps, held)) != line) continue;
                std::vector<int> free;
                for (int r = 0; r < 3; ++r)
                    if (!held[r]) free.push_back(steps[r]);
                ScriptSteps(free);
                random.values.push_back((wheelStop + 0.5) / 4);
                return;
            }
    throw std::runtime_error("no spin from here shows " + line);
}

std::vector<Sfx> Rig::SoundsPlayed() const {
    std::vector<Sfx> played;
    for (const auto& call : sound.calls) {
        for (int k = 0; k < kSoundCount; ++k)
            if (call == "Play " + std::string(kSoundNames[k])) played.push_back(static_cast<Sfx>(k));
    }
    return played;
}

RecordsRig::RecordsRig(std::map<std::string, std::string> items, bool bare) {
    auto memory = std::make_unique<MemoryBytes>();
    bytes = memory.get();
    bytes->items = std::move(items);
    store = std::make_unique<RecordsStore>(std::move(memory),
                                           [this](const std::string& note) { notes.push_back(note); });
    store->stamp = [] { return std::string(kStamp); };
    rig = bare ? std::make_unique<Rig>(Pictures{}, noPictures, "/app/", store.get())
               : std::make_unique<Rig>(std::vector<std::string>{"Fruit.Thm"}, store.get());
}

namespace {
// True when the place of surface holds the cell of a coded picture.
template <class F>
bool Holds(const Surface& surface, const Cell& place, const Cell& cell, F pixel) {
    for (int j = 0; j < cell.h; ++j)
        for (int i = 0; i < cell.w; ++i)
            if (surface.pixel(place.x + i, place.y + j) != pixel(cell.x + i, cell.y + j)) return false;
    return true;
}
}  // namespace

bool Shows(const Surface& surface, const Cell& place, const Cell& cell) {
    return Holds(surface, place, cell, SpritePixel);
}

bool ShowsSymbol(const Surface& surface, int reel, int row, int symbol, int theme) {
    return Holds(surface, places::ReelCell(reel, row), themecells::Symbol(symbol),
                 [theme](int x, int y) { return ThemePixel(theme, x, y); });
}

std::string CounterText(const Surface& surface) {
    std::string text;
    for (int i = 0; i < 4; ++i) {
        const Cell place = places::MoneyCounterCell(i);
        // The machine picture paints the cells blank.
        char c = Holds(surface, place, place, MachinePixel) ? '-' : '?';
        for (int k = 0; k <= cells::kBlankDigit; ++k)
            if (Shows(surface, place, cells::Digit(k))) c = "0123456789-"[k];
        text += c;
    }
    return text;
}

char HoldLook(const Surface& surface, int reel) {
    const Cell place = places::HoldButton(reel);
    if (Shows(surface, place, cells::HoldStop)) return 'S';
    if (Shows(surface, place, cells::HoldGoLit)) return 'G';
    if (Shows(surface, place, cells::HoldGoDark)) return 'D';
    return '?';
}

std::string HoldLooks(const Machine& m) {
    std::string looks;
    for (int r = 0; r < 3; ++r) looks += HoldLook(m.display.hdcScreen, r);
    return looks;
}

int LitCreditLamps(const Surface& surface) {
    int lit = 0;
    for (int n = 0; n < 10; ++n) lit += Shows(surface, places::CreditLamp(n), cells::CreditLampLit);
    return lit;
}

}  // namespace fw::test
