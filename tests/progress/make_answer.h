// Answers as the game records them, made from a table fact, for the progress tests.
#pragma once

#include "progress/recorded_answer.h"

namespace pv::testing {

// Right the first time when wrongClicks is 0, a miss otherwise.
inline Answer Asked(Operation op, std::uint32_t a, std::uint32_t b, std::int32_t day,
                    std::uint8_t wrongClicks = 0, std::uint32_t ms = 1000) {
    Question q = QuestionOf(op, a, b);
    return {day, op, q.left, q.right, q.answer, wrongClicks == 0, wrongClicks, ms};
}

}  // namespace pv::testing
