// Shared tools of the reel themes: the reel paper behind a symbol, shading of
// silhouettes with drop shadows, stems and leaves, and the miniature pictures
// of the pay-table band. Every theme marks its symbols the same way:
//   Back::Joker  gold sparkles in two corners (0, 4 and 11 stand in for others),
//   Back::Mania  a violet sunburst (9, 10 and 12, the symbols of the Mania period).
#pragma once

#include "art.h"
#include "pictures.h"

#include <QPainterPath>

#include <string_view>
#include <vector>

namespace pictures::reel {

using art::kGold;
using art::Mask;
using art::Ramp;

inline constexpr int W = kSymbolW;
inline constexpr int H = kSymbolH;

enum class Back { Plain, Joker, Mania };

// The surface a theme's symbols are printed on.
enum class Paper { Cream, Velvet, Chrome };

// Colour ramps shared by the themes (dark outline first, highlight last).
extern const Ramp kRed, kLeaf, kLemon, kOrange, kPlum, kGrape, kSilver, kGem, kBarBlack;
extern const QRgb kStem, kStemDark;

QPainterPath starPath(double cx, double cy, double ro, double ri, int points, double rot = -90);
Mask pathMask(const QPainterPath& p);
// The mask grown by one pixel in the four directions.
Mask grown(const Mask& m);

void background(QImage& img, int ox, Back back, Paper paper);
// A soft drop shadow of a mask on whatever is below it, down and to the right.
void shadow(QImage& img, int ox, int oy, const Mask& m, Back back);
void shaded(QImage& img, int ox, const Mask& m, const Ramp& r, double radius, Back back, bool specular = true,
            double bias = 0.0);
// A stroked path with a darker lower-right edge.
void curve(QImage& img, int ox, const QPainterPath& path, double width, QRgb c, QRgb dark);
void leaf(QImage& img, int ox, double cx, double cy, double len, double angleDeg, Back back);
// A faceted cut stone: flat shades of the ramp by the direction each facet faces.
void facets(QImage& img, int ox, const Mask& m, const Ramp& r, double cx, double cy, int sides,
            double tableRadius);
// The lucky seven on the Mania sunburst with its one-pixel metal rim and the
// rim's shadow; returns the numeral's own mask for the theme to fill.
Mask seven(QImage& img, int ox, const Ramp& rim, Paper paper);
// A cut diamond on the joker's paper. The crown above the girdle is cut alike in
// every theme; pavilion gives the ramp index of a pixel centre below the girdle.
using PavilionFn = int (*)(double fx, double fy);
void diamond(QImage& img, int ox, const Ramp& r, Paper paper, PavilionFn pavilion);
// A crown on the Mania sunburst: metal ramp, jewel ramps for the centre and the sides.
void crown(QImage& img, int ox, const Ramp& metal, const Ramp& centre, const Ramp& side, Paper paper);

// The pay-table band: three 9 x 7 miniatures per 33 x 7 cell.
using Mini = std::vector<std::string_view>;
extern const std::vector<art::PaletteEntry> kMiniPalette;
extern const Mini kMiniAny, kMiniHeart;
void miniCell(QImage& img, int k, const Mini& a, const Mini& b, const Mini& c);
// The twelve cells of the band, the same combinations in every theme:
// a, a a, b b b, b b crown, c c c, c c crown, d d d, d d crown, e f f, e f crown,
// g g crown and h i crown (kMiniAny fills the places where any symbol counts).
void payBand(QImage& img, const Mini& a, const Mini& b, const Mini& c, const Mini& d, const Mini& e,
             const Mini& f, const Mini& g, const Mini& h, const Mini& i, const Mini& crown);

// Draws fifteen symbol functions into a new theme picture; the caller adds the pay band.
using SymbolFn = void (*)(QImage&, int);
QImage themeWithSymbols(const SymbolFn (&symbols)[15]);

}  // namespace pictures::reel
