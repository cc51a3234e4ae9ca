#include "players/player_name.h"

#include <locale.h>
#include <wctype.h>

#include <utility>

#include "assets/translatable.h"
#include "platform/text.h"
#include "players/unicode_text.h"

namespace pv {

namespace {

// Lower case of every script, whatever locale the program runs in.
locale_t UnicodeLocale() {
    static locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return unicode;
}

bool Allowed(char32_t c) {
    return unicode::IsLetter(c) || (c >= '0' && c <= '9') || c == ' ' || c == '-' || c == '_' ||
           c == '.';
}

std::u32string Normal(std::string_view name, bool* valid = nullptr) {
    std::wstring wide = Utf8ToWide(name, valid);
    return unicode::Composed(std::u32string(wide.begin(), wide.end()));
}

// Lower case is not quite case folding: a few lower-case letters have a second lower form that
// folds to the first, above all the Greek final sigma ("Νίκος" is "ΝΊΚΟΣ").
wchar_t FoldedLower(wchar_t c) {
    static constexpr std::pair<wchar_t, wchar_t> kFolds[] = {
        {0x00B5, 0x03BC}, {0x017F, 0x0073}, {0x0345, 0x03B9}, {0x03C2, 0x03C3}, {0x03D0, 0x03B2},
        {0x03D1, 0x03B8}, {0x03D5, 0x03C6}, {0x03D6, 0x03C0}, {0x03F0, 0x03BA}, {0x03F1, 0x03C1},
        {0x03F5, 0x03B5}, {0x1C80, 0x0432}, {0x1C81, 0x0434}, {0x1C82, 0x043E}, {0x1C83, 0x0441},
        {0x1C84, 0x0442}, {0x1C85, 0x0442}, {0x1C86, 0x044A}, {0x1C87, 0x0463}, {0x1C88, 0xA64B},
        {0x1E9B, 0x1E61}, {0x1FBE, 0x03B9},
    };
    for (const auto& [from, to] : kFolds) {
        if (c == from) return to;
    }
    return c;
}

std::wstring Folded(std::string_view name) {
    std::u32string normal = Normal(name);
    std::wstring text(normal.begin(), normal.end());
    locale_t unicode = UnicodeLocale();
    for (wchar_t& c : text) {
        if (unicode != static_cast<locale_t>(nullptr)) {
            c = FoldedLower(static_cast<wchar_t>(towlower_l(static_cast<wint_t>(c), unicode)));
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<wchar_t>(c - 'A' + 'a');
        }
    }
    return text;
}

// Letters and marks that show nothing (the Hangul fillers, variation selectors, the grapheme
// joiner): a name holding one looks like another player's, or like no name at all.
bool Invisible(char32_t c) {
    return c == 0x034F || c == 0x115F || c == 0x1160 || c == 0x17B4 || c == 0x17B5 ||
           (c >= 0x180B && c <= 0x180F) || c == 0x3164 || (c >= 0xFE00 && c <= 0xFE0F) ||
           c == 0xFFA0 || (c >= 0xE0100 && c <= 0xE01EF);
}

// Why the characters of a name in normal form are not a name's, or "".
std::string CharactersProblem(const std::u32string& text) {
    // A leading '-' would read as an option on a command line, and as the start of a formula
    // where a spreadsheet opens a report.
    if (text.front() == '.' || text.front() == ' ' || text.front() == '-') {
        return PV_TEXT("Players", "A name cannot start with a dot, a space or '-'.");
    }
    // "Anna " would be a second Anna that nobody can tell from the first.
    if (text.back() == ' ') return PV_TEXT("Players", "A name cannot end with a space.");
    char32_t before = 0;
    for (char32_t c : text) {
        if (Invisible(c))
            return PV_TEXT("Players", "A name cannot hold characters that show nothing.");
        // An accent or a vowel sign belongs to the letter before it.
        bool attached =
            unicode::IsMark(c) && (unicode::IsLetter(before) || unicode::IsMark(before));
        if (!Allowed(c) && !attached) {
            return unicode::IsMark(c)
                       ? PV_TEXT("Players", "An accent or other mark must follow a letter.")
                       : PV_TEXT("Players",
                                 "A name may hold only letters, digits, spaces, '-', '_' and '.'.");
        }
        before = c;
    }
    return "";
}

}  // namespace

std::string PlayerNameProblem(std::string_view name) {
    bool valid = true;
    std::u32string text = Normal(name, &valid);
    if (!valid) return PV_TEXT("Players", "A name must be written in UTF-8 text.");
    if (text.empty()) return PV_TEXT("Players", "A name needs at least one character.");
    if (text.size() > kLongestPlayerName)
        return PV_TEXT("Players", "A name has at most 24 characters.");
    return CharactersProblem(text);
}

std::string NormalPlayerName(std::string_view name) {
    std::u32string normal = Normal(name);
    return WideToUtf8(std::wstring(normal.begin(), normal.end()));
}

bool SameSpelling(std::string_view a, std::string_view b) {
    return a == b || Normal(a) == Normal(b);
}

bool SamePlayerName(std::string_view a, std::string_view b) {
    return Folded(a) == Folded(b);
}

bool PlayerNameLess(std::string_view a, std::string_view b) {
    std::wstring foldedA = Folded(a);
    std::wstring foldedB = Folded(b);
    return foldedA != foldedB ? foldedA < foldedB : a < b;
}

}  // namespace pv
