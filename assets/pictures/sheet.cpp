// The sprite sheet (every lamp, button, panel, digit, glyph and lever frame)
// and the machine picture. Every part that the game copies over the machine in
// its idle state is drawn once and pasted into both pictures, so the two agree
// pixel for pixel.
#include "pictures.h"

#include "art.h"

#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pictures {
namespace {

using namespace art;

// ------------------------------------------------------------ palette

const Ramp kGreenBtn = {rgb(10, 50, 16),  rgb(24, 96, 32),    rgb(40, 150, 52),
                        rgb(76, 200, 80), rgb(150, 240, 140), rgb(230, 255, 225)};
const Ramp kRedBtn = {rgb(70, 8, 12),   rgb(120, 16, 22),   rgb(176, 30, 34),
                      rgb(222, 56, 52), rgb(255, 120, 100), rgb(255, 225, 215)};

const QRgb kPanel = colours::kPanel;
const QRgb kBlack = rgb(0, 0, 0);
const QRgb kStrip = rgb(26, 14, 18);  // control deck under the reels
const QRgb kDeck = rgb(20, 22, 30);   // bottom strip of the display panels
const QRgb kWindowDark = rgb(12, 10, 16);
const QRgb kYellow = rgb(255, 224, 64);
const QRgb kWhite = rgb(255, 255, 255);
const QRgb kFontYellow = rgb(255, 216, 0);

// ------------------------------------------------------------ cell lookup

namespace cells = fw::cells;
namespace places = fw::places;

QImage canvas(int w, int h, QRgb c = qRgb(0, 0, 0)) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

QImage canvasFor(const fw::Cell& cell, QRgb c = qRgb(0, 0, 0)) {
    return canvas(cell.w, cell.h, c);
}

// Wider glyphs: every font pixel drawn sx wide and sy high.
void stretchedText(QImage& img, int x, int y, std::u32string_view s, QRgb c, int sx, int sy, int gap) {
    for (size_t i = 0; i < s.size(); ++i)
        for (int r = 0; r < 7; ++r) {
            unsigned bits = glyphRow(s[i], r);
            for (int b = 0; b < 5; ++b)
                if (bits & (1u << (4 - b)))
                    fill(img, QRect(x + int(i) * (5 * sx + gap) + b * sx, y + r * sy, sx, sy), c);
        }
}

int stretchedWidth(std::u32string_view s, int sx, int gap) {
    return int(s.size()) * (5 * sx + gap) - gap;
}

// A flat coin face seen from the front, with rim and a raised 25.
void coinFace(QImage& img, double cx, double cy, double rx, double ry, bool marked) {
    ball(img, cx, cy, rx, ry, kCoin);
    // Inner rim ring.
    for (int y = int(cy - ry) - 1; y <= int(cy + ry) + 1; ++y)
        for (int x = int(cx - rx) - 1; x <= int(cx + rx) + 1; ++x) {
            double dx = (x + 0.5 - cx) / (rx - 1.6), dy = (y + 0.5 - cy) / (ry - 1.6);
            double d = dx * dx + dy * dy;
            if (d > 0.78 && d <= 1.0 && rx > 5)
                put(img, x, y, (x + 0.5 < cx && y + 0.5 < cy) ? kCoin[2] : kCoin[4]);
        }
    if (marked && rx >= 6.5 && ry >= 6.5) {
        int w = tinyWidth(U"25");
        tiny(img, int(std::lround(cx - w / 2.0)) + 1, int(std::lround(cy - 2.5)) + 1, U"25", kCoin[4]);
        tiny(img, int(std::lround(cx - w / 2.0)), int(std::lround(cy - 2.5)), U"25", kCoin[1]);
    }
}

// A coin seen edge-on or turned: an ellipse with a thick rim.
void coinTurned(QImage& img, double cx, double cy, double rx, double ry) {
    if (rx < 1.6) {
        vline(img, int(std::floor(cx)), int(cy - ry + 1), int(cy + ry - 1), kCoin[3]);
        vline(img, int(std::floor(cx)) + 1, int(cy - ry + 1), int(cy + ry - 1), kCoin[1]);
        return;
    }
    ball(img, cx, cy, rx, ry, kCoin);
    vline(img, int(std::floor(cx + rx - 1.5)), int(cy - ry + 2), int(cy + ry - 2), kCoin[1]);
}

// ------------------------------------------------------------ lever

QImage leverFrame(int i) {
    QImage img = canvasFor(cells::LeverFrame(0));
    const int W = img.width(), H = img.height();
    // The housing plate: a brushed chrome column with a dark travel slot.
    for (int x = 0; x < W; ++x) {
        double t = std::abs(x - (W - 1) / 2.0) / ((W - 1) / 2.0);
        QRgb c = mix(kChrome[3], kChrome[1], t * t);
        vline(img, x, 0, H - 1, c);
    }
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (hash01(x, y, 21) < 0.12) put(img, x, y, lighter(get(img, x, y), 0.08));
    fill(img, QRect(9, 8, 5, 74), kChrome[0]);
    vline(img, 9, 8, 81, rgb(12, 12, 16));
    vline(img, 14, 8, 81, kChrome[4]);
    hline(img, 9, 14, 82, kChrome[4]);
    // Pivot hub at the bottom.
    const double px = 11.5, py = 85.0;
    ball(img, px, py, 7.5, 7.0, kChrome);
    // The arm swings towards the player: the knob comes down and nearer.
    const double ky[6] = {8.5, 21.0, 34.0, 46.5, 58.0, 67.5};
    const double kr[6] = {8.6, 8.9, 9.2, 9.5, 9.8, 10.1};
    const double kx = 12.5;
    double rodW = 3.0 + i * 0.3;
    QPainterPath rod;
    rod.moveTo(px - rodW / 2, py);
    rod.lineTo(kx - rodW / 2, ky[i]);
    rod.lineTo(kx + rodW / 2, ky[i]);
    rod.lineTo(px + rodW / 2, py);
    rod.closeSubpath();
    Mask rm = Mask::fromPath(W, H, rod);
    ShadeOptions o;
    o.radius = 1.6;
    shade(img, 0, 0, rm, kChrome, o);
    // Collar at the hub.
    ball(img, px, py, 3.0, 3.0, kGold);
    // Shadow of the knob on the plate, then the knob itself.
    Mask sh = Mask::ellipse(W, H, kx + 1.5, ky[i] + 2.0, kr[i], kr[i]);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (sh.at(x, y)) put(img, x, y, darker(get(img, x, y), 0.35));
    ball(img, kx, ky[i], kr[i], kr[i], kKnob);
    return img;
}

// ------------------------------------------------------------ bonus wheel

QImage bonusWheel(int lit /* -1 none, 0..3 one, 4 all */) {
    QImage img = canvasFor(cells::BonusWheelNeutral, kPanel);
    const double c = 26.5;
    // Outer gold ring with chase lights.
    Mask ring = Mask::ellipse(53, 53, c, c, 26.3, 26.3);
    ShadeOptions o;
    o.radius = 3.0;
    shade(img, 0, 0, ring, kGold, o);
    Mask disc = Mask::ellipse(53, 53, c, c, 22.6, 22.6);
    for (int y = 0; y < 53; ++y)
        for (int x = 0; x < 53; ++x)
            if (disc.at(x, y)) {
                double a = std::atan2(y + 0.5 - c, x + 0.5 - c) + std::numbers::pi / 4;
                int sector = int(std::floor((a + 2 * std::numbers::pi) / (std::numbers::pi / 2))) % 2;
                QRgb base = sector ? rgb(40, 10, 60) : rgb(24, 8, 40);
                put(img, x, y, disc.edge(x, y) ? kGold[0] : base);
            }
    const bool all = lit == 4;
    for (int k = 0; k < 16; ++k) {
        double a = k * std::numbers::pi / 8;
        double x = c + 24.4 * std::cos(a), y = c + 24.4 * std::sin(a);
        bool on = all && (k % 2 == 0);
        QRgb col = all ? (on ? rgb(255, 250, 200) : rgb(255, 170, 40)) : rgb(110, 70, 10);
        put(img, int(std::floor(x)), int(std::floor(y)), col);
    }
    // Four prize bulbs, clockwise from the top: 20, 30, 40, 50.
    const char32_t* labels[4] = {U"20", U"30", U"40", U"50"};
    for (int p = 0; p < 4; ++p) {
        double a = -std::numbers::pi / 2 + p * std::numbers::pi / 2;
        double bx = c + 14.0 * std::cos(a), by = c + 14.0 * std::sin(a);
        bool on = all || lit == p;
        const Ramp litRamp = {rgb(120, 60, 0),   rgb(230, 140, 10),  rgb(255, 190, 30),
                              rgb(255, 226, 80), rgb(255, 246, 170), rgb(255, 255, 255)};
        const Ramp dimRamp = {rgb(30, 12, 6),   rgb(60, 26, 12),  rgb(82, 38, 16),
                              rgb(104, 52, 22), rgb(126, 68, 30), rgb(150, 92, 48)};
        if (on) {
            // A glow halo around a lit bulb.
            for (int y = 0; y < 53; ++y)
                for (int x = 0; x < 53; ++x) {
                    double d = std::hypot(x + 0.5 - bx, y + 0.5 - by);
                    if (d < 10.5 && d > 8.0 && disc.at(x, y) && !disc.edge(x, y))
                        put(img, x, y, mix(get(img, x, y), rgb(255, 160, 40), 0.45));
                }
        }
        ball(img, bx, by, 8.0, 8.0, on ? litRamp : dimRamp);
        std::u32string_view s = labels[p];
        int w = textWidth(s);
        int tx = int(std::lround(bx - w / 2.0)), ty = int(std::lround(by - 3.5));
        if (on) {
            text(img, tx, ty, s, rgb(110, 20, 0));
        } else {
            text(img, tx, ty, s, rgb(176, 110, 60));
        }
    }
    // The hub.
    Mask hub = Mask::ellipse(53, 53, c, c, 4.2, 4.2);
    const Ramp hubRamp = all ? Ramp{rgb(90, 8, 20),     rgb(170, 20, 40),   rgb(230, 50, 60),
                                    rgb(255, 110, 100), rgb(255, 190, 180), rgb(255, 255, 255)}
                             : Ramp{rgb(60, 40, 4),    rgb(120, 80, 8),   rgb(170, 120, 16),
                                    rgb(210, 160, 30), rgb(240, 200, 80), rgb(255, 240, 180)};
    ShadeOptions ho;
    ho.radius = 4.0;
    shade(img, 0, 0, hub, hubRamp, ho);
    return img;
}

// ------------------------------------------------------------ winner banner

QImage winnerBanner(int frame) {
    QImage img = canvasFor(cells::WinnerBanner(0));
    const int W = img.width(), H = img.height();
    const bool on = frame != 0;
    // Gold frame, then a deep red field.
    fill(img, QRect(0, 0, W, H), kGold[1]);
    bevel(img, QRect(0, 0, W, H), kGold[4], kGold[0]);
    fill(img, QRect(2, 2, W - 4, H - 4), on ? rgb(110, 10, 20) : rgb(38, 6, 12));
    // Bulbs along the top and bottom edges, alternating between the frames.
    for (int x = 4, n = 0; x < W - 3; x += 4, ++n) {
        bool bright = on && ((n % 2) == (frame == 1 ? 0 : 1));
        QRgb bc = bright ? rgb(255, 250, 200) : (on ? rgb(200, 120, 20) : rgb(90, 50, 10));
        put(img, x, 1, bc);
        put(img, x, H - 2, bc);
    }
    // WINNER in wide letters with stars on either side.
    const std::u32string_view word = U"WINNER";
    int tw = stretchedWidth(word, 2, 3);
    int tx = (W - tw) / 2, ty = 3;
    if (on) {
        QRgb face = frame == 1 ? rgb(255, 236, 80) : rgb(255, 255, 220);
        stretchedText(img, tx + 1, ty + 1, word, rgb(90, 20, 0), 2, 1, 3);
        stretchedText(img, tx, ty, word, face, 2, 1, 3);
        QRgb star = frame == 1 ? rgb(255, 255, 220) : rgb(255, 200, 40);
        text(img, tx - 16, ty, U"*", star);
        text(img, tx + tw + 11, ty, U"*", star);
    } else {
        stretchedText(img, tx, ty, word, rgb(92, 26, 26), 2, 1, 3);
        text(img, tx - 16, ty, U"*", rgb(70, 24, 20));
        text(img, tx + tw + 11, ty, U"*", rgb(70, 24, 20));
    }
    return img;
}

// ------------------------------------------------------------ prize lamps

QImage prizeLamp(int n, bool lit) {
    QImage img = canvasFor(cells::PrizeLampLit(0));
    const int W = img.width(), H = img.height();
    fill(img, QRect(0, 0, W, H), kChrome[2]);
    bevel(img, QRect(0, 0, W, H), kChrome[5], kChrome[0]);
    bevel(img, QRect(1, 1, W - 2, H - 2), kChrome[4], kChrome[1]);
    QRect lens(3, 3, W - 6, H - 6);
    for (int y = lens.top(); y <= lens.bottom(); ++y)
        for (int x = lens.left(); x <= lens.right(); ++x) {
            double dx = (x + 0.5 - (lens.center().x() + 0.5)) / (lens.width() / 2.0);
            double dy = (y + 0.5 - (lens.center().y() + 0.5)) / (lens.height() / 2.0);
            double d = std::min(1.0, std::sqrt(dx * dx + dy * dy));
            QRgb c = lit ? mix(rgb(255, 250, 190), rgb(240, 120, 10), d * d)
                         : mix(rgb(96, 40, 20), rgb(44, 14, 10), d);
            put(img, x, y, c);
        }
    frame(img, lens.adjusted(-1, -1, 1, 1), kChrome[0]);
    put(img, lens.left() + 1, lens.top() + 1, lit ? kWhite : rgb(130, 80, 60));
    put(img, lens.left() + 2, lens.top() + 1, lit ? rgb(255, 250, 220) : rgb(110, 60, 40));
    const char32_t* labels[3] = {U"50", U"75", U"100"};
    std::u32string_view s = labels[n];
    int tx = (W - textWidth(s)) / 2, ty = (H - 7) / 2;
    if (lit) {
        text(img, tx + 1, ty + 1, s, rgb(255, 210, 120));
        text(img, tx, ty, s, rgb(150, 20, 10));
    } else {
        text(img, tx, ty, s, rgb(170, 96, 50));
    }
    return img;
}

// ------------------------------------------------------------ panel buttons

// Round button on the panels' bottom deck: quit (red, a cross) or continue
// (green, an arrow). Pressed: sunk in, darker, symbol one pixel down-right.
QImage roundButton(bool quit, bool pressed) {
    QImage img = canvas(17, 17, kDeck);
    Mask bezel = Mask::ellipse(17, 17, 8.5, 8.5, 8.5, 8.5);
    ShadeOptions bo;
    bo.radius = 2.0;
    bo.specular = false;
    bo.lightX = pressed ? 0.55 : -0.55;
    bo.lightY = pressed ? 0.65 : -0.65;
    shade(img, 0, 0, bezel, kChrome, bo);
    const Ramp& r = quit ? kRedBtn : kGreenBtn;
    Mask cap = Mask::ellipse(17, 17, 8.5, 8.5, 6.5, 6.5);
    ShadeOptions co;
    co.radius = 6.5;
    co.bias = pressed ? -0.25 : 0.0;
    co.specular = !pressed;
    shade(img, 0, 0, cap, r, co);
    int d = pressed ? 1 : 0;
    QRgb ink = pressed ? rgb(220, 220, 210) : kWhite;
    QRgb inkShadow = r[1];
    if (quit) {
        for (int k = -3; k <= 3; ++k) {
            for (int s = 0; s < 2; ++s) {
                put(img, 8 + k + d + s, 8 + k + d + 1, inkShadow);
                put(img, 8 + k + d + s, 8 - k + d + 1, inkShadow);
            }
        }
        for (int k = -3; k <= 3; ++k) {
            put(img, 8 + k + d, 8 + k + d, ink);
            put(img, 9 + k + d, 8 + k + d, ink);
            put(img, 8 + k + d, 8 - k + d, ink);
            put(img, 9 + k + d, 8 - k + d, ink);
        }
    } else {
        // A 7 x 7 arrow centred on the cap; pressed, its tip and shadow still
        // stop a pixel short of the cap's rim.
        for (int row = -3; row <= 3; ++row) {
            int len = 7 - 2 * std::abs(row);
            hline(img, 6 + d, 6 + d + len - 1, 9 + row + d, inkShadow);
        }
        for (int row = -3; row <= 3; ++row) {
            int len = 7 - 2 * std::abs(row);
            hline(img, 5 + d, 5 + d + len - 1, 8 + row + d, ink);
        }
    }
    return img;
}

// ------------------------------------------------------------ coins in the slot

QImage coinWindow() {
    QImage img = canvasFor(cells::CoinAtRest);
    const int W = img.width(), H = img.height();
    vgradient(img, QRect(0, 0, W, H), rgb(6, 6, 10), rgb(30, 30, 40));
    // Glass reflection streak.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (x + y == 13 || x + y == 14) put(img, x, y, mix(get(img, x, y), kWhite, 0.12));
    // The guide rails.
    hline(img, 0, W - 1, H - 1, kChrome[2]);
    return img;
}

QImage spinningCoin(int frame) {
    QImage img = coinWindow();
    const double rx[3] = {6.6, 3.8, 1.0};
    if (frame == 0)
        coinFace(img, 8.0, 7.0, rx[0], 6.6, true);
    else
        coinTurned(img, 8.0, 7.0, rx[frame], 6.6);
    // Motion glints.
    put(img, 1, 3, kCoin[3]);
    put(img, 14, 10, kCoin[3]);
    return img;
}

QImage coinAtRest() {
    QImage img = coinWindow();
    coinFace(img, 8.0, 7.4, 6.6, 6.6, true);
    return img;
}

// ------------------------------------------------------------ payout tray

// Every column of the empty tray is the same, so a frame dropped anywhere in
// x 135..155 fits the picture around it.
QRgb trayRow(int y) {
    static const QRgb rows[25] = {
        rgb(58, 62, 74), rgb(18, 18, 24), rgb(14, 14, 20),    rgb(14, 14, 20),    rgb(15, 15, 21),
        rgb(16, 16, 22), rgb(17, 17, 23), rgb(18, 18, 24),    rgb(19, 19, 25),    rgb(20, 20, 26),
        rgb(21, 21, 27), rgb(22, 22, 28), rgb(23, 23, 29),    rgb(24, 24, 30),    rgb(25, 25, 31),
        rgb(26, 26, 32), rgb(28, 28, 34), rgb(40, 42, 50),    rgb(50, 52, 62),    rgb(58, 62, 74),
        rgb(66, 70, 82), rgb(74, 78, 92), rgb(188, 196, 208), rgb(140, 148, 162), rgb(58, 62, 74)};
    return rows[y];
}

QImage payoutFrame(int k) {
    QImage img = canvasFor(cells::PayoutCoin(0));
    for (int y = 0; y < 25; ++y) hline(img, 0, 15, y, trayRow(y));
    if (k <= 7) {
        // Falling from the chute, face on, turning slightly.
        double cy = -3.0 + k * 2.6;
        double rx = (k % 2) ? 5.0 : 5.8;
        coinFace(img, 8.0, cy, rx, 5.8, false);
        hline(img, 0, 15, 0, trayRow(0));
    } else if (k <= 11) {
        // Landed: the coin tips over and settles flat into the tray.
        const double ry[4] = {4.5, 3.0, 1.8, 1.2};
        const double cy[4] = {16.0, 17.5, 18.5, 19.0};
        coinTurned(img, 8.0, cy[k - 8], 5.8, ry[k - 8]);
        if (k == 8) {
            put(img, 1, 19, kCoin[4]);
            put(img, 14, 19, kCoin[4]);
        }
    }
    return img;
}

// ------------------------------------------------------------ siren

QImage siren(int frame /* 0..7, or -1 for off */) {
    QImage img = canvasFor(cells::SirenOff, kPanel);
    const int W = img.width();
    const bool on = frame >= 0;
    const double a = on ? frame * std::numbers::pi / 4 : 0.0;
    const double facing = on ? std::cos(a) : -1.0;  // 1: the mirror faces the player
    // Light rays to the sides when the beam points out of the picture.
    if (on && std::abs(std::sin(a)) > 0.6) {
        bool right = std::sin(a) > 0;
        for (int y = 3; y < 15; ++y)
            for (int x = 0; x < W; ++x) {
                double dx = right ? x - 13.0 : 13.0 - x;
                if (dx < 9) continue;
                double spread = (dx - 9) * 0.45 + 1.0;
                if (std::abs(y - 8.5) < spread)
                    put(img, x, y, mix(kPanel, rgb(255, 120, 60), 0.55 - (dx - 9) * 0.1));
            }
    }
    if (on && facing > 0.9) {
        for (int k = 0; k < 8; ++k) {
            double ang = k * std::numbers::pi / 4;
            for (double r = 10.0; r < 13.5; r += 0.5)
                put(img, int(13 + r * std::cos(ang) * 1.0), int(9 + r * std::sin(ang) * 0.75),
                    rgb(255, 200, 120));
        }
    }
    // Base.
    fill(img, QRect(4, 15, 18, 4), kChrome[2]);
    bevel(img, QRect(4, 15, 18, 4), kChrome[5], kChrome[0]);
    hline(img, 3, 22, 19, kChrome[0]);
    // Dome.
    QPainterPath dome;
    dome.moveTo(5, 15.5);
    dome.lineTo(5, 9);
    dome.cubicTo(5, 1.5, 21, 1.5, 21, 9);
    dome.lineTo(21, 15.5);
    dome.closeSubpath();
    Mask dm = Mask::fromPath(W, 20, dome);
    const Ramp domeOn = {rgb(110, 10, 10),  rgb(190, 30, 20),   rgb(230, 60, 30),
                         rgb(255, 100, 50), rgb(255, 160, 110), rgb(255, 235, 220)};
    const Ramp domeOff = {rgb(40, 6, 8),    rgb(70, 12, 14),  rgb(96, 20, 20),
                          rgb(120, 30, 28), rgb(150, 50, 44), rgb(200, 110, 100)};
    ShadeOptions o;
    o.radius = 5.0;
    shade(img, 0, 0, dm, on ? domeOn : domeOff, o);
    if (on) {
        // The turning mirror: a bright vertical band inside the dome.
        double bx = 13.0 + 6.0 * std::sin(a);
        double strength = 0.35 + 0.65 * (facing + 1) / 2;
        double halfW = 1.2 + 2.2 * std::max(0.0, facing);
        for (int y = 3; y < 15; ++y)
            for (int x = 0; x < W; ++x)
                if (dm.at(x, y) && !dm.edge(x, y) && std::abs(x + 0.5 - bx) <= halfW)
                    put(img, x, y, mix(get(img, x, y), rgb(255, 250, 200), strength));
    }
    // The bulb's socket line.
    hline(img, 6, 20, 14, on ? rgb(150, 30, 20) : rgb(50, 10, 10));
    return img;
}

// ------------------------------------------------------------ hold buttons

// The buttons' own bold 4 x 5 letters, rounded where the tiny caption font is
// square, so that G and O differ at a glance; every state of the button uses them.
const std::vector<std::string_view>& buttonLetter(char32_t ch) {
    static const std::vector<std::string_view> G = {".###", "#...", "#.##", "#..#", ".###"};
    static const std::vector<std::string_view> O = {".##.", "#..#", "#..#", "#..#", ".##."};
    static const std::vector<std::string_view> S = {".###", "#...", ".##.", "...#", "###."};
    static const std::vector<std::string_view> T = {"###", ".#.", ".#.", ".#.", ".#."};
    static const std::vector<std::string_view> P = {"###.", "#..#", "###.", "#...", "#..."};
    switch (ch) {
        case U'G':
            return G;
        case U'O':
            return O;
        case U'S':
            return S;
        case U'T':
            return T;
        default:
            return P;
    }
}

int buttonWordWidth(std::u32string_view word) {
    int w = -1;
    for (char32_t ch : word) w += int(buttonLetter(ch)[0].size()) + 1;
    return w;
}

void buttonWord(QImage& img, int x, int y, std::u32string_view word, QRgb c) {
    for (char32_t ch : word) {
        const auto& g = buttonLetter(ch);
        for (int r = 0; r < int(g.size()); ++r)
            for (int i = 0; i < int(g[size_t(r)].size()); ++i)
                if (g[size_t(r)][size_t(i)] == '#') put(img, x + i, y + r, c);
        x += int(g[0].size()) + 1;
    }
}

QImage holdButton(int look /* 0 STOP, 1 GO lit, 2 GO dark */) {
    QImage img = canvasFor(cells::HoldStop, kStrip);
    const int W = img.width(), H = img.height();
    Ramp r;
    QRgb ink, inkShadow;
    std::u32string_view word = look == 0 ? U"STOP" : U"GO";
    if (look == 0) {
        r = kRedBtn;
        ink = kWhite;
        inkShadow = rgb(90, 6, 10);
    } else if (look == 1) {
        // Lit GO: a dark legend printed on the bright lamp, as a lamp's glass is.
        r = kGreenBtn;
        ink = rgb(6, 44, 12);
        inkShadow = rgb(150, 236, 140);
    } else {
        // Dark GO: the same button with its lamp off, a dim blue glass whose
        // letters stay as legible as the lit ones, only paler.
        r = {rgb(6, 8, 20),   rgb(16, 22, 46), rgb(22, 30, 60),
             rgb(28, 38, 72), rgb(36, 48, 86), rgb(46, 60, 102)};
        ink = rgb(150, 170, 220);
        inkShadow = rgb(4, 6, 16);
    }
    QPainterPath p;
    p.addRoundedRect(QRectF(0, 0, W, H), 3, 3);
    Mask m = Mask::fromPath(W, H, p);
    ShadeOptions o;
    o.radius = 3.0;
    o.specular = look != 2;
    shade(img, 0, 0, m, r, o);
    const int tx = (W - buttonWordWidth(word)) / 2, ty = 3;
    buttonWord(img, tx + 1, ty + 1, word, inkShadow);
    buttonWord(img, tx, ty, word, ink);
    return img;
}

// ------------------------------------------------------------ credit lamps

// After the ten lamps, a row of arrows pointing at the lever: lit while the
// machine holds credits, that is while a pull of the lever plays.
QImage creditStrip(bool lit) {
    QImage img = canvasFor(cells::CreditStripLit, rgb(16, 6, 8));
    const QRgb litRows[3] = {rgb(255, 236, 140), rgb(255, 176, 30), rgb(200, 110, 10)};
    const QRgb darkRows[3] = {rgb(110, 30, 24), rgb(80, 16, 14), rgb(54, 8, 8)};  // as the dark lamps
    const std::string_view arrow[3] = {"##...", ".##..", "##..."};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < img.width(); ++x)
            if (arrow[y][size_t((x + 4) % 5)] == '#') put(img, x, y, lit ? litRows[y] : darkRows[y]);
    return img;
}

