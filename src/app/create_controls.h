// Every control of every screen, made once when the main window is created: the window's
// creation calls this, so it sits with the window procedure above the subsystems it sets up.
#pragma once

#include "game/game.h"

namespace pv {

LRESULT CreateControls(Game& g, HWND window);

}  // namespace pv
