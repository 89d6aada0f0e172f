// The program's picture: a little red fruit machine with a gold crest, a lamp
// marquee, three reels showing cherries, a seven and a bell, three hold
// buttons, a payout tray and the lever on its right side. The window icon and
// the About window's logo are this one design. Every size is pixel art fitted
// to its own grid: the three smallest are drawn pixel by pixel, the larger
// ones are built from a layout chosen for their size, with outlines as thick
// as the size can carry. Nothing is anti-aliased or scaled.
#include "pictures.h"

#include "art.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace pictures {
namespace {

using namespace art;

// ------------------------------------------------------------ palette

const Ramp kSevenR = {rgb(74, 8, 16),   rgb(150, 14, 30),  rgb(206, 30, 40),
                      rgb(236, 56, 52), rgb(255, 120, 96), rgb(255, 228, 214)};
const Ramp kHoldR = {rgb(10, 20, 60),   rgb(30, 56, 150),   rgb(46, 84, 196),
                     rgb(64, 112, 232), rgb(120, 164, 255), rgb(220, 234, 255)};
const Ramp kLampOrange = {rgb(110, 30, 6),   rgb(200, 70, 20),   rgb(240, 104, 40),
                          rgb(255, 140, 70), rgb(255, 196, 140), rgb(255, 250, 236)};
const Ramp kLampYellow = {rgb(120, 80, 6),    rgb(220, 170, 30),  rgb(250, 214, 70),
                          rgb(255, 236, 140), rgb(255, 248, 200), rgb(255, 255, 255)};
const QRgb kGlassTop = rgb(44, 60, 136), kGlassBottom = rgb(14, 20, 56);
const QRgb kWindowDark = rgb(16, 16, 22);
const QRgb kStemGreen = rgb(70, 130, 34), kStemDark = rgb(24, 60, 14);
const QRgb kLeafGreen = rgb(120, 200, 70);
const QRgb kPayLine = rgb(236, 40, 40);
const QRgb kShadow = qRgba(0, 0, 0, 72);
const QRgb kWhite = rgb(255, 255, 255);

// ------------------------------------------------------------ hand-drawn pixels

using Pixels = std::vector<std::string_view>;

// One letter per colour of the design: o cabinet outline, 1-5 lacquer from
// dark to light, k D d g y W gold from dark to white, n N marquee glass,
// O q Y lamps, w v u reel paper and its shade, x the window's dark, K m r R P
// the red of cherries, sevens and the knob, s l stems and leaf, j h H hold
// buttons, c F f C e E chrome from dark to light, - the shadow on the floor.
const std::vector<PaletteEntry> kPalette = {
    {'o', kLacquer[0]},
    {'1', kLacquer[1]},
    {'2', kLacquer[2]},
    {'3', kLacquer[3]},
    {'4', kLacquer[4]},
    {'5', kLacquer[5]},
    {'k', kGold[0]},
    {'D', kGold[1]},
    {'d', kGold[2]},
    {'g', kGold[3]},
    {'y', kGold[4]},
    {'W', rgb(255, 255, 255)},
    {'n', kGlassTop},
    {'N', kGlassBottom},
    {'O', kLampOrange[3]},
    {'q', kLampOrange[1]},
    {'Y', kLampYellow[3]},
    {'w', colours::kReel},
    {'v', colours::kReelShade},
    {'u', rgb(176, 160, 128)},
    {'x', kWindowDark},
    {'K', kKnob[0]},
    {'m', kKnob[1]},
    {'r', kKnob[2]},
    {'R', kKnob[3]},
    {'P', kKnob[4]},
    {'s', kStemGreen},
    {'l', kLeafGreen},
    {'j', kHoldR[1]},
    {'h', kHoldR[3]},
    {'H', kHoldR[4]},
    {'c', kChrome[0]},
    {'F', kChrome[1]},
    {'f', kChrome[2]},
    {'C', kChrome[3]},
    {'e', kChrome[4]},
    {'E', kChrome[5]},
    {'-', kShadow},
};

struct Parts {
    Pixels cherries, seven, bell;
};

const Pixels kIcon16 = {
    "...ooooooo..RR..", "..oyyyyyyyo.PRr.", ".oy5544333doRRrm", "o4nOnYnOnYn2omm.",
    "o4NNNNNNNNN2o.e.", "o45544333222o.e.", "oyyyyyyyyyydo.e.", "owswxRRRxwgwo.e.",
    "oswsxwwRxygdo.e.", "oRwRxwRwxygdo.e.", "omwmxwRwxgdDoFf.", "oddddddddddDoFf.",
    "o4h433h322h2o...", "o454ceeec222o...", "o343cFEFc211o...", "ooooooooooooo...",
};

const Pixels kIcon24 = {
    "....oooooooooooooo.RRr..", "..ooyyyyyyyyyyyyyyoRPRrm", ".oy45554443333222ddoRrrm",
    ".og5nnnnnnnnnnnn2do.rmm.", ".og5nYOnnWYnnYOn2do..e..", ".og5NOqNNYdNNOqN2do..eC.",
    ".og5NNNNNNNNNNNN2do..eC.", ".og55544433332222do..eC.", ".oyyyyyyyyyyyyyyyyo..eC.",
    ".ogvvvvxvvvvxvvvvdo..eC.", ".ogwwslxRRRRxwgdwdo..eC.", ".ogwswsxwwRmxwgdwdo..eC.",
    ".ogPRwsxwRmwxyggddo..eC.", ".ogRmPRxwRwwxgddDdo.cccc", ".ogwwRmxwRwwxwDkwdo.ceCc",
    ".ogvvvvxvvvvxvvvvdo.cCfc", ".odddddddddddddddDo.cccc", ".o4555444333322221o.....",
    ".o45HH444HH3322HH1o.....", ".o4554433333322211o.....", ".o45543ceeeec32211o.....",
    ".o34432cxeexc21111o.....", ".oooooooooooooooooo.....", "..------------------....",
};

const Pixels kIcon32 = {
    ".....oooooooooooooooo...........", "...ooyyyyyyyyyyyyyyyyoo...KKKK..",
    "..oyy5444443333332222ddo.KRPRrK.", ".oy55544444333333222221doKRRRrK.",
    ".og5DDDDDDDDDDDDDDDDDD1doKRRrmK.", ".og5DnnnnnnnnnnnnnnnnD1doKrrmmK.",
    ".og5DnYOnnWYnnYOnnWYnD1do.KKKK..", ".og5DNOqNNYdNNOqNNYdND1do..eC...",
    ".og5DNNNNNNNNNNNNNNNND1do..eC...", ".og5DDDDDDDDDDDDDDDDDD1do..eC...",
    ".og55544444333333222221do..eC...", ".oyyyyyyyyyyyyyyyyyyyyyyo..eC...",
    ".ogvvvvvvxvvvvvvxvvvvvvdo..eC...", ".ogwwwsllxPRRRRRxwwgdwwdo..eC...",
    ".ogwwswswxmmmRRmxwyggdwdo..eC...", ".ogwswwswxwwwRmwxwyggdwdo..eC...",
    ".ogPRrwswxwwRmwwxwyggdwdo..eC...", ".ogRRrPRrxwRRwwwxyggddDdo..eC...",
    ".ogrrmRRrxwRmwwwxdddDDkdo..eC...", ".ogwwwrrmxwRmwwwxwwDkwwdo..eC...",
    ".ogvvvvvvxvvvvvvxvvvvvvdoccccc..", ".odddddddddddddddddddddDoceeCc..",
    ".og55544444333333222221doceeCc..", ".og5HHHh444HHHh332HHHh1docCCfc..",
    ".og5hhhj444hhhj332hhhj1docfffc..", ".og55544444333333222221doccccc..",
    ".og555444ceEEEEec222221do.......", ".og555444cxxxxxxc222221do.......",
    ".og555444cxeEEexc222221do.......", ".og555444cccccccc222221do.......",
    ".oooooooooooooooooooooooo.......", "..--------------------------....",
};

// The reel symbols where the reels are too narrow to draw them from shapes.
const Parts kParts48 = {
    {".....sll", "....ss..", "...s..s.", "..s...s.", "..s...s.", "PRr...s.", "RRr.PRr.", "rrm.RRr.",
     "....rrm."},
    {"PRRRRRRr", "rrrrrRRm", "....RRm.", "....RRm.", "...RRm..", "...RRm..", "..RRm...", "..RRm...",
     "..RRm..."},
    {"...gd...", "..yggd..", "..yggd..", ".yyggdd.", ".ygggdd.", ".ygggdd.", "yggggddD", "dddddDDk",
     "...dD..."},
};
const Parts kParts64 = {
    {"......sll.", ".....ss.ll", "....s..s..", "....s..s..", "...s...s..", "...s...s..", ".KKK...s..",
     "KPRrK.KKK.", "KRRrKKPRrK", "KrrmKKRRrK", ".KKK.KrrmK", "......KKK."},
    {"KKKKKKKKKK", "KPRRRRRRRK", "KmmmmmRRmK", ".KKKKRRmK.", "....KRRmK.", "...KRRmK..", "...KRRmK..",
     "..KRRmK...", "..KRRmK...", ".KRRmK....", ".KRRmK....", ".KKKKK...."},
    {"....kk....", "...kygk...", "..kyggdk..", "..kyggdk..", ".kyyggddk.", ".kygggddk.", ".kygggddk.",
     "kyggggdddk", "kddddddDDk", "kkkkkkkkkk", "...kgdk...", "....kk...."},
};

// ------------------------------------------------------------ distance bands

// For every pixel of a mask, how far it lies inside: 1 on the edge, growing by
// one per pixel inwards (a chamfer distance, near enough to round corners).
class Depth {
public:
    explicit Depth(const Mask& m) : w_(m.w()), h_(m.h()), d_(size_t(w_) * h_, 0.0f) {
        const float big = 1e9f, diag = 1.41421356f;
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) at(x, y) = m.at(x, y) ? big : 0.0f;
        auto relax = [&](int x, int y, int dx, int dy, float cost) {
            const int nx = x + dx, ny = y + dy;
            const float n = (nx < 0 || ny < 0 || nx >= w_ || ny >= h_) ? 0.0f : at(nx, ny);
            at(x, y) = std::min(at(x, y), n + cost);
        };
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x)
                if (at(x, y) > 0) {
                    relax(x, y, -1, 0, 1);
                    relax(x, y, 0, -1, 1);
                    relax(x, y, -1, -1, diag);
                    relax(x, y, 1, -1, diag);
                }
        for (int y = h_ - 1; y >= 0; --y)
            for (int x = w_ - 1; x >= 0; --x)
                if (at(x, y) > 0) {
                    relax(x, y, 1, 0, 1);
                    relax(x, y, 0, 1, 1);
                    relax(x, y, 1, 1, diag);
                    relax(x, y, -1, 1, diag);
                }
    }
    float operator()(int x, int y) const {
        return (x < 0 || y < 0 || x >= w_ || y >= h_) ? 0.0f : d_[size_t(y) * w_ + x];
    }
    // The pixels deeper than n.
    Mask inner(float n) const {
        Mask m(w_, h_);
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) m.set(x, y, (*this)(x, y) > n + 0.01f);
        return m;
    }