QImage creditLamp(bool lit) {
    QImage img = canvasFor(cells::CreditLampLit);
    if (lit) {
        hline(img, 0, 3, 0, rgb(255, 232, 120));
        hline(img, 0, 3, 1, rgb(255, 170, 20));
        hline(img, 0, 3, 2, rgb(210, 110, 0));
        put(img, 1, 0, kWhite);
    } else {
        hline(img, 0, 3, 0, rgb(110, 30, 24));
        hline(img, 0, 3, 1, rgb(80, 16, 14));
        hline(img, 0, 3, 2, rgb(54, 8, 8));
    }
    return img;
}

// ------------------------------------------------------------ digits

// Seven segments on a 5 x 9 cell: a top, b upper right, c lower right,
// d bottom, e lower left, f upper left, g middle.
QImage digit(int k /* 0..9, 10 = blank */) {
    static const char* segs[10] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                   "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};
    QImage img = canvasFor(cells::Digit(0));
    const QRgb on = rgb(70, 255, 90), off = rgb(52, 30, 12);
    auto lit = [&](char s) { return k < 10 && std::string_view(segs[k]).find(s) != std::string_view::npos; };
    auto seg = [&](char s) { return lit(s) ? on : off; };
    hline(img, 1, 3, 0, seg('a'));
    vline(img, 4, 1, 3, seg('b'));
    vline(img, 4, 5, 7, seg('c'));
    hline(img, 1, 3, 8, seg('d'));
    vline(img, 0, 5, 7, seg('e'));
    vline(img, 0, 1, 3, seg('f'));
    hline(img, 1, 3, 4, seg('g'));
    return img;
}

