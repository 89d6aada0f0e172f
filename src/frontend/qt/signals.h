// Leaving the program from outside. SIGTERM (sent at logout, at shutdown and
// by kill), SIGINT and SIGHUP run the game's own quit sequence, the same as
// Quit from the menu, once the event that is running has ended; a second one
// ends the program at once. Every window the program shows, at any moment (the
// lock's messages, the start-up message, a dialog), ends on the first. The end
// of the desktop session takes the same road. SIGUSR1 brings the window to the
// front: a second start on the same settings folder sends it.
#pragma once

class QWidget;

namespace fw {

struct Machine;

// Routes the signals into a pipe, with nothing but a write in the handler (and
// at the second quitting signal, the end). Called first thing in main, so that
// a signal sent at any moment of the start-up waits in the pipe.
void InstallSignalPipe();

// From now on, once the application exists, the pipe is read on the event
// loop: the first quitting signal ends every modal window that is open or
// opens later, as if cancelled.
void ReadSignalPipe();

// A quitting signal has come.
bool QuitAsked();

// The machine quits on the signals and the end of the session, the window
// comes to the front on SIGUSR1. A signal that came before runs the quit once
// the start-up has ended.
void WatchForQuit(Machine& machine, QWidget& window);

}  // namespace fw
