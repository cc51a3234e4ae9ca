// The small settings files that sit beside the players' score files: one "key=value" per line.
// Lines the game does not know are kept as they are, so that a newer or older game loses nothing
// of what the other wrote; a value the game cannot use reads as its default.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace pv {

// Larger files are neither read nor rewritten.
constexpr std::size_t kLargestKeyValueFile = std::size_t{4} * 1024 * 1024;

class KeyValueFile {
  public:
    // A missing file reads as empty, and so do one that could not be read whole and one larger
    // than kLargestKeyValueFile, which are then never written over.
    static KeyValueFile Read(FileSystem& files, const std::filesystem::path& file);

    std::string Get(std::string_view key, std::string_view fallback = "") const;
    bool GetFlag(std::string_view key, bool fallback) const;  // "on" or "off"
    void Set(std::string_view key, std::string_view value);

    // Replaces the file whole, or leaves it as it was: always so for a file read as too large
    // or not whole, which is said once on stderr.
    bool Write(FileSystem& files, const std::filesystem::path& file) const;

    // Sets one key in the file, keeping every other line as it is.
    static bool Update(FileSystem& files, const std::filesystem::path& file, std::string_view key,
                       std::string_view value);

  private:
    std::vector<std::string> lines_;
    std::string untouchable_;  // why the file is never written over: too large, not read whole
};

}  // namespace pv