private:
    float& at(int x, int y) { return d_[size_t(y) * w_ + x]; }
    int w_, h_;
    std::vector<float> d_;
};

using Paint = std::function<QRgb(int x, int y)>;

// Paints every pixel of m with the colour paint gives it.
void paint(QImage& img, const Mask& m, const Paint& colour) {
    for (int y = 0; y < m.h(); ++y)
        for (int x = 0; x < m.w(); ++x)
            if (m.at(x, y)) put(img, x, y, colour(x, y));
}

void paint(QImage& img, const Mask& m, QRgb c) {
    paint(img, m, [c](int, int) { return c; });
}

Mask roundedMask(int size, const QRect& r, double radius) {
    QPainterPath p;
    p.addRoundedRect(QRectF(r.x(), r.y(), r.width(), r.height()), radius, radius);
    return Mask::fromPath(size, size, p);
}

// A shaded silhouette with an outline `line` pixels wide.
void solid(QImage& img, const Mask& m, const Ramp& r, int line, double radius, bool specular = true) {
    paint(img, m, r[0]);
    Mask inside = Depth(m).inner(float(line));
    ShadeOptions o;
    o.radius = radius;
    o.outline = false;
    o.specular = specular;
    shade(img, 0, 0, inside, r, o);
}

void knob(QImage& img, double cx, double cy, double radius, const Ramp& r, int line) {
    const int size = img.width();
    solid(img, Mask::ellipse(size, size, cx, cy, radius, radius), r, line, radius);
}

