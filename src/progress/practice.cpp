#include "progress/practice.h"

#include <algorithm>
#include <tuple>

namespace pv {

WeakFactTracker::WeakFactTracker(const std::vector<Answer>& answers) {
    for (const Answer& answer : answers) Add(answer);
}

void WeakFactTracker::Add(const Answer& answer) {
    if (!IsPossible(answer)) return;
    TableNumbers fact = TableFactOf(answer);
    facts_[FactSlot(answer.operation, fact.a, fact.b)].Add(answer);
}

std::vector<Fact> WeakFactTracker::WeakFacts(Operation operation, std::uint32_t tableSize) const {
    struct Weak {
        std::uint32_t misses;
        std::int32_t lastDay;
        std::uint32_t a, b;
    };
    std::vector<Weak> weak;
    std::uint32_t size = std::min(tableSize, kLargestTable);
    for (std::uint32_t a = 1; a <= size; ++a) {
        for (std::uint32_t b = 1; b <= size; ++b) {
            const FactHistory& history = History(operation, a, b);
            if (history.Weak())
                weak.push_back({history.MissesWhileWeak(), history.LastDay(), a, b});
        }
    }
    std::sort(weak.begin(), weak.end(), [](const Weak& x, const Weak& y) {
        return std::tie(y.misses, x.lastDay, x.a, x.b) < std::tie(x.misses, y.lastDay, y.a, y.b);
    });
    std::vector<Fact> facts;
    facts.reserve(weak.size());
    for (const Weak& w : weak) {
        Question q = QuestionOf(operation, w.a, w.b);
        facts.push_back({operation, q.left, q.right, q.answer});
    }
    return facts;
}

std::vector<Fact> WeakFacts(const std::vector<Answer>& answers, Operation operation,
                            std::uint32_t tableSize) {
    return WeakFactTracker(answers).WeakFacts(operation, tableSize);
}

}  // namespace pv
