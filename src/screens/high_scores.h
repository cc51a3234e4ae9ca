// The high-score screen.
#pragma once

#include "game/game.h"

namespace pv {

void OpenScores(Game& g);
void CloseScores(Game& g);

}  // namespace pv
