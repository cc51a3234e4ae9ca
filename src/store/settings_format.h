// The settings and score file's bytes: a header of 133 bytes (the settings block of GameState,
// field by field, little-endian, no padding) followed by up to 25 score records of 45 bytes,
// highest score first.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "game/game_state.h"

namespace pv {

constexpr const char* kSettingsFileName = "pv2.pv2";
constexpr std::size_t kHeaderSize = 133;
constexpr std::size_t kRecordSize = 45;
constexpr std::size_t kMaxRecords = 25;
constexpr std::size_t kMaxSettingsFileSize = kHeaderSize + kMaxRecords * kRecordSize;
// A record holds a line of at most 45 characters and a terminator.
constexpr std::size_t kRecordLineSize = kRecordSize + 1;

using SettingsHeader = std::array<std::uint8_t, kHeaderSize>;
using ScoreRecord = std::array<std::uint8_t, kRecordSize>;

SettingsHeader EncodeHeader(const GameState& g);
ScoreRecord EncodeRecord(std::string_view line);
// The line a record holds, zero-terminated, in `line`.
void DecodeRecord(const std::uint8_t* record, std::array<char, kRecordLineSize>& line);

// Whether bytes begin as a settings file does: the magic and a whole header.
bool IsSettingsFile(std::span<const std::uint8_t> bytes);

// Takes back the settings that a file's bytes carry and hands every score line it holds to
// addLine, in file order. Returns false, having taken nothing, when the bytes are no settings
// file (wrong magic or a short header).
bool ReadSettings(GameState& g, std::span<const std::uint8_t> bytes,
                  const std::function<void(const char* line)>& addLine);

}  // namespace pv
