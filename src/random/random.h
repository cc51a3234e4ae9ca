// The game's one random generator: two 39-bit shift registers stepped in turn. It needs only the
// game's state, and sits just above it: the control helpers draw from it as well as every
// subsystem.
#pragma once

#include <cstdint>

#include "game/game_state.h"

namespace pv {

struct Game;

// One step of a register: shifts right, feeding bit 0 XOR bit 35 in at bit 38.
void StepRegister(RandomRegister& r);

// A number in 0..n-1. Steps one register (alternating) whatever n is.
std::uint32_t Random(GameState& state, std::uint32_t n);

// Stirs the millisecond count into the registers; start-up calls it once.
void SeedRandomWith(GameState& state, std::uint32_t ticks);
void SeedRandom(Game& game);

}  // namespace pv
