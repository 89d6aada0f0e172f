#include "frontend/qt/dialogs/placement.h"

#include <QWidget>
#include <algorithm>

namespace fw {

QPoint DialogPosition(const QWidget* parent, int scale, QPoint offset) {
    const QPoint origin = parent ? parent->window()->pos() : QPoint(0, 0);
    return origin + offset * std::max(scale, 1);
}

}  // namespace fw
