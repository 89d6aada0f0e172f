// Shared tools of the reel themes (see reelkit.h).
#include "reelkit.h"

#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pictures::reel {

using namespace art;

const Ramp kRed = {rgb(74, 8, 16),   rgb(122, 14, 30),  rgb(176, 24, 40),
                   rgb(222, 44, 48), rgb(255, 110, 92), rgb(255, 228, 214)};
const Ramp kLeaf = {rgb(18, 52, 12), rgb(36, 98, 22), rgb(62, 146, 38), rgb(104, 190, 62),
                    rgb(170, 230, 120)};
const Ramp kLemon = {rgb(106, 82, 8),   rgb(172, 138, 14),  rgb(222, 190, 30),
                     rgb(246, 222, 62), rgb(255, 244, 150), rgb(255, 255, 235)};
const Ramp kOrange = {rgb(106, 40, 4),   rgb(168, 76, 8),    rgb(222, 116, 16),
                      rgb(255, 152, 40), rgb(255, 196, 112), rgb(255, 240, 210)};
const Ramp kPlum = {rgb(40, 10, 58),   rgb(72, 24, 106),   rgb(108, 40, 150),
                    rgb(146, 70, 192), rgb(190, 128, 232), rgb(240, 216, 255)};
// Green grapes, yellower than the leaves: nothing else of the pay table is green,
// so the bunch never reads as the violet plum beside it.
const Ramp kGrape = {rgb(40, 62, 10),   rgb(88, 120, 20),   rgb(138, 170, 38),
                     rgb(184, 210, 66), rgb(222, 238, 128), rgb(250, 255, 220)};
const Ramp kSilver = {rgb(40, 44, 56),    rgb(96, 102, 120),  rgb(146, 152, 170),
                      rgb(192, 198, 212), rgb(228, 232, 242), rgb(255, 255, 255)};
const Ramp kGem = {rgb(10, 54, 92),    rgb(24, 100, 156),  rgb(54, 156, 214),
                   rgb(118, 206, 246), rgb(196, 240, 255), rgb(255, 255, 255)};
const Ramp kBarBlack = {rgb(8, 8, 12), rgb(24, 24, 34), rgb(44, 44, 60), rgb(70, 70, 92), rgb(110, 110, 140)};
const QRgb kStem = rgb(92, 56, 22);
const QRgb kStemDark = rgb(56, 32, 12);

QPainterPath starPath(double cx, double cy, double ro, double ri, int points, double rot) {
    QPainterPath p;
    for (int i = 0; i < points * 2; ++i) {
        double a = (rot + i * 180.0 / points) * std::numbers::pi / 180.0;
        double r = (i % 2 == 0) ? ro : ri;
        QPointF pt(cx + r * std::cos(a), cy + r * std::sin(a));
        if (i == 0)
            p.moveTo(pt);
        else
            p.lineTo(pt);
    }
    p.closeSubpath();
    return p;
}

Mask pathMask(const QPainterPath& p) {
    return Mask::fromPath(W, H, p);
}

Mask grown(const Mask& m) {
    Mask g = m;
    for (int y = 0; y < m.h(); ++y)
        for (int x = 0; x < m.w(); ++x)
            if (m.at(x - 1, y) || m.at(x + 1, y) || m.at(x, y - 1) || m.at(x, y + 1)) g.set(x, y, true);
    return g;
}

namespace {

QRgb paperAt(int x, int y, Paper paper) {
    // The drum curves away at its left and right edges.
    const double e = std::abs((x + 0.5) - W / 2.0) / (W / 2.0);
    switch (paper) {
        case Paper::Cream:
            return mix(colours::kReel, colours::kReelShade, std::max(0.0, e - 0.55) * 2.2);
        case Paper::Velvet: {
            // Dark jeweller's velvet under a spotlight, with a faint nap.
            double d = std::hypot((x + 0.5 - W / 2.0) / 15.0, (y + 0.5 - H / 2.0) / 16.0);
            QRgb c = mix(rgb(70, 64, 84), rgb(26, 22, 34), std::clamp(d * 0.9, 0.0, 1.0));
            if (hash01(x, y, 41) < 0.18) c = lighter(c, 0.06);
            return mix(c, rgb(12, 10, 16), std::max(0.0, e - 0.6) * 1.6);
        }
        case Paper::Chrome: {
            // Brushed silver with fine diagonal pinstripes.
            QRgb c = mix(rgb(226, 232, 242), rgb(188, 198, 214), (y + 0.5) / H * 0.6);
            if ((x + y) % 4 == 0) c = darker(c, 0.035);
            return mix(c, rgb(150, 160, 182), std::max(0.0, e - 0.55) * 2.0);
        }
    }
    return 0;
}

}  // namespace

