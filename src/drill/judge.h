// Judging an answer, the faces and the score.
#pragma once

#include <cstdint>

#include "game/game.h"

namespace pv {

void AnswerClicked(Game& g, HWND button, std::uint32_t value);
void ShowFace(Game& g, std::uint32_t id);

}  // namespace pv
