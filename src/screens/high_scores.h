// The high-score screen.
#pragma once

#include "game/game.h"

namespace pv {

void OpenScores(Game& g);
void CloseScores(Game& g);
// The score just made, on the line under the list, in the player's language.
void ShowYourScore(Game& g);

}  // namespace pv
