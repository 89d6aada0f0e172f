#include "frontend/qt/view_scale.h"

#include <algorithm>
#include <cmath>

#include "machine/cells.h"

namespace fw {

QPoint PictureGeometry::ToMachine(QPointF position, qreal ratio) const {
    // The device pixel under the position, then the machine pixel it belongs to.
    const double x = std::floor(position.x() * ratio) - origin.x();
    const double y = std::floor(position.y() * ratio) - origin.y();
    return {static_cast<int>(std::floor(x / pixel)), static_cast<int>(std::floor(y / pixel))};
}

QRect PictureGeometry::ToWidget(const QRect& machine, qreal ratio) const {
    const double left = (origin.x() + machine.x() * pixel) / ratio;
    const double top = (origin.y() + machine.y() * pixel) / ratio;
    const double right = (origin.x() + (machine.x() + machine.width()) * pixel) / ratio;
    const double bottom = (origin.y() + (machine.y() + machine.height()) * pixel) / ratio;
    const int x = static_cast<int>(std::floor(left));
    const int y = static_cast<int>(std::floor(top));
    return {x, y, static_cast<int>(std::ceil(right)) - x, static_cast<int>(std::ceil(bottom)) - y};
}

QSize PictureGeometry::DeviceSize() const {
    return {kScreenWidth * pixel, kScreenHeight * pixel};
}

PictureGeometry WindowGeometry(int scale, qreal ratio) {
    return {std::max(1, static_cast<int>(std::lround(scale * ratio))), QPoint(0, 0)};
}

QSize WindowSize(int scale, qreal ratio) {
    const QSize device = WindowGeometry(scale, ratio).DeviceSize();
    return {static_cast<int>(std::ceil(device.width() / ratio)),
            static_cast<int>(std::ceil(device.height() / ratio))};
}

PictureGeometry CentredGeometry(QSize area, qreal ratio) {
    const int across = static_cast<int>(std::floor(area.width() * ratio)) / kScreenWidth;
    const int down = static_cast<int>(std::floor(area.height() * ratio)) / kScreenHeight;
    PictureGeometry geometry{std::max(1, std::min(across, down)), {}};
    // Centred on a whole logical pixel, so the picture starts on a whole device pixel at a whole ratio.
    const QSize device = geometry.DeviceSize();
    const int left = static_cast<int>(std::floor((area.width() - device.width() / ratio) / 2));
    const int top = static_cast<int>(std::floor((area.height() - device.height() / ratio) / 2));
    geometry.origin = QPoint(static_cast<int>(std::lround(std::max(0, left) * ratio)),
                             static_cast<int>(std::lround(std::max(0, top) * ratio)));
    return geometry;
}

int FittingScale(QSize area) {
    const int scale = std::min(area.width() / kScreenWidth, area.height() / kScreenHeight);
    return std::clamp(scale, 1, kMaxScale);
}

}  // namespace fw
