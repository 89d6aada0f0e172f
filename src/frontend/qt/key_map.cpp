#include "frontend/qt/key_map.h"

namespace fw {

const char* const kKeysHelp =
    "Keys:\n"
    "  C            one coin into the slot      Shift+C  a stack of five coins\n"
    "  Space, Enter pull the lever; on a panel, its continue button\n"
    "  1, 2, 3      hold or release reel 1, 2, 3\n"
    "  H            the high-score list         S        this run's statistics\n"
    "  1 .. 9, 0    on the high-score list: the statistics of line 1 .. 10\n"
    "  Backspace, Escape   back from the high-score list or a statistics page\n"
    "               (Escape first leaves full screen)\n"
    "  Q            on a panel: its quit button\n"
    "  Ctrl++, Ctrl+-, Ctrl+0   zoom in, zoom out, actual size\n"
    "  F11          full screen on and off (Escape leaves it)\n"
    "  F1           the manual                  Ctrl+Q   quit\n"
    "  Alt+G        the Game menu: the configuration, and quitting the game\n"
    "  Alt+T        the Theme menu: the reel themes\n"
    "  Alt+V        the View menu: zoom and full screen\n"
    "  Alt+H        the Help menu: About, the manual, the odds and payouts\n";

std::optional<ev::Key> MachineKey(int key, Qt::KeyboardModifiers modifiers) {
    // The keypad's keys count as the others; Control, Alt and Meta belong to the window.
    modifiers &= ~Qt::KeypadModifier;
    const bool shift = modifiers == Qt::ShiftModifier;
    if (modifiers != Qt::NoModifier && !(shift && key == Qt::Key_C)) return std::nullopt;
    switch (key) {
        case Qt::Key_C:
            return ev::Key{shift ? KeyCommand::Stack : KeyCommand::Coin};
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return ev::Key{KeyCommand::Go};
        case Qt::Key_H:
            return ev::Key{KeyCommand::HighScores};
        case Qt::Key_S:
            return ev::Key{KeyCommand::Statistics};
        case Qt::Key_Backspace:
        case Qt::Key_Escape:
            return ev::Key{KeyCommand::Back};
        case Qt::Key_Q:
            return ev::Key{KeyCommand::Quit};
        default:
            break;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return ev::Key{KeyCommand::Number, key - Qt::Key_0};
    if (key == Qt::Key_0) return ev::Key{KeyCommand::Number, 10};
    return std::nullopt;
}

}  // namespace fw
