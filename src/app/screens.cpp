#include "app/screens.h"

namespace pv {

// The screens other than the drill come with the memory game, colour panel and score screen.
void ShowDrillScreen(Game& /*g*/, int /*show*/) {}
void OpenAbout(Game& /*g*/) {}
void CloseAbout(Game& /*g*/) {}

}  // namespace pv
