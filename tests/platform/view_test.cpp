// The machine on the display at every scale, in full screen and at a device pixel ratio of 2;
// the view remembered in a section of its own; the player's theme folder.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "edition/view_settings.h"
#include "fakes.h"
#include "frontend/qt/main_window.h"
#include "frontend/qt/qt_settings_store.h"
#include "frontend/qt/theme_folder.h"
#include "frontend/qt/view_scale.h"

namespace fw::test {
namespace {

TEST(Scale, WholeDevicePixelsAtEveryScaleInFullScreenAndAtRatio2) {
    // Full screen on 3840 x 2160 device pixels at ratio 1 and 2: 8 device pixels a machine pixel, centred.
    const PictureGeometry full = CentredGeometry({3840, 2160}, 1);
    EXPECT_EQ(full, (PictureGeometry{8, QPoint(640, 56)}));
    EXPECT_EQ(CentredGeometry({1920, 1080}, 2), full);
    EXPECT_EQ(full.ToMachine({639, 56}, 1), QPoint(-1, 0));  // on the black beside it
    EXPECT_EQ(FittingScale({1280, 1005}), 3);
    EXPECT_EQ(FittingScale({300, 200}), 1);
}

// The widget itself, at the display's device pixel ratio: 1, and 2 in a second run (CMakeLists.txt).
TEST(Scale, TheWidgetShowsWholeSquaresAndMapsPressesAtTwoScalesAndInFullScreen) {
    Surface surface(320, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 320; ++x)
            surface.setPixel(x, y, static_cast<std::uint32_t>(x * 7919 + y * 104729));
    for (int scale : {1, 3, 0}) {  // 0: full screen in a 1000 x 700 window
        ScreenWidget widget(std::max(scale, 1), nullptr);
        std::vector<QPoint> pressed;
        widget.setPoster([&](MachineEvent e) {
            if (const auto* p = std::get_if<ev::Press>(&e)) pressed.emplace_back(int(p->x), int(p->y));
        });
        widget.setSurface(&surface);
        widget.setFullScreen(scale == 0);
        if (scale == 0) widget.resize(1000, 700);
        widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
        QImage shot;
        const PictureGeometry& g = widget.picture();
        EXPECT_TRUE(scale == 0 || g.pixel == scale * widget.devicePixelRatioF()) << g.pixel;
        const auto showsTheSurface = [&] {
            shot = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < 256 * g.pixel; ++y)
                for (int x = 0; x < 320 * g.pixel; ++x)
                    if ((shot.pixel(g.origin.x() + x, g.origin.y() + y) & 0xFFFFFF) !=
                        surface.pixel(x / g.pixel, y / g.pixel))
                        return testing::AssertionFailure() << "device pixel " << x << ", " << y;
            return testing::AssertionSuccess();
        };
        ASSERT_TRUE(showsTheSurface());
        EXPECT_EQ(widget.devicePixelRatioF(), qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? 2 : 1);
        EXPECT_TRUE(scale > 0 ||
                    shot.pixel(g.origin.x() - 1, g.origin.y()) == qRgb(0, 0, 0));  // black beside
        // Later frames as the machine draws them: a column scrolled down a row, a pixel at the corner.
        for (int frame = 0; frame < 3; ++frame) {
            BitBlt(surface, 100, 41, 60, 80, surface, 100, 40);
            BitBlt(surface, 100, 40, 60, 1, surface, 200, 200 + frame);
            surface.setPixel(319, 255, 0x123456u * (frame + 1));
            widget.present(true);
            ASSERT_TRUE(showsTheSurface()) << "frame " << frame;
        }
        const double s = widget.pictureScale();
        const QPoint at = widget.mapFromGlobal(widget.pictureOrigin());
        for (QPoint p : {QPoint(0, 1), QPoint(319, 255), QPoint(137, 81)}) {  // (0, 0) would be no position
            QTest::mouseClick(&widget, Qt::LeftButton, {}, at + (QPointF(p) * s).toPoint());
            QTest::mouseClick(&widget, Qt::LeftButton, {},
                              at + (QPointF(p + QPoint(1, 1)) * s).toPoint() - QPoint(1, 1));
        }
        EXPECT_EQ(pressed,
                  (std::vector<QPoint>{{0, 1}, {0, 1}, {319, 255}, {319, 255}, {137, 81}, {137, 81}}));
    }
}

TEST(View, BothEndsOfTheScaleAndFullScreenAreKeptAndOneBeyondIsNot) {
    for (const auto& [scale, kept] : {std::pair{1, 1}, {2, 2}, {kMaxScale, kMaxScale}, {kMaxScale + 1, 0}}) {
        for (const bool fullScreen : {false, true}) {
            MemoryStore store;
            ASSERT_TRUE(KeepViewSettings(store, {scale, fullScreen}));
            const ViewSettings view = LoadViewSettings(store, kMaxScale, false);
            EXPECT_TRUE(view.scale == kept && view.fullScreen == fullScreen) << scale << " " << fullScreen;
        }
    }
}

// The settings file has one writer: the quit's save of the records keeps the view chosen during the run.
TEST(View, AZoomAndFullScreenChosenDuringARunOutliveTheQuitsSaveAndTheCommandLineWins) {
    QTemporaryDir folder;
    const QString file = folder.filePath("Fruitwhirl.ini");
    {
        QtSettingsStore store(file);
        store.Open();
        MainWindow first(0, &store);
        first.zoom(2);
        first.setFullScreen(true);
        // What the quit does with the records: every value of the game, then one flush.
        store.SaveSetting("GameCfg", "Name", "ANN");
        WriteFailure failure;
        ASSERT_TRUE(store.Flush(failure)) << failure.detail;
    }
    QtSettingsStore store(file);
    store.Open();
    EXPECT_EQ(store.GetSetting("GameCfg", "Name", ""), "ANN");
    MainWindow again(0, &store), asked(1, &store);
    for (MainWindow* window : {&again, &asked}) window->ShowWindow();
    EXPECT_TRUE(again.screen()->fullScreen() && again.screen()->scale() == 2);
    EXPECT_TRUE(!asked.screen()->fullScreen() && asked.screen()->scale() == 1);
}

// The item of the View menu, the third.
QAction* ViewItem(MainWindow& window, const QString& text) {
    for (QAction* item : window.menuBar()->actions().at(2)->menu()->actions())
        if (item->text() == text) return item;
    return nullptr;
}

TEST(View, CaptionsAndHintsAreOffAtFirstOnTheDesktopAndKeptOnceChosen) {
    MemoryStore store;
    MainWindow first(1, &store);
    first.ShowWindow();
    QAction *captions = ViewItem(first, "&Captions"), *hints = ViewItem(first, "&Hints");
    ASSERT_TRUE(captions && hints);
    const int machineHeight = first.height();
    EXPECT_FALSE(captions->isChecked() || hints->isChecked() ||
                 first.findChild<QLabel*>("caption")->isVisible());
    captions->trigger();
    hints->trigger();
    MainWindow again(1, &store);
    again.ShowWindow();
    EXPECT_TRUE(ViewItem(again, "&Captions")->isChecked() && ViewItem(again, "&Hints")->isChecked());
    const QLabel* line = again.findChild<QLabel*>("caption");
    EXPECT_TRUE(line->isVisible());
    // The window makes room for the line below the machine, which keeps its size.
    EXPECT_EQ(again.height(), machineHeight + line->height());
    EXPECT_EQ(line->geometry().top(), again.screen()->geometry().bottom() + 1);
}

// The Theme menu: a choice of one, whose mark the machine places; a theme of the player's data folder is
// in it by its file's name (here in Latin-1, from an older system).
TEST(View, AThemeInTheDataFolderShowsInTheMenuByItsNameAndTheMachinePlacesTheMark) {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    EXPECT_EQ(UserThemeFolder(), data.path().toStdString() + "/fruitwhirl/Gfx/");
    qunsetenv("XDG_DATA_HOME");
    MainWindow window(1);
    Rig rig({"Fruit.Thm"}, nullptr, nullptr, &window);
    OwnThemes(rig, {{"\xC4pple.Thm", 5}});
    window.attach(&rig.m);
    rig.Start();
    const QList<QAction*> themes = window.menuBar()->actions().at(1)->menu()->actions();
    QAction *apple = themes.at(0), *fruit = themes.at(1);
    EXPECT_EQ(apple->text(), "&\u00C4pple");
    EXPECT_TRUE(ShowsSymbol(rig.m.display.hdcScreen, 0, 1, rig.m.Strip[18][0], 5));  // the first, in use
    apple->trigger();  // the theme in use, chosen again: its mark stays
    EXPECT_TRUE(apple->isChecked() && !fruit->isChecked());
    fruit->trigger();
    EXPECT_TRUE(ShowsSymbol(rig.m.display.hdcScreen, 0, 1, rig.m.Strip[18][0], 1));
    EXPECT_TRUE(!apple->isChecked() && fruit->isChecked());
}

}  // namespace
}  // namespace fw::test
