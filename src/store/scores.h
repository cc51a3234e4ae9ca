// The high-score screen.
#pragma once

#include "app/game.h"

namespace pv {

void OpenScores(Game& g);
void CloseScores(Game& g);

}  // namespace pv
