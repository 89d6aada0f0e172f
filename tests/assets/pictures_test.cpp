// The generated pictures against the layout map (layout.json beside this file). How each cell looks
// where the machine copies it is the reference screens' to show (tests/screens).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>

#include "machine/cells.h"

namespace {

const QString kDir = QStringLiteral(FW_PICTURES_DIR);

QImage Load(const QString& file, QImage::Format format = QImage::Format_RGB32) {
    return QImage(kDir + "/" + file).convertToFormat(format);
}
const QImage kSheet = Load("sprites.png"), kMachine = Load("machine.png");

QJsonObject Map(const char* part) {
    QFile file(QStringLiteral(FW_LAYOUT_MAP));
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object()[part].toObject();
}
QSize Size(const char* part) {
    const QJsonArray size = Map(part)["size"].toArray();
    return QSize(size[0].toInt(), size[1].toInt());
}
// The cells of one part of the map ("sprite_sheet", "machine_picture", "theme_picture") by name: all of
// them, the one named, or the numbered ones of a kind ("credit lamp" -> credit lamp 0 .. 9).
std::vector<std::pair<std::string, QRect>> Cells(const char* part, const std::string& named = "") {
    const QJsonObject map = Map(part);
    std::vector<std::pair<std::string, QRect>> cells;
    for (const QJsonValue& v : map[map.contains("places") ? "places" : "cells"].toArray()) {
        const QJsonObject o = v.toObject();
        const std::string name = o["name"].toString().toStdString();
        if (named.empty() || name == named || (name.starts_with(named + " ") && std::isdigit(name.back())))
            cells.push_back({name, QRect(o["x"].toInt(), o["y"].toInt(), o["w"].toInt(), o["h"].toInt())});
    }
    EXPECT_FALSE(cells.empty()) << "no cell " << named;
    return cells;
}
QRect Cell(const char* part, const std::string& name) {
    const auto cells = Cells(part, name);
    return cells.empty() ? QRect(0, 0, 1, 1) : cells.front().second;
}
QImage Sprite(const std::string& name) {
    return kSheet.copy(Cell("sprite_sheet", name));
}
int Colours(const QImage& image) {  // of an RGB32 picture, whose rows follow each other without a gap
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return int(std::set<QRgb>(pixels, pixels + image.width() * image.height()).size());
}

TEST(Pictures, HaveTheirSizesAndSeeThroughWhereTheyMust) {
    EXPECT_TRUE(kSheet.size() == Size("sprite_sheet") && kMachine.size() == Size("machine_picture"));
    for (const char* file :
         {"sprites.png", "machine.png", "Gfx/Fruit.Thm", "Gfx/Jewels.Thm", "Gfx/Vegas.Thm"})
        EXPECT_FALSE(QImage(kDir + "/" + file).hasAlphaChannel()) << file;
    for (const char* file :
         {"icons/fruitwhirl-16.png", "icons/fruitwhirl-256.png", "icons/drag-coin.png",
          "icons/drag-stack.png", "about/logo.png", "about/email.png", "about/homepage.png"}) {
        const QImage icon = Load(file, QImage::Format_ARGB32);
        const int size = icon.width();
        EXPECT_EQ(icon.height(), size) << file;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << file;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2 + 2, size / 2 + 2)), 255) << file;
    }
}

TEST(MachinePicture, ShowsTheIdleLookOfEveryChangingPlace) {
    const std::vector<std::pair<std::string, std::string>> idle{
        {"empty reel window", "display / reel window"},
        {"lever frame 0", "lever"},
        {"siren off", "siren lamp"},
        {"bonus wheel neutral look", "bonus wheel"},
        {"Mania time bar empty", "Mania time bar"},
        {"winner banner frame 0", "winner banner"},
        {"prize lamp 50 dim", "prize lamp 50"},
        {"prize lamp 75 dim", "prize lamp 75"},
        {"prize lamp 100 dim", "prize lamp 100"},
        {"credit strip dark", "credit strip"},
        {"coin at rest in slot", "coin window"},
        {"hold GO dark", "hold button"},
        {"credit lamp dark", "credit lamp"},
        {"digit -", "money counter cell"}};
    for (const auto& [sprite, kind] : idle)
        for (const auto& [place, rect] : Cells("machine_picture", kind))
            EXPECT_EQ(kMachine.copy(rect), Sprite(sprite)) << sprite << " at " << place;
    for (const auto& [place, rect] : Cells("machine_picture", "pay-table cell"))
        EXPECT_EQ(Colours(kMachine.copy(rect)), 1) << place;
    // A coin may drop anywhere in the tray, and the empty tray cell covers it anywhere.
    const QRect tray = Cell("machine_picture", "payout tray (coin drops x 135..155)");
    const QImage empty = Sprite("payout coin frame 12 (empty tray)");
    for (int x = tray.left(); x + empty.width() <= tray.right() + 1; ++x)
        EXPECT_EQ(kMachine.copy(x, tray.top(), empty.width(), empty.height()), empty) << "x " << x;
    const QRect pile = Cell("machine_picture", "coin pile (press zone)");
    EXPECT_GT(qGray(kMachine.pixel(pile.center())), 150);  // a silver coin under the press zone
}

