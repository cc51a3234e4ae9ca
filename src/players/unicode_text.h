// What players' names need of Unicode: which code points are letters and marks, and normal form
// C, in which names are kept and compared so that a letter typed whole or as a base letter and a
// combining accent is one name.
#pragma once

#include <string>
#include <string_view>

namespace pv::unicode {

bool IsLetter(char32_t code);  // category L
bool IsMark(char32_t code);    // category M: accents, vowel signs and the like

// Normal form C (canonical decomposition, then canonical composition).
std::u32string Composed(std::u32string_view text);

}  // namespace pv::unicode
