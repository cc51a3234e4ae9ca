#include "progress/recorded_answer.h"

#include <chrono>
#include <cstdio>

namespace pv {

namespace {

// Past the year 9999 a day can only come from a broken clock or a broken file.
constexpr std::int32_t kLastDay = 2932896;  // 9999-12-31

bool InTable(std::uint32_t n) {
    return n >= 1 && n <= kLargestTable;
}

}  // namespace

bool IsPossible(const Answer& answer) {
    if (static_cast<std::size_t>(answer.operation) >= kOperationCount) return false;
    if (answer.day < 0 || answer.day > kLastDay) return false;
    if (answer.rightFirstTime != (answer.wrongClicks == 0)) return false;
    TableNumbers fact = TableFactOf(answer);
    if (!InTable(fact.a) || !InTable(fact.b)) return false;
    Question asked = QuestionOf(answer.operation, fact.a, fact.b);
    return asked.left == answer.left && asked.right == answer.right &&
           asked.answer == answer.answer;
}

std::int32_t DayNumber(int year, int month, int day) {
    using namespace std::chrono;
    year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                        std::chrono::day{static_cast<unsigned>(day)}};
    return static_cast<std::int32_t>(sys_days{date}.time_since_epoch().count());
}

std::string DayText(std::int32_t day) {
    using namespace std::chrono;
    year_month_day date{sys_days{days{day}}};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

}  // namespace pv