// A chrome bar lit from the left: bright a third of the way in, dark at the right.
QRgb chromeColumn(double t) {
    static const int steps[] = {3, 4, 5, 5, 4, 4, 3, 3, 2, 2, 1};
    return kChrome[size_t(steps[std::clamp(int(t * 11), 0, 10)])];
}

// ------------------------------------------------------------ the layout

// Where everything goes at one size. Rectangles include their outlines.
struct Fit {
    int size;
    int line;       // outline of the cabinet, the lever and the window
    int detail;     // outline of the symbols, lamps and buttons
    QRect body;     // the cabinet
    int crest;      // radius of its rounded top corners
    QRect marquee;  // the lamp panel
    int lamps;
    QRect window;   // the reel window
    int frame;      // the window's outline and gold band together
    int cell, gap;  // a reel's width and the dark post between two reels
    int holdY, holdW, holdH;
    QRect tray;
    QRect rod, base;  // the lever's arm and its foot behind the cabinet
    double knobX, knobY, knobR;
    QRect shadow;                  // on the floor under the cabinet
    const Parts* parts = nullptr;  // hand-drawn symbols for narrow reels
};

// clang-format off
const Fit kFits[] = {
    // size line detail body                        crest marquee                     lamps window                      frame cell gap holdY holdW holdH tray                        rod                         base                        knob                  shadow
    {48,   1,   1,     QRect(3, 2, 38, 43),         10,   QRect(7, 5, 30, 7),         5,    QRect(6, 14, 32, 18),       2,    8,   2,  33,   6,    3,    QRect(14, 37, 16, 7),       QRect(41, 9, 3, 20),        QRect(38, 25, 6, 8),        43.0, 7.5, 3.5,       QRect(4, 43, 38, 4),    &kParts48},
    {64,   1,   1,     QRect(4, 2, 50, 57),         13,   QRect(9, 6, 40, 10),        7,    QRect(8, 19, 42, 24),       2,    12,  1,  45,   8,    4,    QRect(18, 50, 22, 7),       QRect(55, 13, 3, 27),       QRect(52, 35, 7, 9),        57.0, 10.5, 4.5,      QRect(5, 57, 51, 5),    &kParts64},
    {96,   1,   1,     QRect(6, 3, 75, 86),         20,   QRect(14, 9, 59, 14),       7,    QRect(12, 29, 63, 35),      3,    17,  3,  67,   12,   5,    QRect(27, 76, 33, 11),      QRect(82, 20, 5, 42),       QRect(78, 54, 10, 14),      85.0, 16.0, 6.5,      QRect(8, 86, 76, 8)},
    {128,  2,   1,     QRect(8, 4, 100, 114),       27,   QRect(19, 12, 78, 18),      7,    QRect(16, 39, 84, 46),      4,    24,  2,  89,   16,   7,    QRect(36, 101, 44, 15),     QRect(109, 27, 7, 56),      QRect(104, 72, 13, 19),     113.0, 21.5, 9.0,     QRect(11, 115, 101, 11)},
    {256,  3,   2,     QRect(15, 7, 200, 230),      56,   QRect(36, 22, 158, 38),     7,    QRect(30, 75, 170, 96),     7,    48,  6,  180,  34,   13,   QRect(70, 199, 90, 32),     QRect(220, 52, 13, 116),    QRect(209, 146, 26, 38),    226.5, 42.0, 18.0,    QRect(20, 230, 206, 22)},
    {512,  6,   3,     QRect(30, 14, 400, 456),     112,  QRect(74, 44, 312, 76),     9,    QRect(60, 150, 340, 190),   14,   96,  12, 356,  66,   26,   QRect(140, 396, 180, 62),   QRect(440, 104, 26, 230),   QRect(418, 290, 52, 76),    453.0, 84.0, 36.0,    QRect(40, 460, 410, 44)},
};
// clang-format on

