// The machine's screen surface on the display: every machine pixel a whole
// square of device pixels, repainted only where it changed; mouse presses and
// releases become machine events. For a screen reader it is the machine in
// words, and it announces what the machine says (machine_accessible.h).
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "frontend/qt/machine_accessible.h"
#include "frontend/qt/view_scale.h"
#include "machine/machine.h"

namespace fw {

class ScreenWidget : public QWidget {
    Q_OBJECT
public:
    ScreenWidget(int scale, QWidget* parent);
    void setSurface(Surface* surface);
    void setPoster(std::function<void(MachineEvent)> post) { post_ = std::move(post); }

    // The window's scale: logical pixels per machine pixel.
    int scale() const { return scale_; }
    void setScale(int scale);
    // In full screen the widget fills its window, the picture centred on black
    // at the largest whole number of device pixels per machine pixel; centred on
    // the whole window also while the menu bar covers the widget's top.
    void setFullScreen(bool fullScreen);
    bool fullScreen() const { return fullScreen_; }
    // In full screen the picture leaves this many logical pixels free at the window's bottom
    // (the caption line's).
    void setRoomBelow(int height);
    const PictureGeometry& picture() const { return picture_; }
    // The picture's top-left corner on the screen and its logical pixels per
    // machine pixel, for tools that drive the machine.
    QPoint pictureOrigin() const;
    double pictureScale() const { return picture_.pixel / ratio_; }

    // The machine pixel under a widget position.
    QPoint toMachine(QPointF position) const { return picture_.ToMachine(position, ratio_); }
    // Shows what changed on the screen surface since the last call: only the
    // changed rectangles are scaled, once, and repainted (now: at once).
    void present(bool now);
    // The window lost the mouse while a button was held: the press ends with no drop.
    void cancelPress();

    // The machine in words, which a screen reader reads as the widget's
    // description; a screen reader is told only when the words change.
    void setDescription(const QString& description);
    const QString& description() const { return description_; }
    // Says a sentence through the announcer, urgent: the one that speaks at once.
    void announce(const QString& sentence, bool urgent) { announcer(urgent)->say(sentence); }
    Announcer* announcer(bool urgent) const { return urgent ? urgent_ : polite_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void layOut();
    void scaleIn(const QRect& rect);

    Surface* surface_ = nullptr;
    std::function<void(MachineEvent)> post_;
    int scale_;
    bool fullScreen_ = false;
    int roomBelow_ = 0;
    qreal ratio_ = 1;
    PictureGeometry picture_;
    QImage frame_;                          // the picture in device pixels
    Surface shown_;                         // the screen surface as the frame shows it
    Qt::MouseButtons held_ = Qt::NoButton;  // the buttons whose presses are under way
    QString description_;
    Announcer* polite_;
    Announcer* urgent_;
};

}  // namespace fw
