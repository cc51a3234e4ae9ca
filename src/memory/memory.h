// The pairs game on thirty picture cards. A subsystem, called by the window procedure and by the
// drill; it calls down to the controls and sideways to the sounds and the screen switch.
#pragma once

#include "controls/controls.h"
#include "game/game.h"

namespace pv {

void DealMemoryGame(Game& g);
void ShowMemoryBoard(Game& g, Visibility show);
void CardClicked(Game& g, int i);
void LeaveMemoryGame(Game& g);

}  // namespace pv
