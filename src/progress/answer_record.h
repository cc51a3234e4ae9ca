// The bytes of the answer record file: an 8-byte header, then one 16-byte record per answer,
// little-endian, each ending in a CRC-16 of its other 14 bytes so that a damaged record is
// noticed rather than read as a wrong answer.
//
//   header   0..3 "PVAR"   4..5 version (1)   6..7 record size (16)
//   record   0..3 day   4 operation   5 flags (bit 0: right the first time; the others 0)
//            6..7 left   8 right   9 wrong clicks   10..13 first click in ms
//            14..15 CRC-16/CCITT-FALSE of bytes 0..13
//
// The answer itself is not stored: it follows from the question, and a record whose numbers
// make no question of the game is damaged.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "progress/recorded_answer.h"

namespace pv {

constexpr std::size_t kAnswerHeaderSize = 8;
constexpr std::size_t kAnswerRecordSize = 16;
constexpr std::array<std::uint8_t, kAnswerHeaderSize> kAnswerHeader = {'P', 'V', 'A', 'R',
                                                                       1,   0,   16,  0};

using AnswerRecord = std::array<std::uint8_t, kAnswerRecordSize>;

std::uint16_t Crc16(std::span<const std::uint8_t> bytes);

AnswerRecord EncodeAnswer(const Answer& answer);
// The answer a record holds; nothing when its checksum fails or its values are impossible.
std::optional<Answer> DecodeAnswer(std::span<const std::uint8_t, kAnswerRecordSize> record);

}  // namespace pv
