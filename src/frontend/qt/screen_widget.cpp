#include "frontend/qt/screen_widget.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <array>
#include <cstring>
#include <vector>

#include "machine/cells.h"

namespace fw {

namespace {

// The screen is compared in tiles of 8 x 8 machine pixels; changed tiles are
// gathered into rectangles, each scaled and repainted once.
constexpr int kTile = 8;
constexpr int kTilesAcross = kScreenWidth / kTile;
constexpr int kTilesDown = kScreenHeight / kTile;
static_assert(kTilesAcross <= 64, "a row of tiles is a 64-bit mask");

// The machine numbers the buttons as the mouse events of its platform did:
// 1 left, 2 right, 4 middle, and the others above.
int ButtonNumber(Qt::MouseButton button) {
    return static_cast<int>(button);
}

// The tiles of row ty that differ between a and b, one bit a tile.
std::uint64_t ChangedTiles(const Surface& a, const Surface& b, int ty) {
    std::uint64_t changed = 0;
    for (int y = ty * kTile; y < (ty + 1) * kTile; ++y) {
        const std::uint32_t* ra = a.row(y);
        const std::uint32_t* rb = b.row(y);
        if (std::memcmp(ra, rb, kScreenWidth * sizeof(std::uint32_t)) == 0) continue;
        for (int tx = 0; tx < kTilesAcross; ++tx) {
            std::uint32_t differs = 0;
            for (int x = tx * kTile; x < (tx + 1) * kTile; ++x) differs |= ra[x] ^ rb[x];
            if (differs) changed |= std::uint64_t{1} << tx;
        }
    }
    return changed;
}

// Runs of changed tiles along each row, merged downwards while the rows below
// change the same run: the reels' columns become three tall rectangles.
std::vector<QRect> ChangedRects(const std::array<std::uint64_t, kTilesDown>& rows) {
    std::vector<QRect> done;
    std::vector<QRect> open;  // in tiles, still growing downwards
    for (int ty = 0; ty <= kTilesDown; ++ty) {
        std::vector<QRect> next;
        const std::uint64_t row = ty < kTilesDown ? rows[ty] : 0;
        for (int tx = 0; tx < kTilesAcross;) {
            if (!(row >> tx & 1)) {
                ++tx;
                continue;
            }
            int end = tx;
            while (end < kTilesAcross && (row >> end & 1)) ++end;
            QRect run(tx, ty, end - tx, 1);
            for (auto it = open.begin(); it != open.end(); ++it) {
                if (it->left() == run.left() && it->width() == run.width()) {
                    run = it->adjusted(0, 0, 0, 1);
                    open.erase(it);
                    break;
                }
            }
            next.push_back(run);
            tx = end;
        }
        done.insert(done.end(), open.begin(), open.end());
        open = std::move(next);
    }
    for (QRect& r : done) r = QRect(r.x() * kTile, r.y() * kTile, r.width() * kTile, r.height() * kTile);
    return done;
}

}  // namespace

ScreenWidget::ScreenWidget(int scale, QWidget* parent)
    : QWidget(parent),
      scale_(scale),
      polite_(new Announcer(false, this)),
      urgent_(new Announcer(true, this)) {
    InstallMachineAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    layOut();
}

void ScreenWidget::setSurface(Surface* surface) {
    surface_ = surface;
    shown_ = Surface();
    present(false);
}

void ScreenWidget::setDescription(const QString& description) {
    if (description == description_) return;
    description_ = description;
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    AccessibilityEvents()(&changed);
}

void ScreenWidget::setScale(int scale) {
    scale_ = scale;
    layOut();
}

void ScreenWidget::setFullScreen(bool fullScreen) {
    fullScreen_ = fullScreen;
    if (fullScreen_) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    layOut();
}

void ScreenWidget::setRoomBelow(int height) {
    if (height == roomBelow_) return;
    roomBelow_ = height;
    if (fullScreen_) layOut();
}

QPoint ScreenWidget::pictureOrigin() const {
    return mapToGlobal(picture_.ToWidget(QRect(0, 0, 1, 1), ratio_).topLeft());
}

void ScreenWidget::layOut() {
    ratio_ = devicePixelRatioF();
    if (fullScreen_) {
        // Centred on the whole window: the menu bar shown over the full screen covers the top of the
        // picture for a moment rather than moving it or making it smaller.
        const QPoint offset = mapTo(window(), QPoint(0, 0));
        picture_ = CentredGeometry(window()->size() - QSize(0, roomBelow_), ratio_);
        picture_.origin -= offset * ratio_;
    } else {
        picture_ = WindowGeometry(scale_, ratio_);
        setFixedSize(WindowSize(scale_, ratio_));
    }
    if (frame_.size() != picture_.DeviceSize()) {
        frame_ = QImage(picture_.DeviceSize(), QImage::Format_RGB32);
        frame_.fill(Qt::black);
    }
    frame_.setDevicePixelRatio(ratio_);
    shown_ = Surface();  // everything is scaled afresh
    present(false);
    update();
}

void ScreenWidget::present(bool now) {
    if (devicePixelRatioF() != ratio_) return layOut();
    if (!surface_) return;
    std::array<std::uint64_t, kTilesDown> rows{};
    const auto [first, end] = surface_->takeWrittenRows();
    if (shown_.empty()) {
        shown_ = Surface(kScreenWidth, kScreenHeight);
        rows.fill((std::uint64_t{1} << kTilesAcross) - 1);
    } else {
        // Only the rows the machine wrote since the last frame can differ.
        for (int ty = first / kTile; ty * kTile < end; ++ty) rows[ty] = ChangedTiles(*surface_, shown_, ty);
    }
    QRegion changed;
    for (const QRect& rect : ChangedRects(rows)) {
        scaleIn(rect);
        changed += picture_.ToWidget(rect, ratio_);
    }
    if (changed.isEmpty()) return;
    if (now) {
        repaint(changed);
    } else {
        update(changed);
    }
}

void ScreenWidget::scaleIn(const QRect& rect) {
    const int k = picture_.pixel;
    const int width = rect.width() * k;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const std::uint32_t* in = surface_->row(y) + rect.left();
        std::memcpy(shown_.row(y) + rect.left(), in, rect.width() * sizeof(std::uint32_t));
        auto* first = reinterpret_cast<QRgb*>(frame_.scanLine(y * k)) + rect.left() * k;
        for (int x = 0; x < rect.width(); ++x) std::fill_n(first + x * k, k, 0xFF000000u | in[x]);
        for (int j = 1; j < k; ++j) {
            std::memcpy(reinterpret_cast<QRgb*>(frame_.scanLine(y * k + j)) + rect.left() * k, first,
                        width * sizeof(QRgb));
        }
    }
}

void ScreenWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect shown = picture_.ToWidget(QRect(0, 0, kScreenWidth, kScreenHeight), ratio_);
    const QPointF origin(picture_.origin.x() / ratio_, picture_.origin.y() / ratio_);
    // One rectangle at a time: a rectangular clip copies the frame's rows as
    // they are, one to one (the frame has the display's pixel ratio).
    for (const QRect& part : event->region()) {
        painter.setClipRect(part);
        for (const QRect& around : QRegion(part).subtracted(shown)) painter.fillRect(around, Qt::black);
        painter.drawImage(origin, frame_);
    }
}

void ScreenWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fullScreen_) layOut();
}

void ScreenWidget::mousePressEvent(QMouseEvent* event) {
    if (!post_) return;
    // Every press reaches the machine, also one of a second button while
    // another is held; the machine ignores them during a coin drag.
    held_ |= event->button();
    const QPoint at = toMachine(event->position());
    post_(ev::Press{ButtonNumber(event->button()), static_cast<float>(at.x()), static_cast<float>(at.y())});
}

void ScreenWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // A second press in quick succession is a press like any other.
    mousePressEvent(event);
}

void ScreenWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!(held_ & event->button()) || !post_) return;
    held_ &= ~event->button();
    const QPoint at = toMachine(event->position());
    // The widget keeps the mouse while a button is held, so the release arrives
    // here even outside the window.
    post_(ev::Release{static_cast<float>(at.x()), static_cast<float>(at.y()),
                      rect().contains(event->position().toPoint()), ButtonNumber(event->button())});
}

void ScreenWidget::cancelPress() {
    if (held_ == Qt::NoButton || !post_) return;
    held_ = Qt::NoButton;
    post_(ev::Release{-1, -1, false, 0});
}

}  // namespace fw