TEST(Themes, EachHasFifteenSymbolsTwelvePayPicturesThatStandOutAndTheMarksOfItsSymbols) {
    auto L = [](int v) { return v <= 10 ? v / 3294.6 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };  // sRGB
    auto lum = [&](QRgb c) { return .05 + .2126 * L(qRed(c)) + .7152 * L(qGreen(c)) + .0722 * L(qBlue(c)); };
    const QStringList files = QDir(kDir + "/Gfx").entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    EXPECT_EQ(files, (QStringList{"Fruit.Thm", "Jewels.Thm", "Vegas.Thm"}));
    const QRect firstCell = Cell("machine_picture", "pay-table cell 0");
    const QRgb glass = kMachine.pixel(firstCell.left() + 5, firstCell.bottom() + 1);
    std::vector<QImage> previous;
    for (const QString& file : files) {
        const QImage theme = Load("Gfx/" + file);
        EXPECT_EQ(theme.size(), Size("theme_picture"));
        std::vector<QImage> symbols, pays;
        for (const auto& [name, r] : Cells("theme_picture"))
            (name.starts_with("symbol") ? symbols : pays).push_back(theme.copy(r));
        for (std::size_t s = 0; s < symbols.size(); ++s) {
            EXPECT_GT(Colours(symbols[s]), 8) << file.toStdString() << " symbol " << s;
            for (const QImage& other : previous)  // of this theme or another
                EXPECT_NE(symbols[s], other) << file.toStdString() << " symbol " << s << " is drawn twice";
            previous.push_back(symbols[s]);
            // The Mania symbols 9, 10 and 12 sit on violet; the jokers 0, 4 and 11 carry the gold sparkle.
            const QRgb corner = symbols[s].pixel(0, 0);
            EXPECT_EQ(qBlue(corner) > qGreen(corner) + 30 && qRed(corner) > qGreen(corner) + 10,
                      s == 9 || s == 10 || s == 12)
                << file.toStdString() << " symbol " << s;
            EXPECT_EQ((symbols[s].pixel(3, 3) & 0xFFFFFFu) == 0xFFEC8C, s == 0 || s == 4 || s == 11) << s;
        }
        for (std::size_t k = 0; k < pays.size(); ++k) {
            for (std::size_t j = k + 1; j < pays.size(); ++j) EXPECT_NE(pays[k], pays[j]) << k << " " << j;
            for (int y = 0; y < pays[k].height(); ++y)  // the edges are the panel's glass
                EXPECT_TRUE(pays[k].pixel(0, y) == glass && pays[k].pixel(pays[k].width() - 1, y) == glass)
                    << k;
            // Its three miniatures, one a third, stand out from the glass: their median pixel by 3 : 1.
            const int w = pays[k].width() / 3;
            for (int third = 0; third < 3; ++third) {
                std::vector<double> ratios;
                for (int i = 0; i < w * pays[k].height(); ++i) {
                    const QRgb p = pays[k].pixel(third * w + i % w, i / w);
                    if (p != glass)
                        ratios.push_back(std::max(lum(p), lum(glass)) / std::min(lum(p), lum(glass)));
                }
                std::sort(ratios.begin(), ratios.end());
                EXPECT_GE(ratios.empty() ? 0 : ratios[ratios.size() / 2], 3.0)
                    << file.toStdString() << " " << k;
            }
        }
    }
}

TEST(WindowIcon, EverySizeIsThereAndNoneIsAnotherScaled) {
    std::vector<QImage> drawn;
    for (int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
        drawn.push_back(Load(QString("icons/fruitwhirl-%1.png").arg(size), QImage::Format_ARGB32));
        ASSERT_EQ(drawn.back().size(), QSize(size, size));
    }
    for (const QImage& a : drawn)  // scaled up or down with square pixels, no size matches another
        for (const QImage& b : drawn) {
            const QImage s = a.scaled(b.size());
            int w = b.width(), differ = 0;
            for (int i = 0; i < w * w; ++i) differ += s.pixel(i % w, i / w) != b.pixel(i % w, i / w);
            EXPECT_TRUE(a.width() == w || differ > w * w / 16) << a.width() << " to " << w;
        }
}

// Below the coin window the slot's plate runs in one colour to its bevelled edge: no label on it.
TEST(CoinSlot, NoLabelSitsOnThePlateUnderTheWindow) {
    const QImage& m = kMachine;
    const fw::Cell &w = fw::places::CoinWindow, &slot = fw::places::CoinSlot;
    for (int y = w.bottom() + 2; y <= slot.bottom(); ++y)
        for (int x = slot.x + 3; x <= slot.right() - 3; ++x)
            EXPECT_EQ(m.pixel(x, y), m.pixel(slot.x + 3, y)) << x << ", " << y;
}

}  // namespace