void background(QImage& img, int ox, Back back, Paper paper) {
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            QRgb c = paperAt(x, y, paper);
            if (back == Back::Mania) {
                const double e = std::abs((x + 0.5) - W / 2.0) / (W / 2.0);
                double a = std::atan2(y + 0.5 - H / 2.0, x + 0.5 - W / 2.0);
                double d = std::hypot(y + 0.5 - H / 2.0, x + 0.5 - W / 2.0);
                int ray = int(std::floor((a + std::numbers::pi) / (std::numbers::pi / 8)));
                QRgb deep = rgb(58, 20, 104), ray1 = rgb(96, 40, 150);
                c = (ray % 2) ? deep : ray1;
                c = mix(c, rgb(150, 80, 200), std::max(0.0, 1.0 - d / 10.0) * 0.7);
                c = mix(c, rgb(30, 8, 60), std::max(0.0, e - 0.6) * 1.5);
            }
            put(img, ox + x, y, c);
        }
    if (back == Back::Joker) {
        // Four-point gold sparkles in the corners mark a joker.
        const QRgb s1 = rgb(232, 176, 30), s2 = rgb(255, 236, 140);
        auto sparkle = [&](int x, int y) {
            put(img, ox + x, y, s2);
            put(img, ox + x - 1, y, s1);
            put(img, ox + x + 1, y, s1);
            put(img, ox + x, y - 1, s1);
            put(img, ox + x, y + 1, s1);
        };
        sparkle(3, 3);
        sparkle(25, 26);
        put(img, ox + 25, 4, s1);
        put(img, ox + 3, 26, s1);
    }
}

void shadow(QImage& img, int ox, int oy, const Mask& m, Back back) {
    Mask s = m.shifted(1, 2);
    for (int y = 0; y < s.h(); ++y)
        for (int x = 0; x < s.w(); ++x)
            if (s.at(x, y) && !m.at(x, y)) {
                QRgb c = get(img, ox + x, oy + y);
                put(img, ox + x, oy + y, darker(c, back == Back::Mania ? 0.35 : 0.16));
            }
}

void shaded(QImage& img, int ox, const Mask& m, const Ramp& r, double radius, Back back, bool specular,
            double bias) {
    shadow(img, ox, 0, m, back);
    ShadeOptions o;
    o.radius = radius;
    o.specular = specular;
    o.bias = bias;
    shade(img, ox, 0, m, r, o);
}

void curve(QImage& img, int ox, const QPainterPath& path, double width, QRgb c, QRgb dark) {
    QPainterPathStroker st;
    st.setWidth(width);
    st.setCapStyle(Qt::RoundCap);
    Mask m = pathMask(st.createStroke(path));
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (m.at(x, y)) put(img, ox + x, y, (!m.at(x + 1, y) || !m.at(x, y + 1)) ? dark : c);
}

void leaf(QImage& img, int ox, double cx, double cy, double len, double angleDeg, Back back) {
    QPainterPath p;
    p.moveTo(0, 0);
    p.cubicTo(len * 0.3, -len * 0.45, len * 0.75, -len * 0.4, len, 0);
    p.cubicTo(len * 0.75, len * 0.4, len * 0.3, len * 0.45, 0, 0);
    QTransform t;
    t.translate(cx, cy);
    t.rotate(angleDeg);
    Mask m = pathMask(t.map(p));
    shadow(img, ox, 0, m, back);
    ShadeOptions o;
    o.radius = 2.5;
    o.specular = false;
    shade(img, ox, 0, m, kLeaf, o);
    // Midrib.
    for (double s = 0.15; s < 0.85; s += 0.05) {
        QPointF q = t.map(QPointF(len * s, 0));
        int x = int(std::floor(q.x())), y = int(std::floor(q.y()));
        if (m.at(x, y) && !m.edge(x, y)) put(img, ox + x, y, kLeaf[1]);
    }
}

