#include "frontend/qt/dialogs/placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace fw {

namespace {
constexpr int kGap = 6;  // between the machine and a window beside it
}

QPoint DialogPosition(const QWidget* parent, int scale, QPoint offset) {
    const QPoint origin = parent ? parent->window()->pos() : QPoint(0, 0);
    return origin + offset * std::max(scale, 1);
}

QRect MachineOnScreen(const QWidget* parent) {
    if (!parent) return {};
    const QWidget* window = parent->window();
    if (!window->isFullScreen()) return window->frameGeometry();
    const QRect area = window->geometry();
    const int scale = std::max(1, std::min(area.width() / 320, area.height() / 256));
    const QSize picture(320 * scale, 256 * scale);
    return {
        area.topLeft() + QPoint((area.width() - picture.width()) / 2, (area.height() - picture.height()) / 2),
        picture};
}

QPoint BesidePosition(QRect machine, QRect screen, QSize size) {
    const int top =
        std::clamp(machine.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()));
    const int right = machine.right() + 1 + kGap;
    if (right + size.width() <= screen.right() + 1) return {right, top};
    const int left = machine.left() - kGap - size.width();
    if (left >= screen.left()) return {left, top};
    return {std::max(screen.left(), screen.right() + 1 - size.width()), top};
}

QPoint BesidePosition(const QWidget* parent, QSize size) {
    const QScreen* display = parent ? parent->window()->screen() : nullptr;
    if (!display) return {};
    return BesidePosition(MachineOnScreen(parent), display->availableGeometry(), size);
}

}  // namespace fw
