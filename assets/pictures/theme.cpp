// The classic fruit reel theme: fifteen reel symbols of 29 x 30 and twelve
// pay-table pictures of 33 x 7 that show each prize's combination.
//
// Symbol ids: 0 star, 1 banana, 2 cherries, 3 lemon, 4 bell, 5 grapes,
// 6 melon, 7 orange, 8 plum, 9 lucky seven, 10 BAR, 11 diamond, 12 crown,
// 13 pear, 14 strawberry. The jokers 0, 4 and 11 carry gold sparkles; the
// Mania symbols 9, 10 and 12 sit on a violet sunburst.
#include "pictures.h"

#include "art.h"
#include "reelkit.h"

#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace pictures {
namespace {

using namespace art;
using namespace reel;

const Ramp kMelonRed = {rgb(96, 12, 24),  rgb(168, 24, 40),   rgb(226, 52, 62),
                        rgb(250, 98, 96), rgb(255, 160, 150), rgb(255, 220, 214)};
const Ramp kPear = {rgb(70, 80, 10),   rgb(120, 140, 20),  rgb(168, 190, 36),
                    rgb(206, 222, 70), rgb(236, 244, 140), rgb(255, 255, 230)};
const Ramp kBanana = {rgb(110, 84, 8),   rgb(190, 150, 20),  rgb(236, 204, 40),
                      rgb(252, 232, 90), rgb(255, 248, 170), rgb(255, 255, 240)};
const Ramp kStraw = {rgb(86, 6, 22),   rgb(150, 14, 40),   rgb(208, 28, 52),
                     rgb(240, 60, 70), rgb(255, 130, 120), rgb(255, 225, 220)};

void background(QImage& img, int ox, Back back) {
    reel::background(img, ox, back, Paper::Cream);
}

// Darker dimples scattered over a citrus peel, sparing the highlight.
void dimples(QImage& img, int ox, const Mask& m, const Ramp& r, int salt, double share, double depth) {
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (m.at(x, y) && !m.edge(x, y) && hash01(x, y, salt) < share && get(img, ox + x, y) != r[5])
                put(img, ox + x, y, darker(get(img, ox + x, y), depth));
}

// ------------------------------------------------------------ the symbols

void drawStar(QImage& img, int ox) {
    background(img, ox, Back::Joker);
    Mask m = pathMask(starPath(14.5, 16.0, 13.2, 5.6, 5));
    shaded(img, ox, m, kGold, 3.2, Back::Joker);
    // A bright centre facet.
    put(img, ox + 12, 13, kGold[5]);
    put(img, ox + 13, 13, kGold[4]);
}

void drawBanana(QImage& img, int ox) {
    background(img, ox, Back::Plain);
    QPainterPath outer, inner;
    outer.addEllipse(QPointF(13.0, 6.0), 13.0, 19.5);
    inner.addEllipse(QPointF(10.5, 1.5), 13.0, 18.5);
    QPainterPath crescent = outer.subtracted(inner);
    QPainterPath clip;
    clip.addRect(0, 9, 29, 21);
    Mask m = pathMask(crescent.intersected(clip));
    shaded(img, ox, m, kBanana, 3.0, Back::Plain);
    // Brown tips.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (m.at(x, y) && (x >= 24 || (x <= 2)))
                put(img, ox + x, y, m.edge(x, y) ? rgb(50, 30, 10) : rgb(110, 72, 24));
}

void drawCherries(QImage& img, int ox) {
    background(img, ox, Back::Plain);
    QPainterPath s1, s2;
    s1.moveTo(8.5, 18.5);
    s1.cubicTo(9.5, 12.0, 12.0, 7.0, 17.0, 4.0);
    s2.moveTo(20.5, 19.5);
    s2.cubicTo(20.0, 13.0, 19.0, 8.0, 17.0, 4.0);
    curve(img, ox, s1, 1.6, rgb(110, 140, 40), rgb(60, 80, 20));
    curve(img, ox, s2, 1.6, rgb(110, 140, 40), rgb(60, 80, 20));
    leaf(img, ox, 17.0, 4.5, 9.5, -15, Back::Plain);
    Mask a = Mask::ellipse(W, H, 8.5, 22.0, 6.6, 6.3);
    Mask b = Mask::ellipse(W, H, 20.5, 23.0, 6.6, 6.3);
    shaded(img, ox, a, kRed, 6.0, Back::Plain);
    shaded(img, ox, b, kRed, 6.0, Back::Plain);
}

void drawLemon(QImage& img, int ox) {
    background(img, ox, Back::Plain);
    QPainterPath p;
    p.addEllipse(QPointF(14.5, 16.0), 11.0, 8.6);
    QPainterPath tipL, tipR;
    tipL.addEllipse(QPointF(3.6, 17.8), 2.6, 2.2);
    tipR.addEllipse(QPointF(25.4, 14.2), 2.6, 2.2);
    QTransform t;
    t.translate(14.5, 16);
    t.rotate(-12);
    t.translate(-14.5, -16);
    Mask m = pathMask(t.map(p.united(tipL).united(tipR)));
    shaded(img, ox, m, kLemon, 6.0, Back::Plain);
    // Peel dimples.
    dimples(img, ox, m, kLemon, 3, 0.07, 0.12);
    leaf(img, ox, 21.0, 8.0, 7.0, -40, Back::Plain);
}

void drawBell(QImage& img, int ox) {
    background(img, ox, Back::Joker);
    QPainterPath p;
    p.moveTo(14.5, 4.0);
    p.cubicTo(21.5, 4.0, 21.0, 12.0, 22.0, 17.0);
    p.cubicTo(22.6, 20.0, 25.0, 21.5, 26.0, 23.5);
    p.lineTo(3.0, 23.5);
    p.cubicTo(4.0, 21.5, 6.4, 20.0, 7.0, 17.0);
    p.cubicTo(8.0, 12.0, 7.5, 4.0, 14.5, 4.0);
    p.closeSubpath();
    QPainterPath knob;
    knob.addEllipse(QPointF(14.5, 3.0), 2.2, 2.0);
    Mask clap = Mask::ellipse(W, H, 14.5, 25.5, 3.0, 2.6);
    shaded(img, ox, clap, kGold, 3.0, Back::Joker);
    Mask body = pathMask(p.united(knob));
    shaded(img, ox, body, kGold, 5.0, Back::Joker);
    // The rim band.
    for (int x = 3; x <= 26; ++x)
        if (body.at(x, 21) && !body.edge(x, 21)) put(img, ox + x, 21, kGold[1]);
}

void drawGrapes(QImage& img, int ox) {
    background(img, ox, Back::Plain);
    QPainterPath st;
    st.moveTo(14.5, 8.0);
    st.cubicTo(14.5, 5.0, 15.5, 3.5, 17.5, 2.0);
    curve(img, ox, st, 1.6, kStem, kStemDark);
    leaf(img, ox, 15.0, 6.0, 10.0, -20, Back::Plain);
    const double r = 3.6;
    const double pts[][2] = {{7.8, 10.5},  {14.5, 10.0}, {21.2, 10.5}, {11.0, 15.5},
                             {18.0, 15.5}, {5.5, 15.0},  {23.5, 15.0}, {8.0, 20.5},
                             {14.5, 20.5}, {21.0, 20.5}, {11.2, 25.3}, {17.8, 25.3}};
    // Back row first so that the front berries overlap it.
    Mask all(W, H);
    for (const auto& q : pts) all.unite(Mask::ellipse(W, H, q[0], q[1], r, r));
    shadow(img, ox, 0, all, Back::Plain);
    for (const auto& q : pts) ball(img, ox + q[0], q[1], r, r, kGrape);
}

void drawMelon(QImage& img, int ox) {
    background(img, ox, Back::Plain);
    // A slice of water melon: red flesh with seeds above a green rind.
    QPainterPath disk;
    disk.addEllipse(QPointF(14.5, 8.0), 13.5, 17.5);
    QPainterPath clip;
    clip.addRect(0, 8.0, 29, 22);
    QPainterPath slice = disk.intersected(clip);
    Mask whole = pathMask(slice);
    shadow(img, ox, 0, whole, Back::Plain);
    QPainterPath fleshDisk;
    fleshDisk.addEllipse(QPointF(14.5, 8.0), 11.0, 14.8);
    Mask flesh = pathMask(fleshDisk.intersected(clip));
    Mask rind = whole;
    rind.subtract(flesh);
    ShadeOptions o;
    o.radius = 2.0;
    o.specular = false;
    shade(img, ox, 0, rind, kLeaf, o);
    // White band between rind and flesh.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (flesh.at(x, y) && flesh.edge(x, y) && y > 9) put(img, ox + x, y, rgb(236, 240, 206));
    Mask inner = flesh;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (flesh.edge(x, y) && y > 9) inner.set(x, y, false);
    o.radius = 5.0;
    o.outline = false;
    o.specular = false;
    shade(img, ox, 0, inner, kMelonRed, o);
    // The cut face at the top is flat: a light line.
    for (int x = 1; x < 28; ++x)
        if (whole.at(x, 8)) put(img, ox + x, 8, flesh.at(x, 8) ? rgb(255, 150, 140) : kLeaf[3]);
    const int seeds[][2] = {{9, 12}, {14, 11}, {19, 12}, {11, 16}, {17, 16}, {14, 20}};
    for (const auto& s : seeds) {
        put(img, ox + s[0], s[1], rgb(30, 14, 10));
        put(img, ox + s[0], s[1] + 1, rgb(60, 30, 20));
        put(img, ox + s[0] - 1, s[1], rgb(255, 200, 190));
    }
}

void drawOrange(QImage& img, int ox) {
    background(img, ox, Back::Plain);
    Mask m = Mask::ellipse(W, H, 14.5, 16.5, 11.8, 11.3);
    shaded(img, ox, m, kOrange, 10.0, Back::Plain);
    dimples(img, ox, m, kOrange, 7, 0.09, 0.13);
    // Navel and leaf.
    put(img, ox + 14, 6, kStemDark);
    put(img, ox + 15, 6, kStem);
    leaf(img, ox, 15.5, 5.5, 8.0, -25, Back::Plain);
}

void drawPlum(QImage& img, int ox) {
    background(img, ox, Back::Plain);
    QPainterPath p;
    p.addEllipse(QPointF(14.5, 17.0), 10.6, 11.2);
    QTransform t;
    t.translate(14.5, 17);
    t.rotate(20);
    t.translate(-14.5, -17);
    Mask m = pathMask(t.map(p));
    shaded(img, ox, m, kPlum, 8.0, Back::Plain);
    // The cleft: a darker seam curving down the fruit.
    for (int y = 8; y < 25; ++y) {
        double x = 16.5 + std::sin((y - 8) / 17.0 * std::numbers::pi) * 3.0 - (y - 8) * 0.15;
        int xi = int(std::floor(x));
        if (m.at(xi, y) && !m.edge(xi, y)) put(img, ox + xi, y, kPlum[1]);
    }
    QPainterPath st;
    st.moveTo(15.0, 7.0);
    st.cubicTo(15.0, 5.0, 16.0, 3.0, 18.0, 2.0);
    curve(img, ox, st, 1.5, kStem, kStemDark);
    leaf(img, ox, 17.0, 3.0, 8.0, 10, Back::Plain);
}

void drawSeven(QImage& img, int ox) {
    // A gold rim one pixel wide around the red numeral.
    Mask m = seven(img, ox, kGold, Paper::Cream);
    ShadeOptions o;
    o.radius = 2.5;
    shade(img, ox, 0, m, kRed, o);
}

void drawBar(QImage& img, int ox) {
    background(img, ox, Back::Mania);
    QPainterPath plate;
    plate.addRoundedRect(QRectF(1.5, 8.5, 26, 14), 2.5, 2.5);
    Mask m = pathMask(plate);
    shadow(img, ox, 0, m, Back::Mania);
    // Gold edge, black face.
    flat(img, ox, 0, m, kGold[3], kGold[1], true);
    Mask face(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            face.set(x, y,
                     m.at(x, y) && !m.edge(x, y) && !m.edge(x - 1, y) && !m.edge(x + 1, y) &&
                         !m.edge(x, y - 1) && !m.edge(x, y + 1));
    ShadeOptions o;
    o.radius = 3;
    o.specular = false;
    o.outline = false;
    shade(img, ox, 0, face, kBarBlack, o);
    // BAR in gold, 5 x 7 letters with a shadow.
    text(img, ox + 6, 13, U"BAR", kGold[0], 6);
    text(img, ox + 5, 12, U"BAR", kGold[4], 6);
    // A highlight along the gold edge.
    hline(img, ox + 4, ox + 24, 9, kGold[5]);
}

void drawDiamond(QImage& img, int ox) {
    diamond(img, ox, kGem, Paper::Cream, [](double fx, double) {
        const double rel = fx - 14.5;
        if (rel < -4.5) return 3;
        if (rel < 0) return 2;
        if (rel < 4.5) return 1;
        return 2;
    });
    // Glints.
    put(img, ox + 11, 7, kGem[5]);
    put(img, ox + 10, 8, kGem[5]);
    put(img, ox + 24, 3, kGem[4]);
    put(img, ox + 24, 2, kGem[3]);
    put(img, ox + 23, 3, kGem[3]);
    put(img, ox + 25, 3, kGem[3]);
}

void drawCrown(QImage& img, int ox) {
    crown(img, ox, kGold, kRed, kGem, Paper::Cream);
}

void drawPear(QImage& img, int ox) {
    background(img, ox, Back::Plain);
    QPainterPath p;
    p.addEllipse(QPointF(14.5, 20.5), 9.5, 8.0);
    QPainterPath top;
    top.addEllipse(QPointF(14.0, 11.5), 5.6, 6.5);
    QPainterPath neck;
    neck.moveTo(8.6, 12.0);
    neck.lineTo(19.4, 12.0);
    neck.lineTo(23.5, 19.0);
    neck.lineTo(5.5, 19.0);
    neck.closeSubpath();
    Mask m = pathMask(p.united(top).united(neck));
    shaded(img, ox, m, kPear, 6.0, Back::Plain);
    // A rosy blush and freckles.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (m.at(x, y) && !m.edge(x, y)) {
                if (x > 16 && y > 17 && y < 26 && hash01(x, y, 11) < 0.35)
                    put(img, ox + x, y, mix(get(img, ox + x, y), rgb(210, 90, 40), 0.35));
                else if (hash01(x, y, 12) < 0.05)
                    put(img, ox + x, y, darker(get(img, ox + x, y), 0.2));
            }
    QPainterPath st;
    st.moveTo(14.0, 6.0);
    st.cubicTo(14.0, 4.0, 15.0, 2.5, 16.5, 1.5);
    curve(img, ox, st, 1.5, kStem, kStemDark);
    leaf(img, ox, 15.5, 3.0, 7.5, -5, Back::Plain);
}

void drawStrawberry(QImage& img, int ox) {
    background(img, ox, Back::Plain);
    QPainterPath p;
    p.moveTo(14.5, 28.0);
    p.cubicTo(7.0, 24.0, 2.5, 16.0, 3.5, 11.0);
    p.cubicTo(4.5, 7.0, 10.0, 6.5, 14.5, 8.0);
    p.cubicTo(19.0, 6.5, 24.5, 7.0, 25.5, 11.0);
    p.cubicTo(26.5, 16.0, 22.0, 24.0, 14.5, 28.0);
    p.closeSubpath();
    Mask m = pathMask(p);
    shaded(img, ox, m, kStraw, 6.0, Back::Plain);
    // Seeds in a diagonal lattice.
    for (int y = 10; y < 27; y += 3)
        for (int x = 5 + (y / 3) % 2 * 2; x < 25; x += 4)
            if (m.at(x, y) && !m.edge(x, y) && m.at(x, y + 1)) {
                put(img, ox + x, y, rgb(255, 226, 120));
                put(img, ox + x, y + 1, rgb(120, 12, 30));
            }
    // The green calyx.
    Mask calyx = pathMask(starPath(14.5, 7.5, 8.0, 2.5, 5, -90));
    Mask cut(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) cut.set(x, y, calyx.at(x, y) && y >= 5);
    ShadeOptions o;
    o.radius = 1.5;
    o.specular = false;
    shade(img, ox, 0, cut, kLeaf, o);
    vline(img, ox + 14, 2, 5, kLeaf[2]);
    vline(img, ox + 15, 2, 5, kLeaf[1]);
}

// ------------------------------------------------------------ pay pictures

const Mini kMiniCherry = {"....gg...", "...g..g..", "..g...g..", ".rr..rr..",
                          "rwRr.wRrr", "rRRr.RRRr", ".rr...rr."};
const Mini kMiniLemon = {".........", "..yyyyy..", ".yYYyyyy.", "yYYyyyyyd",
                         ".yyyyyyd.", "..dyyyd..", "........."};
const Mini kMiniOrange = {"....gG...", "..ooooo..", ".oOwoooo.", ".oOooooo.",
                          ".oooooor.", "..oooor..", "...rrr..."};
const Mini kMiniPlum = {".....b...", "...vvbv..", "..vPwvvv.", ".vPPvvvv.",
                        ".vvvvvpv.", "..vvvpv..", "...ppp..."};
// A pointed bunch of separate green berries under a leaf, against the plum's one
// smooth violet oval.
const Mini kMiniGrapes = {"....bGg..", ".JjJjJjJ.", ".jJjJjJu.", "..JjJjJ..",
                          "..jJjJu..", "...JjJ...", "....u...."};
const Mini kMiniStar = {"....E....", "...DED...", "DDDDEDDDd", ".dDDDDDd.",
                        "..dDDDd..", ".dDd.dDd.", ".d.....d."};
const Mini kMiniBell = {"....d....", "...DEd...", "..DEDDd..", "..DEDDd..",
                        ".DEDDDDd.", "ddddddddd", "....d...."};
const Mini kMiniSeven = {"RRRRRRRR.", "rrrrrRRr.", "....RRr..", "...RRr...",
                         "...RRr...", "..RRr....", "..rrr...."};
// The word itself in gold over the edge of its plate, as on the symbol.
const Mini kMiniBar = {"...........", "EE..EEE.EE.", "E.E.E.E.E.E", "EE..EEE.EE.",
                       "E.E.E.E.E.E", "EE..E.E.E.E", "ddddddddddd"};
const Mini kMiniCrown = {"E...E...E", "D..DED..D", "DD.DDD.DD", "DEDDDDDDd",
                         "DEDRDRDDd", "ddddddddd", "........."};
}  // namespace

QImage makeFruitTheme() {
    const SymbolFn symbols[15] = {drawStar,   drawBanana,  drawCherries, drawLemon, drawBell,
                                  drawGrapes, drawMelon,   drawOrange,   drawPlum,  drawSeven,
                                  drawBar,    drawDiamond, drawCrown,    drawPear,  drawStrawberry};
    QImage img = themeWithSymbols(symbols);
    payBand(img, kMiniCherry, kMiniLemon, kMiniOrange, kMiniPlum, kMiniGrapes, kMiniStar, kMiniBell,
            kMiniSeven, kMiniBar, kMiniCrown);
    return img;
}

}  // namespace pictures
