// The fixed texts of the game's screens in the player's language, and the change of language
// while the game runs: every text the game set is set again.
#pragma once

#include <string>

#include "game/game.h"

namespace pv {

// The about and contact panels: the names, addresses and line breaks stay as they are.
std::string AboutText(Game& g);
std::string ContactText(Game& g);
std::string OkText(Game& g);
// The score screen's headers and name prompt.
enum ScoresLabel { kScoreHeader, kNameHeader, kYourName };
std::string ScoresText(Game& g, ScoresLabel label);

// Tells the platform the language chosen ("" for the desktop's) when it differs from the one
// it was last told, and then shows every text again in it.
void SpeakLanguage(Game& g, const std::string& code);

}  // namespace pv