// ------------------------------------------------------------ the parts

// The lever stands behind the cabinet's right side: arm, foot and red knob.
void lever(QImage& img, const Fit& f) {
    for (const QRect& r : {f.rod, f.base}) {
        fill(img, r, kChrome[0]);
        const QRect in = r.adjusted(f.detail, f.detail, -f.detail, -f.detail);
        for (int x = in.left(); x <= in.right(); ++x)
            vline(img, x, in.top(), in.bottom(),
                  chromeColumn(double(x - in.left()) / std::max(1, in.width())));
    }
    // The foot's slot where the arm goes in.
    const int slot = std::max(1, f.base.height() / 5);
    fill(img, QRect(f.rod.left(), f.base.top() + f.detail, f.rod.width(), slot), kChrome[0]);
    knob(img, f.knobX, f.knobY, f.knobR, kKnob, f.line);
}

// The cabinet: a dark outline, a gold band and the red lacquer, lit from the
// left like a cylinder, with a shine along the crest.
void cabinet(QImage& img, const Fit& f) {
    const QRectF b(f.body.x(), f.body.y(), f.body.width(), f.body.height());
    const double r = f.crest;
    QPainterPath p;
    p.moveTo(b.left(), b.bottom());
    p.lineTo(b.left(), b.top() + r);
    p.arcTo(QRectF(b.left(), b.top(), 2 * r, 2 * r), 180, -90);
    p.lineTo(b.right() - r, b.top());
    p.arcTo(QRectF(b.right() - 2 * r, b.top(), 2 * r, 2 * r), 90, -90);
    p.lineTo(b.right(), b.bottom());
    p.closeSubpath();
    const Mask m = Mask::fromPath(f.size, f.size, p);
    const Depth depth(m);
    const int gold = std::max(1, f.line);
    const double cx = b.center().x();
    paint(img, m, [&](int x, int y) {
        const float d = depth(x, y);
        if (d <= f.line) return kLacquer[0];
        if (d <= f.line + gold) {
            // The gold band: bright where it faces up and left, deep at the lower right.
            const bool lit = y < b.top() + r ? x < cx + r * 0.3 : x < cx;
            return lit ? (y < b.top() + r ? kGold[4] : kGold[3]) : kGold[2];
        }
        // Lacquer bands across the width, and the foot in shadow.
        static const int bands[] = {2, 3, 4, 5, 4, 4, 3, 3, 3, 2, 2, 1};
        const double t = (x - b.left()) / b.width();
        int k = bands[std::clamp(int(t * 12), 0, 11)];
        if (y > b.bottom() - f.line - gold - std::max(1, f.size / 24)) k = std::max(1, k - 2);
        return kLacquer[size_t(k)];
    });
    // The shine: a pale arc just inside the gold of the left crest, brightest
    // at its middle, with a glint where it is brightest.
    const float in = float(f.line + gold);
    const float w = float(std::max(1, f.line));
    const QPointF centre(b.left() + r, b.top() + r);
    for (int y = f.body.top(); y < f.body.top() + int(r); ++y)
        for (int x = f.body.left(); x < int(centre.x() + r * 0.4); ++x) {
            const float d = depth(x, y);
            if (d <= in + w * 0.5f || d > in + w * 1.5f) continue;
            const double a = std::atan2(centre.y() - (y + 0.5), centre.x() - (x + 0.5)) * 180 / 3.14159265;
            if (a > 40 && a < 108) put(img, x, y, a > 58 && a < 92 ? rgb(255, 200, 180) : kLacquer[5]);
        }
}

