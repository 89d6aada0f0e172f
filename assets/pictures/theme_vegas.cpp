// The casino reel theme: cards, dice and chips on brushed silver.
//
// Symbol ids: 0 jester's cap, 1 cocktail, 2 heart, 3 dice, 4 horseshoe,
// 5 poker chip, 6 four-leaf clover, 7 spade, 8 banknotes, 9 neon seven,
// 10 triple BAR, 11 ace card, 12 crown, 13 top hat, 14 bow tie.
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

const Ramp kWhite = {rgb(70, 70, 86),    rgb(180, 184, 196), rgb(218, 220, 228),
                     rgb(240, 240, 246), rgb(252, 252, 255), rgb(255, 255, 255)};
const Ramp kInk = {rgb(4, 4, 8),    rgb(20, 20, 28),    rgb(40, 40, 54),
                   rgb(66, 66, 84), rgb(110, 110, 136), rgb(190, 190, 210)};
const Ramp kChipBlue = {rgb(10, 24, 80),   rgb(24, 50, 150),   rgb(40, 80, 200),
                        rgb(70, 120, 236), rgb(140, 180, 255), rgb(230, 240, 255)};
const Ramp kNote = {rgb(24, 60, 30), rgb(60, 120, 64), rgb(100, 160, 96), rgb(140, 196, 128),
                    rgb(196, 232, 180)};
const Ramp kViolet = {rgb(40, 10, 70),   rgb(86, 30, 140),   rgb(124, 52, 190),
                      rgb(164, 90, 226), rgb(206, 150, 250), rgb(245, 230, 255)};
const Ramp kGlass = {rgb(70, 100, 130), rgb(150, 190, 214), rgb(190, 220, 236), rgb(220, 240, 250),
                     rgb(245, 252, 255)};
const Ramp kJesterRed = {rgb(80, 6, 20), rgb(150, 14, 36), rgb(206, 30, 50), rgb(240, 70, 74),
                         rgb(255, 140, 130)};
const Ramp kJesterGreen = {rgb(10, 60, 20), rgb(24, 120, 40), rgb(40, 168, 64), rgb(90, 210, 100),
                           rgb(170, 240, 160)};

constexpr Paper kPaper = Paper::Chrome;

void bg(QImage& img, int ox, Back back) {
    background(img, ox, back, kPaper);
}

QPainterPath heartPath(double cx, double top, double w, double h) {
    QPainterPath p;
    const double l = cx - w / 2, r = cx + w / 2, b = top + h;
    p.moveTo(cx, top + h * 0.26);
    p.cubicTo(cx - w * 0.08, top - h * 0.04, l - w * 0.04, top - h * 0.02, l, top + h * 0.32);
    p.cubicTo(l + w * 0.02, top + h * 0.62, cx - w * 0.2, top + h * 0.8, cx, b);
    p.cubicTo(cx + w * 0.2, top + h * 0.8, r - w * 0.02, top + h * 0.62, r, top + h * 0.32);
    p.cubicTo(r + w * 0.04, top - h * 0.02, cx + w * 0.08, top - h * 0.04, cx, top + h * 0.26);
    p.closeSubpath();
    return p;
}

void drawJester(QImage& img, int ox) {
    bg(img, ox, Back::Joker);
    // Three floppy points, red, green and red, each ending in a gold bell.
    auto point = [](QPointF tip, double baseL, double baseR) {
        QPainterPath p;
        p.moveTo(baseL, 20.0);
        p.cubicTo(baseL, 12.0, tip.x() - 2.0, tip.y() + 6.0, tip.x(), tip.y());
        p.cubicTo(tip.x() + 1.0, tip.y() + 6.0, baseR - 1.0, 12.0, baseR, 20.0);
        p.closeSubpath();
        return p;
    };
    Mask left = pathMask(point({3.0, 6.0}, 5.0, 13.0));
    Mask right = pathMask(point({26.0, 6.0}, 16.0, 24.0));
    Mask mid = pathMask(point({14.5, 3.5}, 10.0, 19.0));
    shaded(img, ox, left, kJesterRed, 3.0, Back::Joker, false);
    shaded(img, ox, right, kJesterRed, 3.0, Back::Joker, false);
    shaded(img, ox, mid, kJesterGreen, 3.0, Back::Joker, false);
    // The band.
    QPainterPath band;
    band.addRoundedRect(QRectF(4.5, 19.0, 20.0, 6.0), 2.0, 2.0);
    Mask b = pathMask(band);
    shaded(img, ox, b, kViolet, 2.5, Back::Joker, false);
    for (int x = 7; x <= 22; x += 3) put(img, ox + x, 22, kGold[4]);
    ball(img, ox + 3.0, 6.0, 2.2, 2.2, kGold);
    ball(img, ox + 26.0, 6.0, 2.2, 2.2, kGold);
    ball(img, ox + 14.5, 3.0, 2.2, 2.2, kGold);
}

