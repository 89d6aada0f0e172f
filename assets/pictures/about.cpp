// The About window's link pictures: the e-mail picture (a sealed letter with
// an "@") and the homepage picture (a globe with its grid). The logo is the
// window icon's design (cabinet_icon.cpp).
#include "pictures.h"

#include "art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace pictures {
namespace {

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
