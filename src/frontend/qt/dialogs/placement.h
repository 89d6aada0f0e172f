// Where the dialogs open: a fixed offset from the main window's top-left corner, or beside the
// machine for the windows the player keeps open while playing.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QDialog;
class QWidget;

namespace fw {

// The property by which the machine's window says that it shows the machine in full screen: the window
// state may say otherwise without a window manager to grant it.
inline constexpr char kFullScreenProperty[] = "machineFullScreen";

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

// Shows a window the player keeps open while playing (the manual, the odds) and brings it forward. One
// not on the screen is placed beside the machine; in full screen, where neither black bar beside the
// picture holds it, it becomes a panel over the screen instead, inside `owner`'s window, which Escape
// closes (CloseMachinePanel). Leaving full screen turns a panel back into a window beside the machine.
void ShowBesideMachine(QDialog* window, QWidget* owner);

// Closes the panel shown over the machine in `owner`'s window, if one is open: true when it closed one.
bool CloseMachinePanel(QWidget* owner);

// After the window holding the machine entered or left full screen: every panel or window beside the
// machine placed afresh for the new view.
void PlaceBesideMachineAgain(QWidget* owner);

}  // namespace fw
