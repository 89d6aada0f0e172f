// Where the dialogs open: a fixed offset from the main window's top-left corner, or beside the
// machine for the windows the player keeps open while playing.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace fw {

// The frame position of the window that holds `parent` (the screen's origin without a parent) plus
// `offset` machine pixels times `scale`.
QPoint DialogPosition(const QWidget* parent, int scale, QPoint offset);

// Where the machine's picture is on the screen: the window's frame, or in full screen the picture
// centred at the largest whole scale.
QRect MachineOnScreen(const QWidget* parent);

// The frame position of a window of `size` that leaves the machine (its reels and lever) in view: right
// of it where the screen has room, else left of it, else at the screen's right edge; in full screen
// those are the black bars beside the picture.
QPoint BesidePosition(QRect machine, QRect screen, QSize size);
QPoint BesidePosition(const QWidget* parent, QSize size);

}  // namespace fw
