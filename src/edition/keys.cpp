#include "edition/keys.h"

#include "platform/words.h"

#include <cctype>

namespace fw {

namespace {

// A key of the machine: pressed alone, or with Shift where it says so.
struct MachineBinding {
    const char* name;
    bool shift;
    KeyCommand command;
    int number;
};

constexpr MachineBinding kMachineKeys[] = {
    {"c", false, KeyCommand::Coin, 0},         {"c", true, KeyCommand::Stack, 0},
    {"space", false, KeyCommand::Go, 0},       {"enter", false, KeyCommand::Go, 0},
    {"h", false, KeyCommand::HighScores, 0},   {"s", false, KeyCommand::Statistics, 0},
    {"backspace", false, KeyCommand::Back, 0}, {"escape", false, KeyCommand::Back, 0},
    {"q", false, KeyCommand::Quit, 0},         {"1", false, KeyCommand::Number, 1},
    {"2", false, KeyCommand::Number, 2},       {"3", false, KeyCommand::Number, 3},
    {"4", false, KeyCommand::Number, 4},       {"5", false, KeyCommand::Number, 5},
    {"6", false, KeyCommand::Number, 6},       {"7", false, KeyCommand::Number, 7},
    {"8", false, KeyCommand::Number, 8},       {"9", false, KeyCommand::Number, 9},
    {"0", false, KeyCommand::Number, 10},
};

// A command of the window: its key, whether Ctrl goes with it, and the
// shortcut as a menu shows it. Shift does not matter ("+" may need it), so
// Shift+M mutes too.
struct WindowBinding {
    const char* name;
    bool control;
    WindowCommand command;
    const char* shown;
};

constexpr WindowBinding kWindowKeys[] = {
    {"q", true, WindowCommand::Quit, "Ctrl+Q"},       {"f1", false, WindowCommand::Manual, "F1"},
    {"f11", false, WindowCommand::FullScreen, "F11"}, {"+", true, WindowCommand::ZoomIn, "Ctrl++"},
    {"=", true, WindowCommand::ZoomIn, "Ctrl+="},     {"-", true, WindowCommand::ZoomOut, "Ctrl+-"},
    {"0", true, WindowCommand::ActualSize, "Ctrl+0"}, {"m", false, WindowCommand::Mute, "M"},
};

}  // namespace

std::string KeyName(std::string_view name) {
    std::string key;
    for (const char c : name) key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (key == " ") return "space";
    if (key == "esc") return "escape";
    if (key == "return") return "enter";
    return key;
}

KeyMeaning MeaningOfKey(std::string_view name, HeldKeys held) {
    const std::string key = KeyName(name);
    if (!held.alt) {
        for (const WindowBinding& b : kWindowKeys)
            if (key == b.name && held.control == b.control) return {std::nullopt, b.command};
    }
    if (held.control || held.alt) return {};
    for (const MachineBinding& b : kMachineKeys)
        if (key == b.name && held.shift == b.shift)
            return {ev::Key{b.command, b.number}, WindowCommand::None};
    return {};
}

std::vector<std::string> Shortcuts(WindowCommand command) {
    std::vector<std::string> shown;
    for (const WindowBinding& b : kWindowKeys)
        if (b.command == command) shown.push_back(b.shown);
    return shown;
}

std::string KeysHelp() {
    return Tr("help",
              "Keys:\n"
              "  C            one coin into the slot      Shift+C  a stack of five coins\n"
              "  Space, Enter pull the lever; on a panel, its continue button\n"
              "  1, 2, 3      hold or release reel 1, 2, 3\n"
              "  H            the high-score list         S        this run's statistics\n"
              "  1 .. 9, 0    on the high-score list: the statistics of line 1 .. 10\n"
              "  Backspace, Escape   back from the high-score list or a statistics page\n"
              "               (Escape first leaves full screen)\n"
              "  Q            on a panel: its quit button\n"
              "  M            mute the sounds, and give them back (the volume is in Configuration)\n"
              "  Ctrl++, Ctrl+-, Ctrl+0   zoom in, zoom out, actual size\n"
              "  F11          full screen on and off (Escape leaves it)\n"
              "  F1           the manual                  Ctrl+Q   quit\n"
              "  Alt+G        the Game menu: the configuration, and quitting the game\n"
              "  Alt+T        the Theme menu: the reel themes\n"
              "  Alt+V        the View menu: zoom and full screen\n"
              "  Alt+H        the Help menu: About, the manual, the odds and payouts\n");
}

}  // namespace fw
