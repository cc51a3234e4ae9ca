#include "random/random.h"

#include "game/game.h"

namespace pv {

void StepRegister(RandomRegister& r) {
    std::uint32_t feedback = (r.low & 1u) ^ ((r.high >> 3) & 1u);
    r.low = (r.low >> 1) | (static_cast<std::uint32_t>(r.high & 1u) << 31);
    r.high = static_cast<std::uint8_t>((r.high >> 1) | (feedback << 6));
}

std::uint32_t Random(GameState& state, std::uint32_t n) {
    if (state.randomObserver != nullptr) state.randomObserver(state.randomObserverContext, n);
    RandomRegister& r = state.rngToggle == 0 ? state.rngA : state.rngB;
    StepRegister(r);
    state.rngToggle = static_cast<std::uint8_t>(~state.rngToggle);
    // n = 0 is never passed; answering 0 keeps it harmless rather than dividing by zero.
    return n == 0 ? 0 : r.low % n;
}

void SeedRandomWith(GameState& state, std::uint32_t ticks) {
    state.rngA.low += ticks;
    state.rngB.low -= 4u * ticks;
    std::uint32_t s = Random(state, 1112);
    std::uint32_t r = 0;
    do {
        r = Random(state, 133);
        s += r;
        state.rngA.low -= s;
        state.rngB.low += r;
    } while (s < 2000);
    state.rngA.low += s;
    state.rngB.low -= s;
    state.rngA.high = 6;
    state.rngB.low += r;
    state.rngB.low += Random(state, 9234112);
    state.rngB.high = 9;
}

void SeedRandom(Game& game) {
    SeedRandomWith(game, game.platform.GetTickCount());
}

}  // namespace pv
