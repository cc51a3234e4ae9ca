// Sound effects by kind of event. The audio subsystem calls only down: the generator, the game's
// state and the platform's player.
#pragma once

#include <cstdint>

#include "assets/catalogue.h"
#include "game/game.h"

namespace pv {

// The events that make a sound. The numbers are the kinds' own; any other plays a tap.
enum class Sound : std::uint32_t {
    Right = 1,            // a right answer, a matched pair
    Wrong = 2,            // a wrong answer, two cards that do not match
    Click = 3,            // a generic click: panels opening and closing, a blank answer again
    SoundSwitchedOn = 4,  // sound effects switched on; the start of a game
    Farewell = 5,         // the window closes
    NewQuestion = 6,      // a new question asked for, a card turned
    LevelDone = 7,        // a level without a mistake, the memory board cleared
};

enum class Wait : std::uint32_t { No = 0, Yes = 1 };

SoundGroup SoundGroupOf(Sound kind);

void PlaySoundEffect(Game& g, Sound kind, Wait wait = Wait::No);

}  // namespace pv
