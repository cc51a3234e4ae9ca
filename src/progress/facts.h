// What each fact's answers add up to: how often it was asked and missed, how long the first
// click took, when it was last asked.
#pragma once

#include <compare>
#include <cstdint>
#include <vector>

#include "progress/recorded_answer.h"

namespace pv {

struct FactSummary {
    Operation operation{};
    std::uint16_t left = 0;  // the question as the game shows it
    std::uint8_t right = 0;
    std::uint16_t answer = 0;
    std::uint32_t asked = 0;
    std::uint32_t rightFirstTime = 0;
    std::uint32_t wrongClicks = 0;
    // Of all its answers; of an even number, the lower of the middle two, so that it is a time
    // some answer really took.
    std::uint32_t medianFirstClickMs = 0;
    std::int32_t lastAsked = 0;  // the latest day it was asked

    std::uint32_t Misses() const { return asked - rightFirstTime; }
};

// One summary per fact asked at least once, by operation, then by table fact (a, b).
// Impossible answers (see IsPossible) are left out.
std::vector<FactSummary> SummariseFacts(const std::vector<Answer>& answers);

// "Most often missed first": more misses first, then more wrong clicks.
std::weak_ordering ByMisses(const FactSummary& x, const FactSummary& y);
// Operation, then left, then right, each ascending.
std::weak_ordering ByQuestion(const FactSummary& x, const FactSummary& y);

}  // namespace pv
