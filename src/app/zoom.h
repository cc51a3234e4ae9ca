// The window's size on screen: 1 to 4 times the size the game lays it out at. Picked in the
// Options menu and kept per player in the player's own settings, never in the settings and score
// file, whose bytes stay as they always were. Until a player picks one, the game takes the largest
// that leaves the window a fair part of the screen. A factor the screen cannot hold is not offered,
// and a kept one shows as the largest that fits while it stays kept.
#pragma once

#include "game/game.h"

namespace pv {

// The largest factor at which the framed window takes at most 55 % of the work area's height;
// at least 1.
int AutomaticZoom(int workAreaHeight);

// As the game starts, or another player's starts: the zoom items in the Options menu, and the
// player's choice (else the automatic one) applied.
void LoadZoom(Game& g);

// The factor shown checked, and those the screen or the pictures cannot take greyed.
void MarkZoomItems(Game& g);

// A zoom item picked: shown at once, checked and kept for the player. False for any other
// command.
bool OnZoomCommand(Game& g, WPARAM command);

}  // namespace pv
