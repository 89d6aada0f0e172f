// The game's keys after the menus were used from the keyboard, offscreen: once
// a menu has been opened and closed (Alt and its letter, then Escape, or Alt
// alone), the next key is the machine's again, whatever the menu bar's letters.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "fakes.h"
#include "frontend/qt/main_window.h"
#include "machine/cells.h"

namespace fw::test {
namespace {

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
