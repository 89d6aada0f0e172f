// Fruitwhirl in the browser: the machine on a canvas, its sound through Web
// Audio, its records in the browser's storage. The page (fruitwhirl.js) draws,
// plays, stores and shows the dialogs; this file implements the platform
// interfaces on top of it. Every wait of the machine returns to the browser
// (Asyncify), so the core keeps its straight-line code and its one timeline.
#include <emscripten.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "edition/about.h"
#include "edition/describe.h"
#include "edition/language.h"
#include "edition/odds_rows.h"
#include "edition/paced_clock.h"
#include "edition/page_contract.h"
#include "edition/records_store.h"
#include "edition/view_settings.h"
#include "frontend/real_random.h"
#include "machine/machine.h"
#include "platform/words.h"
#include "shell/captions.h"
#include "shell/controls.h"
#include "shell/events.h"
#include "shell/keys.h"
#include "shell/menus.h"
#include "shell/quit.h"
#include "shell/trace.h"

// ---- The page's side: its objects Display, Sound, Store, Dialogs and Fruitwhirl
// --------------------------------------------------
// clang-format off
EM_JS(void, fw_js_present, (const std::uint32_t* pixels, int first, int end), {
    Display.present(HEAPU8, pixels, first, end);
});
EM_JS(void, fw_js_show_window, (), { Display.showWindow(); });
EM_JS(void, fw_js_view, (int scale, int captions, int hints), { Display.setView(scale, !!captions, !!hints); });
// A caption: shown below the machine, and sent to the page as an `fw-caption` event.
EM_JS(void, fw_js_caption, (const char* sentence, int urgent), {
    Display.caption(UTF8ToString(sentence), !!urgent);
});
EM_JS(void, fw_js_pointer, (int busy, int drag), { Display.setPointer(busy, drag); });
// The looks of the touch controls (Contract.look), two bits a control (Contract.control).
EM_JS(void, fw_js_controls, (int looks), { Controls.show(looks); });
EM_JS(void, fw_js_enable_menu, (int menu, int on), { Dialogs.enableMenu(menu, on); });
EM_JS(void, fw_js_theme_item, (int i, const char* caption, int visible, int on), {
    Dialogs.setThemeItem(i, UTF8ToString(caption), visible, on);
});
EM_JS(void, fw_js_check_theme, (int i, int on), { Dialogs.checkThemeItem(i, on); });
// The machine in words, the canvas's description for a screen reader.
EM_JS(void, fw_js_describe, (const char* words), { Display.describe(UTF8ToString(words)); });
EM_JS(void, fw_js_timer, (int timer, int on, int interval), { Fruitwhirl.enableTimer(timer, on, interval); });
EM_JS(void, fw_js_end, (int status), { Fruitwhirl.endProgram(status); });
EM_JS(void, fw_js_manual, (const char* path), { Dialogs.showManual(UTF8ToString(path)); });
// The player's language: the page's catalogue, which the game's words are looked up in.
EM_JS(char*, fw_js_lookup, (const char* context, const char* english, int count), {
    const said = Words.lookup(UTF8ToString(context), UTF8ToString(english), count);
    return said === null ? 0 : allocateUTF8(said);
});
// The languages the browser asks for, and those there are catalogues of, one a line.
EM_JS(char*, fw_js_languages, (int available), {
    return allocateUTF8((available ? Words.available : Words.wished()).join('\n'));
});
EM_ASYNC_JS(void, fw_js_use_language, (const char* code), { await Words.use(UTF8ToString(code)); });
EM_JS(void, fw_js_odds, (const char* json, int open), { Dialogs.showOdds(JSON.parse(UTF8ToString(json)), open); });
EM_JS(int, fw_js_odds_shown, (), { return Dialogs.oddsShown() ? 1 : 0; });
EM_ASYNC_JS(void, fw_js_message, (int error, const char* title, const char* text), {
    await Dialogs.message(error, UTF8ToString(title), UTF8ToString(text));
});
EM_ASYNC_JS(int, fw_js_ask, (const char* title, const char* text, const char* yes, const char* no), {
    return await Dialogs.ask(UTF8ToString(title), UTF8ToString(text), UTF8ToString(yes), UTF8ToString(no))
        ? 1 : 0;
});
// links: a line for each, "mail" or "web", the address and the tooltip, parted by tabs.
EM_ASYNC_JS(void, fw_js_about, (const char* text, const char* links), {
    await Dialogs.about(UTF8ToString(text), UTF8ToString(links).split('\n').filter(Boolean).map((l) => l.split('\t')));
});
// The configuration dialog: values in and, on OK, out through the same fields.
// languages: the choices' names, one a line (0 the system's language).
EM_ASYNC_JS(int, fw_js_config,
            (char* name, int* soundOn, int* slider, int soundAvailable, int* volume, int* reset, int* language,
             const char* languages), {
    const r = await Dialogs.config(UTF8ToString(name), HEAP32[soundOn >> 2], HEAP32[slider >> 2],
                                      soundAvailable, HEAP32[volume >> 2], HEAP32[language >> 2],
                                      UTF8ToString(languages).split('\n'));
    if (!r) return 0;
    stringToUTF8(r.name, name, 64);
    HEAP32[soundOn >> 2] = r.soundOn;
    HEAP32[slider >> 2] = r.slider;
    HEAP32[volume >> 2] = r.volume;
    HEAP32[reset >> 2] = r.reset;
    HEAP32[language >> 2] = r.language;
    return 1;
});
EM_JS(int, fw_js_audio_open, (), { return Sound.open() ? 1 : 0; });
EM_ASYNC_JS(void, fw_js_audio_load, (int slot, const char* path), {
    await Sound.load(slot, UTF8ToString(path));
});
EM_JS(void, fw_js_audio, (int slot, int what), { Sound.play(slot, what); });
EM_JS(void, fw_js_audio_volume, (int percent), { Sound.volume(percent); });
// A picture decoded by the browser: width, height and RGBA bytes in one block
// the caller frees, or 0 with the reason in the page's last error.
EM_ASYNC_JS(std::uint8_t*, fw_js_decode, (const char* path), {
    return await Fruitwhirl.decode(UTF8ToString(path));
});
// The size a picture's file declares in its header, into size[0] and size[1]:
// 0 when the page cannot tell it without decoding the picture.
EM_JS(int, fw_js_declared_size, (const char* path, std::int32_t* size), {
    const s = Fruitwhirl.declaredSize(UTF8ToString(path));
    if (!s) return 0;
    HEAP32.set(s, size >> 2);
    return 1;
});
EM_JS(char*, fw_js_error, (), { return allocateUTF8(Fruitwhirl.lastError); });
// The browser's storage: a text, or 0 when the key holds none; of a longer
// text only its first limit + 1 characters (as many bytes at least). Writes say
// why they failed ("" when they did not).
EM_JS(char*, fw_js_get, (const char* key, double limit), {
    const v = Store.get(UTF8ToString(key));
    return v === null ? 0 : allocateUTF8(v.length > limit ? v.slice(0, limit + 1) : v);
});
EM_JS(char*, fw_js_set, (const char* key, const char* text), {
    return allocateUTF8(Store.set(UTF8ToString(key), text ? UTF8ToString(text) : null));
});
// A save that failed, said in the page until every write works again ("" then).
EM_JS(void, fw_js_unsaved, (const char* text), { Store.unsaved(UTF8ToString(text)); });
EM_JS(char*, fw_js_storage_problem, (), { return allocateUTF8(Store.problem()); });
// A copy kept aside is offered for download beside the message that names it.
EM_JS(void, fw_js_offer, (const char* key), { Store.asides.push(UTF8ToString(key)); });
// clang-format on

