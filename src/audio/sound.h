// Sound effects by kind of event.
#pragma once

#include <cstdint>

#include "app/game.h"

namespace pv {

void PlaySoundEffect(Game& g, std::uint32_t kind, std::uint32_t wait);

}  // namespace pv
