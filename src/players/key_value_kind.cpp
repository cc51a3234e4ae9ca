#include "players/key_value_kind.h"

#include <algorithm>
#include <string_view>

namespace pv {

namespace {

bool IsControl(char c) {
    auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t') || byte == 0x7F;
}

bool IsKeyValueLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (std::any_of(line.begin(), line.end(), IsControl)) return false;
    if (line.empty() || line.front() == '#') return true;
    std::size_t equals = line.find('=');
    return equals != std::string_view::npos && equals > 0;
}

}  // namespace

bool HoldsKeyValueLines(std::span<const std::uint8_t> bytes) {
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    // The game writes no file without a key: an empty one (a lock, a mark of some other
    // program's) is not one of these.
    bool anyKey = false;
    while (!text.empty()) {
        std::string_view line = text.substr(0, text.find('\n'));
        if (!IsKeyValueLine(line)) return false;
        anyKey = anyKey || (!line.empty() && line.front() != '#' && line.front() != '\r');
        text = line.size() == text.size() ? std::string_view{} : text.substr(line.size() + 1);
    }
    return anyKey;
}

}  // namespace pv
