// The picture buttons of the drill screen, served by the main window: hover hints and clicks.
#pragma once

#include <cstdint>

#include "game/game.h"

namespace pv {

// Whether the pointer only moved or was pressed there.
enum class Click : std::uint32_t { No = 0, Yes = 1 };

void HitTest(Game& g, LPARAM point, Click click);

}  // namespace pv
