// Checks of the pictures that make_pictures wrote into FW_PICTURES_DIR.
#include "machine/cells.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

const QString kDir = QStringLiteral(FW_PICTURES_DIR);

QImage load(const QString& relative) {
    QImage img;
    img.load(kDir + "/" + relative, "PNG");
    return img;
}

const QImage& sheet() {
    static const QImage img = load("sprites.png").convertToFormat(QImage::Format_RGB32);
    return img;
}

const QImage& machine() {
    static const QImage img = load("machine.png").convertToFormat(QImage::Format_RGB32);
    return img;
}

const QImage& theme() {
    static const QImage img = load("Gfx/Fruit.Thm").convertToFormat(QImage::Format_RGB32);
    return img;
}

// The layout map: every cell of the sheet and place of the machine by name,
// kept beside the test as the independent description the pictures follow.
struct NamedCell {
    std::string name;
    fw::Cell cell;
    bool scratch;  // drawn into at run time, may be blank in the picture
};
std::vector<NamedCell> layoutCells(const char* part, const char* list) {
    QFile file(QStringLiteral(FW_LAYOUT_MAP));
    file.open(QIODevice::ReadOnly);
    std::vector<NamedCell> cells;
    for (const QJsonValue& v : QJsonDocument::fromJson(file.readAll())[part][list].toArray()) {
        const QJsonObject o = v.toObject();
        const std::string name = o["name"].toString().toStdString();
        cells.push_back({name,
                         {o["x"].toInt(), o["y"].toInt(), o["w"].toInt(), o["h"].toInt()},
                         name.starts_with("scratch")});
    }
    return cells;
}
const std::vector<NamedCell>& sheetCells() {
    static const auto cells = layoutCells("sprite_sheet", "cells");
    return cells;
}
const std::vector<NamedCell>& machinePlaces() {
    static const auto cells = layoutCells("machine_picture", "places");
    return cells;
}

const fw::Cell& spriteCell(std::string_view name) {
    for (const auto& c : sheetCells())
        if (c.name == name) return c.cell;
    ADD_FAILURE() << "no sprite cell " << name;
    static const fw::Cell none{0, 0, 1, 1};
    return none;
}

const fw::Cell& place(std::string_view name) {
    for (const auto& c : machinePlaces())
        if (c.name == name) return c.cell;
    ADD_FAILURE() << "no machine place " << name;
    static const fw::Cell none{0, 0, 1, 1};
    return none;
}

QImage cut(const QImage& img, const fw::Cell& c) {
    return img.copy(c.x, c.y, c.w, c.h);
}
QImage sprite(std::string_view name) {
    return cut(sheet(), spriteCell(name));
}

int colourCount(const QImage& img) {
    std::set<QRgb> colours;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) colours.insert(img.pixel(x, y) & 0xFFFFFF);
    return int(colours.size());
}

bool samePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF)) return false;
    return true;
}

// Where the machine picture differs from a sprite cell placed at (x, y).
std::string firstDifference(const QImage& cell, int x, int y) {
    for (int j = 0; j < cell.height(); ++j)
        for (int i = 0; i < cell.width(); ++i)
            if ((machine().pixel(x + i, y + j) & 0xFFFFFF) != (cell.pixel(i, j) & 0xFFFFFF))
                return "first difference at machine (" + std::to_string(x + i) + ", " +
                       std::to_string(y + j) + ")";
    return {};
}

void expectIdleCell(std::string_view spriteName, std::string_view placeName) {
    const fw::Cell& p = place(placeName);
    const QImage cell = sprite(spriteName);
    ASSERT_EQ(cell.width(), p.w) << spriteName << " vs " << placeName;
    ASSERT_EQ(cell.height(), p.h) << spriteName << " vs " << placeName;
    EXPECT_EQ(firstDifference(cell, p.x, p.y), "") << spriteName << " at " << placeName;
}

