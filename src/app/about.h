// The about panel, which only the window procedure opens and closes; it lays itself over the
// drill or over a memory game, which it hides and brings back.
#pragma once

#include "game/game.h"

namespace pv {

void OpenAbout(Game& g);
void CloseAbout(Game& g);

}  // namespace pv
