#include "app/screens.h"

namespace pv {

bool AnotherScreenOpen(const GameState& g) {
    return g.aboutOpen != 0 || g.memoryOpen != 0 || g.colourOpen != 0 || g.scoresOpen != 0;
}

// The screens other than the drill come with the memory game, colour panel and score screen.
void ShowDrillScreen(Game& /*g*/, int /*show*/) {}
void OpenAbout(Game& /*g*/) {}
void CloseAbout(Game& /*g*/) {}

}  // namespace pv