void facets(QImage& img, int ox, const Mask& m, const Ramp& r, double cx, double cy, int sides,
            double tableRadius) {
    shadow(img, ox, 0, m, Back::Plain);
    const int n = int(r.size());
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!m.at(x, y)) continue;
            if (m.edge(x, y)) {
                put(img, ox + x, y, r[0]);
                continue;
            }
            double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            double a = std::atan2(dy, dx);
            // Which facet: sectors around the centre; light from the upper left.
            int sector = int(std::floor((a + std::numbers::pi) / (2 * std::numbers::pi) * sides));
            double mid = (sector + 0.5) / sides * 2 * std::numbers::pi - std::numbers::pi;
            double lit = -(std::cos(mid) * 0.6 + std::sin(mid) * 0.8);  // towards (-0.6, -0.8)
            int idx;
            if (std::hypot(dx, dy) < tableRadius)
                idx = n - 2;  // the flat table on top
            else
                idx = std::clamp(int(std::lround(1 + (lit + 1) / 2 * (n - 3))) - (sector % 2), 1, n - 2);
            put(img, ox + x, y, r[size_t(idx)]);
        }
    // A glint on the table.
    int gx = int(std::floor(cx - tableRadius * 0.5)), gy = int(std::floor(cy - tableRadius * 0.5));
    if (m.at(gx, gy)) put(img, ox + gx, gy, r[size_t(n - 1)]);
    if (m.at(gx + 1, gy)) put(img, ox + gx + 1, gy, r[size_t(n - 1)]);
    if (m.at(gx, gy + 1)) put(img, ox + gx, gy + 1, r[size_t(n - 1)]);
}

Mask seven(QImage& img, int ox, const Ramp& rim, Paper paper) {
    background(img, ox, Back::Mania, paper);
    QPainterPath p;
    p.moveTo(4.5, 3.5);
    p.lineTo(25.5, 3.5);
    p.lineTo(25.5, 8.5);
    p.cubicTo(19.0, 14.0, 16.0, 19.0, 15.5, 27.5);
    p.lineTo(8.5, 27.5);
    p.cubicTo(9.0, 19.5, 12.5, 13.5, 17.5, 9.0);
    p.lineTo(10.0, 9.0);
    p.lineTo(10.0, 11.0);
    p.lineTo(4.5, 11.0);
    p.closeSubpath();
    Mask m = pathMask(p);
    Mask outer = grown(m);
    shadow(img, ox, 0, outer, Back::Mania);
    flat(img, ox, 0, outer, rim[4], rim[1], true);
    return m;
}

void diamond(QImage& img, int ox, const Ramp& r, Paper paper, PavilionFn pavilion) {
    background(img, ox, Back::Joker, paper);
    QPainterPath p;
    p.moveTo(8.0, 5.0);
    p.lineTo(21.0, 5.0);
    p.lineTo(27.0, 12.0);
    p.lineTo(14.5, 27.5);
    p.lineTo(2.0, 12.0);
    p.closeSubpath();
    Mask m = pathMask(p);
    shadow(img, ox, 0, m, Back::Joker);
    // Facets: each a flat shade of the ramp.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!m.at(x, y)) continue;
            double fx = x + 0.5, fy = y + 0.5;
            QRgb c;
            if (m.edge(x, y))
                c = r[0];
            else if (fy < 12.0) {
                // Crown: table in the middle, bezels at the sides.
                if (fx < 9.5 + (fy - 5) * 0.2)
                    c = r[3];
                else if (fx > 19.5 - (fy - 5) * 0.2)
                    c = r[2];
                else
                    c = r[4];
                if (y == 11 || y == 12) c = r[1];
            } else {
                c = r[size_t(pavilion(fx, fy))];
            }
            put(img, ox + x, y, c);
        }
}

void crown(QImage& img, int ox, const Ramp& metal, const Ramp& centre, const Ramp& side, Paper paper) {
    background(img, ox, Back::Mania, paper);
    QPainterPath p;
    p.moveTo(3.0, 24.0);
    p.lineTo(2.5, 9.5);
    p.lineTo(8.5, 16.0);
    p.lineTo(14.5, 5.5);
    p.lineTo(20.5, 16.0);
    p.lineTo(26.5, 9.5);
    p.lineTo(26.0, 24.0);
    p.closeSubpath();
    QPainterPath band;
    band.addRect(QRectF(3.0, 21.0, 23.0, 5.0));
    Mask m = pathMask(p.united(band));
    shaded(img, ox, m, metal, 3.0, Back::Mania);
    for (int x = 3; x <= 25; ++x) put(img, ox + x, 21, metal[1]);
    const Ramp pearl = {rgb(120, 110, 130), rgb(200, 200, 210), rgb(240, 240, 250), rgb(255, 255, 255)};
    ball(img, ox + 2.8, 8.8, 1.9, 1.9, pearl);
    ball(img, ox + 14.5, 4.6, 1.9, 1.9, pearl);
    ball(img, ox + 26.2, 8.8, 1.9, 1.9, pearl);
    ball(img, ox + 14.5, 23.5, 2.2, 1.9, centre);
    ball(img, ox + 8.0, 23.5, 1.7, 1.6, side);
    ball(img, ox + 21.0, 23.5, 1.7, 1.6, side);
}

