// The About window's pictures: the logo (a small fruit machine showing three
// reels of the fruit theme), the e-mail picture (a sealed letter with an "@")
// and the homepage picture (a globe with its grid).
#include "pictures.h"

#include "art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace pictures {
namespace {

const QColor kGoldLight(255, 232, 120), kGold(238, 188, 42), kGoldDark(148, 96, 8);
const QColor kOutline(40, 14, 16);

// A bold "@" built from strokes, in a box of size s at (x, y).
void atSign(QPainter& p, QPointF c, double r, QColor col) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(col, r * 0.28, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(c + QPointF(0.0, 0.0), r * 0.36, r * 0.36);
    QPainterPath tail;
    tail.moveTo(c + QPointF(r * 0.36, -r * 0.4));
    tail.lineTo(c + QPointF(r * 0.36, r * 0.2));
    tail.cubicTo(c + QPointF(r * 0.36, r * 0.55), c + QPointF(r * 0.85, r * 0.5), c + QPointF(r * 0.85, 0));
    tail.arcTo(QRectF(c.x() - r * 0.85, c.y() - r * 0.85, r * 1.7, r * 1.7), 0, 300);
    p.drawPath(tail);
    p.restore();
}

}  // namespace

QImage makeAboutLogo(const QImage& fruitTheme) {
    return art::painted(kAboutLogoSize, 96.0, [&fruitTheme](QPainter& p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);

        // Shadow on the floor.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawEllipse(QRectF(8, 86, 76, 8));

        // The lever on the right, behind the cabinet.
        p.setPen(QPen(QColor(52, 56, 68), 1.2));
        QLinearGradient rod(QPointF(82, 0), QPointF(88, 0));
        rod.setColorAt(0, QColor(230, 234, 242));
        rod.setColorAt(1, QColor(110, 116, 132));
        p.setBrush(rod);
        p.drawRoundedRect(QRectF(82.5, 20, 5, 42), 2, 2);
        p.drawRoundedRect(QRectF(78, 54, 10, 14), 2, 2);
        QRadialGradient knob(QPointF(83, 15), 8);
        knob.setColorAt(0, QColor(255, 200, 190));
        knob.setColorAt(0.35, QColor(236, 50, 52));
        knob.setColorAt(1, QColor(110, 8, 20));
        p.setPen(QPen(QColor(60, 4, 10), 1.2));
        p.setBrush(knob);
        p.drawEllipse(QPointF(85, 16), 6.5, 6.5);

        // The cabinet: red lacquer, gold trim, a rounded crest.
        QPainterPath body;
        body.moveTo(6, 88);
        body.lineTo(6, 22);
        body.cubicTo(6, 6, 20, 3, 43, 3);
        body.cubicTo(66, 3, 80, 6, 80, 22);
        body.lineTo(80, 88);
        body.closeSubpath();
        QLinearGradient lac(QPointF(6, 0), QPointF(80, 0));
        lac.setColorAt(0.0, QColor(120, 14, 24));
        lac.setColorAt(0.25, QColor(220, 44, 48));
        lac.setColorAt(0.55, QColor(190, 28, 40));
        lac.setColorAt(1.0, QColor(90, 8, 18));
        p.setPen(QPen(kGold, 2.5));
        p.setBrush(lac);
        p.drawPath(body);

        // Marquee with lamps.
        QRectF marquee(14, 9, 58, 14);
        QLinearGradient glass(marquee.topLeft(), marquee.bottomLeft());
        glass.setColorAt(0, QColor(40, 56, 130));
        glass.setColorAt(1, QColor(14, 20, 56));
        p.setPen(QPen(kGoldDark, 1.2));
        p.setBrush(glass);
        p.drawRoundedRect(marquee, 3, 3);
        for (int i = 0; i < 7; ++i) {
            QColor c = (i % 2) ? QColor(255, 236, 140) : QColor(255, 120, 60);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(QPointF(19 + i * 8, 16), 2.2, 2.2);
            p.setBrush(QColor(255, 255, 255, 200));
            p.drawEllipse(QPointF(18.4 + i * 8, 15.3), 0.7, 0.7);
        }

        // The reel window with three symbols of the fruit theme.
        QRectF window(12, 29, 62, 34);
        p.setPen(QPen(kGold, 2));
        p.setBrush(QColor(16, 16, 22));
        p.drawRoundedRect(window, 2.5, 2.5);
        const int shown[3] = {2, 9, 4};  // cherries, seven, bell
        for (int r = 0; r < 3; ++r) {
            QRectF cell(15 + r * 19.5, 31.5, 17.5, 29);
            QImage sym = fruitTheme.copy(kSymbolW * shown[r], 0, kSymbolW, kSymbolH);
            p.drawImage(cell, sym, QRectF(0, 0.5, kSymbolW, kSymbolH - 1));
            // The drum's roundness: dark at top and bottom.
            QLinearGradient drum(cell.topLeft(), cell.bottomLeft());
            drum.setColorAt(0.0, QColor(0, 0, 0, 150));
            drum.setColorAt(0.25, QColor(0, 0, 0, 0));
            drum.setColorAt(0.75, QColor(0, 0, 0, 0));
            drum.setColorAt(1.0, QColor(0, 0, 0, 150));
            p.setPen(Qt::NoPen);
            p.setBrush(drum);
            p.drawRect(cell);
        }
        // Pay line.
        p.setPen(QPen(QColor(255, 60, 60, 200), 1.0));
        p.drawLine(QPointF(13, 46), QPointF(73, 46));

        // Three hold buttons and the payout tray.
        for (int r = 0; r < 3; ++r) {
            p.setPen(QPen(QColor(10, 20, 60), 1));
            p.setBrush(QColor(60, 110, 230));
            p.drawRoundedRect(QRectF(17 + r * 19.5, 67, 12, 5), 1.5, 1.5);
        }
        QLinearGradient tray(QPointF(0, 76), QPointF(0, 86));
        tray.setColorAt(0, QColor(30, 30, 36));
        tray.setColorAt(1, QColor(120, 124, 136));
        p.setPen(QPen(QColor(200, 204, 214), 1.5));
        p.setBrush(tray);
        p.drawRoundedRect(QRectF(26, 76, 34, 10), 2, 2);
        // Coins in the tray.
        for (int i = 0; i < 3; ++i) {
            QRadialGradient g(QPointF(33 + i * 9, 80), 5);
            g.setColorAt(0, QColor(255, 255, 255));
            g.setColorAt(1, QColor(140, 146, 160));
            p.setPen(QPen(QColor(52, 56, 68), 0.8));
            p.setBrush(g);
            p.drawEllipse(QPointF(34 + i * 9, 82), 4, 2.4);
        }

        // A gloss over the crest.
        QPainterPath gloss;
        gloss.moveTo(10, 24);
        gloss.cubicTo(12, 10, 24, 6, 42, 6);
        gloss.cubicTo(30, 8, 16, 12, 10, 24);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawPath(gloss);
    });
}

