#include "players/player_name.h"

#include <locale.h>
#include <wctype.h>

#include "platform/text.h"

namespace pv {

namespace {

// Letters of every script, and their lower case, whatever locale the program runs in.
locale_t UnicodeLocale() {
    static locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return unicode;
}

bool IsLetter(wchar_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    locale_t unicode = UnicodeLocale();
    return unicode != static_cast<locale_t>(nullptr) && iswalpha_l(static_cast<wint_t>(c), unicode);
}

bool Allowed(wchar_t c) {
    return IsLetter(c) || (c >= '0' && c <= '9') || c == ' ' || c == '-' || c == '_' || c == '.';
}

std::wstring Folded(std::string_view name) {
    std::wstring text = Utf8ToWide(name);
    locale_t unicode = UnicodeLocale();
    for (wchar_t& c : text) {
        if (unicode != static_cast<locale_t>(nullptr)) {
            c = static_cast<wchar_t>(towlower_l(static_cast<wint_t>(c), unicode));
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<wchar_t>(c - 'A' + 'a');
        }
    }
    return text;
}

}  // namespace

std::string PlayerNameProblem(std::string_view name) {
    bool valid = true;
    std::wstring text = Utf8ToWide(name, &valid);
    if (!valid) return "A name must be written in UTF-8 text.";
    if (text.empty()) return "A name needs at least one character.";
    if (text.size() > kLongestPlayerName) return "A name has at most 24 characters.";
    if (text.front() == '.' || text.front() == ' ') {
        return "A name cannot start with a dot or a space.";
    }
    for (wchar_t c : text) {
        if (!Allowed(c)) {
            return "A name may hold only letters, digits, spaces, '-', '_' and '.'.";
        }
    }
    return "";
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