const std::vector<PaletteEntry> kMiniPalette = {
    {'k', rgb(30, 20, 20)},    {'r', rgb(170, 20, 34)},   {'R', rgb(236, 60, 60)},  {'w', rgb(255, 235, 225)},
    {'g', rgb(60, 150, 40)},   {'G', rgb(140, 220, 90)},  {'y', rgb(226, 196, 30)}, {'Y', rgb(255, 240, 120)},
    {'o', rgb(236, 128, 20)},  {'O', rgb(255, 196, 110)}, {'p', rgb(108, 44, 156)}, {'P', rgb(178, 120, 230)},
    {'q', rgb(60, 20, 90)},    {'d', rgb(150, 96, 8)},    {'D', rgb(236, 184, 40)}, {'E', rgb(255, 240, 150)},
    {'c', rgb(40, 130, 200)},  {'C', rgb(150, 220, 250)}, {'b', rgb(110, 70, 30)},  {'x', rgb(16, 16, 20)},
    {'s', rgb(120, 130, 160)}, {'e', rgb(16, 110, 64)},   {'f', rgb(70, 210, 130)}, {'F', rgb(190, 255, 210)},
    {'h', rgb(246, 246, 250)}, {'i', rgb(150, 154, 168)}, {'l', rgb(70, 74, 88)},   {'m', rgb(200, 40, 130)},
    {'M', rgb(255, 130, 200)}, {'n', rgb(30, 50, 150)},   {'N', rgb(90, 140, 240)}, {'z', rgb(52, 60, 80)},
    {'v', rgb(150, 84, 214)},  {'a', rgb(56, 104, 220)},  {'u', rgb(88, 120, 20)},  {'j', rgb(150, 184, 40)},
    {'J', rgb(222, 238, 128)},
};

const Mini kMiniAny = {".........", ".........", ".........", "..sssss..",
                       ".........", ".........", "........."};
const Mini kMiniHeart = {".RR.RR...", "RwRRRRr..", "RRRRRRr..", ".RRRRr...",
                         "..RRr....", "...r.....", "........."};

// Each miniature is centred in its third of the cell; most are 9 wide, a word
// like BAR may take the whole 11.
void miniCell(QImage& img, int k, const Mini& a, const Mini& b, const Mini& c) {
    const int ox = kPayCellW * k, oy = kSymbolH, third = kPayCellW / 3;
    fill(img, QRect(ox, oy, kPayCellW, kPayCellH), colours::kPanel);
    int x = ox;
    for (const Mini* m : {&a, &b, &c}) {
        sprite(img, x + (third - int((*m)[0].size())) / 2, oy, *m, kMiniPalette);
        x += third;
    }
}

void payBand(QImage& img, const Mini& a, const Mini& b, const Mini& c, const Mini& d, const Mini& e,
             const Mini& f, const Mini& g, const Mini& h, const Mini& i, const Mini& crown) {
    miniCell(img, 0, a, kMiniAny, kMiniAny);
    miniCell(img, 1, a, a, kMiniAny);
    miniCell(img, 2, b, b, b);
    miniCell(img, 3, b, b, crown);
    miniCell(img, 4, c, c, c);
    miniCell(img, 5, c, c, crown);
    miniCell(img, 6, d, d, d);
    miniCell(img, 7, d, d, crown);
    miniCell(img, 8, e, f, f);
    miniCell(img, 9, e, f, crown);
    miniCell(img, 10, g, g, crown);
    miniCell(img, 11, h, i, crown);
}

QImage themeWithSymbols(const SymbolFn (&symbols)[15]) {
    QImage img(kThemeWidth, kThemeHeight, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 0));
    for (int s = 0; s < 15; ++s) {
        // Each symbol is drawn on its own canvas so that nothing spills over.
        QImage cell(W, H, QImage::Format_RGB32);
        cell.fill(qRgb(0, 0, 0));
        symbols[s](cell, 0);
        paste(img, cell, W * s, 0);
    }
    return img;
}

}  // namespace pictures::reel
