// Captions: the game in words. After each event (and at a game's end, before
// a panel may take the reels' place) the shell turns what the machine noted
// (m.telling.notes, machine.h) into one caption of short sentences: what just
// happened and what the player can do now ("Lemon, star, star: 10 coins. Hold
// up to two reels, or pull the lever."), and hands it to the window
// (Host::Caption), which shows it below the machine and gives it to a screen
// reader. Every sentence passes through the player's language (platform/words.h).
#pragma once

#include "machine/machine.h"

namespace fw {

// Tells the notes since the last caption in one caption, urgent for a panel or
// the start of the Mania period, and forgets them. Nothing without notes.
void TellCaption(Machine& m);

// View -> Hints: a game's caption also says which hold pays most on average
// and what it returns, from the exact odds (play/odds.h).
void ShowHints(Machine& m, bool on);

}  // namespace fw
