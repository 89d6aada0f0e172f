// The jewel reel theme: cut stones and treasure on dark velvet.
//
// Symbol ids: 0 star crystal, 1 pearls, 2 ruby heart, 3 emerald, 4 gold ring,
// 5 amethyst drop, 6 topaz trillion, 7 sapphire, 8 gold doubloon, 9 crystal seven,
// 10 gold ingot, 11 diamond, 12 platinum crown, 13 treasure chest, 14 pendant.
// As in every theme the jokers 0, 4 and 11 carry gold sparkles and the Mania
// symbols 9, 10 and 12 sit on the violet sunburst.
#include "pictures.h"

#include "art.h"
#include "reelkit.h"

#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pictures {
namespace {

using namespace art;
using namespace reel;

const Ramp kRuby = {rgb(70, 4, 20),   rgb(140, 10, 40),   rgb(196, 22, 58),
                    rgb(236, 54, 84), rgb(255, 130, 150), rgb(255, 235, 240)};
const Ramp kEmerald = {rgb(4, 50, 30),    rgb(10, 104, 62),   rgb(24, 150, 90),
                       rgb(56, 196, 124), rgb(140, 240, 180), rgb(235, 255, 240)};
const Ramp kAmethyst = {rgb(44, 12, 70),    rgb(96, 36, 140),   rgb(140, 64, 190),
                        rgb(184, 110, 230), rgb(222, 170, 255), rgb(250, 235, 255)};
const Ramp kTopaz = {rgb(96, 40, 4),    rgb(180, 84, 10),   rgb(230, 128, 24),
                     rgb(255, 170, 60), rgb(255, 214, 140), rgb(255, 248, 225)};
const Ramp kSapphire = {rgb(8, 20, 80),    rgb(20, 48, 150),   rgb(36, 84, 204),
                        rgb(74, 130, 240), rgb(150, 190, 255), rgb(235, 245, 255)};
const Ramp kIce = {rgb(60, 86, 120),   rgb(150, 190, 220), rgb(190, 222, 242),
                   rgb(222, 242, 252), rgb(244, 252, 255), rgb(255, 255, 255)};
const Ramp kPearl = {rgb(100, 90, 100),  rgb(186, 176, 184), rgb(222, 214, 218),
                     rgb(242, 236, 234), rgb(255, 250, 246), rgb(255, 255, 255)};
const Ramp kAqua = {rgb(6, 70, 80),    rgb(14, 130, 140),  rgb(30, 180, 186),
                    rgb(80, 220, 220), rgb(170, 250, 245), rgb(240, 255, 255)};
const Ramp kWood = {rgb(50, 24, 8), rgb(96, 52, 18), rgb(136, 78, 30), rgb(172, 108, 46), rgb(206, 144, 74)};

constexpr Paper kPaper = Paper::Velvet;

void bg(QImage& img, int ox, Back back) {
    background(img, ox, back, kPaper);
}

// A heart-shaped outline used by the ruby.
QPainterPath heartPath(double cx, double top, double w, double h) {
    QPainterPath p;
    const double l = cx - w / 2, r = cx + w / 2, b = top + h;
    p.moveTo(cx, top + h * 0.28);
    p.cubicTo(cx - w * 0.1, top - h * 0.05, l - w * 0.02, top - h * 0.02, l, top + h * 0.3);
    p.cubicTo(l, top + h * 0.58, cx - w * 0.18, top + h * 0.78, cx, b);
    p.cubicTo(cx + w * 0.18, top + h * 0.78, r, top + h * 0.58, r, top + h * 0.3);
    p.cubicTo(r + w * 0.02, top - h * 0.02, cx + w * 0.1, top - h * 0.05, cx, top + h * 0.28);
    p.closeSubpath();
    return p;
}

void sparkle(QImage& img, int x, int y, QRgb c) {
    put(img, x, y, qRgb(255, 255, 255));
    put(img, x - 1, y, c);
    put(img, x + 1, y, c);
    put(img, x, y - 1, c);
    put(img, x, y + 1, c);
}

void drawStarCrystal(QImage& img, int ox) {
    bg(img, ox, Back::Joker);
    Mask m = pathMask(starPath(14.5, 15.5, 13.0, 6.0, 5));
    facets(img, ox, m, kIce, 14.5, 15.5, 10, 3.2);
    // A rosy fire in the centre.
    put(img, ox + 14, 15, rgb(255, 200, 230));
    put(img, ox + 15, 16, rgb(200, 230, 255));
}

void drawPearls(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    // A small gold cup holding one large pearl, two small ones beside it.
    QPainterPath cup;
    cup.moveTo(6.5, 19.0);
    cup.lineTo(22.5, 19.0);
    cup.cubicTo(22.0, 24.0, 18.5, 26.5, 14.5, 26.5);
    cup.cubicTo(10.5, 26.5, 7.0, 24.0, 6.5, 19.0);
    cup.closeSubpath();
    Mask c = pathMask(cup);
    shaded(img, ox, c, kGold, 3.0, Back::Plain, false);
    Mask big = Mask::ellipse(W, H, 14.5, 13.5, 8.0, 8.0);
    shaded(img, ox, big, kPearl, 8.0, Back::Plain);
    // A rainbow sheen on the lower right of the pearl.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (big.at(x, y) && !big.edge(x, y) && x + y > 31 && x + y < 36)
                put(img, ox + x, y, mix(get(img, ox + x, y), rgb(220, 180, 230), 0.35));
    ball(img, ox + 4.5, 24.5, 3.0, 3.0, kPearl);
    ball(img, ox + 24.5, 24.5, 3.0, 3.0, kPearl);
}

void drawRubyHeart(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    Mask m = pathMask(heartPath(14.5, 4.0, 25.0, 23.5));
    facets(img, ox, m, kRuby, 14.5, 14.0, 8, 4.2);
}

void drawEmerald(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    // A step-cut stone: an octagon with a rectangular table and four bevels.
    const double l = 4.5, r = 24.5, t = 5.5, b = 26.0, cut = 4.0;
    QPainterPath p;
    p.moveTo(l + cut, t);
    p.lineTo(r - cut, t);
    p.lineTo(r, t + cut);
    p.lineTo(r, b - cut);
    p.lineTo(r - cut, b);
    p.lineTo(l + cut, b);
    p.lineTo(l, b - cut);
    p.lineTo(l, t + cut);
    p.closeSubpath();
    Mask m = pathMask(p);
    shadow(img, ox, 0, m, Back::Plain);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!m.at(x, y)) continue;
            double fx = x + 0.5, fy = y + 0.5;
            double dl = fx - l, dr = r - fx, dt = fy - t, db = b - fy;
            double d = std::min({dl, dr, dt, db});
            QRgb c;
            if (m.edge(x, y))
                c = kEmerald[0];
            else if (d > 5.0)
                c = ((int(d) % 2) == 0 && d < 6.5) ? kEmerald[3] : kEmerald[4];  // the table
            else if (d == dt)
                c = kEmerald[4];
            else if (d == dl)
                c = kEmerald[3];
            else if (d == dr)
                c = kEmerald[2];
            else
                c = kEmerald[1];
            // The step lines of the bevels.
            if (!m.edge(x, y) && d <= 5.0 && std::abs(d - 2.5) < 0.5) c = darker(c, 0.18);
            put(img, ox + x, y, c);
        }
    put(img, ox + 11, 11, kEmerald[5]);
    put(img, ox + 12, 11, kEmerald[5]);
    put(img, ox + 11, 12, kEmerald[5]);
}

