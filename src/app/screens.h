// Switching between the drill screen and the others, and the about panel.
#pragma once

#include "app/game.h"

namespace pv {

void ShowDrillScreen(Game& g, int show);
void OpenAbout(Game& g);
void CloseAbout(Game& g);

}  // namespace pv
