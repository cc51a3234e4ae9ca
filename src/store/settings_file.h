// The settings and score file.
#pragma once

#include "app/game.h"

namespace pv {

void LoadSettingsFile(Game& g);
void SaveFile(Game& g, HWND window);

}  // namespace pv