constexpr QRgb kBlack = 0x000000;
constexpr QRgb kWhite = 0xFFFFFF;

TEST(PictureFiles, HaveTheirSizesAndFormats) {
    ASSERT_FALSE(sheet().isNull());
    EXPECT_EQ(sheet().width(), fw::kSheetWidth);
    EXPECT_EQ(sheet().height(), fw::kSheetHeight);
    EXPECT_FALSE(load("sprites.png").hasAlphaChannel());
    ASSERT_FALSE(machine().isNull());
    EXPECT_EQ(machine().width(), fw::kScreenWidth);
    EXPECT_EQ(machine().height(), fw::kScreenHeight);
    EXPECT_FALSE(load("machine.png").hasAlphaChannel());
    ASSERT_FALSE(theme().isNull());
    EXPECT_EQ(theme().width(), 435);
    EXPECT_EQ(theme().height(), 37);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = load(QString("icons/fruitwhirl-%1.png").arg(size));
        ASSERT_FALSE(icon.isNull()) << size;
        EXPECT_EQ(icon.width(), size);
        EXPECT_EQ(icon.height(), size);
        EXPECT_TRUE(icon.hasAlphaChannel()) << size;
    }
    for (const char* name : {"icons/drag-coin.png", "icons/drag-stack.png"}) {
        const QImage icon = load(name);
        ASSERT_FALSE(icon.isNull()) << name;
        EXPECT_EQ(icon.size(), QSize(32, 32)) << name;
        EXPECT_TRUE(icon.hasAlphaChannel()) << name;
        // Some of it is see-through, some of it is not.
        const QImage a = icon.convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(a.pixel(0, 0)), 0) << name;
        EXPECT_EQ(qAlpha(a.pixel(20, 20)), 255) << name;
    }
}

TEST(SpriteSheet, EveryCellLiesInsideAndIsNotBlank) {
    for (const auto& c : sheetCells()) {
        EXPECT_GE(c.cell.x, 0) << c.name;
        EXPECT_GE(c.cell.y, 0) << c.name;
        EXPECT_LE(c.cell.x + c.cell.w, fw::kSheetWidth) << c.name;
        EXPECT_LE(c.cell.y + c.cell.h, fw::kSheetHeight) << c.name;
        // Scratch cells are drawn at run time; the space glyph is black by design.
        if (c.scratch || c.name.ends_with("' '")) continue;
        EXPECT_GT(colourCount(cut(sheet(), c.cell)), 1) << c.name << " is one single colour";
    }
}

TEST(SpriteSheet, IsBlackOutsideTheCells) {
    std::vector<bool> covered(size_t(fw::kSheetWidth) * fw::kSheetHeight, false);
    for (const auto& c : sheetCells())
        for (int y = c.cell.y; y < c.cell.y + c.cell.h; ++y)
            for (int x = c.cell.x; x < c.cell.x + c.cell.w; ++x)
                covered[size_t(y) * fw::kSheetWidth + x] = true;
    int stray = 0;
    for (int y = 0; y < fw::kSheetHeight; ++y)
        for (int x = 0; x < fw::kSheetWidth; ++x)
            if (!covered[size_t(y) * fw::kSheetWidth + x] && (sheet().pixel(x, y) & 0xFFFFFF) != kBlack)
                ++stray;
    EXPECT_EQ(stray, 0);
}