namespace fw {
namespace {

std::string Taken(char* text) {
    if (!text) return {};
    std::string s(text);
    std::free(text);
    return s;
}

namespace {

std::vector<std::string> Lines(char* text) {
    std::vector<std::string> list;
    const std::string all = Taken(text);
    for (std::size_t at = 0; at <= all.size();) {
        const std::size_t end = std::min(all.find('\n', at), all.size());
        if (end > at) list.push_back(all.substr(at, end - at));
        at = end + 1;
    }
    return list;
}

}  // namespace

// The language the page speaks for a choice (0 the browser's languages).
std::string PageLanguage(int choice) {
    return SpokenLanguage(choice, Lines(fw_js_languages(0)), Lines(fw_js_languages(1)));
}

// The touch controls are told their looks when they may have changed: at a frame shown.
void TellControls();

// ---- The page's part of the paced clock: its clock, the canvas, its event loop ----------------
class WebPacing : public PacingHost {
public:
    explicit WebPacing(Surface*& screen) : screen_(screen) {}
    std::chrono::nanoseconds Now() override {
        return std::chrono::nanoseconds(static_cast<std::int64_t>(emscripten_get_now() * 1e6));
    }
    void Show(bool) override {
        if (!screen_) return;
        const auto [first, end] = screen_->takeWrittenRows();
        if (first < end) fw_js_present(screen_->pixels().data(), first, end);
        TellControls();
    }
    // The browser paints the frame before the machine goes on.
    void Breathe() override { emscripten_sleep(0); }
    // The page lives until the moment: input queues events, the canvas is painted.
    void LiveUntil(std::chrono::nanoseconds moment) override { SleepUntil(moment); }
    void SleepUntil(std::chrono::nanoseconds moment) override {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(moment - Now()).count();
        emscripten_sleep(left > 0 ? static_cast<unsigned>(left) : 0);
    }

private:
    Surface*& screen_;
};

// ---- Sound through Web Audio ---------------------------------------------------------------
class WebSound : public SoundControl {
public:
    bool Initialise() override { return fw_js_audio_open() != 0; }
    void Load(std::int32_t slot, const std::string& path) override { fw_js_audio_load(slot, path.c_str()); }
    void PlayOnce(std::int32_t slot) override { Audio(slot, AudioOperation::PlayOnce); }
    void StartRepeating(std::int32_t slot) override { Audio(slot, AudioOperation::Repeat); }
    void Stop(std::int32_t slot) override { Audio(slot, AudioOperation::Stop); }
    void Release() override { Audio(-1, AudioOperation::ReleaseAll); }
    void SetVolume(int percent) override { fw_js_audio_volume(percent); }

private:
    static void Audio(std::int32_t slot, AudioOperation what) { fw_js_audio(slot, static_cast<int>(what)); }
};

// ---- Pictures decoded by the browser ----------------------------------------------------------
class WebImages : public ImageLoader {
public:
    LoadedImage Load(const std::string& path, const PictureSizeCheck& allowed) override {
        std::int32_t declared[2];
        if (allowed && fw_js_declared_size(path.c_str(), declared)) {
            std::string problem = allowed(declared[0], declared[1]);
            if (!problem.empty()) return {std::nullopt, std::move(problem)};
        }
        std::uint8_t* block = fw_js_decode(path.c_str());
        if (!block) return {std::nullopt, Taken(fw_js_error())};
        const auto* size = reinterpret_cast<const std::int32_t*>(block);
        Surface surface(size[0], size[1]);
        const std::uint8_t* rgba = block + 8;
        for (int y = 0; y < size[1]; ++y) {
            std::uint32_t* row = surface.row(y);
            for (int x = 0; x < size[0]; ++x, rgba += 4) row[x] = rgba[0] << 16 | rgba[1] << 8 | rgba[2];
        }
        std::free(block);
        return {std::move(surface), {}};
    }
};

// ---- Records in the browser's storage: the settings file's items as keys ----------------------------
class WebBytes : public StoreBytes {
public:
    PlaceWords Words() const override {
        return {Tr("records", "the browser's storage"), Tr("records", "the browser's storage"),
                " " + Tr("records", "in the browser's storage")};
    }
    std::string Shown(const std::string& name) const override { return name; }
    std::string Prepare(const std::vector<std::string>&) override {
        const std::string refused = Taken(fw_js_storage_problem());
        return refused.empty() ? std::string() : Fill(Tr("records", "cannot be used (%1)"), {refused});
    }
    ItemKind Kind(const std::string& name) override {
        char* text = fw_js_get(name.c_str(), 0);
        const bool there = text != nullptr;
        Taken(text);
        return there ? ItemKind::Item : ItemKind::Missing;
    }
    ItemRead Read(const std::string& name, std::size_t limit) override {
        // A larger item is not read whole.
        char* text = fw_js_get(name.c_str(), static_cast<double>(limit));
        if (!text) return {};
        std::string bytes = Taken(text);
        if (bytes.size() > limit + 1) bytes.resize(limit + 1);
        return {ItemRead::State::Read, std::move(bytes), {}};
    }
    bool Replace(const std::string& name, const std::string& bytes, ByteFault& fault) override {
        const std::string why = Taken(fw_js_set(name.c_str(), bytes.c_str()));
        // Trust no write: what is stored must read back as written.
        if (why.empty() && Taken(fw_js_get(name.c_str(), kWhole)) == bytes) return true;
        fault = {why == kFull ? ByteFault::Kind::Full : ByteFault::Kind::Other,
                 name + " in the browser's storage: " + (why.empty() ? "it read back otherwise" : why)};
        return false;
    }
    bool KeepAside(const std::string& name, const std::string& aside, bool move, ByteFault& fault) override {
        char* text = fw_js_get(name.c_str(), kWhole);
        if (!text || Kind(aside) != ItemKind::Missing) {
            fault = {ByteFault::Kind::Other, text ? aside + " in the browser's storage: it is taken"
                                                  : name + " in the browser's storage: it is not there"};
            Taken(text);
            return false;
        }
        if (!Replace(aside, Taken(text), fault)) return false;
        fw_js_offer(aside.c_str());
        if (move) Remove(name);
        return true;
    }
    void Remove(const std::string& name) override { Taken(fw_js_set(name.c_str(), nullptr)); }
    Writability Probe(const std::string&) override { return {}; }  // Prepare has tried a write

private:
    static constexpr const char* kFull = "the browser's storage is full";  // as the page says it
    static constexpr double kWhole = 1e300;                                // a limit no item reaches
};

// ---- The window services -------------------------------------------------------------------------
// A text as a JSON string.

class WebHost : public Host {
public:
    explicit WebHost(PacedClock& clock) : clock_(clock) {}
    void ShowWindow() override {
        // The start-up's pauses run from the moment the machine is seen, not
        // from before the pictures were decoded.
        clock_.Sync();
        fw_js_show_window();
        TraceMark("shown");
    }
    void Present() override {
        clock_.Present();
        TellControls();
    }
    void SetPointer(Pointer pointer) override {
        busy_ = pointer == Pointer::Hourglass;
        fw_js_pointer(busy_, drag_);
    }
    void SetDragIcon(DragIcon icon) override {
        drag_ = static_cast<int>(icon);
        fw_js_pointer(busy_, drag_);
    }
    void EnableMenu(MenuId menu, bool enabled) override {
        fw_js_enable_menu(static_cast<int>(menu), enabled);
    }
    void SetThemeItem(int index, const std::string& caption, bool visible, bool enabled) override {
        fw_js_theme_item(index, caption.c_str(), visible, enabled);
    }
    void CheckThemeItem(int index, bool checked) override { fw_js_check_theme(index, checked); }
    void SetTopmost(bool) override {}
    void EnableTimer(TimerId timer, bool enabled) override {
        fw_js_timer(static_cast<int>(timer), enabled, static_cast<int>(TimerInterval(timer).count()));
    }
    void ShowError(const std::string& title, const std::string& text) override {
        Present();
        fw_js_message(static_cast<int>(MessageKind::Error), title.c_str(), text.c_str());
    }
    void ShowMessage(const std::string& title, const std::string& text) override {
        Present();
        fw_js_message(static_cast<int>(MessageKind::Message), title.c_str(), text.c_str());
    }
    bool Ask(const std::string& title, const std::string& text, const std::string& yes,
             const std::string& no) override {
        Present();
        return fw_js_ask(title.c_str(), text.c_str(), yes.c_str(), no.c_str()) != 0;
    }
    bool RunConfigDialog(ConfigValues& values) override {
        char name[64] = {};
        values.name.copy(name, sizeof name - 1);
        int soundOn = values.soundOn, slider = SpeedSlider(values.speed), volume = values.volume, reset = 0;
        int language = values.language;
        std::string languages;
        for (int choice = 0; choice <= kLanguageChoiceLast; ++choice)
            languages += (choice ? "\n" : "") + LanguageChoiceName(choice);
        namePreview_ = values.namePreview;
        const bool ok = fw_js_config(name, &soundOn, &slider, values.soundAvailable, &volume, &reset,
                                     &language, languages.c_str()) != 0;
        namePreview_ = nullptr;
        if (!ok) return false;
        values.name = name;
        values.soundOn = soundOn;
        values.volume = volume;
        values.speed = SpeedOfSlider(slider);
        values.resetHighScores = reset != 0;
        values.language = language;
        return true;
    }
    void ShowAbout(const std::string& version) override {
        std::string links;
        for (const AboutLink& link : AboutLinks())
            links += (link.kind == AboutLink::Kind::Mail ? "mail\t" : "web\t") + link.url + "\t" +
                     link.tooltip + "\n";
        fw_js_about(AboutText(version).c_str(), links.c_str());
    }
    // The manual in the player's language: the site's manual.LANG.txt.
    void ShowManual(const std::string& path) override { fw_js_manual(path.c_str()); }
    void SetLanguage(int choice) override { fw_js_use_language(PageLanguage(choice).c_str()); }
    void ShowOdds(const OddsReport& odds, bool open) override {
        const std::string text = OddsRowsJson(OddsRows(odds, OddsScope::WhereItStands));
        fw_js_odds(text.c_str(), open);
    }
    bool OddsShown() override { return fw_js_odds_shown() != 0; }
    void Caption(const std::string& sentence, bool urgent) override {
        fw_js_caption(sentence.c_str(), urgent);
    }
    void EndProgram(int status) override {
        TraceMark("end");
        fw_js_end(status);
    }
    // The name as the machine draws it, while the configuration dialog is open.
    Surface NamePreview(const std::string& name) const {
        return namePreview_ ? namePreview_(name) : Surface{};
    }

private:
    std::function<Surface(const std::string&)> namePreview_;
    PacedClock& clock_;
    int busy_ = 0;
    int drag_ = 0;
};

// The whole game, made once and kept for the life of the page.
struct Game {
    Surface* screen = nullptr;
    WebPacing pacing{screen};
    PacedClock clock{pacing};
    RealRandom random;
    WebSound sound;
    RecordsStore store{std::make_unique<WebBytes>(),
                       [](const std::string& text) { fw_js_unsaved(text.c_str()); }};
    WebImages images;
    WebHost host{clock};
    std::unique_ptr<Machine> machine;
    int controlsTold = -1;  // the controls' looks the page was told last
    ViewSettings view;      // as the records keep it (full screen is the browser's, never kept)
    std::string described;  // the machine in words as the page was told last
};
Game* game = nullptr;
// The largest scale the page is zoomed to: a machine pixel of 16 device pixels.
constexpr int kLargestScale = 16;

Surface Picture(ImageLoader& images, const char* path) {
    LoadedImage loaded = images.Load(path, {});
    return loaded.surface ? std::move(*loaded.surface) : Surface();
}

void TellControls() {
    if (!game || !game->machine) return;
    int looks = 0;
    for (int c = 0; c < kControls; ++c)
        looks |= static_cast<int>(StateOfControl(*game->machine, static_cast<Control>(c)).look) << (2 * c);
    if (looks != game->controlsTold) fw_js_controls(game->controlsTold = looks);
}

// The machine in words for the page, once no event is in hand, when they changed.
void Describe() {
    if (!game || !game->machine || !AtRest(*game->machine)) return;
    std::string words = DescribeMachine(*game->machine);
    if (words == game->described) return;
    game->described = std::move(words);
    fw_js_describe(game->described.c_str());
    TraceMark("described");
}

void Send(MachineEvent event) {
    if (game && game->machine && !HasEnded(*game->machine)) Post(*game->machine, event);
    Describe();
}

}  // namespace
}  // namespace fw

