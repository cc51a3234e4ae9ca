#include "progress/answer_record.h"

namespace pv {

namespace {

constexpr std::size_t kCheckedBytes = kAnswerRecordSize - 2;

constexpr std::array<std::uint16_t, 256> MakeCrcTable() {
    std::array<std::uint16_t, 256> table{};
    for (std::uint32_t byte = 0; byte < 256; ++byte) {
        std::uint32_t crc = byte << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) != 0 ? (crc << 1) ^ 0x1021 : crc << 1;
        table[byte] = static_cast<std::uint16_t>(crc);
    }
    return table;
}
constexpr auto kCrcTable = MakeCrcTable();

template <typename T>
void Put(AnswerRecord& record, std::size_t at, T value) {
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        record[at + i] = static_cast<std::uint8_t>(static_cast<std::uint64_t>(value) >> (8 * i));
    }
}

template <typename T>
T Get(std::span<const std::uint8_t, kAnswerRecordSize> record, std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) value |= std::uint64_t{record[at + i]} << (8 * i);
    return static_cast<T>(value);
}

}  // namespace

std::uint16_t Crc16(std::span<const std::uint8_t> bytes) {
    std::uint16_t crc = 0xFFFF;
    for (std::uint8_t byte : bytes) {
        crc = static_cast<std::uint16_t>((crc << 8) ^ kCrcTable[((crc >> 8) ^ byte) & 0xFF]);
    }
    return crc;
}

AnswerRecord EncodeAnswer(const Answer& answer) {
    AnswerRecord record{};
    Put(record, 0, static_cast<std::uint32_t>(answer.day));
    Put(record, 4, static_cast<std::uint8_t>(answer.operation));
    Put(record, 5, static_cast<std::uint8_t>(answer.rightFirstTime ? 1 : 0));
    Put(record, 6, answer.left);
    Put(record, 8, answer.right);
    Put(record, 9, answer.wrongClicks);
    Put(record, 10, answer.firstClickMs);
    Put(record, kCheckedBytes, Crc16(std::span(record).first(kCheckedBytes)));
    return record;
}

std::optional<Answer> DecodeAnswer(std::span<const std::uint8_t, kAnswerRecordSize> record) {
    if (Get<std::uint16_t>(record, kCheckedBytes) != Crc16(record.first(kCheckedBytes))) {
        return std::nullopt;
    }
    std::uint8_t flags = record[5];
    if (record[4] > 3 || flags > 1) return std::nullopt;
    Answer answer;
    answer.day = static_cast<std::int32_t>(Get<std::uint32_t>(record, 0));
    answer.operation = static_cast<Operation>(record[4]);
    answer.left = Get<std::uint16_t>(record, 6);
    answer.right = record[8];
    answer.rightFirstTime = flags == 1;
    answer.wrongClicks = record[9];
    answer.firstClickMs = Get<std::uint32_t>(record, 10);
    answer.answer = RightAnswerOf(answer.operation, answer.left, answer.right);
    if (!IsPossible(answer)) return std::nullopt;
    return answer;
}

}  // namespace pv
