// Player names: what a name may be, and when two names are the same player.
#pragma once

#include <string>
#include <string_view>

namespace pv {

constexpr std::size_t kLongestPlayerName = 24;

// Why `name` (UTF-8) cannot name a player, or "" when it can: 1 to 24 characters (code points in
// normal form C), each a letter of any script, a mark after a letter, a digit, a space, '-', '_'
// or '.', not starting with '.', a space or '-', nor ending with a space.
std::string PlayerNameProblem(std::string_view name);

// The name in normal form C, the form names are kept and compared in: an accent typed apart from
// its letter is the same name as the accented letter.
std::string NormalPlayerName(std::string_view name);

// The same spelling, once both are in normal form.
bool SameSpelling(std::string_view a, std::string_view b);
// Names are compared without regard to case: "Anna" and "ANNA" are one player.
bool SamePlayerName(std::string_view a, std::string_view b);
// The order of a list of players: without regard to case, then by bytes.
bool PlayerNameLess(std::string_view a, std::string_view b);

}  // namespace pv
