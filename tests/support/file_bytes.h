// A file's bytes as a string, for tests that check what the game wrote or left alone.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace pv::testing {

// The whole file; empty when it cannot be read.
inline std::string Slurp(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void Put(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace pv::testing
