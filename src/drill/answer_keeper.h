// What the drill keeps of a player's answers: every answered question goes to the player's
// record, and with practice on, about one question in three comes back from the facts the player
// keeps missing. Without players (tools and tests that keep only a settings file) nothing is kept.
#pragma once

#include <cstdint>
#include <filesystem>

#include "game/game.h"

namespace pv {

// At start and after a switch of player: the answer log of the player's folder.
void OpenAnswerKeeper(Game& g);

// The question on view has just been put up.
void QuestionShown(Game& g);

// After anything that may have hidden the question or brought it back: its clock runs only while
// it can be seen and answered, not under another screen, behind a dialog or while the window is
// minimised.
void FollowQuestionClock(Game& g);

// A click on an answer button, before it is judged. A right one ends the question: it goes to
// the answer log.
void NoteAnswerClick(Game& g, bool right);

// With practice on, draws whether this question practises, and if so which weak fact: its table
// numbers (as the question is made from them) in a and b. False for an ordinary question; with
// practice off it draws nothing.
bool PracticeFact(Game& g, std::uint32_t& a, std::uint32_t& b);

}  // namespace pv
