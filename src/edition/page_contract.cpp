#include "edition/page_contract.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "machine/cells.h"
#include "play/mania.h"
#include "shell/controls.h"

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
    return timer == TimerId::ElapsedTime ? std::chrono::milliseconds(1000)
                                         : std::chrono::milliseconds(kManiaTickMs);
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

// The sprite sheet's cells the page draws its own controls from, as [x, y, w, h].
std::string Cells(std::initializer_list<std::pair<const char*, Cell>> cells) {
    std::string text = "  cells: Object.freeze({";
    const char* between = " ";
    for (const auto& [name, c] : cells) {
        text += between + std::string(name) + ": [" + std::to_string(c.x) + ", " + std::to_string(c.y) +
                ", " + std::to_string(c.w) + ", " + std::to_string(c.h) + "]";
        between = ", ";
    }
    return text + " }),\n";
}

// The font's alphabet, glyph by glyph, as a script's string.
std::string Alphabet() {
    std::string text = "  alphabet: '";
    for (const char32_t c : kFontAlphabet) {
        char escaped[8];
        // Beyond ASCII, and the quote and backslash the string is written in, as escapes.
        const bool plain = c < 0x80 && c != '\'' && c != '\\';
        std::snprintf(escaped, sizeof escaped, plain ? "%c" : "\\u%04X", static_cast<unsigned>(c));
        text += escaped;
    }
    return text + "',\n";
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
    text += Group("viewItem", {{"captions", Code(ViewItem::Captions)}, {"hints", Code(ViewItem::Hints)}});
    text += Group("limits", {{"screenWidth", kScreenWidth},
                             {"screenHeight", kScreenHeight},
                             {"nameLength", static_cast<long long>(kNameLength)},
                             {"themes", kThemeMenuItems},
                             {"slowest", 0},
                             {"fastest", 100},
                             {"fullVolume", kFullVolume},
                             {"volumeStep", kVolumeStep}});
    text += Group("control", {{"coin", Code(Control::Coin)},
                              {"stack", Code(Control::Stack)},
                              {"hold1", Code(Control::Hold1)},
                              {"hold2", Code(Control::Hold2)},
                              {"hold3", Code(Control::Hold3)},
                              {"lever", Code(Control::Lever)},
                              {"highScores", Code(Control::HighScores)},
                              {"statistics", Code(Control::Statistics)}});
    text += Group("look", {{"off", Code(ControlLook::Off)},
                           {"ready", Code(ControlLook::Ready)},
                           {"refused", Code(ControlLook::Refused)},
                           {"on", Code(ControlLook::On)}});
    text +=
        Group("touch", {{"reach", kTouchReachCss}, {"longPress", kLongPressMs}, {"still", kTouchStillCss}});
    text += Cells({{"holdGo", cells::HoldGoLit},
                   {"holdDark", cells::HoldGoDark},
                   {"holdStop", cells::HoldStop},
                   {"coin", cells::FallingCoin},
                   {"coinMask", cells::FallingCoinMask},
                   {"stack", cells::FallingStack},
                   {"stackMask", cells::FallingStackMask},
                   {"lever", cells::LeverFrame(0)},
                   {"glyphWhite", cells::Glyph(0, FontColour::White)},
                   {"glyphYellow", cells::Glyph(0, FontColour::Yellow)},
                   {"glyphMask", cells::GlyphMask(0)}});
    text += Alphabet();
    return text + "});\n";
}

}  // namespace fw