void drawCocktail(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    // A cocktail glass: a wide cone, a thin stem and a round foot.
    QPainterPath cone;
    cone.moveTo(3.0, 4.5);
    cone.lineTo(26.0, 4.5);
    cone.lineTo(15.5, 16.5);
    cone.lineTo(13.5, 16.5);
    cone.closeSubpath();
    Mask c = pathMask(cone);
    shadow(img, ox, 0, c, Back::Plain);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (c.at(x, y)) {
                // The drink fills the cone below its rim; the glass edge is dark.
                QRgb col = y <= 6 ? kGlass[3] : mix(rgb(250, 170, 60), rgb(230, 90, 40), (y - 6) / 10.0);
                if (c.edge(x, y)) col = kGlass[0];
                put(img, ox + x, y, col);
            }
    hline(img, ox + 5, ox + 23, 6, rgb(255, 220, 150));
    vline(img, ox + 14, 16, 25, kGlass[1]);
    vline(img, ox + 15, 16, 25, kGlass[0]);
    Mask foot = Mask::ellipse(W, H, 14.5, 26.5, 8.0, 2.0);
    shaded(img, ox, foot, kGlass, 1.5, Back::Plain, false);
    // A cherry on a pick.
    for (int i = 0; i < 7; ++i) put(img, ox + 20 - i, 1 + i, kSilver[1]);
    ball(img, ox + 13.0, 8.5, 2.6, 2.6, kRed);
    // Glint on the glass.
    vline(img, ox + 6, 5, 6, qRgb(255, 255, 255));
}

void drawHeart(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    Mask m = pathMask(heartPath(14.5, 4.5, 24.0, 23.0));
    shaded(img, ox, m, kRed, 6.0, Back::Plain);
}

void die(QImage& img, int ox, QRectF r, int pips, const Ramp& body, QRgb pip) {
    QPainterPath p;
    p.addRoundedRect(r, 2.5, 2.5);
    Mask m = pathMask(p);
    shaded(img, ox, m, body, 2.5, Back::Plain, false);
    const double cx = r.center().x(), cy = r.center().y(), d = r.width() * 0.27;
    std::vector<QPointF> at;
    auto pair = [&](QPointF a, QPointF b) {
        at.push_back(a);
        at.push_back(b);
    };
    if (pips % 2) at.push_back({cx, cy});
    if (pips >= 2) pair({cx - d, cy - d}, {cx + d, cy + d});
    if (pips >= 4) pair({cx + d, cy - d}, {cx - d, cy + d});
    if (pips == 6) pair({cx - d, cy}, {cx + d, cy});
    for (QPointF q : at) {
        int x = int(std::floor(q.x() - 0.5)), y = int(std::floor(q.y() - 0.5));
        fill(img, QRect(ox + x, y, 2, 2), pip);
        put(img, ox + x + 1, y + 1, darker(pip, 0.4));
    }
}

void drawDice(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    die(img, ox, QRectF(12.5, 2.5, 14.0, 14.0), 5, kRed, qRgb(255, 255, 255));
    die(img, ox, QRectF(2.5, 12.5, 15.0, 15.0), 3, kWhite, rgb(20, 20, 30));
}

void drawHorseshoe(QImage& img, int ox) {
    bg(img, ox, Back::Joker);
    QPainterPath arc;
    arc.moveTo(7.0, 26.0);
    arc.cubicTo(2.0, 16.0, 4.0, 4.0, 14.5, 4.0);
    arc.cubicTo(25.0, 4.0, 27.0, 16.0, 22.0, 26.0);
    QPainterPathStroker st;
    st.setWidth(7.5);
    st.setCapStyle(Qt::FlatCap);
    Mask m = pathMask(st.createStroke(arc));
    shaded(img, ox, m, kGold, 2.5, Back::Joker);
    // Nail holes along the shoe.
    for (double t : {0.1, 0.25, 0.4, 0.6, 0.75, 0.9}) {
        QPointF q = arc.pointAtPercent(t);
        put(img, ox + int(std::floor(q.x())), int(std::floor(q.y())), kGold[0]);
    }
    // Heels.
    fill(img, QRect(ox + 3, 25, 8, 2), kGold[1]);
    fill(img, QRect(ox + 18, 25, 8, 2), kGold[1]);
}

