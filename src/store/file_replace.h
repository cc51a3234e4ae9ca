// Small files read and replaced safely: a read never waits on a pipe or a device, and a
// replacement leaves either the old file or the whole new one, whatever happens during it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/file_system.h"

namespace pv {

// Reads a regular file's first bytes, at most as many as `bytes` holds; returns how many. Only a
// regular file is read: a directory, a device or a pipe in its place gives nothing (a pipe or a
// device could keep the caller waiting forever).
std::size_t ReadFileStart(FileSystem& files, const std::filesystem::path& path,
                          std::span<std::uint8_t> bytes);

// Whether ReadFileStart stopped short of both the room it had and the end of the regular file
// at `path`: the file could not be read (no permission, a failing disk), and what was missed
// must not be written over.
bool ReadCutShort(FileSystem& files, const std::filesystem::path& path, std::size_t got,
                  std::size_t room);

// What a link in a file's place may lead to for the file to be replaced through it: a regular
// file of at most `largest` bytes that `holds` takes for one of the kind about to be written.
struct FileKind {
    const char* name;  // as a line on stderr names it: "a settings file"
    std::size_t largest;
    bool (*holds)(std::span<const std::uint8_t> bytes);
};

// Replaces the file at path with data, or leaves it as it was: the bytes go to a new file beside
// it, which takes the old one's place by rename only once all of them are on disk. A link in its
// place is followed; with a `kind`, only to a file of that kind, never to a missing one: else
// nothing is written and stderr says why, once. A write-protected file is kept. Leftovers of
// saves killed before their rename are swept first. A write that fails (a full disk) is said
// once on stderr. Returns true when the new bytes are in place.
bool ReplaceFile(FileSystem& files, const std::filesystem::path& path, const std::uint8_t* data,
                 std::size_t size, const FileKind* kind = nullptr);

// Removes what saves of the file at path left beside it when killed before their rename, as
// ReplaceFile does first: for a start, before the file is next saved.
void SweepLeftovers(FileSystem& files, const std::filesystem::path& path);

}  // namespace pv
