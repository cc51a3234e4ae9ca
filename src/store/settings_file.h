// The settings and score file of the player's data folder, filled from and read into the game:
// its settings into the record and the menu, its score lines into the score store. The store is a
// subsystem that calls only down, to the record and its file helpers.
#pragma once

#include "game/game.h"
#include "store/settings_format.h"

namespace pv {

void LoadSettingsFile(Game& g);
void SaveSettingsFile(Game& g, HWND window);

}  // namespace pv
