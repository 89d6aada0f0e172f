#include "frontend/qt/dialogs/placement.h"

#include <QDialog>
#include <QMainWindow>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace fw {

namespace {

constexpr int kGap = 6;  // between the machine and a window beside it
// The property that marks the windows kept beside the machine and holds their own window flags.
constexpr const char* kBesideFlags = "fwBesideMachineFlags";

bool FullScreen(const QWidget* window) {
    return window->isFullScreen() || window->property(kFullScreenProperty).toBool();
}

bool IsPanel(const QWidget* window) {
    return window->property(kBesideFlags).isValid() && !window->isWindow();
}

// The windows and panels kept beside the machine in owner's window.
QList<QDialog*> BesideWindows(QWidget* owner) {
    QList<QDialog*> found;
    for (QDialog* dialog : owner->window()->findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
        if (dialog->property(kBesideFlags).isValid()) found.append(dialog);
    return found;
}

// The keyboard back to the machine, once a panel over it has gone.
void FocusMachine(QWidget* screen) {
    auto* main = qobject_cast<QMainWindow*>(screen);
    QWidget* machine = main && main->centralWidget() ? main->centralWidget() : screen;
    machine->setFocus(Qt::OtherFocusReason);
}

// A panel over the full screen, centred on it, no larger than the screen less a margin. The panel
// itself holds the keyboard: Escape and Return close it, the game's keys go on to the machine.
void ShowAsPanel(QDialog* window, QWidget* owner) {
    QWidget* screen = owner->window();
    if (window->isWindow()) {
        window->setParent(screen, Qt::Widget);
        QObject::connect(window, &QDialog::finished, screen, [screen] { FocusMachine(screen); });
    }
    window->setAutoFillBackground(true);
    const QSize size = window->sizeHint().expandedTo(window->size()).boundedTo(screen->size() * 9 / 10);
    window->setGeometry(
        QRect(QPoint((screen->width() - size.width()) / 2, (screen->height() - size.height()) / 2), size));
    window->show();
    window->raise();
    window->setFocus(Qt::OtherFocusReason);
}

void ShowAsWindow(QDialog* window, QWidget* owner, bool place) {
    if (!window->isWindow()) {
        window->setParent(owner->window(), Qt::WindowFlags(window->property(kBesideFlags).toInt()));
        place = true;
    }
    if (place) window->move(BesidePosition(owner, window->frameGeometry().size()));
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

QPoint DialogPosition(const QWidget* parent, int scale, QPoint offset) {
    const QPoint origin = parent ? parent->window()->pos() : QPoint(0, 0);
    return origin + offset * std::max(scale, 1);
}

QRect MachineOnScreen(const QWidget* parent) {
    if (!parent) return {};
    const QWidget* window = parent->window();
    if (!FullScreen(window)) return window->frameGeometry();
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

void ShowBesideMachine(QDialog* window, QWidget* owner) {
    if (!owner) {
        window->show();
        return;
    }
    if (window->isWindow()) window->setProperty(kBesideFlags, static_cast<int>(window->windowFlags()));
    const bool fresh = !window->isVisible();
    if (!FullScreen(owner->window())) return ShowAsWindow(window, owner, fresh);
    if (IsPanel(window)) return ShowAsPanel(window, owner);
    // Beside the picture when one of the black bars holds the whole window, else over it as a panel.
    const QRect machine = MachineOnScreen(owner);
    const QSize size = window->frameGeometry().size();
    const QRect beside(BesidePosition(owner, size), size);
    if (beside.intersects(machine)) return ShowAsPanel(window, owner);
    ShowAsWindow(window, owner, fresh);
}

bool CloseMachinePanel(QWidget* owner) {
    for (QDialog* dialog : BesideWindows(owner)) {
        if (IsPanel(dialog) && dialog->isVisible()) {
            dialog->close();
            return true;
        }
    }
    return false;
}

void PlaceBesideMachineAgain(QWidget* owner) {
    for (QDialog* dialog : BesideWindows(owner)) {
        if (!dialog->isVisible()) continue;
        dialog->hide();
        ShowBesideMachine(dialog, owner);
    }
}

}  // namespace fw
