// The game's keys: every key of the key map, and after the menus were used
// from the keyboard, offscreen: once a menu has been opened and closed (Alt and
// its letter, then Escape, or Alt alone), the next key is the machine's again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "fakes.h"
#include "frontend/qt/key_map.h"
#include "frontend/qt/main_window.h"
#include "machine/cells.h"

namespace fw::test {
namespace {

TEST(KeyMap, EveryKeyStandsForItsPressAndKeysWithControlAltOrShiftBelongToTheWindow) {
    const auto none = Qt::NoModifier, pad = Qt::KeypadModifier;
    struct Row {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        KeyCommand command;
        int number;
    };
    std::vector<Row> rows = {
        {"C", Qt::Key_C, none, KeyCommand::Coin, 0},
        {"Shift+C", Qt::Key_C, Qt::ShiftModifier, KeyCommand::Stack, 0},
        {"Space", Qt::Key_Space, none, KeyCommand::Go, 0},
        {"Return", Qt::Key_Return, none, KeyCommand::Go, 0},
        {"keypad Enter", Qt::Key_Enter, pad, KeyCommand::Go, 0},
        {"H", Qt::Key_H, none, KeyCommand::HighScores, 0},
        {"S", Qt::Key_S, none, KeyCommand::Statistics, 0},
        {"Backspace", Qt::Key_Backspace, none, KeyCommand::Back, 0},
        {"Escape", Qt::Key_Escape, none, KeyCommand::Back, 0},
        {"Q", Qt::Key_Q, none, KeyCommand::Quit, 0},
        {"keypad 3", Qt::Key_3, pad, KeyCommand::Number, 3},
        {"keypad 0", Qt::Key_0, pad, KeyCommand::Number, 10},
    };
    for (int digit = 0; digit <= 9; ++digit)
        rows.push_back({"a digit", Qt::Key_0 + digit, none, KeyCommand::Number, digit == 0 ? 10 : digit});
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.name) + " " + std::to_string(row.number));
        const std::optional<ev::Key> key = MachineKey(row.key, row.modifiers);
        ASSERT_TRUE(key.has_value());
        EXPECT_EQ(key->command, row.command);
        EXPECT_EQ(key->number, row.number);
    }
    for (const auto modifiers : {Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier, Qt::ShiftModifier})
        EXPECT_FALSE(MachineKey(Qt::Key_1, modifiers).has_value()) << modifiers;
    EXPECT_FALSE(MachineKey(Qt::Key_C, Qt::ControlModifier).has_value());
    EXPECT_FALSE(MachineKey(Qt::Key_A, Qt::NoModifier).has_value());
}

struct KeysRig {
    KeysRig() {
        window.attach(&rig.m);
        rig.Start();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    // The key as the player types it: to whatever has the keyboard.
    void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* target = QApplication::activePopupWidget();
        if (!target) target = QApplication::focusWidget();
        if (!target) target = &window;
        QTest::keyClick(target, key, modifiers);
    }
    MainWindow window{2};
    Rig rig{{"Fruit.Thm"}, nullptr, nullptr, &window};
    Machine& m = rig.m;
};

// How each menu is opened from the keyboard and left again.
struct MenuWay {
    const char* name;
    Qt::Key letter;  // with Alt; Qt::Key_unknown for Alt pressed and let go alone
    int escapes;     // Escape presses that close it
};

const MenuWay kWays[] = {
    {"Game", Qt::Key_G, 1}, {"Theme", Qt::Key_T, 1},     {"View", Qt::Key_V, 1},
    {"Help", Qt::Key_H, 1}, {"GameTwice", Qt::Key_G, 2}, {"AltAlone", Qt::Key_unknown, 0},
};

class MenuKeys : public ::testing::TestWithParam<MenuWay> {};

TEST_P(MenuKeys, AfterTheMenuTheGameKeysReachTheMachine) {
    const MenuWay way = GetParam();
    KeysRig w;
    if (way.letter == Qt::Key_unknown) {
        QTest::keyClick(&w.window, Qt::Key_Alt, Qt::AltModifier);
    } else {
        w.Type(way.letter, Qt::AltModifier);
        ASSERT_TRUE(QApplication::activePopupWidget()) << "the menu opened";
        for (int i = 0; i < way.escapes; ++i) w.Type(Qt::Key_Escape);
        EXPECT_FALSE(QApplication::activePopupWidget());
    }
    // H shows the high-score list, S this run's page, Backspace the reels again, C a coin.
    w.Type(Qt::Key_H);
    EXPECT_FALSE(QApplication::activePopupWidget()) << "H opened a menu";
    EXPECT_EQ(w.m.ScreenMode, Screen::HighScores);
    w.Type(Qt::Key_Backspace);
    w.Type(Qt::Key_S);
    EXPECT_EQ(w.m.ScreenMode, Screen::Statistics);
    w.Type(Qt::Key_Backspace);
    EXPECT_EQ(w.m.ScreenMode, Screen::Reels);
    w.Type(Qt::Key_G);
    w.Type(Qt::Key_T);
    w.Type(Qt::Key_V);
    EXPECT_FALSE(QApplication::activePopupWidget()) << "a letter opened a menu";
    w.Type(Qt::Key_C);
    EXPECT_EQ(w.m.Credits, 1);
}

INSTANTIATE_TEST_SUITE_P(EveryMenu, MenuKeys, ::testing::ValuesIn(kWays),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fw::test
