// What the progress picture shows for one player and one operation: the table as a grid of
// facts, each in a state a parent reads without explanation, the facts most often missed, and
// how many questions were answered on each of the last two weeks' days.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "progress/recorded_answer.h"

namespace pv {

// The state of a fact, each rule taken only when those before it do not hold:
//   NeverAsked       no answer yet
//   Known            right the first time on three different days since its last miss (or
//                    since its first answer, if never missed)
//   OftenMissed      missed in more than a third of its answers
//   SometimesMissed  missed at least once
//   Learning         never missed, right the first time on only one or two days so far
// A known fact missed again falls back to one of the missed states, just as it goes back among
// the weak facts to practise.
struct FactCell {
    enum State { NeverAsked, OftenMissed, SometimesMissed, Learning, Known } state = NeverAsked;
    std::uint32_t asked = 0, rightFirstTime = 0, wrongClicks = 0, medianMs = 0;
    std::int32_t lastDay = 0;
    // The question as the game shows it, also for a fact never asked.
    std::uint16_t left = 0;
    std::uint8_t right = 0;
    std::uint16_t answer = 0;
};

struct DayBar {
    std::int32_t day = 0;
    std::uint32_t answered = 0, rightFirstTime = 0;
};

constexpr std::size_t kMostMissedShown = 10;
constexpr std::size_t kDaysShown = 14;

struct ProgressModel {
    Operation operation{};
    std::uint32_t tableSize = 10;  // 10, or 17 when any fact beyond 10 was asked
    // Indexed by the table fact (a, b), both 1-based (see TableFactOf), so that the grid reads
    // like a times table for every operation; row and column 0 stay empty.
    std::array<std::array<FactCell, kLargestTable + 1>, kLargestTable + 1> grid{};
    // Up to ten facts missed at least once: most misses first, then most wrong clicks, then by
    // question (left, then right).
    std::vector<FactCell> mostMissed;
    std::array<DayBar, kDaysShown> lastDays{};  // the 14 days ending today, oldest first
};

ProgressModel BuildProgress(const std::vector<Answer>& answers, Operation operation,
                            std::int32_t today);

}  // namespace pv