void drawChip(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    Mask m = Mask::ellipse(W, H, 14.5, 15.5, 12.5, 12.5);
    shaded(img, ox, m, kChipBlue, 4.0, Back::Plain, false);
    // White edge spots around the rim and a white inner ring.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!m.at(x, y) || m.edge(x, y)) continue;
            double dx = x + 0.5 - 14.5, dy = y + 0.5 - 15.5;
            double d = std::hypot(dx, dy), a = std::atan2(dy, dx);
            int sector = int(std::floor((a + std::numbers::pi) / (std::numbers::pi / 4)));
            double lit = (dx + dy < 0) ? 0.0 : 0.18;
            if (d > 9.0 && d < 11.8 && sector % 2 == 0 &&
                std::fmod(a + 4 * std::numbers::pi, std::numbers::pi / 4) > 0.25)
                put(img, ox + x, y, darker(rgb(250, 250, 255), lit));
            else if (d > 6.3 && d < 7.6)
                put(img, ox + x, y, darker(rgb(240, 240, 250), lit));
        }
    // A gold star in the centre.
    Mask star = pathMask(starPath(14.5, 15.8, 5.0, 2.1, 5));
    flat(img, ox, 0, star, kGold[3], kGold[1], true);
    put(img, ox + 14, 14, kGold[5]);
}

void drawClover(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    QPainterPath stem;
    stem.moveTo(14.5, 15.0);
    stem.cubicTo(15.0, 20.0, 17.0, 25.0, 21.0, 28.0);
    curve(img, ox, stem, 2.0, kLeaf[2], kLeaf[0]);
    Mask all(W, H);
    for (int k = 0; k < 4; ++k) {
        // Each leaf is a heart pointing at the centre.
        QTransform t;
        t.translate(14.5, 14.5);
        t.rotate(45 + 90 * k);
        t.translate(0, -12.5);
        Mask leafMask = pathMask(t.map(heartPath(0, 0, 12.0, 12.5)));
        all.unite(leafMask);
    }
    shaded(img, ox, all, kJesterGreen, 3.5, Back::Plain);
    // Veins from the centre along each leaf.
    for (int k = 0; k < 4; ++k) {
        double a = (45 + 90 * k - 90) * std::numbers::pi / 180;
        for (double r = 1.5; r < 8.0; r += 0.7) {
            int x = int(std::floor(14.5 + r * std::cos(a))), y = int(std::floor(14.5 + r * std::sin(a)));
            put(img, ox + x, y, kJesterGreen[1]);
        }
    }
}

void drawSpade(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    // A heart upside down with a flared foot.
    QTransform flip;
    flip.translate(14.5, 0);
    flip.scale(1, -1);
    flip.translate(-14.5, -24.0);
    QPainterPath p = flip.map(heartPath(14.5, 2.0, 23.0, 22.0));
    QPainterPath foot;
    foot.moveTo(14.5, 16.0);
    foot.cubicTo(15.0, 22.0, 17.0, 26.0, 20.0, 28.0);
    foot.lineTo(9.0, 28.0);
    foot.cubicTo(12.0, 26.0, 14.0, 22.0, 14.5, 16.0);
    foot.closeSubpath();
    Mask m = pathMask(p.united(foot));
    shaded(img, ox, m, kInk, 5.0, Back::Plain);
}

void drawNotes(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    auto note = [&](double angle, double dy) {
        QPainterPath p;
        p.addRect(QRectF(-12.0, -7.0, 24.0, 14.0));
        QTransform t;
        t.translate(14.5, 15.5 + dy);
        t.rotate(angle);
        Mask m = pathMask(t.map(p));
        shaded(img, ox, m, kNote, 2.0, Back::Plain, false);
        // The portrait oval and the corner marks.
        QPainterPath oval;
        oval.addEllipse(QPointF(0, 0), 4.5, 4.5);
        Mask o = pathMask(t.map(oval));
        flat(img, ox, 0, o, kNote[4], kNote[1], true);
        for (QPointF c : {QPointF(-9.5, -4.5), QPointF(9.5, 4.5)}) {
            QPointF q = t.map(c);
            put(img, ox + int(std::floor(q.x())), int(std::floor(q.y())), kNote[0]);
        }
        return t;
    };
    note(-14, -2.0);
    note(8, 2.0);
    QTransform t = note(-3, 3.0);
    // "$" on the top note.
    QPointF c = t.map(QPointF(0, 0));
    int cx = int(std::floor(c.x())), cy = int(std::floor(c.y()));
    sprite(img, ox + cx - 2, cy - 3, {"..k..", ".kkkk", "k.k..", ".kkk.", "..k.k", "kkkk.", "..k.."},
           {{'k', kNote[0]}});
}

