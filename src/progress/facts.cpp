#include "progress/facts.h"

#include <algorithm>

namespace pv {

std::vector<FactSummary> SummariseFacts(const std::vector<Answer>& answers) {
    // The first click times are sorted into one array by fact, so that each fact's median is
    // found in its own stretch, without a vector per fact.
    std::vector<FactSummary> tally(kFactSlots);
    std::vector<std::size_t> slots(answers.size(), kFactSlots);
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const Answer& a = answers[i];
        if (!IsPossible(a)) continue;
        TableNumbers fact = TableFactOf(a);
        slots[i] = FactSlot(a.operation, fact.a, fact.b);
        FactSummary& s = tally[slots[i]];
        if (s.asked == 0) s = {a.operation, a.left, a.right, a.answer, 0, 0, 0, 0, a.day};
        ++s.asked;
        s.rightFirstTime += a.rightFirstTime ? 1 : 0;
        s.wrongClicks += a.wrongClicks;
        s.lastAsked = std::max(s.lastAsked, a.day);
    }
    std::vector<std::size_t> start(kFactSlots + 1, 0);
    for (std::size_t slot = 0; slot < kFactSlots; ++slot)
        start[slot + 1] = start[slot] + tally[slot].asked;
    std::vector<std::uint32_t> times(start.back());
    std::vector<std::size_t> next(start.begin(), start.end() - 1);
    for (std::size_t i = 0; i < answers.size(); ++i) {
        if (slots[i] != kFactSlots) times[next[slots[i]]++] = answers[i].firstClickMs;
    }

    std::vector<FactSummary> summaries;
    for (std::size_t slot = 0; slot < kFactSlots; ++slot) {
        if (tally[slot].asked == 0) continue;
        auto first = times.begin() + static_cast<std::ptrdiff_t>(start[slot]);
        auto middle = first + static_cast<std::ptrdiff_t>((tally[slot].asked - 1) / 2);
        std::nth_element(first, middle,
                         times.begin() + static_cast<std::ptrdiff_t>(start[slot + 1]));
        tally[slot].medianFirstClickMs = *middle;
        summaries.push_back(tally[slot]);
    }
    return summaries;
}

std::weak_ordering ByMisses(const FactSummary& x, const FactSummary& y) {
    if (auto c = y.Misses() <=> x.Misses(); c != 0) return c;
    return y.wrongClicks <=> x.wrongClicks;
}

std::weak_ordering ByQuestion(const FactSummary& x, const FactSummary& y) {
    if (auto c = x.operation <=> y.operation; c != 0) return c;
    if (auto c = x.left <=> y.left; c != 0) return c;
    return x.right <=> y.right;
}

}  // namespace pv