void drawRing(QImage& img, int ox) {
    bg(img, ox, Back::Joker);
    Mask band = Mask::ellipse(W, H, 14.5, 19.0, 10.5, 8.5);
    band.subtract(Mask::ellipse(W, H, 14.5, 19.5, 7.5, 5.5));
    shaded(img, ox, band, kGold, 2.5, Back::Joker);
    // Prongs and the stone on top.
    Mask setting = Mask::ellipse(W, H, 14.5, 10.5, 5.0, 3.0);
    shaded(img, ox, setting, kGold, 2.0, Back::Joker, false);
    Mask stone = Mask::ellipse(W, H, 14.5, 7.5, 5.5, 5.0);
    facets(img, ox, stone, kSapphire, 14.5, 7.5, 8, 2.2);
    put(img, ox + 9, 10, kGold[4]);
    put(img, ox + 20, 10, kGold[3]);
}

void drawAmethyst(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    QPainterPath p;
    p.moveTo(14.5, 2.5);
    p.cubicTo(18.0, 8.0, 24.5, 13.0, 24.5, 19.0);
    p.cubicTo(24.5, 24.5, 20.0, 28.0, 14.5, 28.0);
    p.cubicTo(9.0, 28.0, 4.5, 24.5, 4.5, 19.0);
    p.cubicTo(4.5, 13.0, 11.0, 8.0, 14.5, 2.5);
    p.closeSubpath();
    Mask m = pathMask(p);
    facets(img, ox, m, kAmethyst, 14.5, 18.5, 8, 4.0);
}