void drawNeonSeven(QImage& img, int ox) {
    bg(img, ox, Back::Mania);
    // A neon tube bent into a seven: a pink glow, a hot pink tube, a white core.
    QPainterPath p;
    p.moveTo(5.5, 8.0);
    p.lineTo(5.5, 5.0);
    p.lineTo(23.5, 5.0);
    p.cubicTo(18.0, 11.0, 13.5, 17.0, 12.5, 26.0);
    auto stroke = [&](double w) {
        QPainterPathStroker st;
        st.setWidth(w);
        st.setCapStyle(Qt::RoundCap);
        st.setJoinStyle(Qt::RoundJoin);
        return pathMask(st.createStroke(p));
    };
    Mask glow = stroke(7.0), tube = stroke(3.6), core = stroke(1.2);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (core.at(x, y))
                put(img, ox + x, y, rgb(255, 236, 246));
            else if (tube.at(x, y))
                put(img, ox + x, y, rgb(255, 70, 150));
            else if (glow.at(x, y))
                put(img, ox + x, y, mix(get(img, ox + x, y), rgb(255, 80, 170), 0.45));
        }
    // Tube holders.
    put(img, ox + 5, 10, rgb(180, 180, 190));
    put(img, ox + 11, 27, rgb(180, 180, 190));
}

void drawTripleBar(QImage& img, int ox) {
    bg(img, ox, Back::Mania);
    const QRgb plates[3] = {rgb(210, 30, 40), kGold[3], rgb(40, 90, 210)};
    for (int k = 0; k < 3; ++k) {
        QPainterPath p;
        p.addRoundedRect(QRectF(3.5, 3.5 + 8.0 * k, 22.0, 7.0), 1.5, 1.5);
        Mask m = pathMask(p);
        shadow(img, ox, 0, m, Back::Mania);
        flat(img, ox, 0, m, rgb(14, 14, 20), plates[k], true);
        hline(img, ox + 5, ox + 23, 4 + 8 * k, plates[k]);
        tinyCentered(img, ox + 15, 5 + 8 * k, U"BAR", rgb(255, 255, 255));
    }
}

void drawAce(QImage& img, int ox) {
    bg(img, ox, Back::Joker);
    QPainterPath card;
    card.addRoundedRect(QRectF(6.5, 3.5, 17.0, 24.0), 2.0, 2.0);
    QTransform t;
    t.translate(15, 15.5);
    t.rotate(6);
    t.translate(-15, -15.5);
    Mask m = pathMask(t.map(card));
    shaded(img, ox, m, kWhite, 1.5, Back::Joker, false);
    // A big red A and small corner pips.
    bigText(img, ox + 10, 9, U"A", rgb(200, 20, 40), 2);
    sprite(img, ox + 8, 5, {".r.", "rrr", ".r."}, {{'r', rgb(200, 20, 40)}});
    sprite(img, ox + 19, 23, {".r.", "rrr", ".r."}, {{'r', rgb(200, 20, 40)}});
}

void drawCrown(QImage& img, int ox) {
    crown(img, ox, kGold, kChipBlue, kRed, kPaper);
}

void drawTopHat(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    QPainterPath crownPart;
    crownPart.moveTo(8.0, 4.0);
    crownPart.lineTo(21.0, 4.0);
    crownPart.lineTo(20.0, 22.0);
    crownPart.lineTo(9.0, 22.0);
    crownPart.closeSubpath();
    Mask brim = Mask::ellipse(W, H, 14.5, 23.0, 13.0, 4.0);
    Mask body = pathMask(crownPart);
    Mask top = Mask::ellipse(W, H, 14.5, 4.5, 6.5, 1.8);
    Mask all = brim;
    all.unite(body).unite(top);
    shaded(img, ox, all, kInk, 4.0, Back::Plain);
    // The red band and the lit top.
    for (int y = 17; y <= 20; ++y)
        for (int x = 0; x < W; ++x)
            if (body.at(x, y) && !body.edge(x, y))
                put(img, ox + x, y, y == 17 ? rgb(255, 90, 90) : rgb(190, 20, 34));
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (top.at(x, y) && !top.edge(x, y)) put(img, ox + x, y, kInk[3]);
    hline(img, ox + 4, ox + 25, 23, kInk[3]);
}

