// Sound effects by kind of event. The audio subsystem calls only down: the generator, the record
// and the platform's player.
#pragma once

#include <cstdint>

#include "game/game.h"

namespace pv {

// The sounds of one kind: `count` variants from resource `first` on.
struct SoundGroup {
    std::uint32_t count;
    UINT first;
};
SoundGroup SoundGroupOf(std::uint32_t kind);

void PlaySoundEffect(Game& g, std::uint32_t kind, std::uint32_t wait);

}  // namespace pv
