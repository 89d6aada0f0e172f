// The two drag icons of the coin pile: one coin, and a stack of coins.
#include "pictures.h"

#include "art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace pictures {
namespace {

using namespace art;

// A coin face drawn with smooth edges for the icons, in a unit box of size d.
void iconCoin(QPainter& p, QRectF r, bool marked) {
    QRadialGradient g(r.center() - QPointF(r.width() * 0.2, r.height() * 0.25), r.width() * 0.75);
    g.setColorAt(0.0, QColor(255, 255, 255));
    g.setColorAt(0.45, QColor(206, 212, 222));
    g.setColorAt(1.0, QColor(110, 116, 132));
    p.setPen(QPen(QColor(52, 56, 68), std::max(1.0, r.width() / 24)));
    p.setBrush(g);
    p.drawEllipse(r);
    QRectF inner = r.adjusted(r.width() * 0.12, r.height() * 0.12, -r.width() * 0.12, -r.height() * 0.12);
    p.setPen(QPen(QColor(150, 156, 170), std::max(1.0, r.width() / 28)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(inner);
    if (!marked) return;
    // "25¢" from the tiny bitmap font, scaled to whole pixels.
    const int w = tinyWidth(U"25¢"), h = 5;
    int scale = std::max(1, int(inner.width() * 0.8) / w);
    QImage glyphs = transparent(w + 1, h + 1);
    tiny(glyphs, 1, 1, U"25¢", qRgba(255, 255, 255, 200));
    tiny(glyphs, 0, 0, U"25¢", qRgb(60, 64, 80));
    QRectF target(r.center().x() - (w + 1) * scale / 2.0, r.center().y() - (h + 1) * scale / 2.0,
                  (w + 1) * scale, (h + 1) * scale);
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRectF(std::round(target.x()), std::round(target.y()), target.width(), target.height()),
                glyphs);
    p.restore();
}

}  // namespace

QImage makeDragCoin() {
    return painted(32, 32.0, [](QPainter& p) { iconCoin(p, QRectF(2.5, 2.5, 27, 27), true); });
}

QImage makeDragStack() {
    return painted(32, 32.0, [](QPainter& p) {
        // Coins piled flat, seen from the side: thick rims one on another.
        for (int k = 0; k < 5; ++k) {
            double y = 26 - k * 3.2;
            QRectF r(4.5, y - 4, 20, 7);
            QLinearGradient g(r.topLeft(), r.topRight());
            g.setColorAt(0, QColor(200, 206, 216));
            g.setColorAt(0.5, QColor(150, 156, 170));
            g.setColorAt(1, QColor(84, 90, 106));
            p.setPen(QPen(QColor(52, 56, 68), 1));
            p.setBrush(g);
            p.drawRoundedRect(QRectF(r.x(), y - 1, r.width(), 4), 1.5, 1.5);
            p.setBrush(QColor(222, 226, 234));
            p.drawEllipse(QRectF(r.x(), y - 4, r.width(), 5.5));
        }
        // The front coin leans against the stack, face towards the player.
        iconCoin(p, QRectF(13.5, 11.5, 18, 18), true);
    });
}

}  // namespace pictures
