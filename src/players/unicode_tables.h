// The little of the Unicode database that players' names need, generated into unicode_tables.cpp
// by tools/unicode/make_unicode_tables.py. Every table is sorted by its first column.
#pragma once

#include <cstdint>
#include <span>

namespace pv::unicode {

struct CodeRange {
    char32_t first;
    char32_t last;
};

struct ClassRange {
    char32_t first;
    char32_t last;
    std::uint8_t combiningClass;
};

// A canonical decomposition, one level deep: code into first and second (0 for a singleton).
struct Pair {
    char32_t code;
    char32_t first;
    char32_t second;
};

// The pairs that normal form C composes, sorted by first, then second.
struct Composition {
    char32_t first;
    char32_t second;
    char32_t composed;
};

std::span<const CodeRange> Letters();  // categories Lu, Ll, Lt, Lm, Lo
std::span<const CodeRange> Marks();    // categories Mn, Mc, Me
std::span<const ClassRange> CombiningClasses();
std::span<const Pair> Decompositions();
std::span<const Composition> Compositions();

}  // namespace pv::unicode
