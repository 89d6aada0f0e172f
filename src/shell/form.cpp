#include "shell/form.h"

#include <filesystem>

#include "globals/cells.h"
#include "play/mania.h"
#include "play/reels.h"
#include "presentation/bitmap_text.h"
#include "presentation/digits.h"
#include "presentation/themes.h"
#include "records/data_tables.h"
#include "records/settings.h"
#include "shell/dispatch.h"
#include "shell/transitions.h"
#include "sound/sound_bank.h"

namespace fw {

namespace {

// The application folder followed by a subfolder and the platform's separator.
std::string SubFolder(const std::string& appFolder, const char* name) {
    const char sep = static_cast<char>(std::filesystem::path::preferred_separator);
    return appFolder + sep + name + sep;
}

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};

}  // namespace

void Form_Load(Machine& m) {
    m.AppVersion = "5.1";
    m.AppDate = "00-02-20";
    m.AppName = "Fruitwhirl";

    m.GfxPath = SubFolder(m.AppFolder, "Gfx");
    m.SfxPath = SubFolder(m.AppFolder, "Sfx");

    if (!ScanThemes(m)) return;
    LoadSettings(m);
    // The four drawing surfaces were taken when the machine was made.
    LoadMachineConfig(m);

    std::string error;
    if (!LoadTheme(m, m.ThemeIndex, error)) {
        m.host.ShowError(m.AppName, error);
        EndProgram(m, 1);
        return;
    }
    DrawReels(m);

    m.host.ShowWindow();
    Pause(m, 300);
    InterlaceWipe(m, 1);
    DrawDigits(m, 20);
    m.StartTicks = static_cast<Long>(m.clock.Ticks());
}

void Form_Paint(Machine& m) {
    BitBlt(m.hdcScreen, 0, 0, kScreenWidth, kScreenHeight, m.hdcCompose, 0, 0);
}

void SaveScreen(Machine& m) {
    BitBlt(m.hdcCompose, 0, 0, kScreenWidth, kScreenHeight, m.hdcScreen, 0, 0);
}

void Pause(Machine& m, int ms) {
    if (ms <= 0) return;
    const std::uint32_t start = m.clock.Ticks();
    const auto wanted = static_cast<std::uint32_t>(ms);
    // The difference is taken in wrap-around arithmetic, so a pause across the
    // wrap of the tick count still lasts its full time.
    for (std::uint32_t passed = 0; passed < wanted; passed = m.clock.Ticks() - start) {
        m.clock.Wait(std::chrono::milliseconds(wanted - passed));
    }
}

void HandleEvent(Machine& m, const MachineEvent& event) {
    auto menuOn = [&](MenuId menu) { return m.MenuEnabled[static_cast<int>(menu)]; };
    std::visit(Overloaded{
                   [&](const ev::Load&) { Form_Load(m); },
                   [&](const ev::Activate&) { Form_Activate(m); },
                   [&](const ev::Expose&) { Form_Paint(m); },
                   [&](const ev::Press& e) { OnPress(m, e.button, e.x, e.y); },
                   [&](const ev::Release& e) { OnRelease(m, e.x, e.y, e.inside); },
                   [&](const ev::Tick& e) {
                       if (e.timer == TimerId::ElapsedTime && m.ElapsedTimerOn) tmrElapsedTime_Timer(m);
                       if (e.timer == TimerId::MultiCheck && m.MultiCheckTimerOn) tmrMultiCheck_Timer(m);
                   },
                   [&](const ev::MenuConfig&) {
                       if (menuOn(MenuId::Game)) mnuConfig_Click(m);
                   },
                   [&](const ev::MenuQuit&) {
                       if (menuOn(MenuId::Game)) mnuQuit_Click(m);
                   },
                   [&](const ev::MenuTheme& e) {
                       if (menuOn(MenuId::Theme)) MnuWheelTheme_Click(m, e.index);
                   },
                   [&](const ev::MenuAbout&) {
                       if (menuOn(MenuId::Help)) mnuAbout_Click(m);
                   },
                   [&](const ev::MenuManual&) {
                       if (menuOn(MenuId::Help)) mnuManual_Click(m);
                   },
                   [&](const ev::CloseWindow&) { Form_Unload(m); },
               },
               event);
}

}  // namespace fw