void drawTopaz(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    // A trillion cut: a triangle with slightly bowed sides.
    QPainterPath p;
    p.moveTo(14.5, 3.0);
    p.quadTo(22.5, 12.0, 27.5, 25.5);
    p.quadTo(14.5, 28.5, 1.5, 25.5);
    p.quadTo(6.5, 12.0, 14.5, 3.0);
    p.closeSubpath();
    Mask m = pathMask(p);
    facets(img, ox, m, kTopaz, 14.5, 18.0, 6, 4.0);
}

void drawSapphire(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    Mask m = Mask::ellipse(W, H, 14.5, 15.5, 9.5, 13.0);
    facets(img, ox, m, kSapphire, 14.5, 15.5, 12, 4.0);
}

void drawDoubloon(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    Mask m = Mask::ellipse(W, H, 14.5, 15.5, 12.0, 12.0);
    shaded(img, ox, m, kGold, 3.0, Back::Plain, false);
    // A raised rim and a cross with four dots, the mark of an old gold coin.
    Mask inner = Mask::ellipse(W, H, 14.5, 15.5, 9.0, 9.0);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (inner.edge(x, y)) put(img, ox + x, y, (x + y < 30) ? kGold[1] : kGold[4]);
    for (int i = -6; i <= 6; ++i) {
        put(img, ox + 14 + i, 15, kGold[1]);
        put(img, ox + 14 + i, 16, kGold[4]);
        put(img, ox + 14, 15 + i, kGold[1]);
        put(img, ox + 15, 15 + i, kGold[4]);
    }
    for (auto [dx, dy] : {std::pair{-4, -4}, {4, -4}, {-4, 4}, {4, 4}}) {
        put(img, ox + 14 + dx, 15 + dy, kGold[1]);
        put(img, ox + 15 + dx, 16 + dy, kGold[4]);
    }
    put(img, ox + 8, 8, kGold[5]);
    put(img, ox + 9, 7, kGold[5]);
}

void drawCrystalSeven(QImage& img, int ox) {
    Mask m = seven(img, ox, kSilver, kPaper);
    // Crystal facets: a light and a dark half along each stroke.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!m.at(x, y)) continue;
            QRgb c;
            if (m.edge(x, y))
                c = kSapphire[1];
            else if (y < 9)
                c = (y < 6) ? kIce[4] : kIce[2];
            else
                c = ((x - 12) * 2 + (y - 9) * 0.6 < (27 - y) * 0.0 + 3) ? kIce[3] : kGem[2];
            put(img, ox + x, y, c);
        }
    put(img, ox + 7, 5, qRgb(255, 255, 255));
    put(img, ox + 8, 5, qRgb(255, 255, 255));
    sparkle(img, ox + 23, 6, kIce[2]);
}