TEST(SpriteSheet, CellsOfOneKindDifferFromEachOther) {
    const std::vector<std::vector<std::string>> groups = {
        {"lever frame 0", "lever frame 1", "lever frame 2", "lever frame 3", "lever frame 4",
         "lever frame 5"},
        {"bonus wheel lit 0 (20 coins)", "bonus wheel lit 1 (30 coins)", "bonus wheel lit 2 (40 coins)",
         "bonus wheel lit 3 (50 coins)", "bonus wheel Mania look (all lit)", "bonus wheel neutral look"},
        {"winner banner frame 0", "winner banner frame 1", "winner banner frame 2"},
        {"prize lamp 50 lit", "prize lamp 50 dim", "prize lamp 75 lit", "prize lamp 75 dim",
         "prize lamp 100 lit", "prize lamp 100 dim"},
        {"quit button pressed", "continue button pressed"},
        {"spinning coin frame 0", "spinning coin frame 1", "spinning coin frame 2", "coin at rest in slot"},
        {"siren frame 0", "siren frame 1", "siren frame 2", "siren frame 3", "siren frame 4", "siren frame 5",
         "siren frame 6", "siren frame 7", "siren off"},
        {"out-of-coins panel", "offer panel", "empty reel window", "high-score panel", "statistics panel"},
        {"hold STOP", "hold GO lit", "hold GO dark"},
        {"credit strip lit", "credit strip dark"},
        {"credit lamp lit", "credit lamp dark"},
        {"time bar segment green", "time bar segment yellow", "time bar segment red"},
        {"digit 0", "digit 1", "digit 2", "digit 3", "digit 4", "digit 5", "digit 6", "digit 7", "digit 8",
         "digit 9", "digit -"},
    };
    std::vector<std::string> payout;
    for (int k = 0; k <= 11; ++k) payout.push_back("payout coin frame " + std::to_string(k));
    payout.push_back("payout coin frame 12 (empty tray)");
    auto all = groups;
    all.push_back(payout);
    for (const auto& g : all)
        for (size_t i = 0; i < g.size(); ++i)
            for (size_t j = i + 1; j < g.size(); ++j)
                EXPECT_FALSE(samePixels(sprite(g[i]), sprite(g[j]))) << g[i] << " looks like " << g[j];
}

TEST(SpriteSheet, LeverKnobComesDownFrameByFrame) {
    // The knob is the reddest thing in a frame; its topmost row must sink.
    int last = -1;
    for (int i = 0; i < 6; ++i) {
        const QImage f = sprite("lever frame " + std::to_string(i));
        int top = -1;
        for (int y = 0; y < f.height() && top < 0; ++y)
            for (int x = 0; x < f.width(); ++x) {
                QRgb c = f.pixel(x, y);
                if (qRed(c) > 150 && qRed(c) > qGreen(c) * 2 && qRed(c) > qBlue(c) * 2) {
                    top = y;
                    break;
                }
            }
        ASSERT_GE(top, 0) << "no knob in frame " << i;
        EXPECT_GT(top, last) << "frame " << i;
        last = top;
    }
}

TEST(SpriteSheet, MasksAreBlackAndWhiteAndMatchTheirPictures) {
    const std::pair<const char*, const char*> pairs[] = {{"falling coin", "falling coin mask"},
                                                         {"falling stack", "falling stack mask"}};
    for (const auto& [pictureName, maskName] : pairs) {
        const QImage pic = sprite(pictureName), mask = sprite(maskName);
        ASSERT_EQ(pic.size(), mask.size());
        int inside = 0, outside = 0;
        for (int y = 0; y < pic.height(); ++y)
            for (int x = 0; x < pic.width(); ++x) {
                const QRgb m = mask.pixel(x, y) & 0xFFFFFF, p = pic.pixel(x, y) & 0xFFFFFF;
                ASSERT_TRUE(m == kBlack || m == kWhite) << maskName << " at " << x << "," << y;
                if (m == kWhite) {
                    ++outside;
                    EXPECT_EQ(p, kBlack) << pictureName << " not black outside at " << x << "," << y;
                } else {
                    ++inside;
                    EXPECT_NE(p, kBlack) << pictureName << " black inside at " << x << "," << y;
                }
            }
        EXPECT_GT(inside, pic.width() * pic.height() / 3) << maskName;
        EXPECT_GT(outside, 0) << maskName;
    }
}

