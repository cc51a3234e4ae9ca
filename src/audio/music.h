// Background music: the shuffled order of the songs and the player.
#pragma once

#include "game/game.h"

namespace pv {

void BuildPlaylist(Game& g);
void UpdateMusic(Game& g, HWND window);

}  // namespace pv