void drawIngot(QImage& img, int ox) {
    bg(img, ox, Back::Mania);
    // A gold bar seen from above and in front: a lit top face and a front face.
    QPainterPath top, front;
    top.moveTo(7.5, 8.5);
    top.lineTo(21.5, 8.5);
    top.lineTo(26.5, 15.5);
    top.lineTo(2.5, 15.5);
    top.closeSubpath();
    front.addRect(QRectF(2.5, 15.5, 24.0, 9.0));
    Mask all = pathMask(top.united(front));
    shadow(img, ox, 0, all, Back::Mania);
    Mask t = pathMask(top), f = pathMask(front);
    ShadeOptions o;
    o.radius = 2.0;
    o.specular = false;
    o.outline = false;
    shade(img, ox, 0, t, {kGold[0], kGold[3], kGold[4], kGold[5]}, o);
    shade(img, ox, 0, f, {kGold[0], kGold[1], kGold[2], kGold[3]}, o);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (all.edge(x, y)) put(img, ox + x, y, kGold[0]);
    hline(img, ox + 3, ox + 26, 15, kGold[5]);
    // The stamp on the front face.
    text(img, ox + 6, 17, U"BAR", kGold[0], 6);
}

void drawDiamond(QImage& img, int ox) {
    diamond(img, ox, kIce, kPaper, [](double fx, double fy) {
        // Pavilion facets converge on the point; alternate light and shade.
        double t = (fx - 14.5) / std::max(1.0, 27.5 - fy);
        int band = int(std::floor((t + 1.0) * 3.0));
        const int shades[] = {3, 2, 4, 1, 3, 2};
        return shades[std::clamp(band, 0, 5)];
    });
    // Fire: a few coloured glints.
    put(img, ox + 11, 7, kIce[5]);
    put(img, ox + 10, 8, kIce[5]);
    put(img, ox + 17, 16, rgb(255, 190, 220));
    put(img, ox + 12, 19, rgb(190, 255, 220));
}

void drawCrown(QImage& img, int ox) {
    crown(img, ox, kSilver, kEmerald, kRuby, kPaper);
}

void drawChest(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    // Gold coins heaped in the open chest.
    Mask heap = Mask::ellipse(W, H, 14.5, 11.5, 10.5, 5.0);
    shaded(img, ox, heap, kGold, 2.0, Back::Plain);
    for (auto [x, y] : {std::pair{8, 10}, {13, 8}, {18, 10}, {11, 12}, {20, 13}, {15, 11}})
        ellipse(img, QRectF(ox + x, y, 3, 2), kGold[4]);
    put(img, ox + 13, 9, kGold[5]);
    ball(img, ox + 21.0, 8.5, 2.0, 2.0, kRuby);
    // The box.
    Mask box = pathMask([] {
        QPainterPath p;
        p.addRect(QRectF(3.5, 13.5, 22.0, 13.5));
        return p;
    }());
    shaded(img, ox, box, kWood, 3.0, Back::Plain, false);
    // Planks and gold bands.
    for (int x = 5; x <= 24; ++x) put(img, ox + x, 20, kWood[1]);
    for (int bx : {6, 22}) {
        Mask b = pathMask([bx] {
            QPainterPath p;
            p.addRect(QRectF(bx - 0.5, 13.5, 2.0, 13.5));
            return p;
        }());
        flat(img, ox, 0, b, kGold[3], kGold[0], false);
        vline(img, ox + bx, 14, 26, kGold[4]);
    }
    hline(img, ox + 4, ox + 25, 14, kGold[3]);
    hline(img, ox + 4, ox + 25, 13, kGold[1]);
    // The lock.
    fill(img, QRect(ox + 13, 16, 4, 5), kGold[3]);
    frame(img, QRect(ox + 13, 16, 4, 5), kGold[0]);
    put(img, ox + 14, 18, kGold[0]);
    put(img, ox + 15, 18, kGold[0]);
    put(img, ox + 14, 17, kGold[5]);
}

