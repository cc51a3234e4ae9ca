// Small files read and replaced safely: a read never waits on a pipe or a device, and a
// replacement leaves either the old file or the whole new one, whatever happens during it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

namespace pv {

// Reads a regular file's first bytes, at most as many as `bytes` holds; returns how many. Only a
// regular file is read: a directory, a device or a pipe in its place gives nothing (a pipe or a
// device could keep the caller waiting forever).
std::size_t ReadFileStart(const std::filesystem::path& path, std::span<std::uint8_t> bytes);

// Replaces the file at path with data, or leaves it as it was: the bytes go to a new file beside
// it, which takes the old one's place by rename only once all of them are on disk. A link in its
// place is followed; a write-protected file is kept. Leftovers of saves killed before their
// rename are swept first. Returns true when the new bytes are in place.
bool ReplaceFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size);

// Removes what saves of the file at path left beside it when killed before their rename, as
// ReplaceFile does first: for a start, before the file is next saved.
void SweepLeftovers(const std::filesystem::path& path);

}  // namespace pv
