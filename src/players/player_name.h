// Player names: what a name may be, and when two names are the same player.
#pragma once

#include <string>
#include <string_view>

namespace pv {

constexpr std::size_t kLongestPlayerName = 24;

// Why `name` (UTF-8) cannot name a player, or "" when it can: 1 to 24 characters, each a letter
// of any script, a digit, a space, '-', '_' or '.', not starting with '.' or a space.
std::string PlayerNameProblem(std::string_view name);

// Names are compared without regard to case: "Anna" and "ANNA" are one player.
bool SamePlayerName(std::string_view a, std::string_view b);
// The order of a list of players: without regard to case, then by bytes.
bool PlayerNameLess(std::string_view a, std::string_view b);

}  // namespace pv
