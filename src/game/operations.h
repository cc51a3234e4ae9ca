// The four operations the game drills, in one table: each row holds all the game knows of one,
// from the byte the settings file keeps to the words a screen reader says. Everything that
// differs between the operations reads its row here, so that they cannot drift apart.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "assets/commands.h"

namespace pv {

// The values are stored in the answer log and index the progress window's tabs.
enum class Operation : std::uint8_t {
    Addition = 0,
    Subtraction = 1,
    Multiplication = 2,
    Division = 3
};
constexpr std::size_t kOperationCount = 4;

// The largest table the game asks: 17 by 17; without the big tables option, 10 by 10.
constexpr std::uint32_t kLargestTable = 17;
constexpr std::uint32_t kSmallTables = 10;

struct OperationRow {
    Operation operation;
    // What the game's operation byte and the settings file hold; also the sign in the drill's
    // question, which is Windows-1252 text (÷ is 0xF7).
    std::uint8_t byte;
    std::uint32_t command;  // the Drill menu item that picks it
    // UTF-8 texts, English.
    const char* questionSign;  // as a recorded question is written: "x", "÷"
    const char* gridSign;      // the progress grid's, in proper type: "−", "×"
    const char* spokenWords;   // what a screen reader says for the sign: "times"
    const char* name;          // the report's word: "multiplication"
    // Subtraction and division are asked backwards from a table fact (a, b): the question starts
    // from the fact's total and a is the answer, so "12 - 5" comes from (7, 5).
    bool askedBackwards;
    std::uint32_t (*factTotal)(std::uint32_t a, std::uint32_t b);  // a + b or a * b
    // The right answer to "left sign right"; 0, which is never one, when it has no whole answer.
    std::uint32_t (*rightAnswer)(std::uint32_t left, std::uint32_t right);
    // The wrong answers offered lie in 1 .. this for a table of that size.
    std::uint32_t (*choiceRange)(std::uint32_t tableSize);
};

// The rows in the order of Operation's values.
const std::array<OperationRow, kOperationCount>& AllOperations();

// The row of an operation, of an operation byte, of a menu command. The game only ever holds
// the four, so anything else reads as division, as the drill has always taken it.
const OperationRow& RowOf(Operation operation);
const OperationRow& RowOfByte(std::uint8_t byte);
const OperationRow& RowOfCommand(std::uint32_t command);
bool IsOperationByte(std::uint8_t byte);
bool IsOperationCommand(std::uint32_t command);

// The table fact a question comes from, both numbers 1..17: "12 - 5" comes from (7, 5) and
// "24 ÷ 6" from (4, 6).
struct TableNumbers {
    std::uint8_t a = 0;
    std::uint8_t b = 0;
};
TableNumbers TableFactOf(Operation operation, std::uint16_t left, std::uint8_t right,
                         std::uint16_t answer);

// The question the game shows for table fact (a, b): its left number and its answer.
struct Question {
    std::uint16_t left = 0;
    std::uint8_t right = 0;
    std::uint16_t answer = 0;
};
Question QuestionOf(Operation operation, std::uint32_t a, std::uint32_t b);

// The right answer to "left op right"; 0, which is never one, when the question has no whole
// answer (12 - 15, 7 ÷ 2, anything ÷ 0) or one past 65535.
std::uint16_t RightAnswerOf(Operation operation, std::uint16_t left, std::uint8_t right);

const char* OperationName(Operation);  // "addition", "subtraction", "multiplication", "division"
// UTF-8: "7 x 8", "3 + 4", "12 - 5", "24 ÷ 6" (÷ is U+00F7).
std::string QuestionText(Operation, std::uint16_t left, std::uint8_t right);

}  // namespace pv