// ---- What the page sends: input as machine events ---------------------------------------------------
extern "C" {
// reach: a finger's, in machine pixels (0 for the mouse).
EMSCRIPTEN_KEEPALIVE void fw_press(int button, float x, float y, float reach) {
    fw::Send(fw::ev::Press{button, x, y, reach});
}
// A touch control pressed (Contract.control): the key it stands for now, if any.
EMSCRIPTEN_KEEPALIVE void fw_control(int control) {
    if (!fw::game || !fw::game->machine) return;
    if (const auto key = fw::StateOfControl(*fw::game->machine, static_cast<fw::Control>(control)).key)
        fw::Send(*key);
}
EMSCRIPTEN_KEEPALIVE void fw_release(float x, float y, int inside, int button) {
    fw::Send(fw::ev::Release{x, y, inside != 0, button});
}
// A key went down, by the name the browser gives it: a key of the machine
// goes to it while it has the focus (a key held down stands for one press);
// the window's command it stands for comes back (Contract.window), the page
// carries out the view's own; -1 when the key is none of the game's here.
EMSCRIPTEN_KEEPALIVE int fw_keydown(const char* name, int shift, int control, int alt, int repeat,
                                    int focused) {
    const fw::KeyMeaning meaning = fw::MeaningOfKey(name, {shift != 0, control != 0, alt != 0});
    if (meaning.machine) {
        if (!focused) return -1;
        if (!repeat) fw::Send(*meaning.machine);
        return static_cast<int>(fw::WindowCommand::None);
    }
    if (meaning.window == fw::WindowCommand::Mute) {
        // At once, even during a spin: the sound is the player's to silence now.
        if (!focused) return -1;
        if (!repeat && fw::game && fw::game->machine) fw::MuteKey(*fw::game->machine);
        return static_cast<int>(fw::WindowCommand::None);
    }
    if (meaning.window == fw::WindowCommand::Quit) fw::Send(fw::ev::MenuQuit{});
    if (meaning.window == fw::WindowCommand::Manual) fw::Send(fw::ev::MenuManual{});
    return meaning.window == fw::WindowCommand::None ? -1 : static_cast<int>(meaning.window);
}
// A command of the menus (Contract.command), with the theme's number for a theme.
EMSCRIPTEN_KEEPALIVE void fw_menu(int command, int index) {
    if (const auto event = fw::MenuEvent(command, index)) fw::Send(*event);
}
EMSCRIPTEN_KEEPALIVE void fw_tick(int timer) {
    fw::Send(fw::ev::Tick{static_cast<fw::TimerId>(timer)});
}
EMSCRIPTEN_KEEPALIVE void fw_activate() {
    fw::Send(fw::ev::Activate{});
}
// The records as a settings file for the player to download (the page frees
// the text): the run kept first, as when the tab is hidden.
EMSCRIPTEN_KEEPALIVE char* fw_records_text() {
    if (!fw::game) return nullptr;
    if (fw::game->machine) fw::KeepRecords(*fw::game->machine);
    return strdup(fw::game->store.Text().c_str());
}
// A settings file the player chose to load: why it is refused, or the question
// to ask before loading it; fw_records_loadable tells which.
static bool loadable = false;
EMSCRIPTEN_KEEPALIVE char* fw_check_records(const char* name, const char* bytes, int size) {
    if (!fw::game) return nullptr;
    const auto check = fw::game->store.CheckLoaded(name, std::string(bytes, static_cast<std::size_t>(size)));
    loadable = !check.refused;
    return strdup(check.words.c_str());
}
EMSCRIPTEN_KEEPALIVE int fw_records_loadable() {
    return loadable;
}
// The checked file takes the records' place: why it could not, or "".
EMSCRIPTEN_KEEPALIVE char* fw_replace_records() {
    return strdup(fw::game ? fw::game->store.ReplaceByLoaded().c_str() : "");
}
// Whether the machine is between events, so that a check of the page's may run.
EMSCRIPTEN_KEEPALIVE int fw_idle() {
    return fw::game && fw::game->machine && fw::AtRest(*fw::game->machine);
}
// A picture the player adds to the own themes, at path in the game's files,
// to be kept as file: what stops it, in the words of the theme scan, or "".
// It decodes the picture (an asynchronous call of the page's), as an event
// of the machine's does: input meanwhile waits in the queue.
EMSCRIPTEN_KEEPALIVE char* fw_add_theme(const char* path, const char* file) {
    std::string problem = "Fruitwhirl is busy; try again when the machine is at rest.";
    if (fw_idle()) {
        fw::Machine& m = *fw::game->machine;
        fw::RunBetweenEvents(m, [&] { problem = fw::AddThemeCheck(m, path, file); });
        fw::Describe();
    }
    return strdup(problem.c_str());
}
// The player zoomed: the scale is kept with the records (full screen is the
// browser's to give, at a press of the player's, so it is not kept).
EMSCRIPTEN_KEEPALIVE void fw_view(int scale) {
    if (!fw::game) return;
    fw::game->view.scale = scale;
    fw::KeepViewSettings(fw::game->store, fw::game->view);
}
// A View menu item (Contract.viewItem) turned on or off: kept with the records.
EMSCRIPTEN_KEEPALIVE void fw_view_item(int item, int on) {
    if (!fw::game) return;
    fw::ViewSettings& view = fw::game->view;
    if (static_cast<fw::ViewItem>(item) == fw::ViewItem::Captions) view.captions = on != 0;
    if (static_cast<fw::ViewItem>(item) == fw::ViewItem::Hints) {
        view.hints = on != 0;
        if (fw::game->machine) fw::ShowHints(*fw::game->machine, view.hints);
    }
    fw::KeepViewSettings(fw::game->store, view);
}
// The name as the machine will draw it, for the configuration dialog: width and
// height, then RGBA bytes, in one block the page frees; 0 when the machine's
// font draws every character of the name.
EMSCRIPTEN_KEEPALIVE std::uint8_t* fw_name_preview(const char* name) {
    if (!fw::game) return nullptr;
    const fw::Surface preview = fw::game->host.NamePreview(name);
    if (preview.empty()) return nullptr;
    auto* block = static_cast<std::uint8_t*>(std::malloc(8 + 4 * preview.pixels().size()));
    auto* size = reinterpret_cast<std::int32_t*>(block);
    size[0] = preview.width();
    size[1] = preview.height();
    std::uint8_t* rgba = block + 8;
    for (const std::uint32_t p : preview.pixels()) {
        *rgba++ = static_cast<std::uint8_t>(p >> 16);
        *rgba++ = static_cast<std::uint8_t>(p >> 8);
        *rgba++ = static_cast<std::uint8_t>(p);
        *rgba++ = 255;
    }
    return block;
}
// The language the records chose, else the browser's: the start card speaks it.
EMSCRIPTEN_KEEPALIVE const char* fw_page_language() {
    static std::string code;
    const fw::ItemRead read = fw::WebBytes().Read(fw::kSettingsItem, fw::kLargestSettingsText);
    code = fw::PageLanguage(fw::LanguageChoiceIn(read.bytes));
    return code.c_str();
}
// The page goes away: nothing of the run may be lost.
EMSCRIPTEN_KEEPALIVE void fw_keep() {
    if (fw::game && fw::game->machine) fw::KeepRecords(*fw::game->machine);
}
// The tab is hidden (1) or shown again (0): the run is kept as it goes, and the
// time away is no play time.
EMSCRIPTEN_KEEPALIVE void fw_away(int hidden) {
    if (!fw::game || !fw::game->machine) return;
    hidden ? fw::StepAway(*fw::game->machine) : fw::ComeBack(*fw::game->machine);
}
}

