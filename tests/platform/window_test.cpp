// The machine in its real window, offscreen: theme pictures, the clocks, the mouse, and the keys,
// which after a menu was used from the keyboard are the machine's again.
#include <gtest/gtest.h>

#include <tuple>

#include <QApplication>
#include <QImage>
#include <QKeySequence>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "edition/page_contract.h"
#include "fakes.h"
#include "frontend/qt/key_map.h"
#include "frontend/qt/main_window.h"
#include "frontend/qt/qt_image_loader.h"
#include "machine/cells.h"
#include "presentation/themes.h"

namespace fw::test {
namespace {

TEST(ImageLoader, ReadsAnyPictureFormatPixelForPixelAndAFileNamedInLatin1AndSaysWhatIsWrong) {
    QTemporaryDir dir;
    QtImageLoader loader;
    QImage image(435, 37, QImage::Format_ARGB32);
    for (int y = 0; y < 37; ++y)
        for (int x = 0; x < 435; ++x)
            image.setPixel(x, y, qRgba(x * 3 % 256, y * 5 % 256, (x ^ y) % 256, x % 2 * 255));
    for (const char* format : {"PNG", "BMP"}) {
        const QString path = dir.filePath(QString("Fruit-%1.Thm").arg(format));
        ASSERT_TRUE(image.save(path, format));
        const LoadedImage loaded = loader.Load(path.toStdString(), {});
        ASSERT_TRUE(loaded.surface) << loaded.error;
        ASSERT_EQ(loaded.surface->width(), 435);
        for (int y = 0; y < 37; ++y)
            for (int x = 0; x < 435; x += 7)
                ASSERT_EQ(loaded.surface->pixel(x, y) & 0xFFFFFFu, image.pixel(x, y) & 0xFFFFFFu) << format;
    }
    std::ofstream(dir.filePath("notes.Thm").toStdString()) << "these are no pixels\n";
    EXPECT_FALSE(loader.Load(dir.filePath("notes.Thm").toStdString(), {}).surface);
    const LoadedImage missing = loader.Load(dir.filePath("gone.Thm").toStdString(), {});
    EXPECT_TRUE(!missing.surface && missing.error.find("does not exist") != std::string::npos)
        << missing.error;
    // A theme file named in Latin-1 loads (the menu's name for it: View.AThemeInTheDataFolder...).
    const std::string latin1 = dir.path().toStdString() + "/\xC4pple.Thm";
    std::filesystem::copy_file(std::filesystem::path(FW_PROGRAM).parent_path() / "Gfx/Fruit.Thm", latin1);
    EXPECT_TRUE(loader.Load(latin1, {}).surface);
}

TEST(ImageLoader, APictureDeclaringAHugeSizeIsRefusedByItsDeclaredSize) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("huge.Thm").toStdString();
    std::ofstream(path) << "P6\n30000 30000\n255\n";  // a few bytes: a header, where a reader knows the size
    QtImageLoader loader;
    std::string error;
    EXPECT_FALSE(ReadThemePicture(loader, path, "huge.Thm", error));
    EXPECT_NE(error.find("\"huge.Thm\" cannot be loaded: it is too large (30000 x 30000 pixels"),
              std::string::npos)
        << error;
}

// A started machine in a window at scale 2; active: with the keyboard.
struct WindowRig {
    explicit WindowRig(bool active = false) {
        window.attach(&rig.m);
        rig.Start();
        if (!active) return;
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QPoint At(int x, int y) const { return QPoint(x, y) * 2 + QPoint(1, 1); }  // machine pixel to widget
    QPoint At(const Cell& c) const { return At(c.x + c.w / 2, c.y + c.h / 2); }
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

TEST(RealWindow, ThePlayTimeRunsOnWhileTheConfigurationWindowIsOpen) {
    WindowRig w;
    QTest::mouseClick(w.window.screen(), Qt::RightButton, {}, w.At(places::DisplayWindow));  // statistics
    QTimer::singleShot(0, [&] { w.rig.clock.Advance(std::chrono::seconds(5)); });
    bool ticked = false;
    QTimer::singleShot(1600, [&] {
        ticked =
            !w.m.display.hdcScreen.sameRect(places::kPlayTimeX, places::kPlayTimeY, 56, 7,
                                            w.m.display.hdcCompose, places::kPlayTimeX, places::kPlayTimeY);
        QApplication::activeModalWidget()->close();
    });
    Post(w.m, ev::MenuConfig{});
    EXPECT_TRUE(ticked);
}

TEST(RealWindow, UncoveringTheWindowRepaintsItFromTheCompositionSurface) {
    WindowRig w;
    w.m.display.hdcScreen.fill(0x123456);  // something drawn on the screen alone
    w.window.hide();
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    QTest::qWait(20);
    EXPECT_EQ(w.m.display.hdcScreen, w.m.display.hdcCompose);
}

TEST(RealWindow, ASecondButtonReachesTheMachineExceptDuringACoinDrag) {
    WindowRig w;
    QWidget* screen = w.window.screen();
    QTest::mousePress(screen, Qt::LeftButton, {}, w.At(5, 5));  // on the cabinet's frame
    QTest::mouseClick(screen, Qt::RightButton, {}, w.At(places::DisplayWindow));
    EXPECT_EQ(w.m.display.ScreenMode, Screen::Statistics);
    QTest::mouseRelease(screen, Qt::LeftButton, {}, w.At(5, 5));
    QTest::mouseClick(screen, Qt::LeftButton, {}, w.At(places::DisplayWindow));
    QTest::mousePress(screen, Qt::LeftButton, {}, w.At(places::CoinPile.x + 9, places::CoinPile.y + 9));
    QTest::mouseClick(screen, Qt::RightButton, {}, w.At(places::DisplayWindow));
    EXPECT_EQ(w.m.display.ScreenMode, Screen::Reels);
    QTest::mouseRelease(screen, Qt::LeftButton, {}, w.At(places::CoinSlot.x + 9, places::CoinSlot.y + 9));
    EXPECT_EQ(w.m.purse.Credits, 1);
}

TEST(RealWindow, TheSecondOfTwoQuickClicksIsAPressToo) {
    WindowRig w;
    Post(w.m, ev::Key{KeyCommand::Stack});
    w.rig.ScriptSteps({7, 7, 7});  // 3-3-7: no win, holds on offer
    Post(w.m, ev::Key{KeyCommand::Go});
    // As a widget is told of a double click: a click, then a double click and its release.
    QTest::mouseClick(w.window.screen(), Qt::LeftButton, {}, w.At(places::HoldButton(0)));
    QTest::mouseDClick(w.window.screen(), Qt::LeftButton, {}, w.At(places::HoldButton(0)));
    QTest::mouseRelease(w.window.screen(), Qt::LeftButton, {}, w.At(places::HoldButton(0)));
    EXPECT_EQ(HoldLook(w.m.display.hdcScreen, 0), 'G') << "held and freed again";
}

// The window's clocks tick at the machine's intervals: the Mania period lasts its 140 s.
TEST(RealWindow, EachTimerRunsAtTheIntervalTheMachineGivesIt) {
    WindowRig w;
    for (const TimerId timer : {TimerId::ElapsedTime, TimerId::MultiCheck}) {
        EnableTimer(w.m, timer, true);
        std::vector<std::chrono::milliseconds> running;
        for (const QTimer* t : w.window.findChildren<QTimer*>(Qt::FindDirectChildrenOnly))
            if (t->isActive()) running.push_back(t->intervalAsDuration());
        EXPECT_EQ(running, std::vector{TimerInterval(timer)});
        EnableTimer(w.m, timer, false);
    }
}

// The keys' one table is the core's (KeyTable); here, Qt's names and modifiers reach it.
TEST(KeyMap, QtsNamesAndTheKeypadReachTheTableAndControlAltOrMetaKeepKeysForTheWindow) {
    const auto none = Qt::NoModifier, pad = Qt::KeypadModifier;
    const std::tuple<int, Qt::KeyboardModifiers, KeyCommand, int> rows[] = {
        {Qt::Key_C, Qt::ShiftModifier, KeyCommand::Stack, 0},
        {Qt::Key_Return, none, KeyCommand::Go, 0},
        {Qt::Key_Enter, pad, KeyCommand::Go, 0},
        {Qt::Key_Escape, none, KeyCommand::Back, 0},
        {Qt::Key_Space, none, KeyCommand::Go, 0},
        {Qt::Key_3, pad, KeyCommand::Number, 3}};
    for (const auto& [qtKey, modifiers, command, number] : rows) {
        const std::optional<ev::Key> key = MachineKey(qtKey, modifiers);
        EXPECT_TRUE(key && key->command == command && key->number == number) << qtKey;
    }
    for (const auto modifiers : {Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier})
        EXPECT_FALSE(MachineKey(Qt::Key_1, modifiers).has_value()) << modifiers;
}

TEST(MenuKeys, AfterEachMenuTheGameKeysReachTheMachine) {
    // How each menu is opened from the keyboard: the letter with Alt (Qt::Key_unknown: Alt pressed and let
    // go alone), and the Escape presses that close it.
    const std::pair<Qt::Key, int> ways[] = {{Qt::Key_G, 1}, {Qt::Key_T, 1}, {Qt::Key_V, 1},
                                            {Qt::Key_H, 1}, {Qt::Key_G, 2}, {Qt::Key_unknown, 0}};
    for (const auto& [letter, escapes] : ways) {
        SCOPED_TRACE(QKeySequence(letter).toString().toStdString() + " " + std::to_string(escapes));
        WindowRig w(true);
        w.rig.Send(ev::Activate{});  // the sound bank open
        if (letter == Qt::Key_unknown) {
            QTest::keyClick(&w.window, Qt::Key_Alt, Qt::AltModifier);
        } else {
            w.Type(letter, Qt::AltModifier);
            ASSERT_TRUE(QApplication::activePopupWidget()) << "the menu opened";
            for (int i = 0; i < escapes; ++i) w.Type(Qt::Key_Escape);
            EXPECT_FALSE(QApplication::activePopupWidget());
        }
        const std::pair<Qt::Key, Screen> keys[] = {
            {Qt::Key_H, Screen::HighScores}, {Qt::Key_Backspace, Screen::Reels},
            {Qt::Key_S, Screen::Statistics}, {Qt::Key_Backspace, Screen::Reels},
            {Qt::Key_G, Screen::Reels},      {Qt::Key_T, Screen::Reels},
            {Qt::Key_V, Screen::Reels}};
        for (const auto& [key, screen] : keys) {
            w.Type(key);
            EXPECT_FALSE(QApplication::activePopupWidget()) << key << " opened a menu";
            EXPECT_EQ(w.m.display.ScreenMode, screen) << key;
        }
        w.Type(Qt::Key_C);
        EXPECT_EQ(w.m.purse.Credits, 1);
        w.Type(Qt::Key_M);
        EXPECT_EQ(w.rig.sound.level, 0) << "M mutes";
    }
}

}  // namespace
}  // namespace fw::test
