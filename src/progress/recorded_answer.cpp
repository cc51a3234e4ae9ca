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

TableNumbers TableFactOf(Operation operation, std::uint16_t left, std::uint8_t right,
                         std::uint16_t answer) {
    bool backwards = operation == Operation::Subtraction || operation == Operation::Division;
    std::uint16_t a = backwards ? answer : left;
    return {static_cast<std::uint8_t>(a <= 0xFF ? a : 0), right};
}

Question QuestionOf(Operation operation, std::uint32_t a, std::uint32_t b) {
    auto q = [b](std::uint32_t left, std::uint32_t answer) {
        return Question{static_cast<std::uint16_t>(left), static_cast<std::uint8_t>(b),
                        static_cast<std::uint16_t>(answer)};
    };
    switch (operation) {
        case Operation::Addition:
            return q(a, a + b);
        case Operation::Subtraction:
            return q(a + b, a);
        case Operation::Multiplication:
            return q(a, a * b);
        case Operation::Division:
            break;
    }
    return q(a * b, a);
}

std::uint16_t RightAnswerOf(Operation operation, std::uint16_t left, std::uint8_t right) {
    std::uint32_t l = left;
    std::uint32_t r = right;
    std::uint32_t answer = 0;
    switch (operation) {
        case Operation::Addition:
            answer = l + r;
            break;
        case Operation::Subtraction:
            answer = l > r ? l - r : 0;
            break;
        case Operation::Multiplication:
            answer = l * r;
            break;
        case Operation::Division:
            answer = r != 0 && l % r == 0 ? l / r : 0;
            break;
    }
    return answer <= 0xFFFF ? static_cast<std::uint16_t>(answer) : 0;
}

bool IsPossible(const Answer& answer) {
    if (static_cast<std::uint8_t>(answer.operation) > 3) return false;
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

std::int32_t LocalDay(std::time_t when) {
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr) return 0;
    return DayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

const char* OperationName(Operation operation) {
    switch (operation) {
        case Operation::Addition:
            return "addition";
        case Operation::Subtraction:
            return "subtraction";
        case Operation::Multiplication:
            return "multiplication";
        case Operation::Division:
            break;
    }
    return "division";
}

std::string QuestionText(Operation operation, std::uint16_t left, std::uint8_t right) {
    const char* sign = "\xC3\xB7";  // ÷ in UTF-8
    if (operation == Operation::Addition) sign = "+";
    if (operation == Operation::Subtraction) sign = "-";
    if (operation == Operation::Multiplication) sign = "x";
    return std::to_string(left) + " " + sign + " " + std::to_string(right);
}

}  // namespace pv