// A glint where the light catches the gold of the crest.
void glint(QImage& img, const Fit& f) {
    if (f.size < 64) return;
    const double a = 62 * 3.14159265 / 180, rr = f.crest - f.line - std::max(1, f.line) / 2.0;
    const int gx = int(f.body.left() + f.crest - rr * std::cos(a));
    const int gy = int(f.body.top() + f.crest - rr * std::sin(a));
    const int arm = f.line + f.detail + 1;
    hline(img, gx - arm, gx + arm, gy, kWhite);
    vline(img, gx, gy - arm, gy + arm, kWhite);
    const int core = arm / 3;
    fill(img, QRect(gx - core, gy - core, 2 * core + 1, 2 * core + 1), kWhite);
}

// The lamp panel: dark blue glass in a gold rim with a row of bulbs.
void marquee(QImage& img, const Fit& f) {
    const Mask m = roundedMask(f.size, f.marquee, std::max(1.0, f.line * 2.0));
    const Depth depth(m);
    const QRect& q = f.marquee;
    paint(img, m, [&](int x, int y) {
        if (depth(x, y) <= f.line) return kGold[1];
        // The glass in four bands from top to bottom.
        const double t = double(y - q.top()) / q.height();
        const QRgb glass = mix(kGlassTop, kGlassBottom, std::floor(t * 4) / 3.0);
        // A reflection slanting across the left of the glass.
        const int streak = (x - q.left()) + (y - q.top()) - q.height();
        const bool shine = f.size >= 96 && streak >= 0 && streak < q.height() / 3;
        return shine ? lighter(glass, 0.16) : glass;
    });
    const double pitch = double(q.width() - 2 * f.line) / f.lamps;
    const double radius = std::min(pitch * 0.36, (q.height() - 2 * f.line) * 0.34);
    for (int i = 0; i < f.lamps; ++i) {
        const double x = std::round(q.left() + f.line + pitch * (i + 0.5) - 0.5) + 0.5;
        const double y = q.top() + q.height() / 2.0;
        const bool yellow = i % 2;
        if (radius < 2.5)
            sprite(img, int(x) - 1, int(y) - 1,
                   yellow ? Pixels{"dYd", "YWY", "dYd"} : Pixels{"qOq", "OYO", "qOq"}, kPalette);
        else if (radius < 4)
            sprite(img, int(x) - 2, int(y) - 2,
                   yellow ? Pixels{".dYd.", "dYWYd", "YWWWY", "dYWYd", ".dYd."}
                          : Pixels{".qOq.", "qOYOq", "OYWYO", "qOYOq", ".qOq."},
                   kPalette);
        else
            knob(img, x, y, radius, i % 2 ? kLampYellow : kLampOrange, f.detail);
    }
}

