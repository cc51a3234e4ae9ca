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
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        if (!IsKeyValueLine(text.substr(0, end))) return false;
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return true;
}

}  // namespace pv
