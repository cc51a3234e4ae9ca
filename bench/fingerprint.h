// What the seeded game compares between two builds, each boiled down to a line: a 64-bit FNV-1a
// hash, the windows and menus as a person sees them, and the files left in the data folder.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace pv::bench {

// FNV-1a, 64 bits: one number that changes with any byte of what it was fed.
class Fnv1a {
  public:
    void Add(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            value_ = (value_ ^ bytes[i]) * 0x100000001B3ull;
        }
    }
    void Add(std::uint64_t number) {
        unsigned char bytes[8];
        for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(number >> (8 * i));
        Add(bytes, sizeof bytes);
    }
    void Add(const std::string& text) {
        Add(text.size());
        Add(text.data(), text.size());
    }
    std::uint64_t Value() const { return value_; }

  private:
    std::uint64_t value_ = 0xCBF29CE484222325ull;
};

inline std::string Hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// A window by what it shows, not by its handle (handles follow the order windows were made in).
inline std::string DescribeWindow(const Platform& platform, HWND handle) {
    const Window& w = *platform.Find(handle);
    // A picture by what it shows: an icon is its resource, a bitmap the resource it came from.
    const GdiObject* bitmap = platform.FindObject(w.image);
    std::string picture = bitmap != nullptr ? "bitmap " + std::to_string(bitmap->resource)
                                            : "icon " + std::to_string(w.image);
    std::string line = w.className + " " + std::to_string(w.id) + " " + std::to_string(w.x) + "," +
                       std::to_string(w.y) + " " + std::to_string(w.width) + "x" +
                       std::to_string(w.height) + (w.visible ? " shown" : " hidden") +
                       (w.enabled ? " enabled" : " disabled") + " [" + w.text + "] " +
                       std::to_string(w.scrollPos) + " " + picture;
    for (const std::string& entry : w.list.Lines()) line += "|" + entry;
    return line;
}

// A menu with its items, their marks and whether they can be picked.
inline std::string DescribeMenu(const MenuItem& item) {
    std::string line = item.text + " " + std::to_string(item.id) +
                       (item.checked ? " checked" : "") + (item.grayed ? " grayed" : "") +
                       (item.disabled ? " disabled" : "");
    for (const MenuItem& inner : item.items) line += " / " + DescribeMenu(inner);
    return line;
}

inline std::string FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file the game left in its data folder, by its path there, with its size and hash; then
// all of them together.
inline void PrintFiles(const std::filesystem::path& dataFolder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dataFolder)) {
        if (entry.is_regular_file())
            files.push_back(std::filesystem::relative(entry.path(), dataFolder));
    }
    std::sort(files.begin(), files.end());
    Fnv1a all;
    for (const std::filesystem::path& file : files) {
        std::string bytes = FileBytes(dataFolder / file);
        Fnv1a one;
        one.Add(bytes.data(), bytes.size());
        all.Add(file.generic_string());
        all.Add(bytes);
        std::printf("file %s size=%zu fnv1a=%s\n", file.generic_string().c_str(), bytes.size(),
                    Hex(one.Value()).c_str());
    }
    std::printf("files count=%zu fnv1a=%s\n", files.size(), Hex(all.Value()).c_str());
}

}  // namespace pv::bench