// Cherries, a seven and a bell in a square box.
void cherries(QImage& img, const Fit& f, const QRectF& s) {
    const int size = f.size;
    QPainterPath stems;
    const QPointF top(s.left() + s.width() * 0.64, s.top() + s.height() * 0.1);
    stems.moveTo(s.left() + s.width() * 0.3, s.top() + s.height() * 0.6);
    stems.quadTo(QPointF(s.left() + s.width() * 0.36, s.top() + s.height() * 0.28), top);
    stems.moveTo(s.left() + s.width() * 0.72, s.top() + s.height() * 0.66);
    stems.quadTo(QPointF(s.left() + s.width() * 0.74, s.top() + s.height() * 0.34), top);
    QPainterPathStroker stroker;
    stroker.setWidth(std::max(1.0, s.width() * 0.09));
    stroker.setCapStyle(Qt::RoundCap);
    const Mask stem = Mask::fromPath(size, size, stroker.createStroke(stems));
    paint(img, stem, kStemGreen);
    QPainterPath leafPath;
    leafPath.addEllipse(QPointF(top.x() + s.width() * 0.16, top.y() + s.height() * 0.06), s.width() * 0.17,
                        s.height() * 0.08);
    solid(img, Mask::fromPath(size, size, leafPath), {kStemDark, kStemGreen, kLeafGreen, kLeafGreen},
          f.detail, 2.0, false);
    const double rb = s.width() * 0.22;
    knob(img, s.left() + s.width() * 0.28, s.top() + s.height() * 0.72, rb, kKnob, f.detail);
    knob(img, s.left() + s.width() * 0.72, s.top() + s.height() * 0.78, rb, kKnob, f.detail);
}

void seven(QImage& img, const Fit& f, const QRectF& s) {
    auto pt = [&](double u, double v) { return QPointF(s.left() + s.width() * u, s.top() + s.height() * v); };
    QPainterPath p;
    p.moveTo(pt(0.1, 0.06));
    p.lineTo(pt(0.92, 0.06));
    p.lineTo(pt(0.92, 0.28));
    p.lineTo(pt(0.62, 0.95));
    p.lineTo(pt(0.3, 0.95));
    p.lineTo(pt(0.64, 0.3));
    p.lineTo(pt(0.1, 0.3));
    p.closeSubpath();
    solid(img, Mask::fromPath(f.size, f.size, p), kSevenR, f.detail, std::max(1.5, s.width() * 0.08));
}

