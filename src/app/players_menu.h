// The players in the game: their names in the Drill menu, the current one checked and named in
// the window's title, a new one added by name, and the switch from one to another.
#pragma once

#include "game/game.h"

namespace pv {

// As the game starts, or another player's starts: the window's zoom, the player's answer log and
// own settings, the players in the Drill menu, the player's name in the title. Only the zoom when
// the game runs without players.
void LoadPlayer(Game& g);

// A pick from the players' part of the menu; false for any other command.
bool OnPlayerCommand(Game& g, HWND window, WPARAM command);

}  // namespace pv