TEST(Font, MaskRowsFitTheGlyphRows) {
    const std::u32string alphabet = U"ABCDEFGHIJKLMNOPQRSTUVWXYZÅÄÖ:0123456789 ";
    ASSERT_EQ(alphabet.size(), 41u);
    std::vector<QImage> white;
    for (int k = 0; k < 41; ++k) {
        const fw::Cell w{6 * k, 316, 6, 7}, yl{6 * k, 323, 6, 7}, m{6 * k, 330, 6, 7};
        const QImage wi = cut(sheet(), w), yi = cut(sheet(), yl), mi = cut(sheet(), m);
        white.push_back(wi);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 6; ++x) {
                const QRgb mp = mi.pixel(x, y) & 0xFFFFFF;
                ASSERT_TRUE(mp == kBlack || mp == kWhite) << "glyph " << k;
                const QRgb wp = wi.pixel(x, y) & 0xFFFFFF, yp = yi.pixel(x, y) & 0xFFFFFF;
                if (mp == kWhite) {
                    // Outside the stroke the glyph rows are black, so the
                    // exclusive-or leaves the background alone.
                    EXPECT_EQ(wp, kBlack) << "glyph " << k;
                    EXPECT_EQ(yp, kBlack) << "glyph " << k;
                } else if (alphabet[size_t(k)] != U' ') {
                    EXPECT_EQ(wp, kWhite) << "glyph " << k << " white row at " << x << "," << y;
                    EXPECT_NE(yp, kBlack) << "glyph " << k << " yellow row at " << x << "," << y;
                    EXPECT_GT(qRed(yi.pixel(x, y)), qBlue(yi.pixel(x, y)) + 100)
                        << "glyph " << k << " not yellow";
                }
            }
        // The column right of the 5-pixel glyph is the gap: black ink-free.
        for (int y = 0; y < 7; ++y) EXPECT_EQ(wi.pixel(5, y) & 0xFFFFFF, kBlack) << "glyph " << k;
    }
    for (size_t i = 0; i < white.size(); ++i)
        for (size_t j = i + 1; j < white.size(); ++j)
            EXPECT_FALSE(samePixels(white[i], white[j])) << "glyphs " << i << " and " << j << " are alike";
}

TEST(Font, SpaceIsBlackInAllThreeRows) {
    for (const char* row : {"white", "yellow", "mask"}) {
        const QImage g = sprite(std::string("font ") + row + " ' '");
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 6; ++x)
                EXPECT_EQ(g.pixel(x, y) & 0xFFFFFF, kBlack) << row << " at " << x << "," << y;
    }
}

TEST(Digits, BlankHasEverySegmentDarkAndDigitsDiffer) {
    const QImage blank = sprite("digit -");
    const QImage eight = sprite("digit 8");
    // Every segment pixel of the 8 is lit; the blank has the same pixels dark.
    int segments = 0;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 5; ++x) {
            const QRgb e = eight.pixel(x, y) & 0xFFFFFF, b = blank.pixel(x, y) & 0xFFFFFF;
            if (e != kBlack) {
                ++segments;
                EXPECT_NE(b, kBlack) << "blank segment missing at " << x << "," << y;
                EXPECT_GT(qGreen(e), qGreen(b)) << "segment not darker at " << x << "," << y;
            } else {
                EXPECT_EQ(b, kBlack);
            }
        }
    EXPECT_EQ(segments, 7 * 3);
    for (int d = 0; d < 10; ++d) EXPECT_FALSE(samePixels(sprite("digit " + std::to_string(d)), blank)) << d;
}

