// Switching between the drill screen and the others. Every screen of the subsystems hides and
// shows the drill through here, and the switch calls the colour code sideways for a random
// background; it sits among the subsystems, above the control helpers.
#pragma once

#include "controls/controls.h"
#include "game/game.h"

namespace pv {

// True while the about panel, the memory game, the colour panel or the score screen is up.
bool AnotherScreenOpen(const GameState& g);

void ShowDrillScreen(Game& g, Visibility show);

}  // namespace pv
