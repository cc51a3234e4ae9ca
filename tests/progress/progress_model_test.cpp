// The progress picture's model: each fact's state, the grid's indexing, the missed list, the days.
#include <gtest/gtest.h>

#include "make_answer.h"
#include "progress/progress_model.h"

namespace pv::testing {
namespace {

const Operation x = Operation::Multiplication;

// Each fact's answers: a day per answer, negative for a miss on that day.
std::vector<Answer> History(std::uint32_t b, std::initializer_list<int> days) {
    std::vector<Answer> answers;
    for (int day : days) {
        answers.push_back(Asked(x, 2, b, std::abs(day), day < 0 ? 1 : 0));
    }
    return answers;
}

TEST(Progress, EachFactInTheStateItsAnswersShow) {
    std::vector<Answer> answers;
    auto add = [&](std::uint32_t b, std::initializer_list<int> days) {
        for (const Answer& a : History(b, days)) answers.push_back(a);
    };
    add(4, {-1, -1, 2});     // two misses in three
    add(5, {-1, 2, 3});      // one in three: not more than a third
    add(6, {1, 1, 2});       // never missed, right on two days
    add(7, {1, 2, 3});       // right on three days
    add(8, {-1, 2, 3, 4});   // three days right since the miss
    add(9, {1, 2, 3, -4});   // known, then missed
    add(10, {-1, 1, 2, 3});  // the miss's own day counts once it is past
    ProgressModel model = BuildProgress(answers, x, 4);
    const auto& row = model.grid[2];
    EXPECT_EQ(row[3].state, FactCell::NeverAsked);
    EXPECT_EQ(row[4].state, FactCell::OftenMissed);
    EXPECT_EQ(row[5].state, FactCell::SometimesMissed);
    EXPECT_EQ(row[6].state, FactCell::Learning);
    EXPECT_EQ(row[7].state, FactCell::Known);
    EXPECT_EQ(row[8].state, FactCell::Known);
    EXPECT_EQ(row[9].state, FactCell::SometimesMissed);
    EXPECT_EQ(row[10].state, FactCell::Known);
    EXPECT_EQ(BuildProgress(answers, Operation::Addition, 4).grid[2][4].state,
              FactCell::NeverAsked);
}

TEST(Progress, GridReadsLikeATimesTableAndGrowsPastTen) {
    const Operation d = Operation::Division;
    std::vector<Answer> answers = {Asked(d, 4, 6, 3, 2), Asked(d, 10, 10, 3)};
    ProgressModel model = BuildProgress(answers, d, 3);
    EXPECT_EQ(model.grid[4][6].asked, 1u) << "24 ÷ 6 is the fact 4, 6";
    EXPECT_EQ(model.grid[4][6].wrongClicks, 2u);
    const FactCell& unasked = model.grid[3][5];
    EXPECT_EQ(std::tuple(unasked.left, unasked.right, unasked.answer), std::tuple(15, 5, 3));
    EXPECT_EQ(model.tableSize, 10u);
    answers.push_back(Asked(d, 11, 1, 3));
    EXPECT_EQ(BuildProgress(answers, d, 3).tableSize, 17u);
}

TEST(Progress, TenMostMissedAndTheFourteenDaysEndingToday) {
    std::vector<Answer> answers;
    for (std::uint32_t b = 1; b <= 12; ++b) {
        for (std::uint32_t miss = 0; miss < b; ++miss) answers.push_back(Asked(x, 3, b, 90, 1));
    }
    answers.push_back(Asked(x, 9, 9, 90));
    for (int day : {86, 87, 87, 100, 101})
        answers.push_back(Asked(x, 5, 5, day, day == 87 ? 1 : 0));
    ProgressModel model = BuildProgress(answers, x, 100);
    ASSERT_EQ(model.mostMissed.size(), 10u);
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(model.mostMissed[i].right, 12 - i);
    EXPECT_EQ(model.lastDays.front().day, 87);
    EXPECT_EQ(model.lastDays.front().answered, 2u);
    EXPECT_EQ(model.lastDays.front().rightFirstTime, 0u);
    EXPECT_EQ(model.lastDays[3].answered, 78u + 1) << "day 90";
    EXPECT_EQ(model.lastDays.back().day, 100);
    EXPECT_EQ(model.lastDays.back().answered, 1u) << "day 101 is not yet";
}

}  // namespace
}  // namespace pv::testing
