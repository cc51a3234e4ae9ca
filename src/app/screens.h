// Switching between the drill screen and the others, and the about panel.
#pragma once

#include "app/game.h"

namespace pv {

// True while the about panel, the memory game, the colour panel or the score screen is up.
bool AnotherScreenOpen(const GameState& g);

void ShowDrillScreen(Game& g, int show);
void OpenAbout(Game& g);
void CloseAbout(Game& g);

}  // namespace pv
