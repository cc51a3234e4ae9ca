// The weak facts, for the drill to ask again: every fact missed and not yet right the first
// time on three different days since (see fact_history.h).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "progress/fact_history.h"
#include "progress/recorded_answer.h"

namespace pv {

// A question of the game, as it shows it.
struct Fact {
    Operation operation{};
    std::uint16_t left = 0;
    std::uint8_t right = 0;
    std::uint16_t answer = 0;

    bool operator==(const Fact&) const = default;
};

// Kept beside the drill: built once from the record, then told each new answer, so that asking
// for the weak facts costs a look at one table, not a walk over a year of answers.
class WeakFactTracker {
  public:
    WeakFactTracker() = default;
    explicit WeakFactTracker(const std::vector<Answer>& answers);

    // Impossible answers (see IsPossible) are ignored.
    void Add(const Answer& answer);

    // The weak facts of the operation whose table numbers (see TableFactOf) are both within
    // tableSize. Most misses since the fact became weak first; of as many, the one asked longest
    // ago first; then by table numbers, a before b, smallest first.
    std::vector<Fact> WeakFacts(Operation operation, std::uint32_t tableSize) const;

    const FactHistory& History(Operation operation, std::uint32_t a, std::uint32_t b) const {
        return facts_[FactSlot(operation, a, b)];
    }

  private:
    std::array<FactHistory, kFactSlots> facts_{};
};

std::vector<Fact> WeakFacts(const std::vector<Answer>& answers, Operation operation,
                            std::uint32_t tableSize);

}  // namespace pv
