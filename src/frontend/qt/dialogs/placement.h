// Where the dialogs open: a fixed offset from the main window's top-left corner.
#pragma once

#include <QPoint>

class QWidget;

namespace fw {

// The frame position of the window that holds `parent` (the screen's origin without a parent) plus
// `offset` machine pixels times `scale`.
QPoint DialogPosition(const QWidget* parent, int scale, QPoint offset);

}  // namespace fw