// ------------------------------------------------------------ falling coins

struct MaskedPicture {
    QImage picture, mask;
};

MaskedPicture maskedFromMask(const Mask& m, const std::function<void(QImage&)>& draw) {
    MaskedPicture mp{canvas(m.w(), m.h()), canvas(m.w(), m.h(), qRgb(255, 255, 255))};
    QImage tmp = canvas(m.w(), m.h());
    draw(tmp);
    for (int y = 0; y < m.h(); ++y)
        for (int x = 0; x < m.w(); ++x)
            if (m.at(x, y)) {
                QRgb c = tmp.pixel(x, y);
                if ((c & 0xFFFFFF) == 0) c = kCoin[0];  // never pure black inside the outline
                mp.picture.setPixel(x, y, c);
                mp.mask.setPixel(x, y, qRgb(0, 0, 0));
            }
    return mp;
}

MaskedPicture fallingCoin() {
    Mask m = Mask::ellipse(16, 15, 8.0, 7.5, 7.5, 7.5);
    return maskedFromMask(m, [](QImage& img) { coinFace(img, 8.0, 7.5, 7.5, 7.5, true); });
}

MaskedPicture fallingStack() {
    // Four coins seen edge-on behind a face-on front coin.
    Mask m(28, 15);
    const double xs[4] = {3.5, 7.5, 11.5, 15.5};
    for (double x : xs) m.unite(Mask::ellipse(28, 15, x, 7.5, 3.4, 7.5));
    m.unite(Mask::ellipse(28, 15, 20.5, 7.5, 7.5, 7.5));
    return maskedFromMask(m, [&](QImage& img) {
        for (double x : xs) coinTurned(img, x, 7.5, 3.4, 7.5);
        coinFace(img, 20.5, 7.5, 7.5, 7.5, true);
    });
}

