// A running game: its state record and the services it calls. Every routine takes the game it
// works on, so that any number of games (one per test) can exist side by side. This folder is
// the game's ground floor: it includes only the platform layer, and every floor above includes it.
#pragma once

#include <memory>

#include "game/game_state.h"
#include "platform/platform.h"

namespace pv {

// The player's record of answers, kept by the drill (drill/record.h).
struct DrillRecord;

struct Game : GameState {
    explicit Game(Platform& services) : platform(services) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Platform& platform;
    std::shared_ptr<DrillRecord> record;  // none without players
};

}  // namespace pv
