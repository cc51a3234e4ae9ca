// The fact grid, levels and the making of questions.
#pragma once

#include <cstdint>

#include "app/game.h"

namespace pv {

std::uint32_t FactCell(Game& g, std::uint32_t a, std::uint32_t b, std::uint32_t mark);
void ResetFactGrid(Game& g);
void NextQuestion(Game& g);
void SetOperation(Game& g, UINT cmd);
void MarkOperationMenu(Game& g);

}  // namespace pv
