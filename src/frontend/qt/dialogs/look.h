// The cabinet's look for the game's own windows (About, Configuration, the manual,
// the odds and every message box): the colours of the browser edition's dialogs,
// and pixel art shown at a whole number of screen pixels per pixel. The main
// window's menu bar and the machine keep their own.
#pragma once

#include <QMessageBox>
#include <QString>

class QImage;
class QPixmap;
class QWidget;

namespace fw {

// Gives a window and everything in it the cabinet's colours: plum ground, cream text, gold
// frames and headings, plum buttons framed in gold, a gold selection, brown disabled text. A
// message box also gets the pixel picture of its kind (warning, error, information) in place of
// the style's icon.
void ApplyCabinetLook(QWidget* window);

// The caption line below the machine in the cabinet's colours: cream text of pixelSize
// pixels on the plum ground, under a gold rule, margin pixels from its sides.
void ApplyCaptionLook(QWidget* line, int pixelSize, int margin);

// A message box with one OK button, in the cabinet's look, run modally.
void ShowCabinetMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text);

// Pixel art about `times` its size on a screen of `deviceRatio` device pixels per pixel, each
// of its pixels a whole square of device pixels: sharp on every screen.
QPixmap WholeScaled(const QImage& picture, int times, qreal deviceRatio);

}  // namespace fw