TEST(MachinePicture, IdleCellsEqualTheirSprites) {
    expectIdleCell("empty reel window", "display / reel window");
    expectIdleCell("lever frame 0", "lever");
    expectIdleCell("siren off", "siren lamp");
    expectIdleCell("bonus wheel neutral look", "bonus wheel");
    expectIdleCell("Mania time bar empty", "Mania time bar");
    expectIdleCell("winner banner frame 0", "winner banner");
    expectIdleCell("prize lamp 50 dim", "prize lamp 50");
    expectIdleCell("prize lamp 75 dim", "prize lamp 75");
    expectIdleCell("prize lamp 100 dim", "prize lamp 100");
    expectIdleCell("credit strip dark", "credit strip");
    expectIdleCell("coin at rest in slot", "coin window");
    for (int r = 0; r < 3; ++r) expectIdleCell("hold GO dark", "hold button " + std::to_string(r));
    for (int n = 0; n < 10; ++n) expectIdleCell("credit lamp dark", "credit lamp " + std::to_string(n));
    for (int i = 0; i < 4; ++i) expectIdleCell("digit -", "money counter cell " + std::to_string(i));
}

TEST(MachinePicture, PayoutTrayTakesTheEmptyFrameAnywhere) {
    // The spin clears the tray with the empty frame at x 137 and 153; coins
    // drop at any x from 135 to 155. So every place must look the same.
    const QImage empty = sprite("payout coin frame 12 (empty tray)");
    const fw::Cell& tray = place("payout tray (coin drops x 135..155)");
    EXPECT_EQ(firstDifference(empty, 137, tray.y), "");
    EXPECT_EQ(firstDifference(empty, 153, tray.y), "");
    for (int x = tray.x; x + empty.width() <= tray.x + tray.w; ++x)
        EXPECT_EQ(firstDifference(empty, x, tray.y), "") << "drop at x " << x;
    for (int k = 0; k <= 12; ++k) {
        const std::string name =
            k == 12 ? "payout coin frame 12 (empty tray)" : "payout coin frame " + std::to_string(k);
        const QImage f = sprite(name);
        EXPECT_EQ(f.height(), tray.h) << name;
    }
}

TEST(MachinePicture, PayTablePlacesArePlain) {
    for (int k = 0; k < 12; ++k) {
        const fw::Cell& p = place("pay-table cell " + std::to_string(k));
        EXPECT_EQ(colourCount(cut(machine(), p)), 1) << k;
    }
}

TEST(MachinePicture, CoinPileLiesUnderThePressZone) {
    // The top coin is a silver disc: its middle is much brighter than the
    // wall beside the cabinet.
    const fw::Cell& p = place("coin pile (press zone)");
    const QImage zone = cut(machine(), p);
    EXPECT_GT(colourCount(zone), 4);
    const QRgb mid = zone.pixel(p.w / 2 - 4, p.h / 2 - 4);
    EXPECT_GT(qGray(mid), 150);
}

TEST(Panels, ButtonsSitOnBothPanelsAndPressedLooksFit) {
    // Pressing draws the pressed look over the painted button: its corners
    // must match the panel there, and the painted button must differ from it.
    const QImage quitPressed = sprite("quit button pressed");
    const QImage goPressed = sprite("continue button pressed");
    const fw::Cell& window = place("display / reel window");
    const fw::Cell& quit = place("panel quit button");
    const fw::Cell& cont = place("panel continue button");
    for (const char* panelName : {"out-of-coins panel", "offer panel"}) {
        const QImage panel = sprite(panelName);
        const QImage q = panel.copy(quit.x - window.x, quit.y - window.y, quit.w, quit.h);
        const QImage c = panel.copy(cont.x - window.x, cont.y - window.y, cont.w, cont.h);
        EXPECT_FALSE(samePixels(q, quitPressed)) << panelName;
        EXPECT_FALSE(samePixels(c, goPressed)) << panelName;
        for (auto [x, y] : {std::pair{0, 0}, std::pair{16, 0}, std::pair{0, 16}, std::pair{16, 16}}) {
            EXPECT_EQ(q.pixel(x, y), quitPressed.pixel(x, y)) << panelName;
            EXPECT_EQ(c.pixel(x, y), goPressed.pixel(x, y)) << panelName;
        }
        EXPECT_GT(colourCount(q), 4) << panelName;
        EXPECT_GT(colourCount(c), 4) << panelName;
    }
}

