// The player's language: items in the Options menu, kept in the player's settings file, and
// spoken from the moment it is chosen.
#pragma once

#include "game/game.h"

namespace pv {

// Adds the items the first time, then speaks the language the player kept (the desktop's when
// none, or one the game does not speak).
void LoadLanguage(Game& g);
// One check mark, on the language spoken now.
void MarkLanguageItems(Game& g);
// A language item: true when the command was one.
bool OnLanguageCommand(Game& g, WPARAM command);

}  // namespace pv
