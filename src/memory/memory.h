// The pairs game on thirty picture cards.
#pragma once

#include "app/game.h"

namespace pv {

void DealMemoryGame(Game& g);
void ShowMemoryBoard(Game& g, int show);
void CardClicked(Game& g, int i);
void LeaveMemoryGame(Game& g);

}  // namespace pv