QImage makeAboutEmail() {
    return art::painted(kAboutLinkSize, 32.0, [](QPainter& p) {
        // The letter.
        QRectF env(1.5, 6.5, 27, 19);
        QLinearGradient paper(env.topLeft(), env.bottomRight());
        paper.setColorAt(0, QColor(255, 252, 240));
        paper.setColorAt(1, QColor(214, 204, 176));
        p.setPen(QPen(QColor(90, 76, 50), 1.0));
        p.setBrush(paper);
        p.drawRoundedRect(env, 1.5, 1.5);
        // Side folds and the closed flap.
        p.setPen(QPen(QColor(150, 134, 100), 0.9));
        p.drawLine(QPointF(2, 25), QPointF(12, 16));
        p.drawLine(QPointF(28, 25), QPointF(18, 16));
        QPainterPath flap;
        flap.moveTo(2, 7);
        flap.lineTo(15, 18);
        flap.lineTo(28, 7);
        QLinearGradient fg(QPointF(0, 7), QPointF(0, 18));
        fg.setColorAt(0, QColor(240, 232, 208));
        fg.setColorAt(1, QColor(222, 210, 180));
        p.setPen(QPen(QColor(110, 94, 64), 1.0));
        p.setBrush(fg);
        p.drawPath(flap);
        // The wax seal.
        QRadialGradient wax(QPointF(14, 16.5), 5);
        wax.setColorAt(0, QColor(255, 110, 100));
        wax.setColorAt(0.5, QColor(200, 24, 40));
        wax.setColorAt(1, QColor(110, 8, 20));
        p.setPen(QPen(QColor(80, 4, 12), 0.8));
        p.setBrush(wax);
        p.drawEllipse(QPointF(15, 17.5), 3.4, 3.4);
        // The "@" badge in the corner.
        QRadialGradient badge(QPointF(23, 21), 8);
        badge.setColorAt(0, QColor(120, 170, 255));
        badge.setColorAt(1, QColor(24, 60, 170));
        p.setPen(QPen(QColor(10, 26, 80), 1.0));
        p.setBrush(badge);
        p.drawEllipse(QPointF(24.5, 23.5), 6.5, 6.5);
        atSign(p, QPointF(24.5, 23.5), 5.2, QColor(255, 255, 255));
    });
}

