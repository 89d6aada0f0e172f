// Leaving the program from outside. SIGTERM (sent at logout, at shutdown and
// by kill), SIGINT and SIGHUP run the game's own quit sequence, the same as
// Quit from the menu, once the event that is running has ended; a second one
// ends the program at once. The end of the desktop session takes the same
// road. SIGUSR1 brings the window to the front: a second start on the same
// settings folder sends it.
#pragma once

class QWidget;

namespace fw {

struct Machine;

// Routes the signals into a pipe, with nothing but a write in the handler.
// Called first thing in main, so that a signal sent at any moment of the
// start-up waits in the pipe until the machine can take it.
void InstallSignalPipe();

// From now on the pipe is read on the event loop: the machine quits, the
// window comes to the front.
void WatchForQuit(Machine& machine, QWidget& window);

}  // namespace fw
