#include "players/unicode_text.h"

#include <algorithm>

#include "players/unicode_tables.h"

namespace pv::unicode {

namespace {

// Hangul syllables compose and decompose by arithmetic rather than by table.
constexpr char32_t kSyllableBase = 0xAC00;
constexpr char32_t kLeadBase = 0x1100;
constexpr char32_t kVowelBase = 0x1161;
constexpr char32_t kTrailBase = 0x11A7;
constexpr char32_t kLeadCount = 19;
constexpr char32_t kVowelCount = 21;
constexpr char32_t kTrailCount = 28;
constexpr char32_t kSyllableCount = kLeadCount * kVowelCount * kTrailCount;

bool IsSyllable(char32_t code) {
    return code >= kSyllableBase && code < kSyllableBase + kSyllableCount;
}

template <class Range>
const Range* FindRange(std::span<const Range> table, char32_t code) {
    auto after = std::upper_bound(table.begin(), table.end(), code,
                                  [](char32_t c, const Range& r) { return c < r.first; });
    if (after == table.begin()) return nullptr;
    const Range& range = *(after - 1);
    return code <= range.last ? &range : nullptr;
}

std::uint8_t CombiningClass(char32_t code) {
    const ClassRange* range = FindRange(CombiningClasses(), code);
    return range == nullptr ? 0 : range->combiningClass;
}

void Decompose(char32_t code, std::u32string& out) {
    if (IsSyllable(code)) {
        char32_t index = code - kSyllableBase;
        out += static_cast<char32_t>(kLeadBase + index / (kVowelCount * kTrailCount));
        out +=
            static_cast<char32_t>(kVowelBase + index % (kVowelCount * kTrailCount) / kTrailCount);
        if (index % kTrailCount != 0)
            out += static_cast<char32_t>(kTrailBase + index % kTrailCount);
        return;
    }
    std::span<const Pair> table = Decompositions();
    auto found = std::lower_bound(table.begin(), table.end(), code,
                                  [](const Pair& p, char32_t c) { return p.code < c; });
    if (found == table.end() || found->code != code) {
        out += code;
        return;
    }
    Decompose(found->first, out);
    if (found->second != 0) Decompose(found->second, out);
}

// Marks between two starters go in the order of their combining classes, keeping the order of
// those of one class.
void OrderMarks(std::u32string& text) {
    auto byClass = [](char32_t a, char32_t b) { return CombiningClass(a) < CombiningClass(b); };
    auto start = text.begin();
    while (start != text.end()) {
        start = std::find_if(start, text.end(), [](char32_t c) { return CombiningClass(c) != 0; });
        auto end =
            std::find_if(start, text.end(), [](char32_t c) { return CombiningClass(c) == 0; });
        std::stable_sort(start, end, byClass);
        start = end;
    }
}

// The one code point that first and second compose to, or 0.
char32_t Compose(char32_t first, char32_t second) {
    if (first >= kLeadBase && first < kLeadBase + kLeadCount && second >= kVowelBase &&
        second < kVowelBase + kVowelCount) {
        return kSyllableBase +
               ((first - kLeadBase) * kVowelCount + (second - kVowelBase)) * kTrailCount;
    }
    if (IsSyllable(first) && (first - kSyllableBase) % kTrailCount == 0 && second > kTrailBase &&
        second < kTrailBase + kTrailCount) {
        return first + (second - kTrailBase);
    }
    std::span<const Composition> table = Compositions();
    auto found =
        std::lower_bound(table.begin(), table.end(), Composition{first, second, 0},
                         [](const Composition& a, const Composition& b) {
                             return a.first != b.first ? a.first < b.first : a.second < b.second;
                         });
    return found != table.end() && found->first == first && found->second == second
               ? found->composed
               : 0;
}

// Composes each mark or letter with the starter before it, unless a mark of the same or a
// higher class stands between them.
void ComposeInPlace(std::u32string& text) {
    std::size_t starter = std::u32string::npos;
    int lastClass = -1;
    std::size_t kept = 0;
    for (char32_t code : text) {
        int codeClass = CombiningClass(code);
        // Right after the starter (class 0 last), or past marks of lower classes only.
        bool reachable =
            starter != std::u32string::npos && (lastClass == 0 || lastClass < codeClass);
        char32_t composed = reachable ? Compose(text[starter], code) : 0;
        if (composed != 0) {
            text[starter] = composed;
            continue;
        }
        if (codeClass == 0) starter = kept;
        lastClass = codeClass;
        text[kept++] = code;
    }
    text.resize(kept);
}

}  // namespace

bool IsLetter(char32_t code) {
    return FindRange(Letters(), code) != nullptr;
}

bool IsMark(char32_t code) {
    return FindRange(Marks(), code) != nullptr;
}

std::u32string Composed(std::u32string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (char32_t code : text) Decompose(code, out);
    OrderMarks(out);
    ComposeInPlace(out);
    return out;
}

}  // namespace pv::unicode