void bell(QImage& img, const Fit& f, const QRectF& s) {
    auto pt = [&](double u, double v) { return QPointF(s.left() + s.width() * u, s.top() + s.height() * v); };
    knob(img, s.left() + s.width() * 0.5, s.top() + s.height() * 0.88, s.width() * 0.11, kGold, f.detail);
    QPainterPath p;
    p.moveTo(pt(0.5, 0.1));
    p.cubicTo(pt(0.8, 0.1), pt(0.78, 0.38), pt(0.8, 0.56));
    p.lineTo(pt(0.94, 0.8));
    p.lineTo(pt(0.06, 0.8));
    p.lineTo(pt(0.2, 0.56));
    p.cubicTo(pt(0.22, 0.38), pt(0.2, 0.1), pt(0.5, 0.1));
    p.closeSubpath();
    p.addEllipse(pt(0.5, 0.09), s.width() * 0.08, s.width() * 0.08);
    solid(img, Mask::fromPath(f.size, f.size, p), kGold, f.detail, std::max(1.5, s.width() * 0.18));
}

// The reel window: gold frame, three cream drums with their symbols.
void reels(QImage& img, const Fit& f) {
    const QRect& w = f.window;
    fill(img, w, kGold[0]);
    for (int k = f.line; k < f.frame; ++k) {
        const QRect r = w.adjusted(k, k, -k, -k);
        frame(img, r, kGold[3]);
        bevel(img, r, kGold[4], kGold[2]);
    }
    const QRect in = w.adjusted(f.frame, f.frame, -f.frame, -f.frame);
    fill(img, in, kWindowDark);
    if (3 * f.cell + 2 * f.gap != in.width()) {
        std::fprintf(stderr, "make_pictures: the %d px icon's reels do not fill their window\n", f.size);
        std::abort();
    }
    for (int r = 0; r < 3; ++r) {
        const int x0 = in.left() + r * (f.cell + f.gap);
        for (int y = in.top(); y <= in.bottom(); ++y) {
            // The drum turns away at the top and bottom.
            const double t = std::abs(y + 0.5 - (in.top() + in.height() / 2.0)) / (in.height() / 2.0);
            const QRgb c = t < 0.5    ? colours::kReel
                           : t < 0.72 ? colours::kReelShade
                           : t < 0.88 ? rgb(176, 160, 128)
                                      : rgb(110, 96, 74);
            hline(img, x0, x0 + f.cell - 1, y, c);
        }
        const double side = std::min(f.cell * 0.9, in.height() * 0.7);
        const QRectF box(x0 + (f.cell - side) / 2.0, in.top() + (in.height() - side) / 2.0, side, side);
        if (f.parts) {
            const Pixels& p = r == 0 ? f.parts->cherries : r == 1 ? f.parts->seven : f.parts->bell;
            const int pw = int(p[0].size()), ph = int(p.size());
            sprite(img, x0 + (f.cell - pw + 1) / 2, in.top() + (in.height() - ph + 1) / 2, p, kPalette);
        } else {
            if (r == 0) cherries(img, f, box);
            if (r == 1) seven(img, f, box);
            if (r == 2) bell(img, f, box);
        }
    }
    // Pay-line arrows pointing in from both sides at the middle row.
    if (f.parts) return;  // no room beside hand-drawn symbols
    const int mid = in.top() + in.height() / 2;
    const int reach = std::max(1, f.cell / 8);
    for (int k = 0; k < reach; ++k) {
        vline(img, in.left() + k, mid - (reach - k), mid + (reach - k) - 1, kPayLine);
        vline(img, in.right() - k, mid - (reach - k), mid + (reach - k) - 1, kPayLine);
    }
}

