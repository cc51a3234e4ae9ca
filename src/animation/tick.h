// The 300 ms tick: animation and delayed actions.
#pragma once

#include "app/game.h"

namespace pv {

void OnTick(Game& g);

}  // namespace pv
