#include "game/operations.h"

#include <algorithm>

#include "assets/translatable.h"

namespace pv {

namespace {

constexpr std::uint32_t Sum(std::uint32_t a, std::uint32_t b) {
    return a + b;
}
constexpr std::uint32_t Product(std::uint32_t a, std::uint32_t b) {
    return a * b;
}
constexpr std::uint32_t Difference(std::uint32_t left, std::uint32_t right) {
    return left > right ? left - right : 0;
}
constexpr std::uint32_t WholeQuotient(std::uint32_t left, std::uint32_t right) {
    return right != 0 && left % right == 0 ? left / right : 0;
}
// Any product of the table may be offered against multiplication; the other operations' answers
// stay small, so their wrong answers do too.
constexpr std::uint32_t UpToSquare(std::uint32_t tableSize) {
    return tableSize * tableSize;
}
constexpr std::uint32_t UpToTwice(std::uint32_t tableSize) {
    return tableSize * 2;
}

constexpr std::array<OperationRow, kOperationCount> kRows = {{
    {Operation::Addition, '+', Command::Add, "+", "+", PV_TEXT("Reader", "plus"), "addition", false,
     Sum, Sum, UpToTwice},
    {Operation::Subtraction, '-', Command::Subtract, "-", "\u2212", PV_TEXT("Reader", "minus"),
     "subtraction", true, Sum, Difference, UpToTwice},
    {Operation::Multiplication, 'x', Command::Multiply, "x", "\u00d7", PV_TEXT("Reader", "times"),
     "multiplication", false, Product, Product, UpToSquare},
    {Operation::Division, 0xF7, Command::Divide, "\xC3\xB7", "\u00f7",
     PV_TEXT("Reader", "divided by"), "division", true, Product, WholeQuotient, UpToTwice},
}};

// Whether UTF-8 `text` is the one character `byte` stands for in Windows-1252 (which agrees
// with Latin-1 on the signs), so that the drill and the answer log show the same question.
constexpr bool IsUtf8Of(const char* text, std::uint8_t byte) {
    auto first = static_cast<std::uint8_t>(text[0]);
    if (byte < 0x80) return first == byte && text[1] == '\0';
    auto second = static_cast<std::uint8_t>(text[1]);
    return ((first & 0x1F) << 6 | (second & 0x3F)) == byte && text[2] == '\0';
}

constexpr bool RowsAgree() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (static_cast<std::size_t>(kRows[i].operation) != i) return false;
        if (!IsUtf8Of(kRows[i].questionSign, kRows[i].byte)) return false;
    }
    return true;
}
static_assert(RowsAgree(), "rows in the order of Operation, each sign its byte's character");

const OperationRow& Division() {
    return kRows[static_cast<std::size_t>(Operation::Division)];
}

template <typename Field, typename Value>
const OperationRow* Find(Field OperationRow::*field, Value value) {
    auto row = std::find_if(kRows.begin(), kRows.end(),
                            [&](const OperationRow& r) { return r.*field == value; });
    return row != kRows.end() ? &*row : nullptr;
}

}  // namespace

const std::array<OperationRow, kOperationCount>& AllOperations() {
    return kRows;
}

const OperationRow& RowOf(Operation operation) {
    auto index = static_cast<std::size_t>(operation);
    return index < kRows.size() ? kRows[index] : Division();
}

const OperationRow& RowOfByte(std::uint8_t byte) {
    const OperationRow* row = Find(&OperationRow::byte, byte);
    return row != nullptr ? *row : Division();
}

const OperationRow& RowOfCommand(std::uint32_t command) {
    const OperationRow* row = Find(&OperationRow::command, command);
    return row != nullptr ? *row : Division();
}

bool IsOperationByte(std::uint8_t byte) {
    return Find(&OperationRow::byte, byte) != nullptr;
}

bool IsOperationCommand(std::uint32_t command) {
    return Find(&OperationRow::command, command) != nullptr;
}

TableNumbers TableFactOf(Operation operation, std::uint16_t left, std::uint8_t right,
                         std::uint16_t answer) {
    std::uint16_t a = RowOf(operation).askedBackwards ? answer : left;
    return {static_cast<std::uint8_t>(a <= 0xFF ? a : 0), right};
}

Question QuestionOf(Operation operation, std::uint32_t a, std::uint32_t b) {
    const OperationRow& row = RowOf(operation);
    std::uint32_t total = row.factTotal(a, b);
    std::uint32_t left = row.askedBackwards ? total : a;
    std::uint32_t answer = row.askedBackwards ? a : total;
    return Question{static_cast<std::uint16_t>(left), static_cast<std::uint8_t>(b),
                    static_cast<std::uint16_t>(answer)};
}

std::uint16_t RightAnswerOf(Operation operation, std::uint16_t left, std::uint8_t right) {
    auto index = static_cast<std::size_t>(operation);
    if (index >= kRows.size()) return 0;
    std::uint32_t answer = kRows[index].rightAnswer(left, right);
    return answer <= 0xFFFF ? static_cast<std::uint16_t>(answer) : 0;
}

const char* OperationName(Operation operation) {
    return RowOf(operation).name;
}

std::string QuestionText(Operation operation, std::uint16_t left, std::uint8_t right) {
    return std::to_string(left) + " " + RowOf(operation).questionSign + " " + std::to_string(right);
}

}  // namespace pv
