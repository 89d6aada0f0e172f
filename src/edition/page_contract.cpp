#include "edition/page_contract.h"

#include <algorithm>

#include "machine/cells.h"

namespace fw {

std::optional<MachineEvent> MenuEvent(int command, int index) {
    switch (static_cast<MenuCommand>(command)) {
        case MenuCommand::Configuration:
            return ev::MenuConfig{};
        case MenuCommand::Quit:
            return ev::MenuQuit{};
        case MenuCommand::Theme:
            return ev::MenuTheme{index};
        case MenuCommand::About:
            return ev::MenuAbout{};
        case MenuCommand::Manual:
            return ev::MenuManual{};
        case MenuCommand::Odds:
            return ev::MenuOdds{};
    }
    return std::nullopt;
}

std::chrono::milliseconds TimerInterval(TimerId timer) {
    return timer == TimerId::ElapsedTime ? std::chrono::milliseconds(1000) : std::chrono::milliseconds(10000);
}

int SpeedSlider(int speed) {
    return 100 - std::clamp(speed, 0, 100);
}

int SpeedOfSlider(int slider) {
    return 100 - std::clamp(slider, 0, 100);
}

namespace {

struct Named {
    const char* name;
    long long value;
};

std::string Group(const char* name, std::initializer_list<Named> codes) {
    std::string text = std::string("  ") + name + ": Object.freeze({";
    const char* between = " ";
    for (const Named& code : codes) {
        text += between + std::string(code.name) + ": " + std::to_string(code.value);
        between = ", ";
    }
    return text + " }),\n";
}

template <typename E>
long long Code(E e) {
    return static_cast<long long>(e);
}

}  // namespace

std::string PageContractScript() {
    std::string text =
        "// The codes the game and the page send each other, and the constants the page\n"
        "// needs: written by the build from the game's own definitions. Do not edit.\n"
        "'use strict';\n"
        "const Contract = Object.freeze({\n";
    text += Group(
        "menu", {{"game", Code(MenuId::Game)}, {"theme", Code(MenuId::Theme)}, {"help", Code(MenuId::Help)}});
    text += Group("command", {{"configuration", Code(MenuCommand::Configuration)},
                              {"quit", Code(MenuCommand::Quit)},
                              {"theme", Code(MenuCommand::Theme)},
                              {"about", Code(MenuCommand::About)},
                              {"manual", Code(MenuCommand::Manual)},
                              {"odds", Code(MenuCommand::Odds)}});
    text += Group("window", {{"none", Code(WindowCommand::None)},
                             {"quit", Code(WindowCommand::Quit)},
                             {"manual", Code(WindowCommand::Manual)},
                             {"fullScreen", Code(WindowCommand::FullScreen)},
                             {"zoomIn", Code(WindowCommand::ZoomIn)},
                             {"zoomOut", Code(WindowCommand::ZoomOut)},
                             {"actualSize", Code(WindowCommand::ActualSize)},
                             {"mute", Code(WindowCommand::Mute)}});
    text += Group("timer",
                  {{"elapsedTime", Code(TimerId::ElapsedTime)}, {"multiCheck", Code(TimerId::MultiCheck)}});
    text += Group("audio", {{"playOnce", Code(AudioOperation::PlayOnce)},
                            {"repeat", Code(AudioOperation::Repeat)},
                            {"stop", Code(AudioOperation::Stop)},
                            {"releaseAll", Code(AudioOperation::ReleaseAll)}});
    text += Group("dragIcon", {{"none", Code(DragIcon::None)},
                               {"oneCoin", Code(DragIcon::OneCoin)},
                               {"fiveCoins", Code(DragIcon::FiveCoins)}});
    text += Group("message", {{"message", Code(MessageKind::Message)}, {"error", Code(MessageKind::Error)}});
    text += Group("limits", {{"screenWidth", kScreenWidth},
                             {"screenHeight", kScreenHeight},
                             {"nameLength", static_cast<long long>(kNameLength)},
                             {"themes", kThemeMenuItems},
                             {"slowest", 0},
                             {"fastest", 100},
                             {"fullVolume", kFullVolume},
                             {"volumeStep", kVolumeStep}});
    return text + "});\n";
}

}  // namespace fw
