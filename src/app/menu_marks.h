// The menu's check marks and greyed items as the game's settings make them.
#pragma once

#include "game/game.h"

namespace pv {

// Sets every check mark and greyed item that follows a setting, on or off: the options, the
// current operation and the zoom. A start and a switch of player both show the menu through it,
// so the same settings always look the same, whatever the menu showed before.
void MarkSettingsInMenu(Game& g);

}  // namespace pv
