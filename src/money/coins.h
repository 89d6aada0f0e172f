// Coins dragged from the pile into the slot, the credits and their lamps, and
// the out-of-coins panel.
#pragma once

#include "machine/machine.h"

namespace fw {

// A press on the pile: picks up one coin (left button) or a stack of five.
void imgMoneyPile_MouseDown(Machine& m, int button);
// Coins dropped on the slot.
void imgMoneySlot_DragDrop(Machine& m);
// Coins dropped anywhere else on the machine: they fall out of the picture.
void Form_DragDrop(Machine& m, float x, float y);
// add True lights the next credit lamp and adds a credit; otherwise takes one
// and darkens its lamp.
void AdjustCredits(Machine& m, Boolean add);
// Shows the panel that ends the game or gives a fresh purse.
void ShowOutOfCoins(Machine& m);

}  // namespace fw