// ------------------------------------------------------------ time bar

QImage timeBarEmpty() {
    QImage img = canvasFor(cells::TimeBarEmpty, kPanel);
    const int W = img.width(), H = img.height();
    fill(img, QRect(0, 0, W, H), kChrome[2]);
    bevel(img, QRect(0, 0, W, H), kChrome[5], kChrome[0]);
    fill(img, QRect(1, 1, W - 2, H - 2), rgb(6, 6, 10));
    // Unlit segment slots, 2 high with a 1-pixel gap, bottom up.
    for (int t = 0; t < 13; ++t) {
        int y = 37 - 3 * t;
        hline(img, 1, 7, y, rgb(26, 30, 40));
        hline(img, 1, 7, y + 1, rgb(18, 20, 28));
    }
    return img;
}

QImage timeSegment(int colour /* 0 green, 1 yellow, 2 red */) {
    QImage img = canvasFor(cells::TimeSegmentGreen);
    const QRgb top[3] = {rgb(150, 255, 120), rgb(255, 246, 120), rgb(255, 140, 120)};
    const QRgb bottom[3] = {rgb(40, 180, 50), rgb(220, 170, 0), rgb(200, 30, 30)};
    hline(img, 0, 6, 0, top[colour]);
    hline(img, 0, 6, 1, bottom[colour]);
    return img;
}

// ------------------------------------------------------------ display panels

constexpr int PW = 137, PH = 98;

// A picture of the display window in the chrome frame that they all share.
QImage framedPanel() {
    QImage img = canvas(PW, PH);
    fill(img, QRect(0, 0, PW, PH), kChrome[2]);
    bevel(img, QRect(0, 0, PW, PH), kChrome[5], kChrome[0]);
    bevel(img, QRect(1, 1, PW - 2, PH - 2), kChrome[4], kChrome[1]);
    bevel(img, QRect(2, 2, PW - 4, PH - 4), kChrome[0], kChrome[4]);
    return img;
}

// A yellow title centred in the display window over its drop shadow.
void panelTitle(QImage& img, int y, std::u32string_view s, QRgb shadow) {
    textCentered(img, 69, y + 1, s, shadow);
    textCentered(img, 68, y, s, kYellow);
}

// A panel that asks the player something: a sky from top to bottom colour with
// a title; the QUIT and PLAY ON deck goes on last (panelDeck).
QImage questionPanel(std::u32string_view title, QRgb shadow, QRgb top, QRgb bottom) {
    QImage img = framedPanel();
    vgradient(img, QRect(3, 3, PW - 6, 69), top, bottom);
    panelTitle(img, 5, title, shadow);
    return img;
}

void panelDeck(QImage& img) {
    fill(img, QRect(3, 72, PW - 6, PH - 75), kDeck);
    hline(img, 3, PW - 4, 72, kChrome[1]);
    paste(img, roundButton(true, false), 11, 75);
    paste(img, roundButton(false, false), 109, 75);
    tinyShadow(img, 31, 81, U"QUIT", rgb(255, 120, 100), kBlack);
    tinyShadow(img, 106 - tinyWidth(U"PLAY ON"), 81, U"PLAY ON", rgb(130, 240, 120), kBlack);
}

