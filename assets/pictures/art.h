// Small pixel-art toolkit shared by every picture of the machine: exact pixel
// plotting, bevelled boxes, shaded blobs with crisp outlines and two hand-made
// bitmap fonts. Nothing here is anti-aliased unless a function says so.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QString>

#include <functional>
#include <string_view>
#include <vector>

#include "machine/cells.h"

class QPainter;

namespace art {

// A colour ramp from dark to light; entry 0 is the outline colour.
using Ramp = std::vector<QRgb>;

// The gold of the cabinet trim, the lamps and the reel symbols.
extern const Ramp kGold;
// The cabinet's red lacquer, the chrome of the slot, tray and lever, the
// silver of the coins and the red of the lever's knob: the machine's picture
// and its icons share them.
extern const Ramp kLacquer;
extern const Ramp kChrome;
extern const Ramp kCoin;
extern const Ramp kKnob;

QRgb rgb(int r, int g, int b);
QRgb mix(QRgb a, QRgb b, double t);
QRgb darker(QRgb c, double f);
QRgb lighter(QRgb c, double f);

QRect rect(const fw::Cell& c);

// A deterministic hash in [0, 1) for textures; same input, same output.
double hash01(int x, int y, int salt);

// Plain pixel operations (all clipped to the image).
void put(QImage& img, int x, int y, QRgb c);
QRgb get(const QImage& img, int x, int y);
void fill(QImage& img, const QRect& r, QRgb c);
void hline(QImage& img, int x0, int x1, int y, QRgb c);
void vline(QImage& img, int x, int y0, int y1, QRgb c);
void frame(QImage& img, const QRect& r, QRgb c);
// A raised (out = true) or sunken box edge: light top-left, dark bottom-right.
void bevel(QImage& img, const QRect& r, QRgb light, QRgb dark, bool out = true);
void vgradient(QImage& img, const QRect& r, QRgb top, QRgb bottom);
void hgradient(QImage& img, const QRect& r, QRgb left, QRgb right);
// Filled ellipse inside r, pixel exact.
void ellipse(QImage& img, const QRectF& r, QRgb c);
// Pasting one image into another at (x, y).
void paste(QImage& dst, const QImage& src, int x, int y);

// A picture of w x h pixels, transparent everywhere.
QImage transparent(int w, int h);
// A transparent square picture of size x size pixels drawn smoothly (anti-aliased)
// by draw, whose coordinates span units x units whatever the size.
QImage painted(int size, double units, const std::function<void(QPainter&)>& draw);

// A silhouette at pixel resolution: true where the shape covers the pixel centre.
class Mask {
public:
    Mask(int w, int h);
    static Mask fromPath(int w, int h, const QPainterPath& path);
    static Mask ellipse(int w, int h, double cx, double cy, double rx, double ry);
    int w() const { return w_; }
    int h() const { return h_; }
    bool at(int x, int y) const;
    void set(int x, int y, bool v);
    Mask& unite(const Mask& o);
    Mask& subtract(const Mask& o);
    Mask shifted(int dx, int dy) const;
    bool edge(int x, int y) const;  // inside with a 4-neighbour outside

private:
    int w_, h_;
    std::vector<unsigned char> bits_;
};

// Shading of a silhouette as a rounded cushion lit from the upper left:
// colours come from the ramp (1..n-1 by light, 0 for the outline), the
// brightest entry marks a small specular spot. radius is the bevel depth.
struct ShadeOptions {
    double radius = 6.0;
    bool outline = true;
    bool specular = true;
    double lightX = -0.55, lightY = -0.65;  // direction towards the light
    double ambient = 0.18;
    double bias = 0.0;  // added to the light level before quantising
};
void shade(QImage& img, int ox, int oy, const Mask& m, const Ramp& ramp, const ShadeOptions& opt = {});
// A sphere-like shaded ellipse (radius derived from the ellipse).
void ball(QImage& img, double cx, double cy, double rx, double ry, const Ramp& ramp, bool outline = true);
// Flat fill of a mask, with an optional outline colour.
void flat(QImage& img, int ox, int oy, const Mask& m, QRgb c, QRgb outline = 0, bool withOutline = false);

// The 6 x 7 cell font of the machine (5-pixel wide glyphs, one blank column):
// the game's font alphabet (fw::kFontAlphabet) plus a few extras used only for
// painted captions ('¢', '/', '*', '+').
// Row r (0..6) of glyph for character ch as a 5-bit pattern (bit 4 = left).
unsigned glyphRow(char32_t ch, int r);
void text(QImage& img, int x, int y, std::u32string_view s, QRgb c, int pitch = 6);
int textWidth(std::u32string_view s, int pitch = 6);
void textCentered(QImage& img, int cx, int y, std::u32string_view s, QRgb c, int pitch = 6);
// Double-size version for titles.
void bigText(QImage& img, int x, int y, std::u32string_view s, QRgb c, int scale);

// The tiny 3 x 5 caption font (M, W, N and a few others are wider).
int tinyWidth(std::u32string_view s);
void tiny(QImage& img, int x, int y, std::u32string_view s, QRgb c);
void tinyCentered(QImage& img, int cx, int y, std::u32string_view s, QRgb c);
// Caption with a one-pixel drop shadow to the lower right.
void tinyShadow(QImage& img, int x, int y, std::u32string_view s, QRgb c, QRgb shadow);

// Small hand-drawn sprites given as rows of characters with a palette.
struct PaletteEntry {
    char key;
    QRgb colour;
};
void sprite(QImage& img, int x, int y, const std::vector<std::string_view>& rows,
            const std::vector<PaletteEntry>& palette);

}  // namespace art
