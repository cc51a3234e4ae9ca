// What a small key=value settings file holds, for a link in its place: only a file of such
// lines is written through one, never a text or a program it might lead to.
#pragma once

#include "players/key_value_file.h"
#include "store/file_replace.h"

namespace pv {

// Short text without control characters but tabs, each line a key=value, a #-comment or empty,
// with at least one key=value.
bool HoldsKeyValueLines(std::span<const std::uint8_t> bytes);

constexpr FileKind kKeyValueKind = {"a file of key=value lines", kLargestKeyValueFile,
                                    HoldsKeyValueLines};

}  // namespace pv
