// The picture buttons of the drill screen, served by the main window: hover hints and clicks.
#pragma once

#include "game/game.h"

namespace pv {

void HitTest(Game& g, LPARAM point, int click);

}  // namespace pv