TEST(Panels, ReelGapsStayPutWhileTheReelsScroll) {
    // The spin copies the band x 93..209, y 75..163 one pixel down, gaps and
    // all; the gaps between the reel columns must be the same on every row.
    const QImage w = sprite("empty reel window");
    const fw::Cell& window = place("display / reel window");
    for (int x : {122, 123, 129, 136, 166, 170, 180})
        for (int y = 75; y <= 164; ++y)
            EXPECT_EQ(w.pixel(x - window.x, y - window.y), w.pixel(x - window.x, 75 - window.y))
                << "gap column " << x << " row " << y;
}

// The reel themes the game ships; the game numbers themes in case-insensitive
// name order, so the fruit theme must come first.
const char* const kThemeFiles[] = {"Gfx/Fruit.Thm", "Gfx/Jewels.Thm", "Gfx/Vegas.Thm"};

QImage loadTheme(const char* file) {
    return load(file).convertToFormat(QImage::Format_RGB32);
}

QImage symbolOf(const QImage& theme, int s) {
    return theme.copy(29 * s, 0, 29, 30);
}

class EveryTheme : public ::testing::TestWithParam<const char*> {};

TEST_P(EveryTheme, HasItsSizeWithoutAlpha) {
    const QImage raw = load(GetParam());
    ASSERT_FALSE(raw.isNull()) << GetParam();
    EXPECT_EQ(raw.width(), 435);
    EXPECT_EQ(raw.height(), 37);
    EXPECT_FALSE(raw.hasAlphaChannel());
}

TEST_P(EveryTheme, HasFifteenDistinctSymbolsAndTwelvePayPictures) {
    const QImage theme = loadTheme(GetParam());
    ASSERT_EQ(theme.size(), QSize(435, 37));
    std::vector<QImage> symbols;
    for (int s = 0; s < 15; ++s) {
        symbols.push_back(symbolOf(theme, s));
        EXPECT_GT(colourCount(symbols.back()), 8) << "symbol " << s;
    }
    for (int i = 0; i < 15; ++i)
        for (int j = i + 1; j < 15; ++j)
            EXPECT_FALSE(samePixels(symbols[size_t(i)], symbols[size_t(j)])) << i << " vs " << j;
    std::vector<QImage> pay;
    for (int k = 0; k < 12; ++k) {
        pay.push_back(theme.copy(33 * k, 30, 33, 7));
        EXPECT_GT(colourCount(pay.back()), 2) << "pay picture " << k;
    }
    for (int i = 0; i < 12; ++i)
        for (int j = i + 1; j < 12; ++j)
            EXPECT_FALSE(samePixels(pay[size_t(i)], pay[size_t(j)])) << i << " vs " << j;
}

TEST_P(EveryTheme, IsBlackOutsideItsCells) {
    const QImage theme = loadTheme(GetParam());
    ASSERT_EQ(theme.size(), QSize(435, 37));
    // Right of the twelfth pay picture nothing is drawn.
    for (int y = 30; y < 37; ++y)
        for (int x = 33 * 12; x < 435; ++x) EXPECT_EQ(theme.pixel(x, y) & 0xFFFFFF, kBlack) << x << "," << y;
}

TEST_P(EveryTheme, PayPicturesSitOnThePanelGlass) {
    // The pay-table cells are copied into the panel of the machine picture:
    // their first and last columns are the glass colour that shows in the
    // one-pixel gaps between the cells, so the cells join up with the panel.
    const QImage theme = loadTheme(GetParam());
    const fw::Cell& first = place("pay-table cell 0");
    const QRgb glass = machine().pixel(first.x + 5, first.y + first.h) & 0xFFFFFF;
    for (int k = 0; k < 12; ++k)
        for (int y = 30; y < 37; ++y) {
            EXPECT_EQ(theme.pixel(33 * k, y) & 0xFFFFFF, glass) << "cell " << k << " row " << y;
            EXPECT_EQ(theme.pixel(33 * k + 32, y) & 0xFFFFFF, glass) << "cell " << k << " row " << y;
        }
}

