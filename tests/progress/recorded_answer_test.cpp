// Dates, question texts and the check that an answer is one the game could have recorded.
#include <gtest/gtest.h>

#include "make_answer.h"
#include "progress/recorded_answer.h"

namespace pv::testing {
namespace {

TEST(AnswerDays, CivilDatesAcrossLeapDaysAndCenturies) {
    struct Case {
        int year, month, day;
        std::int32_t number;
        const char* text;
    };
    for (const Case& c :
         {Case{1970, 1, 1, 0, "1970-01-01"}, Case{1972, 2, 29, 789, "1972-02-29"},
          Case{2000, 2, 29, 11016, "2000-02-29"}, Case{2000, 3, 1, 11017, "2000-03-01"},
          Case{2024, 12, 31, 20088, "2024-12-31"}, Case{2025, 1, 1, 20089, "2025-01-01"},
          Case{2100, 2, 28, 47540, "2100-02-28"}, Case{2100, 3, 1, 47541, "2100-03-01"}}) {
        EXPECT_EQ(DayNumber(c.year, c.month, c.day), c.number) << c.text;
        EXPECT_EQ(DayText(c.number), c.text);
    }
}

TEST(AnswerQuestions, EachOperationShowsItsQuestionAndGoesBackToItsTableFact) {
    struct Case {
        Operation op;
        const char* text;
    };
    for (const Case& c :
         {Case{Operation::Addition, "4 + 6"}, Case{Operation::Subtraction, "10 - 6"},
          Case{Operation::Multiplication, "4 x 6"}, Case{Operation::Division, "24 \xC3\xB7 6"}}) {
        Answer answer = Asked(c.op, 4, 6, 0);
        EXPECT_EQ(QuestionText(c.op, answer.left, answer.right), c.text);
        EXPECT_EQ(RightAnswerOf(c.op, answer.left, answer.right), answer.answer) << c.text;
        TableNumbers fact = TableFactOf(answer);
        EXPECT_EQ(fact.a, 4) << c.text;
        EXPECT_EQ(fact.b, 6) << c.text;
    }
}

TEST(AnswerQuestions, PossibleOnlyWithinTheTablesWithTheRightAnswerAndAgreeingClicks) {
    const Answer largest = Asked(Operation::Division, 17, 17, 0);
    EXPECT_TRUE(IsPossible(largest));
    EXPECT_TRUE(IsPossible(Asked(Operation::Subtraction, 1, 1, 0, 255)));
    auto changed = [&](auto change) {
        Answer a = largest;
        change(a);
        return IsPossible(a);
    };
    EXPECT_FALSE(changed([](Answer& a) {
        a.left = 17 * 18;
        a.right = 18;
    }));                                                    // 17 ÷ 18 table
    EXPECT_FALSE(changed([](Answer& a) { a.left += 1; }));  // 290 ÷ 17
    EXPECT_FALSE(changed([](Answer& a) { a.answer = 16; }));
    EXPECT_FALSE(changed([](Answer& a) { a.day = -1; }));
    EXPECT_FALSE(changed([](Answer& a) { a.wrongClicks = 1; }));         // right first time
    EXPECT_FALSE(changed([](Answer& a) { a.rightFirstTime = false; }));  // a miss, no wrong click
    EXPECT_FALSE(changed([](Answer& a) { a.operation = static_cast<Operation>(4); }));
    EXPECT_FALSE(IsPossible(Asked(Operation::Multiplication, 18, 1, 0)));
    EXPECT_FALSE(IsPossible(Asked(Operation::Addition, 0, 5, 0)));
}

}  // namespace
}  // namespace pv::testing
