// A running game: its state and the services it calls. Every routine takes the game it
// works on, so that any number of games (one per test) can exist side by side. This folder is
// the game's ground floor: it includes only the platform layer, and every floor above includes it.
#pragma once

#include <memory>

#include "game/game_state.h"
#include "platform/platform.h"

namespace pv {

// What the drill keeps of the player's answers (drill/answer_keeper.h).
struct AnswerKeeper;
// Where the player's progress is shown (game/progress_view.h).
struct ProgressView;

struct Game : GameState {
    explicit Game(Platform& services) : platform(services) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Platform& platform;
    std::shared_ptr<AnswerKeeper> answerKeeper;  // none without players
    ProgressView* progressView = nullptr;        // not owned; none without a desktop
};

}  // namespace pv
