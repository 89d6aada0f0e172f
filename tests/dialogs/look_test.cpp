#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <span>
#include <tuple>

#include "fakes.h"
#include "frontend/qt/dialogs/dialogs.h"
#include "frontend/qt/dialogs/placement.h"
#include "frontend/qt/main_window.h"
#include "frontend/qt/odds_window.h"
#include "modal.h"
#include "play/odds.h"

namespace fw::test {
namespace {

// Each window of the game as the player sees it: the cabinet's plum ground, the ink of its text
// (or of a part of it): cream, brown where disabled, gold in headings; no serif title; its words on
// its buttons; its generated picture sharp, each pixel a whole square.
TEST(Look, EveryWindowOfTheGameIsInTheCabinetsColoursWithItsPixelPictures) {
    MainWindow window(1);
    window.show();
    Rig rig;
    rig.Start();
    ConfigValues values{"Kim", 1,   30, false,
                        false, 100, {}};  // no sound device: the sound box disabled, brown
    const QRgb cream = qRgb(0xF0, 0xE0, 0xA0), brown = qRgb(0x80, 0x68, 0x50), gold = qRgb(0xFF, 0xD0, 0x60);
    const std::string manual = QFileInfo(FW_PROGRAM).dir().filePath("manual.txt").toStdString();
    struct {
        const char* name;
        std::function<void()> open;
        bool modal;
        const char *part, *buttons;  // part: where the ink shows (the window when null)
        QRgb ink;
        const char* picture = nullptr;
    } const rows[] = {
        {"About", [&] { window.ShowAbout("5.1"); }, true, "lblText", "&Ok", cream, "about/title.png"},
        {"Config", [&] { window.RunConfigDialog(values); }, true, "chkSound", "&Ok|&Cancel", brown},
        {"Manual", [&] { window.ShowManual(manual); }, false, "txtManual", "&Close", cream},
        {"Odds", [&] { window.ShowOdds(WorkOutOdds(rig.m), true); }, false, "tblPrizes", "&Close", gold},
        {"Error", [&] { window.ShowError("", "!"); }, true, nullptr, "OK", cream, "icons/box-error.png"},
        {"Warn", [&] { window.ShowMessage("", "!"); }, true, nullptr, "OK", cream, "icons/box-warning.png"},
        {"Ask", [&] { window.Ask("", "?", "Again", "Quit"); }, true, nullptr, "Again|Quit", cream,
         "icons/box-warning.png"},
    };
    for (const auto& row : rows) {
        const auto look = [&row](QWidget* shown) {
            QWidget* part = row.part ? shown->findChild<QWidget*>(row.part) : shown;
            if (auto* pages = shown->findChild<QTabWidget*>()) pages->setCurrentWidget(part->parentWidget());
            EXPECT_EQ(shown->grab().toImage().pixel(2, 2), qRgb(0x28, 0x18, 0x28)) << row.name;
            const QImage shot = part->grab().toImage();
            const std::span pixels(reinterpret_cast<const QRgb*>(shot.constBits()), shot.sizeInBytes() / 4);
            EXPECT_TRUE(std::ranges::count(pixels, row.ink) > 0) << row.name << ": the text's colour";
            for (const QLabel* label : shown->findChildren<QLabel*>())
                EXPECT_EQ(label->font().family(), shown->font().family()) << row.name;
            QStringList words;
            for (const QPushButton* button : shown->findChildren<QPushButton*>()) words << button->text();
            EXPECT_EQ(words.join('|').toStdString(), row.buttons) << row.name;
            shown->close();
            if (!row.picture) return;
            auto* box = qobject_cast<QMessageBox*>(shown);
            const QPixmap seen = box ? box->iconPixmap() : shown->findChild<QLabel*>("imgTitle")->pixmap();
            const auto format = QImage::Format_ARGB32_Premultiplied;
            const QImage picture = QImage(FW_PICTURES_DIR "/" + QString(row.picture)).convertToFormat(format);
            const QImage image = seen.toImage().convertToFormat(format);
            const int times = image.width() / std::max(1, picture.width());
            EXPECT_TRUE(times >= 1 && image == picture.scaled(picture.size() * times)) << row.name;
        };
        if (row.modal) WhenModal(look);
        row.open();
        if (!row.modal) look(window.findChild<QWidget*>(row.part)->window());
    }
}

// About names the licence and the way to the manual, and offers only the addresses the build was given.
TEST(Look, AboutOffersOnlyTheAddressesTheBuildWasGivenEachNamedInItsTooltip) {
    QUrl opened;
    SetUrlOpener([&opened](const QUrl& url) { opened = url; });
    const QPixmap picture(8, 8);
    const struct {
        ProjectAddresses given;
        QStringList links;  // name: tooltip, in the window's order
        const char* mailOpens;
    } rows[] = {
        {{}, {}, ""},
        {{"https://fruit.example.org/", "ann@example.org"},
         {"imgMail: Write to ann@example.org", "imgWeb: Open https://fruit.example.org/"},
         "mailto:ann@example.org"},
        {{"", "https://fruit.example.org/write"}, {"imgWeb: Open https://fruit.example.org/write"}, ""},
    };
    for (const auto& row : rows) {
        WhenModal([&row](QWidget* about) {
            QStringList links;
            for (const QLabel* label : about->findChildren<QLabel*>(QRegularExpression("^img(Mail|Web)$")))
                links << label->objectName() + ": " + label->toolTip();
            EXPECT_EQ(links, row.links);
            const QString text = about->findChild<QLabel*>("lblText")->text();
            EXPECT_TRUE(text.contains("MIT License") && text.contains("Manual For Fruitwhirl"))
                << text.toStdString();
            if (auto* mail = about->findChild<QLabel*>("imgMail")) QTest::mouseClick(mail, Qt::LeftButton);
            about->close();
        });
        opened.clear();
        RunAboutDialog(nullptr, 1, "5.1", picture, picture, picture, picture, AboutLinks(row.given));
        EXPECT_EQ(opened.toString().toStdString(), row.mailOpens);
    }
    SetUrlOpener({});
}

// Where a window of 200 x 300 opens beside the machine on a screen of 1280 x 1024.
TEST(Look, TheWindowsBesideTheMachineLeaveItInView) {
    const std::tuple<const char*, QRect, QPoint> rows[] = {
        {"right of the window", {100, 50, 640, 532}, {746, 50}},
        {"left when the right is full", {600, 50, 640, 532}, {394, 50}},
        {"on the right bar in full screen", {320, 0, 640, 512}, {966, 0}},
        {"at the edge when neither fits", {60, 0, 1160, 928}, {1080, 0}},
        {"raised to stay on the screen", {100, 900, 640, 532}, {746, 724}},
    };
    for (const auto& [name, machine, expected] : rows)
        EXPECT_EQ(BesidePosition(machine, QRect(0, 0, 1280, 1024), QSize(200, 300)), expected) << name;
}

TEST(Look, FullScreenIsAllTheMachinesTheMenuBarComesWhenAskedAndEscapeClosesTheOddsPanel) {
    MainWindow window(1);
    Rig rig({"Fruit.Thm"}, nullptr, nullptr, &window);
    window.attach(&rig.m);
    rig.Start();
    window.setFullScreen(true);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // The largest whole scale at which the picture fits the whole screen, centred on it.
    const QSize area = window.QWidget::screen()->geometry().size();
    const int pixel = std::min(area.width() / 320, area.height() / 256);
    const QPoint centred((area.width() - 320 * pixel) / 2, (area.height() - 256 * pixel) / 2);
    ScreenWidget* machine = window.screen();
    const auto showsTheMachineOnTheWholeScreen = [&](bool bar) {
        QCoreApplication::processEvents();
        return window.menuBar()->isVisible() == bar && machine->pictureOrigin() == centred &&
               machine->pictureScale() == pixel;
    };
    EXPECT_TRUE(showsTheMachineOnTheWholeScreen(false));
    QTest::mouseMove(machine, machine->mapFrom(&window, QPoint(200, 0)));  // the top edge
    EXPECT_TRUE(showsTheMachineOnTheWholeScreen(true)) << "the bar over the picture, which stays";
    QTest::mouseMove(machine, machine->mapFrom(&window, QPoint(200, 300)));
    EXPECT_TRUE(showsTheMachineOnTheWholeScreen(false));
    QTest::keyPress(machine, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_TRUE(showsTheMachineOnTheWholeScreen(true)) << "while Alt is held";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
    ASSERT_TRUE(QApplication::activePopupWidget()) << "the Game menu";
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyRelease(machine, Qt::Key_Alt);
    QTest::qWait(1);
    EXPECT_TRUE(showsTheMachineOnTheWholeScreen(false)) << "the menu closed";

    // No black bar beside the picture holds the odds: a panel over the screen, which Escape closes.
    ShowOddsWindow(&window, 1, WorkOutOdds(rig.m), true);
    auto* odds = window.findChild<QDialog*>("frmOdds");
    ASSERT_TRUE(odds && odds->isVisible());
    EXPECT_FALSE(odds->isWindow());
    EXPECT_TRUE(window.rect().contains(odds->geometry()));
    QTest::keyClick(machine, Qt::Key_Escape);
    EXPECT_FALSE(odds->isVisible());
    EXPECT_TRUE(window.isFullScreen());
    QTest::keyClick(machine, Qt::Key_Escape);
    EXPECT_FALSE(window.isFullScreen());
    EXPECT_TRUE(window.menuBar()->isVisible());
}

}  // namespace
}  // namespace fw::test
