// One answered question as the answer log keeps it, and the dates that name it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "game/operations.h"

namespace pv {

// One answered question, as the game showed it: "left op right", e.g. 7 x 8, 12 - 5, 24 ÷ 6.
struct Answer {
    std::int32_t day = 0;  // the local date, days since 1970-01-01
    Operation operation{};
    std::uint16_t left = 0;          // up to 289 (17*17 for division)
    std::uint8_t right = 0;          // 1..17
    std::uint16_t answer = 0;        // the right answer, up to 289
    bool rightFirstTime = false;     // the first click was the right answer
    std::uint8_t wrongClicks = 0;    // wrong clicks on this question (clamped to 255)
    std::uint32_t firstClickMs = 0;  // from the question appearing to the first click

    bool operator==(const Answer&) const = default;
};

// The table fact the answered question was made from.
inline TableNumbers TableFactOf(const Answer& a) {
    return TableFactOf(a.operation, a.left, a.right, a.answer);
}

// One place for each table fact of each operation, for tallies kept in a plain array.
constexpr std::size_t kFactSlots = kOperationCount * (kLargestTable + 1) * (kLargestTable + 1);
constexpr std::size_t FactSlot(Operation operation, std::uint32_t a, std::uint32_t b) {
    return (static_cast<std::size_t>(operation) * (kLargestTable + 1) + a) * (kLargestTable + 1) +
           b;
}

// Whether the game could have recorded this answer: a known operation, a question from a table
// fact within 17 x 17 with its right answer, a day from 1970 on, and clicks that agree with
// each other (right the first time means no wrong click; a miss means at least one).
bool IsPossible(const Answer& answer);

std::int32_t DayNumber(int year, int month, int day);  // civil date -> days since 1970-01-01
std::string DayText(std::int32_t day);                 // "YYYY-MM-DD"

}  // namespace pv