void drawBowTie(QImage& img, int ox) {
    bg(img, ox, Back::Plain);
    QPainterPath p;
    p.moveTo(14.5, 15.0);
    p.cubicTo(10.0, 9.0, 5.0, 6.5, 2.5, 8.0);
    p.cubicTo(1.0, 12.0, 1.0, 19.0, 2.5, 23.0);
    p.cubicTo(5.0, 24.5, 10.0, 22.0, 14.5, 16.0);
    p.cubicTo(19.0, 22.0, 24.0, 24.5, 26.5, 23.0);
    p.cubicTo(28.0, 19.0, 28.0, 12.0, 26.5, 8.0);
    p.cubicTo(24.0, 6.5, 19.0, 9.0, 14.5, 15.0);
    p.closeSubpath();
    Mask m = pathMask(p);
    shaded(img, ox, m, kViolet, 4.0, Back::Plain, false);
    // Polka dots.
    for (auto [x, y] : {std::pair{5, 11}, {9, 14}, {5, 18}, {22, 11}, {19, 14}, {23, 18}})
        if (m.at(x, y) && !m.edge(x, y)) {
            put(img, ox + x, y, rgb(255, 240, 250));
            put(img, ox + x + 1, y, rgb(230, 200, 240));
        }
    Mask knot = Mask::ellipse(W, H, 14.5, 15.5, 3.5, 4.0);
    shaded(img, ox, knot, kViolet, 2.5, Back::Plain);
}

// ------------------------------------------------------------ pay pictures

const Mini kMiniDice = {".iiiiiii.", "ihhhhhxhi", "ihhhhhhhi", "ihhhxhhhi",
                        "ihhhhhhhi", "ihxhhhhhi", ".iiiiiii."};
// Polished metal, so that the spade shows on the dark glass.
const Mini kMiniSpade = {"....h....", "...hhi...", "..hhiii..", ".hhiiiil.",
                         ".hi.i.il.", "....i....", "...lil..."};
const Mini kMiniNotes = {".........", "ggggggggg", "gGGGkGGGg", "gGGkGkGGg",
                         "gGGGkGGGg", "ggggggggg", "........."};
const Mini kMiniChip = {"..nhnh...", ".hNNNNh..", "nNhhhNn..", "hNhDhNh..",
                        "nNhhhNn..", ".hNNNNh..", "..hnhn..."};
const Mini kMiniJester = {"D...D...D", "R..gGg..R", "RR.gGg.RR", ".RRgggRR.",
                          "..RRgRR..", ".PPPPPPP.", "........."};
// A solid gold shoe, two pixels thick all round, with broad heels.
const Mini kMiniShoe = {"..DDDDD..", ".DEEDDDd.", "DED...DDd", "DE.....Dd",
                        "DE.....Dd", "DD.....Dd", "ddd...ddd"};
const Mini kMiniSeven = {"MMMMMMMM.", "mmmmmMMm.", "....MMm..", "...MMm...",
                         "...MMm...", "..MMm....", "..mmm...."};
const Mini kMiniBars = {"rrrrrrrrr", "rhhhhhhhr", "DDDDDDDDD", "DhhhhhhhD",
                        "nnnnnnnnn", "nhhhhhhhn", "nnnnnnnnn"};
const Mini kMiniCrown = {"E...E...E", "D..DED..D", "DD.DDD.DD", "DEDDDDDDd",
                         "DEDnDRDDd", "ddddddddd", "........."};

}  // namespace

QImage makeVegasTheme() {
    const SymbolFn symbols[15] = {drawJester,    drawCocktail, drawHeart, drawDice,   drawHorseshoe,
                                  drawChip,      drawClover,   drawSpade, drawNotes,  drawNeonSeven,
                                  drawTripleBar, drawAce,      drawCrown, drawTopHat, drawBowTie};
    QImage img = themeWithSymbols(symbols);
    payBand(img, kMiniHeart, kMiniDice, kMiniSpade, kMiniNotes, kMiniChip, kMiniJester, kMiniShoe, kMiniSeven,
            kMiniBars, kMiniCrown);
    return img;
}

}  // namespace pictures