QImage emptyReelWindow() {
    QImage img = framedPanel();
    fill(img, QRect(3, 3, PW - 6, PH - 6), kWindowDark);
    // Reel columns: cream drums shaded towards their top and bottom.
    const int cols[3] = {10, 54, 98};
    for (int c : cols) {
        for (int y = 4; y <= 93; ++y) {
            double t = std::abs(y - 48.5) / 45.0;
            QRgb col = mix(colours::kReel, rgb(120, 104, 80), std::pow(t, 3.0) * 0.9);
            hline(img, c, c + 28, y, col);
        }
        // Drum edges.
        vline(img, c, 4, 93, mix(get(img, c, 48), kBlack, 0.18));
        vline(img, c + 28, 4, 93, mix(get(img, c + 28, 48), kBlack, 0.25));
    }
    // The gaps between the reels: dark chrome posts, the same on every row so
    // that the scrolling copy of the spin leaves them unchanged.
    const int gaps[2] = {39, 83};
    for (int g : gaps)
        for (int x = g; x < g + 15; ++x) {
            double t = std::abs(x - (g + 7.0)) / 7.0;
            QRgb col = mix(kChrome[2], rgb(10, 10, 14), t);
            if (x == g || x == g + 14) col = rgb(6, 6, 8);
            vline(img, x, 4, 93, col);
        }
    // Shadow lines above and below the reels, in the frame margin.
    hline(img, 3, PW - 4, 3, rgb(4, 4, 6));
    hline(img, 3, PW - 4, 94, rgb(40, 36, 44));
    // Pay-line markers at the middle row, left and right.
    const QRgb red = rgb(230, 40, 40), redDark = rgb(120, 10, 10);
    for (int k = 0; k < 4; ++k) {
        vline(img, 4 + k, 48 - (3 - k), 49 + (3 - k), k == 3 ? redDark : red);
        vline(img, PW - 5 - k, 48 - (3 - k), 49 + (3 - k), k == 3 ? redDark : red);
    }
    put(img, 4, 44, rgb(255, 150, 140));
    put(img, PW - 5, 44, rgb(255, 150, 140));
    return img;
}

QImage outOfCoinsPanel() {
    QImage img = questionPanel(U"OUT OF COINS!", rgb(90, 20, 0), rgb(22, 26, 52), rgb(10, 12, 26));
    // Trousers with both pockets turned out.
    const QRgb denim[4] = {rgb(20, 34, 80), rgb(36, 60, 130), rgb(52, 86, 170), rgb(80, 120, 210)};
    QPainterPath legs;
    legs.moveTo(38, 18);
    legs.lineTo(99, 18);
    legs.lineTo(104, 71);
    legs.lineTo(72, 71);
    legs.lineTo(68.5, 44);
    legs.lineTo(65, 71);
    legs.lineTo(33, 71);
    legs.closeSubpath();
    Mask lm = Mask::fromPath(PW, PH, legs);
    ShadeOptions o;
    o.radius = 4.0;
    o.specular = false;
    shade(img, 0, 0, lm, {rgb(10, 18, 44), denim[0], denim[1], denim[2], denim[3]}, o);
    // Belt with buckle and fly seam.
    fill(img, QRect(38, 18, 62, 4), rgb(70, 40, 20));
    hline(img, 38, 99, 18, rgb(110, 70, 36));
    fill(img, QRect(65, 18, 7, 4), kGold[3]);
    fill(img, QRect(67, 19, 3, 2), rgb(70, 40, 20));
    vline(img, 68, 22, 40, denim[0]);
    for (int y = 24; y < 70; y += 3) {
        put(img, 40, y, denim[3]);
        put(img, 97, y, denim[3]);
    }
    // The pockets: white linings hanging out at the hips.
    auto pocket = [&](double cx, bool left) {
        QPainterPath p;
        double s = left ? -1 : 1;
        p.moveTo(cx - 6 * s, 23);
        p.cubicTo(cx + 2 * s, 22, cx + 10 * s, 26, cx + 9 * s, 36);
        p.cubicTo(cx + 8 * s, 44, cx + 2 * s, 46, cx - 1 * s, 41);
        p.cubicTo(cx - 3 * s, 36, cx - 6 * s, 30, cx - 6 * s, 23);
        p.closeSubpath();
        Mask pm = Mask::fromPath(PW, PH, p);
        ShadeOptions po;
        po.radius = 3.0;
        po.specular = false;
        shade(img, 0, 0, pm,
              {rgb(90, 90, 100), rgb(170, 170, 180), rgb(210, 210, 216), rgb(236, 236, 240),
               rgb(255, 255, 255)},
              po);
        // Stitching.
        for (int k = 0; k < 5; ++k) put(img, int(cx + (1 + k * 1.5) * s), 40 - k % 2, rgb(150, 150, 160));
    };
    pocket(44, true);
    pocket(93, false);
    // Two moths fluttering out of the right pocket: pale wings spread round a
    // dark body, big enough to read as moths at 1x.
    const std::vector<PaletteEntry> mothColours = {{'o', rgb(60, 48, 36)},
                                                   {'W', rgb(236, 226, 196)},
                                                   {'w', rgb(196, 178, 136)},
                                                   {'b', rgb(110, 86, 60)}};
    const std::vector<std::string_view> moth = {"..o.....o..", "...o...o...", ".ooo.o.ooo.", "oWWwobowWWo",
                                                "oWwwobowwWo", ".owwobowwo.", "..oo.o.oo.."};
    sprite(img, 105, 31, moth, mothColours);
    const std::vector<std::string_view> far = {".o...o.", "oWo.oWo", "oWwowWo", ".owowo.", "..o.o.."};
    sprite(img, 120, 19, far, mothColours);
    panelDeck(img);
    return img;
}

QImage offerPanel() {
    QImage img = questionPanel(U"1000 COINS!", rgb(80, 40, 0), rgb(16, 52, 28), rgb(8, 24, 14));
    // Bank notes fanned behind the bag.
    auto note = [&](int x, int y, int w, int h) {
        fill(img, QRect(x, y, w, h), rgb(110, 180, 100));
        frame(img, QRect(x, y, w, h), rgb(30, 80, 40));
        frame(img, QRect(x + 2, y + 2, w - 4, h - 4), rgb(70, 140, 70));
        ellipse(img, QRectF(x + w / 2.0 - 3, y + h / 2.0 - 3, 6, 6), rgb(60, 120, 60));
        put(img, x + w / 2, y + h / 2, rgb(200, 240, 180));
    };
    note(14, 24, 24, 13);
    note(18, 36, 24, 13);
    // The money bag.
    QPainterPath bag;
    bag.moveTo(60, 30);
    bag.cubicTo(44, 38, 40, 66, 56, 69);
    bag.lineTo(84, 69);
    bag.cubicTo(100, 66, 96, 38, 80, 30);
    bag.closeSubpath();
    QPainterPath neck;
    neck.addEllipse(QPointF(70, 25), 9, 6);
    Mask bm = Mask::fromPath(PW, PH, bag.united(neck));
    ShadeOptions o;
    o.radius = 8.0;
    shade(img, 0, 0, bm,
          {rgb(60, 36, 14), rgb(110, 70, 30), rgb(150, 100, 48), rgb(186, 134, 70), rgb(214, 170, 104),
           rgb(240, 214, 160)},
          o);
    // Tie and the coin sign on the bag.
    hline(img, 62, 78, 30, rgb(60, 30, 10));
    hline(img, 62, 78, 31, rgb(120, 60, 20));
    bigText(img, 65, 41, U"¢", rgb(90, 54, 20), 2);
    bigText(img, 64, 40, U"¢", kGold[3], 2);
    // Coin stacks beside it.
    for (int s = 0; s < 2; ++s) {
        int bx = 100 + s * 14, by = 68 - s * 4;
        for (int k = 0; k < 6 - s * 2; ++k) {
            int y = by - k * 3;
            ellipse(img, QRectF(bx, y - 2, 12, 5), kCoin[1]);
            ellipse(img, QRectF(bx, y - 3, 12, 5), kCoin[3]);
            hline(img, bx + 3, bx + 8, y - 2, kCoin[4]);
        }
    }
    coinFace(img, 26.0, 61.0, 6.6, 6.6, true);
    // The sign: this is play money. Four lines with two pixels clear on every side.
    const QRect sign(95, 14, 37, 29);
    fill(img, sign, rgb(250, 244, 210));
    frame(img, sign, rgb(120, 100, 60));
    put(img, sign.right(), sign.top(), rgb(200, 190, 150));
    const int cx = sign.center().x();
    tinyCentered(img, cx, sign.top() + 3, U"JUST", rgb(150, 20, 20));
    tinyCentered(img, cx, sign.top() + 9, U"FOR FUN", rgb(150, 20, 20));
    tinyCentered(img, cx, sign.top() + 15, U"NOT REAL", rgb(40, 40, 60));
    tinyCentered(img, cx, sign.top() + 21, U"MONEY!", rgb(40, 40, 60));
    panelDeck(img);
    return img;
}

