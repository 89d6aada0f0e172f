// Leaving the program: the panels' quit button, the quit menu item and
// closing the window all take the one shutdown road.
#pragma once

#include "machine/machine.h"

namespace fw {

// The quit button of the out-of-coins and offer panels.
void QuitButton(Machine& m);
// The shutdown: blank the screen, save, release the sound, end.
void mnuQuit_Click(Machine& m);
// Closing the window takes the same road as the quit menu item.
void Form_Unload(Machine& m);
// The desktop session asks for the data to be kept: the run record holds the
// run as a quit would enter it (a game under way writes it when it ends).
void CommitData(Machine& m);
// The program is left without a quit it can run (a browser tab hidden or
// closed): the run record holds the run, suspended (during an event, as it was
// before it), and between events the store the preferences and the ten rows
// as they are, so the next start resumes the run and keeps the settings.
void KeepRecords(Machine& m);
// The page is hidden (a browser tab in the background): its records are kept
// as KeepRecords keeps them, and the time until it is shown again (ComeBack)
// is no play time.
void StepAway(Machine& m);
void ComeBack(Machine& m);

}  // namespace fw
