// Coins dragged from the pile into the slot, the credits and their lamps, and
// the out-of-coins panel.
#pragma once

#include "globals/cells.h"
#include "shell/machine.h"

namespace fw {

// The coin pile and the coin slot, as invisible areas over the machine picture.
inline constexpr Cell kPileArea{296, 174, 21, 21};
inline constexpr Cell kSlotArea{221, 71, 31, 26};
bool Inside(const Cell& area, float x, float y);

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
