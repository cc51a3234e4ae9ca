// The operations' table: each row's question goes back to its fact, and each lookup finds it.
#include <gtest/gtest.h>

#include "game/operations.h"

namespace pv::testing {
namespace {

TEST(Operations, EveryFactOfEveryTableMakesAQuestionThatGoesBackToIt) {
    for (const OperationRow& row : AllOperations()) {
        for (std::uint32_t a = 1; a <= kLargestTable; ++a) {
            for (std::uint32_t b = 1; b <= kLargestTable; ++b) {
                Question q = QuestionOf(row.operation, a, b);
                TableNumbers fact = TableFactOf(row.operation, q.left, q.right, q.answer);
                ASSERT_EQ(fact.a, a) << row.name << " " << a << "," << b;
                ASSERT_EQ(fact.b, b) << row.name << " " << a << "," << b;
                ASSERT_EQ(RightAnswerOf(row.operation, q.left, q.right), q.answer) << row.name;
            }
        }
    }
}

TEST(Operations, ByteCommandAndValueEachFindTheirOwnRow) {
    for (const OperationRow& row : AllOperations()) {
        EXPECT_EQ(&RowOf(row.operation), &row);
        EXPECT_EQ(&RowOfByte(row.byte), &row) << row.name;
        EXPECT_EQ(&RowOfCommand(row.command), &row) << row.name;
        EXPECT_TRUE(IsOperationByte(row.byte) && IsOperationCommand(row.command)) << row.name;
    }
    EXPECT_FALSE(IsOperationByte('*') || IsOperationByte(0) || IsOperationCommand(Command::Exit));
    EXPECT_EQ(RowOfByte('*').operation, Operation::Division);
}

}  // namespace
}  // namespace pv::testing
