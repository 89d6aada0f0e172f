// The machine in its real window, offscreen: a theme file named in Latin-1, the
// play-time clock under a modal window, uncovering the window, a second button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "fakes.h"
#include "frontend/qt/main_window.h"
#include "frontend/qt/qt_image_loader.h"
#include "machine/cells.h"

namespace fw::test {
namespace {

// A started machine in a window at scale 2.
struct WindowRig {
    WindowRig() {
        window.attach(&rig.m);
        rig.Start();
    }
    QPoint At(int x, int y) const { return QPoint(x, y) * 2 + QPoint(1, 1); }  // machine pixel to widget
    QPoint At(const Cell& c) const { return At(c.x + c.w / 2, c.y + c.h / 2); }
    MainWindow window{2};
    Rig rig{{"Fruit.Thm"}, nullptr, nullptr, &window};
    Machine& m = rig.m;
};

TEST(RealWindow, AThemeFileNamedInLatin1LoadsAndTheMenuShowsItsName) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/\xC4pple.Thm";
    std::filesystem::copy_file(std::filesystem::path(FW_PROGRAM).parent_path() / "Gfx/Fruit.Thm", path);
    EXPECT_TRUE(QtImageLoader().Load(path).surface);
    std::filesystem::remove(path);
    MainWindow window(1);
    window.SetThemeItem(1, "&\xC4pple", true, true);
    EXPECT_EQ(window.menuBar()->actions().at(1)->menu()->actions().at(0)->text(), "&\u00C4pple");
}

TEST(RealWindow, ThePlayTimeRunsOnWhileTheConfigurationWindowIsOpen) {
    WindowRig w;
    QTest::mouseClick(w.window.screen(), Qt::RightButton, {},
                      w.At(places::DisplayWindow));  // this run's page
    QTimer::singleShot(0, [&] { w.rig.clock.Advance(std::chrono::seconds(5)); });
    bool ticked = false;
    QTimer::singleShot(1600, [&] {
        ticked = !w.m.hdcScreen.sameRect(places::kPlayTimeX, places::kPlayTimeY, 56, 7, w.m.hdcCompose,
                                         places::kPlayTimeX, places::kPlayTimeY);
        QApplication::activeModalWidget()->close();
    });
    Post(w.m, ev::MenuConfig{});
    EXPECT_TRUE(ticked);
}

TEST(RealWindow, UncoveringTheWindowRepaintsItFromTheCompositionSurface) {
    WindowRig w;
    w.m.hdcScreen.fill(0x123456);  // something drawn on the screen alone
    w.window.hide();
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    QTest::qWait(20);
    EXPECT_EQ(w.m.hdcScreen, w.m.hdcCompose);
}

TEST(RealWindow, ASecondButtonReachesTheMachineExceptDuringACoinDrag) {
    WindowRig w;
    QWidget* screen = w.window.screen();
    QTest::mousePress(screen, Qt::LeftButton, {}, w.At(5, 5));  // on the cabinet's frame
    QTest::mouseClick(screen, Qt::RightButton, {}, w.At(places::DisplayWindow));
    EXPECT_EQ(w.m.ScreenMode, Screen::Statistics);
    QTest::mouseRelease(screen, Qt::LeftButton, {}, w.At(5, 5));
    QTest::mouseClick(screen, Qt::LeftButton, {}, w.At(places::DisplayWindow));
    QTest::mousePress(screen, Qt::LeftButton, {}, w.At(places::CoinPile.x + 9, places::CoinPile.y + 9));
    QTest::mouseClick(screen, Qt::RightButton, {}, w.At(places::DisplayWindow));
    EXPECT_EQ(w.m.ScreenMode, Screen::Reels);
    QTest::mouseRelease(screen, Qt::LeftButton, {}, w.At(places::CoinSlot.x + 9, places::CoinSlot.y + 9));
    EXPECT_EQ(w.m.Credits, 1);
}

}  // namespace
}  // namespace fw::test
