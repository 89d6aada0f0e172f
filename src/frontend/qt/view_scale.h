// How the 320 x 256 machine lies on the screen: every machine pixel a whole
// square of device pixels, at every scale, in full screen and at any device
// pixel ratio, and the way back from a mouse position to a machine pixel.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

namespace fw {

inline constexpr int kMaxScale = 16;

struct PictureGeometry {
    int pixel = 1;  // device pixels per machine pixel
    QPoint origin;  // the picture's top-left corner, in device pixels of the widget

    // The machine pixel under a widget position in logical pixels.
    QPoint ToMachine(QPointF position, qreal ratio) const;
    // The widget's logical pixels that show a rectangle of machine pixels.
    QRect ToWidget(const QRect& machine, qreal ratio) const;
    // The picture's size in device pixels.
    QSize DeviceSize() const;
    bool operator==(const PictureGeometry&) const = default;
};

// A window at a whole-number scale (logical pixels per machine pixel): the
// nearest whole number of device pixels, at least 1, the picture at the corner.
PictureGeometry WindowGeometry(int scale, qreal ratio);
// The logical size of a window that holds the picture exactly.
QSize WindowSize(int scale, qreal ratio);
// Full screen: the largest whole number of device pixels per machine pixel at
// which the picture fits in area (logical pixels), centred on whole logical pixels.
PictureGeometry CentredGeometry(QSize area, qreal ratio);
// The largest whole-number scale, 1 to kMaxScale, at which the picture fits in
// area (logical pixels).
int FittingScale(QSize area);

}  // namespace fw
