// The fact grid, levels and the making of questions. The drill is a subsystem: it calls down to
// the controls, the generator and the record, and sideways to the sounds, the screen switch and
// the memory game it deals at the end of a level.
#pragma once

#include <cstdint>

#include "game/game.h"
#include "game/operations.h"

namespace pv {

// Whether the fact is to be marked as asked, or only looked at.
enum class Mark : std::uint32_t { No = 0, Yes = 1 };

// Whether the fact a, b was asked before (not 0), marking it asked if told to.
std::uint32_t MarkFactAsked(Game& g, std::uint32_t a, std::uint32_t b, Mark mark);
// The table fact the question on view was made from.
TableNumbers FactOnView(const Game& g);
void ResetFactGrid(Game& g);
void NextQuestion(Game& g);
// How many questions are left, in the player's language.
void ShowQuestionsLeft(Game& g);
void SetOperation(Game& g, UINT cmd);
void MarkOperationMenu(Game& g);

}  // namespace pv