QImage highScorePanel() {
    QImage img = framedPanel();
    fill(img, QRect(3, 3, PW - 6, PH - 6), kBlack);
    // Title bar.
    vgradient(img, QRect(3, 3, PW - 6, 10), rgb(120, 20, 30), rgb(60, 8, 14));
    hline(img, 3, PW - 4, 13, kGold[2]);
    panelTitle(img, 4, U"HIGH SCORES", rgb(40, 0, 0));
    // Little cups at both ends of the title.
    const std::vector<std::string_view> cup = {"DEEED", ".DED.", "..D..", ".ddd."};
    sprite(img, 10, 5, cup, {{'D', kGold[3]}, {'E', kGold[5]}, {'d', kGold[1]}});
    sprite(img, PW - 15, 5, cup, {{'D', kGold[3]}, {'E', kGold[5]}, {'d', kGold[1]}});
    return img;
}

QImage statisticsPanel() {
    QImage img = framedPanel();
    fill(img, QRect(3, 3, PW - 6, PH - 6), kBlack);
    // The empty title bar where the player's name goes.
    fill(img, QRect(3, 3, 131, 9), rgb(20, 40, 110));
    hline(img, 3, 133, 3, rgb(70, 100, 200));
    hline(img, 3, 133, 11, rgb(8, 16, 50));
    for (int y = 4; y <= 10; ++y)
        hline(img, 3, 133, y, mix(rgb(40, 70, 170), rgb(16, 30, 90), (y - 4) / 6.0));
    // Grid of prize cells with count boxes. A count is written centred on its
    // column; both columns' boxes are centred there, equally wide and clear of
    // the panel's inner bevel.
    const QRgb box = rgb(40, 40, 56);
    const int ox = places::DisplayWindow.x, oy = places::DisplayWindow.y;
    for (int k = 0; k < 12; ++k) {
        const fw::Cell c = places::StatisticsPayCell(k);
        const int x = c.x - ox, y = c.y - oy;
        frame(img, QRect(x - 1, y - 1, c.w + 2, c.h + 2), kChrome[1]);
        fill(img, QRect(x, y, c.w, c.h), colours::kPanel);
        frame(img, QRect(places::StatisticsCountColumn(k) - ox - 12, y - 1, 24, 9), box);
    }
    // Labels of the bottom fields.
    const QRgb label = rgb(120, 170, 255);
    tiny(img, 5, 77, U"TIME", label);
    frame(img, QRect(places::kPlayTimeX - ox - 1, places::kPlayTimeY - oy - 1, 58, 9), box);
    tiny(img, 5, 88, U"GAMES", label);
    frame(img, QRect(places::kPlayedColumn - ox - 19, places::kGamesY - oy - 1, 38, 9), box);
    tiny(img, 80, 88, U"WON", label);
    frame(img, QRect(places::kWonColumn - ox - 15, places::kGamesY - oy - 1, 30, 9), box);
    return img;
}

// ------------------------------------------------------------ font rows

void fontRows(QImage& sheet) {
    for (int k = 0; k < fw::kGlyphCount; ++k) {
        const char32_t ch = fw::kFontAlphabet[k];
        const int x = cells::Glyph(k, fw::FontColour::White).x;
        const int y0 = cells::Glyph(k, fw::FontColour::White).y;
        const int y1 = cells::Glyph(k, fw::FontColour::Yellow).y;
        const int y2 = cells::GlyphMask(k).y;
        const bool space = ch == U' ';
        for (int r = 0; r < 7; ++r) {
            unsigned bits = glyphRow(ch, r);
            for (int c = 0; c < 6; ++c) {
                bool ink = c < 5 && (bits & (1u << (4 - c)));
                put(sheet, x + c, y0 + r, ink ? kWhite : kBlack);
                put(sheet, x + c, y1 + r, ink ? kFontYellow : kBlack);
                put(sheet, x + c, y2 + r, (ink || space) ? kBlack : kWhite);
            }
        }
    }
}

// ------------------------------------------------------------ the machine

void goldFrame(QImage& img, const QRect& r) {
    frame(img, r, kGold[1]);
    bevel(img, r.adjusted(-1, -1, 1, 1), kGold[4], kGold[0]);
}

void speakerGrille(QImage& img, const QRect& r) {
    fill(img, r, rgb(30, 8, 12));
    bevel(img, r, kLacquer[0], kLacquer[4], true);
    bevel(img, r, rgb(20, 4, 6), kLacquer[4], false);
    for (int y = r.top() + 3; y < r.bottom() - 1; y += 3)
        for (int x = r.left() + 3 + (y / 3) % 2; x < r.right() - 1; x += 3) {
            put(img, x, y, rgb(6, 2, 4));
            put(img, x + 1, y, rgb(66, 20, 22));
        }
}

// The cabinet's name in its own bold letters, 8 pixels high with 3-pixel stems.
const std::vector<std::string_view>& logoLetter(char32_t ch) {
    static const std::vector<std::string_view> F = {"########", "########", "###.....", "######..",
                                                    "######..", "###.....", "###.....", "###....."};
    static const std::vector<std::string_view> R = {"########.", "#########", "###...###", "###...###",
                                                    "########.", "#######..", "###..###.", "###...###"};
    static const std::vector<std::string_view> U = {"###...###", "###...###", "###...###", "###...###",
                                                    "###...###", "###...###", "#########", ".#######."};
    static const std::vector<std::string_view> I = {"###", "###", "###", "###", "###", "###", "###", "###"};
    static const std::vector<std::string_view> T = {"#########", "#########", "...###...", "...###...",
                                                    "...###...", "...###...", "...###...", "...###..."};
    static const std::vector<std::string_view> W = {"###.......###", "###.......###", "###..###..###",
                                                    "###..###..###", "###.#####.###", "#############",
                                                    "#####...#####", ".###.....###."};
    static const std::vector<std::string_view> H = {"###...###", "###...###", "###...###", "#########",
                                                    "#########", "###...###", "###...###", "###...###"};
    static const std::vector<std::string_view> L = {"###.....", "###.....", "###.....", "###.....",
                                                    "###.....", "###.....", "########", "########"};
    switch (ch) {
        case U'F':
            return F;
        case U'R':
            return R;
        case U'U':
            return U;
        case U'I':
            return I;
        case U'T':
            return T;
        case U'W':
            return W;
        case U'H':
            return H;
        default:
            return L;
    }
}

// "FRUIT" over "WHIRL", centred on column cx from row y: gold letters leaning
// forward, lit from above (a bright top edge, a deep bottom edge), in a dark
// outline with a drop shadow, and a glint on the first letter.
void logo(QImage& img, int cx, int y) {
    const int W = 64, H = 24;
    Mask ink(W, H);
    int row = 1;
    for (std::u32string_view word : {std::u32string_view(U"FRUIT"), std::u32string_view(U"WHIRL")}) {
        int width = -1;
        for (char32_t ch : word) width += int(logoLetter(ch)[0].size()) + 2;
        width -= 1;
        int x = (W - width) / 2;
        for (char32_t ch : word) {
            const auto& g = logoLetter(ch);
            for (int r = 0; r < 8; ++r)
                for (int c = 0; c < int(g[size_t(r)].size()); ++c)
                    if (g[size_t(r)][size_t(c)] == '#') ink.set(x + c + (7 - r) / 3, row + r, true);
            x += int(g[0].size()) + 2;
        }
        row += 11;
    }
    auto near = [&](int x, int yy, bool diagonal) {
        for (int j = -1; j <= 1; ++j)
            for (int i = -1; i <= 1; ++i)
                if ((diagonal || i == 0 || j == 0) && ink.at(x + i, yy + j)) return true;
        return false;
    };
    const int ox = cx - W / 2, oy = y - 1;
    for (int yy = 0; yy < H; ++yy)
        for (int x = 0; x < W; ++x)
            if (!ink.at(x, yy) && near(x - 1, yy - 1, true)) put(img, ox + x, oy + yy, rgb(24, 4, 6));
    for (int yy = 0; yy < H; ++yy)
        for (int x = 0; x < W; ++x)
            if (!ink.at(x, yy) && near(x, yy, true)) put(img, ox + x, oy + yy, kLacquer[0]);
    for (int yy = 0; yy < H; ++yy)
        for (int x = 0; x < W; ++x) {
            if (!ink.at(x, yy)) continue;
            const int r = (yy - 1) % 11;  // the row within the letters
            QRgb c = r == 0 ? kGold[5] : r < 4 ? kGold[4] : r < 6 ? kGold[3] : kGold[2];
            if (r > 0 && !ink.at(x, yy - 1)) c = kGold[4];  // the tops of lower strokes catch the light
            put(img, ox + x, oy + yy, c);
        }
    // A glint on the top of the F's stem.
    int gx = 0;
    while (!ink.at(gx, 1)) ++gx;
    gx += ox + 1;
    const int gy = oy + 1;
    hline(img, gx - 1, gx + 1, gy, kWhite);
    vline(img, gx, gy - 1, gy + 1, kWhite);
}