void drawPendant(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    // A fine gold chain hanging in a V, with a teardrop stone at its point.
    for (int i = 0; i <= 10; ++i) {
        int x1 = 3 + i, y1 = 2 + int(std::lround(i * 1.0));
        int x2 = 26 - i;
        QRgb c = (i % 2) ? kGold[4] : kGold[2];
        put(img, ox + x1, y1, c);
        put(img, ox + x2, y1, c);
        put(img, ox + x1, y1 + 1, kGold[0]);
        put(img, ox + x2, y1 + 1, kGold[0]);
    }
    Mask bail = Mask::ellipse(W, H, 14.5, 13.5, 2.2, 2.2);
    shaded(img, ox, bail, kGold, 1.5, Back::Plain, false);
    QPainterPath p;
    p.moveTo(14.5, 13.5);
    p.cubicTo(17.5, 17.0, 21.5, 20.0, 21.0, 23.5);
    p.cubicTo(20.5, 27.0, 17.5, 28.5, 14.5, 28.5);
    p.cubicTo(11.5, 28.5, 8.5, 27.0, 8.0, 23.5);
    p.cubicTo(7.5, 20.0, 11.5, 17.0, 14.5, 13.5);
    p.closeSubpath();
    Mask drop = pathMask(p);
    facets(img, ox, drop, kAqua, 14.5, 23.0, 8, 3.0);
    Mask cap = Mask::ellipse(W, H, 14.5, 15.0, 2.0, 1.5);
    flat(img, ox, 0, cap, kGold[3], kGold[0], true);
}

// ------------------------------------------------------------ pay pictures

const Mini kMiniEmerald = {".........", ".efffe...", "efFFffe..", "efFffee..",
                           "effffee..", ".eeeee...", "........."};
const Mini kMiniSapphire = {"...aa....", "..aNNa...", ".aNCNNa..", ".aNNNNa..",
                            ".aNNNaa..", "..naan...", "...nn...."};
const Mini kMiniCoin = {"..dddd...", ".dDEDDd..", "dDDdDDDd.", "DDdddDDd.",
                        "dDDdDDDd.", ".dDDDDd..", "..dddd..."};
const Mini kMiniAmethyst = {"...v.....", "...Pv....", "..PPvv...", ".PPPvvv..",
                            ".Pvvvpp..", "..vppp...", "........."};
const Mini kMiniStar = {"....h....", "...hCh...", "ihhhChhhi", ".iChhhCi.",
                        "..ihhhi..", ".ihi.ihi.", ".i.....i."};
const Mini kMiniRing = {"...nNn...", "...DND...", "..D...D..", ".D.....D.",
                        ".D.....d.", "..d...d..", "...ddd..."};
const Mini kMiniSeven = {"CCCCCCCC.", "NNNNNCCN.", "....CCN..", "...CCN...",
                         "...CCN...", "..CCN....", "..NNN...."};
const Mini kMiniIngot = {".........", "..DEEED..", ".DEEEEED.", "ddddddddd",
                         "dDDDDDDDd", "ddddddddd", "........."};
const Mini kMiniCrown = {"h...h...h", "i..ihi..i", "ii.iii.ii", "ihiiiiiii",
                         "ihifiRiii", "lllllllll", "........."};

}  // namespace

QImage makeJewelTheme() {
    const SymbolFn symbols[15] = {drawStarCrystal, drawPearls,  drawRubyHeart, drawEmerald,  drawRing,
                                  drawAmethyst,    drawTopaz,   drawSapphire,  drawDoubloon, drawCrystalSeven,
                                  drawIngot,       drawDiamond, drawCrown,     drawChest,    drawPendant};
    QImage img = themeWithSymbols(symbols);
    payBand(img, kMiniHeart, kMiniEmerald, kMiniSapphire, kMiniCoin, kMiniAmethyst, kMiniStar, kMiniRing,
            kMiniSeven, kMiniIngot, kMiniCrown);
    return img;
}

}  // namespace pictures
