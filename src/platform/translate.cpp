#include "platform/translate.h"

#include <algorithm>
#include <vector>

#include "platform/text.h"

namespace pv {

namespace {

std::string ToCp1252(const std::string& utf8) {
    std::wstring wide = Utf8ToWide(utf8);
    return EncodeCp1252(std::u32string(wide.begin(), wide.end()));
}

// The conversion letters of a wsprintfA format, in order; "%%" takes none.
std::vector<char> Conversions(const char* format) {
    std::vector<char> found;
    for (const char* c = format; *c != '\0'; ++c) {
        if (*c != '%') continue;
        ++c;
        while (*c != '\0' && std::string_view("-0123456789.lh").find(*c) != std::string_view::npos)
            ++c;
        if (*c == '\0') {
            found.push_back('\0');  // a dangling '%' matches nothing
            break;
        }
        if (*c != '%') found.push_back(*c);
    }
    return found;
}

}  // namespace

std::string Platform::Translate(const char* /*context*/, const char* text) {
    return text;
}

std::string Platform::TranslatePlural(const char* /*context*/, const char* text, const char* one,
                                      long n) {
    return FillIn(n == 1 ? one : text, std::to_string(n), "%n");
}

bool Platform::SetLanguage(const std::string& /*code*/) {
    return false;
}

std::vector<std::string> Platform::Languages() {
    return {"en"};
}

std::string Platform::LanguageName(const std::string& code) {
    return code == "en" ? "English" : code;
}

std::string FillIn(std::string text, const std::string& value, const char* mark) {
    std::string_view m(mark);
    for (std::size_t at = text.find(m); at != std::string::npos;
         at = text.find(m, at + value.size()))
        text.replace(at, m.size(), value);
    return text;
}

std::string Tr(Platform& p, const char* context, const char* text) {
    return ToCp1252(p.Translate(context, text));
}

std::string TrFormat(Platform& p, const char* context, const char* format) {
    std::string shown = Tr(p, context, format);
    return SameConversions(shown.c_str(), format) ? shown : std::string(format);
}

std::string TrPlural(Platform& p, const char* context, const char* text, const char* one, long n) {
    return ToCp1252(p.TranslatePlural(context, text, one, n));
}

std::string Say(const Sentence& sentence, const Translation& translate) {
    if (sentence.context == nullptr) return sentence.text;
    std::string text = translate ? translate(sentence.context, sentence.text.c_str()) : "";
    if (text.empty()) text = sentence.text;
    std::string said;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t mark = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : 9;
        if (text[i] == '%' && mark < sentence.values.size()) {
            said += Say(sentence.values[mark], translate);
            ++i;
        } else {
            said += text[i];
        }
    }
    return said;
}

Translation TranslationOf(Platform& p) {
    return [&p](const char* context, const char* text) { return p.Translate(context, text); };
}

bool SameConversions(const char* a, const char* b) {
    return Conversions(a) == Conversions(b);
}

namespace {

bool IsLower(char c) {
    return c >= 'a' && c <= 'z';
}
bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
char ToLower(char c) {
    return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}
char ToUpper(char c) {
    return IsLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}

// "de_AT.UTF-8@euro" and "de-AT" speak "de_AT" if the game has it, else "de".
std::string LanguageOf(const std::string& locale, const std::vector<std::string>& spoken) {
    std::string name = locale.substr(0, locale.find_first_of(".@"));
    std::size_t split = name.find_first_of("_-");
    std::string language = name.substr(0, split);
    for (char& c : language) c = ToLower(c);
    if (split != std::string::npos) {
        std::string territory = name.substr(split + 1);
        for (char& c : territory) c = ToUpper(c);
        std::string found = KnownLanguage(language + "_" + territory, spoken);
        if (!found.empty()) return found;
    }
    return KnownLanguage(language, spoken);
}

}  // namespace

std::string DesktopLanguage(const std::function<const char*(const char*)>& variable,
                            const std::vector<std::string>& spoken) {
    auto read = [&variable](const char* name) {
        const char* value = variable(name);
        return std::string(value != nullptr ? value : "");
    };
    std::string list = read("LANGUAGE");
    if (list.empty()) {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            list = read(name);
            if (!list.empty()) break;
        }
        // One locale only: a list would be LANGUAGE's.
        list = list.substr(0, list.find(':'));
    }
    for (std::size_t start = 0; start <= list.size();) {
        std::size_t end = std::min(list.find(':', start), list.size());
        std::string found = LanguageOf(list.substr(start, end - start), spoken);
        if (!found.empty()) return found;
        start = end + 1;
    }
    return "en";
}

std::string KnownLanguage(const std::string& code, const std::vector<std::string>& spoken) {
    if (code.empty()) return "";
    for (const std::string& known : spoken)
        if (code == known) return code;
    return "";
}

bool IsLanguageCode(const std::string& code) {
    std::size_t letters = 0;
    while (letters < code.size() && IsLower(code[letters])) ++letters;
    if (letters < 2 || letters > 3) return false;
    if (letters == code.size()) return true;
    std::string_view territory = std::string_view(code).substr(letters + 1);
    return code[letters] == '_' && territory.size() == 2 && IsUpper(territory[0]) &&
           IsUpper(territory[1]);
}

}  // namespace pv