// The cells the game copies over the machine, each with its idle look and its
// place: they go on last, over all decoration, so that they are exact.
using IdleCells = std::vector<std::pair<fw::Cell, fw::Cell>>;

// The room: a dim wall with soft vertical panelling, a dark floor.
void room(QImage& img) {
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 320; ++x) {
            QRgb c = mix(rgb(34, 24, 46), rgb(14, 10, 20), y / 255.0);
            if (x % 16 == 0)
                c = darker(c, 0.25);
            else if (x % 16 == 1)
                c = lighter(c, 0.04);
            put(img, x, y, c);
        }
    vgradient(img, QRect(0, 236, 320, 20), rgb(30, 20, 22), rgb(12, 8, 10));
}

// The cabinet body, lit from the upper left, with its right side in
// perspective, the gold crest on top and the plinth.
void cabinetBody(QImage& img) {
    const QRect body(6, 2, 252, 248);
    for (int y = body.top(); y <= body.bottom(); ++y)
        for (int x = body.left(); x <= body.right(); ++x) {
            double t = double(x - body.left()) / body.width();
            QRgb c = mix(kLacquer[4], kLacquer[2], t);
            c = mix(c, kLacquer[1], std::max(0.0, (y - 200) / 60.0) * 0.5);
            put(img, x, y, c);
        }
    vline(img, body.left(), body.top(), body.bottom(), kLacquer[5]);
    vline(img, body.left() + 1, body.top(), body.bottom(), lighter(kLacquer[4], 0.1));
    for (int x = 258; x <= 261; ++x)
        for (int y = 4 + (x - 258); y <= 250; ++y)
            put(img, x, y, mix(kLacquer[1], kLacquer[0], (x - 258) / 4.0));
    fill(img, QRect(6, 0, 252, 3), kGold[2]);
    hline(img, 6, 257, 0, kGold[4]);
    hline(img, 6, 257, 2, kGold[0]);
    fill(img, QRect(4, 248, 258, 8), rgb(30, 10, 12));
    hline(img, 4, 261, 248, kGold[2]);
    hline(img, 4, 261, 249, kGold[0]);
}

// The header glass: the siren's name plate and price, the pay table's amounts
// beside its twelve cells (the cells are left plain), the siren, the time bar
// and the bonus wheel.
void headerGlass(QImage& img, IdleCells& idle) {
    const QRect header(11, 5, 245, 57);
    fill(img, header, kPanel);
    goldFrame(img, header.adjusted(-1, -1, 1, 1));
    const int w = tinyWidth(U"MANIA");
    tinyShadow(img, 29 - w / 2, 12, U"MANIA", rgb(200, 130, 255), rgb(40, 0, 70));
    tinyCentered(img, 29, 47, U"25¢", kGold[3]);
    tinyCentered(img, 29, 53, U"PLAY", kGold[2]);
    const char32_t* amounts[12] = {U"2",  U"5",  U"10", U"10", U"15", U"15",
                                   U"25", U"25", U"50", U"50", U"75", U"100"};
    for (int k = 0; k < 12; ++k) {
        const fw::Cell c = places::PayTableCell(k);
        fill(img, QRect(c.x, c.y, c.w, c.h), kPanel);
        std::u32string_view a = amounts[k];
        int right = k < 6 ? 106 : 170;
        text(img, right - textWidth(a) + 1, c.y + 1, a, rgb(60, 30, 0));
        text(img, right - textWidth(a), c.y, a, k == 11 ? rgb(255, 120, 80) : kYellow);
    }
    // A thin rule around each column of prize pictures.
    frame(img, QRect(54, 9, 35, 49), rgb(44, 56, 110));
    frame(img, QRect(109, 9, 35, 49), rgb(44, 56, 110));
    idle.emplace_back(cells::SirenOff, places::SirenLamp);
    idle.emplace_back(cells::BonusWheelNeutral, places::BonusWheel);
    idle.emplace_back(cells::TimeBarEmpty, places::TimeBar);
}

// The credit row: its label, the lamp channel, the ten lamps and the arrows to the lever.
void creditRow(QImage& img, IdleCells& idle) {
    tinyShadow(img, 125, 64, U"CREDITS", kGold[4], kLacquer[0]);
    fill(img, QRect(158, 66, 95, 4), rgb(16, 6, 8));
    hline(img, 158, 252, 65, kLacquer[0]);
    for (int n = 0; n < 10; ++n) idle.emplace_back(cells::CreditLampDark, places::CreditLamp(n));
    idle.emplace_back(cells::CreditStripDark, places::CreditStrip);
}

// The prize lamps on a dark plate left of the reels, each with its label and an arrow.
void prizeLampColumn(QImage& img, IdleCells& idle) {
    const QRect lampPlate(12, 70, 71, 100);
    fill(img, lampPlate.adjusted(0, 0, -3, 0), rgb(40, 10, 14));
    bevel(img, lampPlate.adjusted(0, 0, -3, 0), kLacquer[0], kLacquer[5], false);
    const char32_t* words[3] = {U"BIG", U"SUPER", U"MANIA"};
    for (int n = 0; n < 3; ++n) {
        idle.emplace_back(cells::PrizeLampDim(n), places::PrizeLamp(n));
        const fw::Cell p = places::PrizeLamp(n);
        tinyShadow(img, 16, p.y + 4, words[n], n == 2 ? rgb(200, 130, 255) : kGold[4], kBlack);
        tinyShadow(img, 16, p.y + 11, U"WIN", kGold[3], kBlack);
        for (int k = 0; k < 3; ++k) vline(img, 45 + k, p.y + 10 - (2 - k), p.y + 10 + (2 - k), kGold[3]);
    }
}

// The display window with its gold surround.
void displayWindow(QImage& img, IdleCells& idle) {
    frame(img, QRect(82, 70, 139, 100), kGold[2]);
    hline(img, 82, 220, 70, kGold[4]);
    idle.emplace_back(cells::EmptyReelWindow, places::DisplayWindow);
}

// Right of the reels: the chrome coin slot with its window and slit, then
// under it an arrow up to it, "INSERT COIN" and the coin's value in the
// silver of the coin, all on the lacquer clear of the slot's plate.
void coinSlot(QImage& img, IdleCells& idle) {
    const fw::Cell& slot = places::CoinSlot;
    QRect sr(slot.x, slot.y, slot.w, slot.h);
    for (int y = sr.top(); y <= sr.bottom(); ++y)
        for (int x = sr.left(); x <= sr.right(); ++x)
            put(img, x, y, mix(kChrome[4], kChrome[2], double(y - sr.top()) / sr.height()));
    bevel(img, sr, kChrome[5], kChrome[0]);
    bevel(img, sr.adjusted(1, 1, -1, -1), kChrome[4], kChrome[1]);
    const fw::Cell& win = places::CoinWindow;
    frame(img, QRect(win.x - 1, win.y - 1, win.w + 2, win.h + 2), kChrome[0]);
    idle.emplace_back(cells::CoinAtRest, places::CoinWindow);
    fill(img, QRect(247, 75, 2, 17), rgb(8, 8, 10));
    vline(img, 249, 75, 91, kChrome[5]);
    const std::vector<std::string_view> arrow = {"...#...", "..###..", ".#####.",
                                                 "#######", "..###..", "..###.."};
    sprite(img, 234, 100, arrow, {{'#', kLacquer[0]}});
    sprite(img, 233, 99, arrow, {{'#', kGold[3]}});
    tinyShadow(img, 224, 107, U"INSERT", kGold[4], kLacquer[0]);
    tinyShadow(img, 228, 113, U"COIN", kGold[4], kLacquer[0]);
    tinyShadow(img, 231, 120, U"25¢", kCoin[5], kLacquer[0]);
}

// The money counter, "TOTAL" over four blank digits in a chrome and gold bezel.
void moneyCounter(QImage& img, IdleCells& idle) {
    QRect counter(222, 146, 29, 23);
    fill(img, counter, rgb(6, 6, 8));
    bevel(img, counter, kChrome[0], kChrome[4], true);
    bevel(img, counter.adjusted(-1, -1, 1, 1), kGold[4], kGold[0]);
    tinyCentered(img, 237, 149, U"TOTAL", kGold[4]);
    for (int i = 0; i < 4; ++i)
        idle.emplace_back(cells::Digit(cells::kBlankDigit), places::MoneyCounterCell(i));
}

