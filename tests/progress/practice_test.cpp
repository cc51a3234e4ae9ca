// The weak facts: when a fact becomes weak and stops being so, which are offered, in what order.
#include <gtest/gtest.h>

#include "make_answer.h"
#include "progress/practice.h"

namespace pv::testing {
namespace {

TEST(Practice, WeakFromAMissUntilRightOnThreeDifferentDaysAfterIt) {
    const Operation x = Operation::Multiplication;
    WeakFactTracker tracker;
    auto weak = [&] { return tracker.WeakFacts(x, 10); };
    tracker.Add(Asked(x, 6, 7, 1));
    EXPECT_TRUE(weak().empty()) << "never missed";
    tracker.Add(Asked(x, 6, 7, 1, 2));
    const std::vector<Fact> sixSevens{{x, 6, 7, 42}};
    EXPECT_EQ(weak(), sixSevens);
    for (std::int32_t day : {1, 2, 2, 2}) tracker.Add(Asked(x, 6, 7, day));
    EXPECT_EQ(weak(), sixSevens) << "right on two days only";
    tracker.Add(Asked(x, 6, 7, 3, 1));
    for (std::int32_t day : {4, 5}) tracker.Add(Asked(x, 6, 7, day));
    EXPECT_EQ(weak(), sixSevens) << "a miss starts the count again";
    tracker.Add(Asked(x, 6, 7, 6));
    EXPECT_TRUE(weak().empty());
}

TEST(Practice, MostMissesFirstThenLongestUnseenWithinTheTable) {
    const Operation d = Operation::Division;
    std::vector<Answer> answers = {
        Asked(d, 5, 5, 8, 1),
        Asked(d, 2, 2, 5, 1),
        Asked(d, 3, 4, 10, 1),
        Asked(d, 3, 4, 10, 3),
        Asked(d, 2, 3, 5, 1),
        Asked(d, 8, 5, 1, 1),  // 40 ÷ 5: beyond a table of 7
        Asked(Operation::Multiplication, 1, 1, 1, 1),
    };
    EXPECT_EQ(WeakFacts(answers, d, 7),
              (std::vector<Fact>{{d, 12, 4, 3}, {d, 4, 2, 2}, {d, 6, 3, 2}, {d, 25, 5, 5}}));
    // "12 - 5" comes from 7 and 5: within a table of 7, though 12 is not; "13 - 5" is not.
    const Operation s = Operation::Subtraction;
    answers = {Asked(s, 7, 5, 1, 1), Asked(s, 8, 5, 1, 1)};
    EXPECT_EQ(WeakFacts(answers, s, 7), (std::vector<Fact>{{s, 12, 5, 7}}));
}

}  // namespace
}  // namespace pv::testing