int main() {
    // The game's words from the page's catalogue of the player's language.
    fw::UseCatalogue([](const fw::Phrase& phrase) -> std::optional<std::string> {
        const std::string context(phrase.context), english(phrase.english);
        char* said = fw_js_lookup(context.c_str(), english.c_str(),
                                  phrase.plural.empty() ? -1 : static_cast<int>(phrase.count));
        if (!said) return std::nullopt;
        return fw::Taken(said);
    });
    fw::TraceMark("launch");
    fw::game = new fw::Game;
    fw::Game& g = *fw::game;
    fw::Pictures pictures{fw::Picture(g.images, "/sprites.png"), fw::Picture(g.images, "/machine.png")};
    g.machine = std::make_unique<fw::Machine>(
        fw::Platform{g.clock, g.random, g.sound, g.store, g.images, g.host}, std::move(pictures), "");
    g.machine->themes.UserGfxPath = "/Themes/";  // the player's own, kept by the page
    g.screen = &g.machine->display.hdcScreen;
    g.view = fw::LoadViewSettings(g.store, fw::kLargestScale, fw::kCaptionsAtFirstInBrowser);
    g.view.fullScreen = false;
    fw::ShowHints(*g.machine, g.view.hints);
    fw_js_view(g.view.scale, g.view.captions, g.view.hints);
    fw::Post(*g.machine, fw::ev::Load{});  // returns when the start-up has run to its end
    if (!fw::HasEnded(*g.machine)) {
        fw::TraceMark("ready");
        fw::Send(fw::ev::Activate{});
    }
    return 0;
}