void holdButtons(QImage& img, const Fit& f) {
    const QRect in = f.window.adjusted(f.frame, f.frame, -f.frame, -f.frame);
    for (int r = 0; r < 3; ++r) {
        const int cx = in.left() + r * (f.cell + f.gap) + f.cell / 2;
        const QRect b(cx - f.holdW / 2, f.holdY, f.holdW, f.holdH);
        solid(img, roundedMask(f.size, b, f.holdH * 0.4), kHoldR, f.detail, f.holdH * 0.5);
    }
}

// The payout tray with a few coins lying in it.
void tray(QImage& img, const Fit& f) {
    const QRect& t = f.tray;
    fill(img, t, kChrome[0]);
    const QRect rim = t.adjusted(f.detail, f.detail, -f.detail, -f.detail);
    for (int y = rim.top(); y <= rim.bottom(); ++y)
        hline(img, rim.left(), rim.right(), y, y - rim.top() < f.line ? kChrome[5] : kChrome[3]);
    const int lip = std::max(1, f.line);
    const QRect hole = rim.adjusted(lip, lip * 2, -lip, -f.detail);
    for (int y = hole.top(); y <= hole.bottom(); ++y)
        hline(img, hole.left(), hole.right(), y,
              mix(rgb(14, 14, 20), rgb(60, 62, 74), double(y - hole.top()) / std::max(1, hole.height())));
    if (hole.height() < 8) {
        // Coins seen as a bright face over a grey edge.
        const int cw = std::max(3, hole.width() / 4);
        for (int i = 0; i < 3; ++i) {
            const double gap = (hole.width() - 3 * cw) / 4.0;
            const int x = hole.left() + int(std::lround(gap * (i + 1))) + cw * i, y = hole.bottom();
            if (hole.height() >= 3) hline(img, x + 1, x + cw - 2, y - 2, kCoin[0]);
            hline(img, x, x + cw - 1, y - 1, kCoin[0]);
            hline(img, x + 1, x + cw - 2, y - 1, kCoin[5]);
            hline(img, x + 1, x + cw - 2, y, kCoin[2]);
        }
        return;
    }
    // Coins lying flat, overlapping, the nearest last: a bright face over its edge.
    const int d = f.detail;
    const double rx = hole.width() * 0.17, ry = std::max(1.5, hole.height() * 0.26);
    const double edge = std::max(1.0, ry * 0.45);
    const double cy = hole.bottom() + 1 - ry - edge - d;
    for (int i : {0, 2, 1}) {
        const double x = hole.left() + hole.width() * (0.27 + 0.23 * i), y = cy + (i == 1 ? ry * 0.4 : 0);
        const QRectF face(x - rx, y - ry, 2 * rx, 2 * ry);
        ellipse(img, face.adjusted(-d, -d, d, d + edge), kCoin[0]);
        ellipse(img, face.adjusted(0, edge, 0, edge), kCoin[2]);
        ellipse(img, face, kCoin[4]);
        ellipse(img, face.adjusted(rx * 0.3, ry * 0.3, -rx * 0.3, -ry * 0.3), kCoin[3]);
        ellipse(img, face.adjusted(rx * 0.3, ry * 0.3, -rx * 0.3, -ry * 0.3 - d), kCoin[4]);
    }
}

QImage fitted(const Fit& f) {
    QImage img = transparent(f.size, f.size);
    ellipse(img, QRectF(f.shadow.x(), f.shadow.y(), f.shadow.width(), f.shadow.height()), kShadow);
    lever(img, f);
    cabinet(img, f);
    marquee(img, f);
    reels(img, f);
    holdButtons(img, f);
    tray(img, f);
    glint(img, f);
    return img;
}

}  // namespace

QImage makeAboutLogo() {
    return makeWindowIcon(kAboutLogoSize);
}

QImage makeWindowIcon(int size) {
    for (const auto& [n, pixels] :
         {std::pair{16, &kIcon16}, std::pair{24, &kIcon24}, std::pair{32, &kIcon32}})
        if (n == size) {
            QImage img = transparent(size, size);
            sprite(img, 0, 0, *pixels, kPalette);
            return img;
        }
    for (const Fit& f : kFits)
        if (f.size == size) return fitted(f);
    std::fprintf(stderr, "make_pictures: no %d px icon is fitted\n", size);
    std::abort();
}

}  // namespace pictures
