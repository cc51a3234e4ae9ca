#include "players/key_value_file.h"

#include <array>
#include <cstdint>

#include "players/key_value_kind.h"
#include "store/file_replace.h"

namespace pv {

namespace {

// Settings files are a few lines; anything longer is read up to this much.
constexpr std::size_t kLargestRead = std::size_t{64} * 1024;

std::string_view KeyOf(std::string_view line) {
    std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view{} : line.substr(0, equals);
}

}  // namespace

KeyValueFile KeyValueFile::Read(const std::filesystem::path& file) {
    KeyValueFile read;
    std::vector<std::uint8_t> bytes(kLargestRead);
    std::size_t size = ReadFileStart(file, bytes);
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), size);
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) read.lines_.emplace_back(line);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return read;
}

std::string KeyValueFile::Get(std::string_view key, std::string_view fallback) const {
    for (const std::string& line : lines_) {
        if (KeyOf(line) == key) return line.substr(key.size() + 1);
    }
    return std::string(fallback);
}

bool KeyValueFile::GetFlag(std::string_view key, bool fallback) const {
    std::string value = Get(key);
    if (value == "on") return true;
    if (value == "off") return false;
    return fallback;
}

void KeyValueFile::Set(std::string_view key, std::string_view value) {
    std::string line = std::string(key) + "=" + std::string(value);
    for (std::string& old : lines_) {
        if (KeyOf(old) == key) {
            old = line;
            return;
        }
    }
    lines_.push_back(line);
}

bool KeyValueFile::Update(const std::filesystem::path& file, std::string_view key,
                          std::string_view value) {
    KeyValueFile settings = Read(file);
    settings.Set(key, value);
    return settings.Write(file);
}

bool KeyValueFile::Write(const std::filesystem::path& file) const {
    std::string text;
    for (const std::string& line : lines_) text += line + "\n";
    return ReplaceFile(file, reinterpret_cast<const std::uint8_t*>(text.data()), text.size(),
                       &kKeyValueKind);
}

}  // namespace pv