QImage makeAboutHomepage() {
    return art::painted(kAboutLinkSize, 32.0, [](QPainter& p) {
        const QPointF c(16, 16);
        const double r = 13.5;
        QRadialGradient sea(c - QPointF(4, 5), 18);
        sea.setColorAt(0, QColor(140, 200, 255));
        sea.setColorAt(0.6, QColor(40, 110, 220));
        sea.setColorAt(1, QColor(12, 40, 120));
        p.setPen(Qt::NoPen);
        p.setBrush(sea);
        p.drawEllipse(c, r, r);
        // Made-up land masses, clipped to the globe.
        QPainterPath globe;
        globe.addEllipse(c, r, r);
        p.setClipPath(globe);
        QPainterPath land;
        land.moveTo(6, 9);
        land.cubicTo(10, 5, 15, 6, 16, 10);
        land.cubicTo(17, 14, 12, 14, 12, 18);
        land.cubicTo(12, 22, 9, 24, 7, 21);
        land.cubicTo(4, 17, 3, 12, 6, 9);
        land.moveTo(19, 16);
        land.cubicTo(23, 14, 28, 16, 28, 20);
        land.cubicTo(27, 25, 22, 28, 20, 25);
        land.cubicTo(18, 22, 17, 18, 19, 16);
        land.moveTo(20, 5);
        land.cubicTo(23, 4, 26, 6, 25, 9);
        land.cubicTo(23, 10, 20, 9, 20, 5);
        QLinearGradient green(QPointF(4, 4), QPointF(28, 28));
        green.setColorAt(0, QColor(150, 230, 110));
        green.setColorAt(1, QColor(30, 120, 40));
        p.setBrush(green);
        p.setPen(QPen(QColor(20, 80, 30), 0.6));
        p.drawPath(land);
        // The grid of meridians and parallels.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
        for (double w : {0.0, 6.0, 11.0}) p.drawEllipse(c, w, r);
        for (double y : {-8.0, 0.0, 8.0}) {
            double half = std::sqrt(r * r - y * y);
            p.drawLine(QPointF(c.x() - half, c.y() + y), QPointF(c.x() + half, c.y() + y));
        }
        p.setClipping(false);
        // Rim and gloss.
        p.setPen(QPen(QColor(8, 26, 80), 1.2));
        p.drawEllipse(c, r, r);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawEllipse(QPointF(11, 9), 5, 3);
    });
}

}  // namespace pictures