// The control deck under the reels with the three hold buttons, the name
// plate left of it and a cherry emblem right of it.
void controlDeck(QImage& img, IdleCells& idle) {
    QRect deck(84, 171, 136, 25);
    fill(img, deck, kStrip);
    bevel(img, deck, kLacquer[0], kLacquer[5], false);
    for (int r = 0; r < 3; ++r) {
        const fw::Cell b = places::HoldButton(r);
        idle.emplace_back(cells::HoldGoDark, b);
        tinyCentered(img, b.x + b.w / 2, 174, U"HOLD", kGold[3]);
    }
    logo(img, 45, 173);
    ball(img, 234.0, 187.0, 4.0, 4.0, kKnob);
    ball(img, 242.0, 188.0, 4.0, 4.0, kKnob);
    hline(img, 236, 240, 176, rgb(60, 120, 30));
    vline(img, 235, 177, 183, rgb(60, 120, 30));
    vline(img, 241, 177, 184, rgb(60, 120, 30));
    idle.emplace_back(cells::WinnerBanner(0), places::WinnerBanner);
}

// The lower cabinet: two speakers and the chrome payout tray between them,
// lined with the empty tray's cell wherever a coin may drop.
void lowerCabinet(QImage& img, const QImage& emptyTray) {
    speakerGrille(img, QRect(14, 217, 112, 28));
    speakerGrille(img, QRect(179, 217, 74, 28));
    const fw::Cell& tray = places::PayoutTray;
    QRect th(tray.x - 4, tray.y - 4, tray.w + 8, tray.h + 6);
    fill(img, th, kChrome[2]);
    bevel(img, th, kChrome[5], kChrome[0]);
    bevel(img, th.adjusted(1, 1, -1, -1), kChrome[4], kChrome[1]);
    for (int y = tray.y; y < tray.y + tray.h; ++y) {
        hline(img, tray.x - 2, tray.x - 1, y, mix(kChrome[1], kChrome[0], 0.5));
        hline(img, tray.x + tray.w, tray.x + tray.w + 1, y, kChrome[3]);
    }
    for (int x = tray.x; x + 16 <= tray.x + tray.w; x += 4) paste(img, emptyTray, x, tray.y);
    paste(img, emptyTray, tray.x + tray.w - 16, tray.y);
}

// The lever's chrome housing and mounting bracket on the cabinet's right side.
void leverHousing(QImage& img, IdleCells& idle) {
    const fw::Cell& lever = places::Lever;
    QRect lh(lever.x - 4, lever.y - 6, lever.w + 8, lever.h + 12);
    fill(img, QRect(256, 100, 6, 28), kChrome[1]);
    hline(img, 256, 261, 100, kChrome[4]);
    for (int x = lh.left(); x <= lh.right(); ++x) {
        double t = std::abs(x - lh.center().x()) / (lh.width() / 2.0);
        vline(img, x, lh.top(), lh.bottom(), mix(kChrome[4], kChrome[1], t));
    }
    bevel(img, lh, kChrome[5], kChrome[0]);
    frame(img, QRect(lever.x - 1, lever.y - 1, lever.w + 2, lever.h + 2), kChrome[0]);
    idle.emplace_back(cells::LeverFrame(0), places::Lever);
}

// A shelf at the right edge with a pile of coins lying back to front; its top
// coin, the one the player picks up, stands upright on the pile.
void coinShelf(QImage& img) {
    fill(img, QRect(262, 212, 58, 5), rgb(110, 66, 30));
    hline(img, 262, 319, 212, rgb(170, 110, 56));
    hline(img, 262, 319, 216, rgb(50, 28, 12));
    fill(img, QRect(264, 217, 56, 3), rgb(20, 12, 10));
    const double heap[][2] = {{292, 208}, {304, 209}, {315, 208}, {298, 205}, {310, 205}, {288, 209},
                              {303, 201}, {294, 200}, {313, 201}, {306, 197}, {299, 196}};
    for (const auto& h : heap) {
        double cx = h[0], cy = h[1];
        ellipse(img, QRectF(cx - 6.5, cy - 2, 13, 6), kCoin[0]);
        ellipse(img, QRectF(cx - 6.5, cy - 3, 13, 6), kCoin[1]);
        ellipse(img, QRectF(cx - 6, cy - 3.5, 12, 5), kCoin[3]);
        hline(img, int(cx - 3), int(cx + 2), int(cy - 2), kCoin[4]);
    }
    const fw::Cell& pile = places::CoinPile;
    coinFace(img, pile.x + pile.w / 2.0, pile.y + pile.h / 2.0, pile.w / 2.0, pile.h / 2.0, true);
}

QImage machine(const QImage& sheet) {
    QImage img = canvas(fw::kScreenWidth, fw::kScreenHeight);
    auto cellImage = [&](const fw::Cell& c) { return sheet.copy(c.x, c.y, c.w, c.h); };
    IdleCells idle;
    room(img);
    cabinetBody(img);
    headerGlass(img, idle);
    creditRow(img, idle);
    displayWindow(img, idle);
    prizeLampColumn(img, idle);
    coinSlot(img, idle);
    moneyCounter(img, idle);
    controlDeck(img, idle);
    lowerCabinet(img, cellImage(cells::PayoutTrayEmpty));
    leverHousing(img, idle);
    coinShelf(img);
    for (const auto& [cell, place] : idle) paste(img, cellImage(cell), place.x, place.y);
    return img;
}

}  // namespace

QImage makeWordmark() {
    QImage img(kWordmarkWidth, kWordmarkHeight, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    logo(img, kWordmarkWidth / 2, 2);
    return img;
}

SheetAndMachine makeSheetAndMachine() {
    QImage sheet(fw::kSheetWidth, fw::kSheetHeight, QImage::Format_RGB32);
    sheet.fill(qRgb(0, 0, 0));
    auto place = [&](const fw::Cell& c, const QImage& img) {
        if (img.width() != c.w || img.height() != c.h) {
            std::fprintf(stderr, "make_pictures: the cell at %d,%d drawn at the wrong size\n", c.x, c.y);
            std::abort();
        }
        paste(sheet, img, c.x, c.y);
    };

    for (int i = 0; i < cells::kLeverFrames; ++i) place(cells::LeverFrame(i), leverFrame(i));
    for (int k = 0; k < 4; ++k) place(cells::BonusWheelLit(k), bonusWheel(k));
    place(cells::BonusWheelMania, bonusWheel(4));
    place(cells::BonusWheelNeutral, bonusWheel(-1));
    for (int f = 0; f < cells::kBannerFrames; ++f) place(cells::WinnerBanner(f), winnerBanner(f));
    for (int n = 0; n < 3; ++n) {
        place(cells::PrizeLampLit(n), prizeLamp(n, true));
        place(cells::PrizeLampDim(n), prizeLamp(n, false));
    }
    place(cells::QuitPressed, roundButton(true, true));
    place(cells::ContinuePressed, roundButton(false, true));
    for (int f = 0; f < cells::kSpinningCoinFrames; ++f) place(cells::SpinningCoin(f), spinningCoin(f));
    place(cells::CoinAtRest, coinAtRest());
    for (int k = 0; k < cells::kPayoutFrames; ++k) place(cells::PayoutCoin(k), payoutFrame(k));
    for (int f = 0; f < cells::kSirenFrames; ++f) place(cells::SirenFrame(f), siren(f));
    place(cells::SirenOff, siren(-1));
    place(cells::OutOfCoinsPanel, outOfCoinsPanel());
    place(cells::OfferPanel, offerPanel());
    place(cells::EmptyReelWindow, emptyReelWindow());
    place(cells::HighScorePanel, highScorePanel());
    place(cells::StatisticsPanel, statisticsPanel());
    place(cells::HoldStop, holdButton(0));
    place(cells::HoldGoLit, holdButton(1));
    place(cells::HoldGoDark, holdButton(2));
    place(cells::CreditStripLit, creditStrip(true));
    place(cells::CreditStripDark, creditStrip(false));
    for (int k = 0; k <= cells::kBlankDigit; ++k) place(cells::Digit(k), digit(k));
    MaskedPicture coin = fallingCoin(), stack = fallingStack();
    place(cells::FallingCoin, coin.picture);
    place(cells::FallingCoinMask, coin.mask);
    place(cells::FallingStack, stack.picture);
    place(cells::FallingStackMask, stack.mask);
    place(cells::TimeBarEmpty, timeBarEmpty());
    place(cells::CreditLampLit, creditLamp(true));
    place(cells::CreditLampDark, creditLamp(false));
    place(cells::TimeSegmentGreen, timeSegment(0));
    place(cells::TimeSegmentYellow, timeSegment(1));
    place(cells::TimeSegmentRed, timeSegment(2));
    fontRows(sheet);

    SheetAndMachine out;
    out.machine = machine(sheet);
    out.sheet = sheet;
    return out;
}

}  // namespace pictures
