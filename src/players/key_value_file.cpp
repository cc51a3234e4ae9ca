#include "players/key_value_file.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>

#include "game/say_once.h"
#include "players/key_value_kind.h"
#include "store/file_replace.h"

namespace pv {

namespace {

// Most of these files are a few lines: one read of this much takes them whole.
constexpr std::size_t kFirstRead = std::size_t{4} * 1024;

std::string_view KeyOf(std::string_view line) {
    std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view{} : line.substr(0, equals);
}

// The whole file; or none, with the reason, when it is longer than a key=value file is ever
// read or could not be read whole.
std::optional<std::string> ReadWhole(FileSystem& files, const std::filesystem::path& file,
                                     std::string& reason) {
    std::string bytes(kFirstRead, '\0');
    for (;;) {
        auto* data = reinterpret_cast<std::uint8_t*>(bytes.data());
        std::size_t size = ReadFileStart(files, file, std::span<std::uint8_t>(data, bytes.size()));
        if (size < bytes.size()) {
            if (!ReadCutShort(files, file, size, bytes.size())) return bytes.substr(0, size);
            reason = " could not be read whole";
            return std::nullopt;
        }
        if (bytes.size() > kLargestKeyValueFile) {
            reason = " is larger than " +
                     std::to_string(kLargestKeyValueFile / (std::size_t{1024} * 1024)) + " MiB";
            return std::nullopt;
        }
        bytes.resize(std::min(bytes.size() * 4, kLargestKeyValueFile + 1));
    }
}

}  // namespace

KeyValueFile KeyValueFile::Read(FileSystem& files, const std::filesystem::path& file) {
    KeyValueFile read;
    std::optional<std::string> whole = ReadWhole(files, file, read.untouchable_);
    if (!whole) return read;
    // Each line as it is, empty ones and line ends of other systems too, to be written back so.
    std::string_view text = *whole;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        read.lines_.emplace_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return read;
}

std::string KeyValueFile::Get(std::string_view key, std::string_view fallback) const {
    for (const std::string& line : lines_) {
        if (KeyOf(line) != key) continue;
        std::string_view value = std::string_view(line).substr(key.size() + 1);
        if (!value.empty() && value.back() == '\r') value.remove_suffix(1);
        return std::string(value);
    }
    return std::string(fallback);
}

bool KeyValueFile::GetFlag(std::string_view key, bool fallback) const {
    std::string value = Get(key);
    if (value == "on") return true;
    if (value == "off") return false;
    return fallback;
}

// In place of the key's first line, the one Get finds.
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

bool KeyValueFile::Update(FileSystem& files, const std::filesystem::path& file,
                          std::string_view key, std::string_view value) {
    KeyValueFile settings = Read(files, file);
    settings.Set(key, value);
    return settings.Write(files, file);
}

bool KeyValueFile::Write(FileSystem& files, const std::filesystem::path& file) const {
    if (!untouchable_.empty()) {
        SayOnce(file.string() + untouchable_ + ": left as it is, nothing written");
        return false;
    }
    std::string text;
    for (const std::string& line : lines_) text += line + "\n";
    return ReplaceFile(files, file, reinterpret_cast<const std::uint8_t*>(text.data()), text.size(),
                       &kKeyValueKind);
}

}  // namespace pv