TEST_P(EveryTheme, MarksTheManiaSymbolsAndTheJokers) {
    const QImage theme = loadTheme(GetParam());
    ASSERT_EQ(theme.size(), QSize(435, 37));
    // The Mania symbols 9, 10 and 12 sit on the violet sunburst: their corners
    // are violet and no other symbol's are.
    auto violet = [](QRgb c) { return qBlue(c) > qGreen(c) + 30 && qRed(c) > qGreen(c) + 10; };
    for (int s = 0; s < 15; ++s) {
        const QImage sym = symbolOf(theme, s);
        const bool mania = s == 9 || s == 10 || s == 12;
        for (QPoint corner : {QPoint(0, 0), QPoint(28, 0), QPoint(0, 29), QPoint(28, 29)})
            EXPECT_EQ(violet(sym.pixel(corner)), mania)
                << "symbol " << s << " corner " << corner.x() << "," << corner.y();
    }
    // The jokers 0, 4 and 11 carry the gold sparkle at (3, 3); no plain symbol does.
    for (int s = 0; s < 15; ++s) {
        const QImage sym = symbolOf(theme, s);
        const bool joker = s == 0 || s == 4 || s == 11;
        const bool sparkle = (sym.pixel(3, 3) & 0xFFFFFF) == 0xFFEC8C;
        EXPECT_EQ(sparkle, joker) << "symbol " << s;
    }
}

INSTANTIATE_TEST_SUITE_P(Themes, EveryTheme, ::testing::ValuesIn(kThemeFiles));

TEST(Themes, FruitComesFirstAndTheThemesDiffer) {
    std::vector<std::string> names;
    for (const char* f : kThemeFiles) names.push_back(QString(f).toLower().toStdString());
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_EQ(names.front(), "gfx/fruit.thm");
    const QImage a = loadTheme(kThemeFiles[0]), b = loadTheme(kThemeFiles[1]), c = loadTheme(kThemeFiles[2]);
    for (int s = 0; s < 15; ++s) {
        EXPECT_FALSE(samePixels(symbolOf(a, s), symbolOf(b, s))) << "symbol " << s;
        EXPECT_FALSE(samePixels(symbolOf(a, s), symbolOf(c, s))) << "symbol " << s;
        EXPECT_FALSE(samePixels(symbolOf(b, s), symbolOf(c, s))) << "symbol " << s;
    }
}

TEST(Themes, GfxFolderHoldsExactlyTheShippedThemes) {
    QDir gfx(kDir + "/Gfx");
    QStringList found = gfx.entryList({"*.Thm", "*.thm"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QStringList expected;
    for (const char* f : kThemeFiles) expected << QString(f).mid(4);
    EXPECT_EQ(found, expected);
}

TEST(AboutPictures, HaveTheirSizesAndSeeThroughCorners) {
    const struct {
        const char* file;
        int size;
    } pictures[] = {{"about/logo.png", 96}, {"about/email.png", 32}, {"about/homepage.png", 32}};
    std::vector<QImage> loaded;
    for (const auto& p : pictures) {
        const QImage img = load(p.file);
        ASSERT_FALSE(img.isNull()) << p.file;
        EXPECT_EQ(img.size(), QSize(p.size, p.size)) << p.file;
        EXPECT_TRUE(img.hasAlphaChannel()) << p.file;
        const QImage a = img.convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(a.pixel(0, 0)), 0) << p.file;
        EXPECT_EQ(qAlpha(a.pixel(p.size / 2, p.size / 2)), 255) << p.file;
        EXPECT_GT(colourCount(a), 20) << p.file;
        loaded.push_back(a);
    }
    EXPECT_FALSE(samePixels(loaded[1], loaded[2]));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
