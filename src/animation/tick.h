// The 300 ms tick: animation and delayed actions. A subsystem: the window procedure calls it,
// and it calls sideways into the drill and the memory game for the actions it delays.
#pragma once

#include "game/game.h"

namespace pv {

constexpr UINT kTickTimer = 1;
constexpr UINT kTickMilliseconds = 300;

void OnTick(Game& g);
// The level or the score, whichever the label shows now, in the player's language.
void ShowLevelLabel(Game& g);

}  // namespace pv
