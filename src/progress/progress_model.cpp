#include "progress/progress_model.h"

#include <algorithm>
#include <tuple>

#include "progress/facts.h"
#include "progress/practice.h"

namespace pv {

namespace {

// The rules in the order progress_model.h gives them.
FactCell::State StateOf(const FactHistory& history, const FactSummary& s) {
    if (s.asked == 0) return FactCell::NeverAsked;
    if (history.CleanDays() >= kDaysToKnow) return FactCell::Known;
    if (s.Misses() * 3 > s.asked) return FactCell::OftenMissed;
    if (s.Misses() > 0) return FactCell::SometimesMissed;
    return FactCell::Learning;
}

void FillGrid(ProgressModel& model, const std::vector<Answer>& answers) {
    Operation op = model.operation;
    for (std::uint32_t a = 1; a <= kLargestTable; ++a) {
        for (std::uint32_t b = 1; b <= kLargestTable; ++b) {
            Question q = QuestionOf(op, a, b);
            FactCell& cell = model.grid[a][b];
            cell.left = q.left;
            cell.right = q.right;
            cell.answer = q.answer;
        }
    }
    WeakFactTracker tracker(answers);
    for (const FactSummary& s : SummariseFacts(answers)) {
        if (s.operation != op) continue;
        TableNumbers fact = TableFactOf(s.operation, s.left, s.right, s.answer);
        FactCell& cell = model.grid[fact.a][fact.b];
        cell.state = StateOf(tracker.History(op, fact.a, fact.b), s);
        cell.asked = s.asked;
        cell.rightFirstTime = s.rightFirstTime;
        cell.wrongClicks = s.wrongClicks;
        cell.medianMs = s.medianFirstClickMs;
        cell.lastDay = s.lastAsked;
        if (fact.a > kSmallTables || fact.b > kSmallTables) model.tableSize = kLargestTable;
    }
}

void FillMostMissed(ProgressModel& model) {
    std::vector<FactCell> missed;
    for (const auto& row : model.grid) {
        for (const FactCell& cell : row) {
            if (cell.asked > cell.rightFirstTime) missed.push_back(cell);
        }
    }
    auto misses = [](const FactCell& c) { return c.asked - c.rightFirstTime; };
    std::sort(missed.begin(), missed.end(), [&](const FactCell& x, const FactCell& y) {
        return std::tuple(misses(y), y.wrongClicks, x.left, x.right) <
               std::tuple(misses(x), x.wrongClicks, y.left, y.right);
    });
    if (missed.size() > kMostMissedShown) missed.resize(kMostMissedShown);
    model.mostMissed = std::move(missed);
}

void FillLastDays(ProgressModel& model, const std::vector<Answer>& answers, std::int32_t today) {
    const std::int32_t first = today - static_cast<std::int32_t>(kDaysShown) + 1;
    for (std::size_t i = 0; i < kDaysShown; ++i) {
        model.lastDays[i].day = first + static_cast<std::int32_t>(i);
    }
    for (const Answer& a : answers) {
        if (a.operation != model.operation || a.day < first || a.day > today || !IsPossible(a)) {
            continue;
        }
        DayBar& bar = model.lastDays[static_cast<std::size_t>(a.day - first)];
        ++bar.answered;
        bar.rightFirstTime += a.rightFirstTime ? 1 : 0;
    }
}

}  // namespace

ProgressModel BuildProgress(const std::vector<Answer>& answers, Operation operation,
                            std::int32_t today) {
    ProgressModel model;
    model.operation = operation;
    FillGrid(model, answers);
    FillMostMissed(model);
    FillLastDays(model, answers, today);
    return model;
}

}  // namespace pv
