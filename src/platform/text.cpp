#include "platform/text.h"

#include <array>

namespace pv {

namespace {

// The bytes 0x80..0x9F, where Windows-1252 differs from Latin-1. The five unassigned bytes map
// to the C1 control characters of the same value, as the system code page does.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

class Writer {
  public:
    Writer(char* out, std::size_t size) : out_(out), size_(size) {}
    void Put(char c) {
        if (length_ + 1 < size_) out_[length_++] = c;
    }
    void Repeat(char c, int count) {
        for (int i = 0; i < count; ++i) Put(c);
    }
    int Finish() {
        if (size_ > 0) out_[length_] = '\0';
        return static_cast<int>(length_);
    }

  private:
    char* out_;
    std::size_t size_;
    std::size_t length_ = 0;
};

struct Field {
    bool left = false;
    bool zero = false;
    int width = 0;
    int precision = -1;
};

const char* ReadField(const char* p, Field& field) {
    for (; *p == '-' || *p == '0' || *p == '#'; ++p) {
        if (*p == '-') field.left = true;
        if (*p == '0') field.zero = true;
    }
    for (; *p >= '0' && *p <= '9'; ++p) field.width = field.width * 10 + (*p - '0');
    if (*p == '.') {
        field.precision = 0;
        for (++p; *p >= '0' && *p <= '9'; ++p) field.precision = field.precision * 10 + (*p - '0');
    }
    while (*p == 'l' || *p == 'h') ++p;
    return p;
}

// Lays out one converted field: sign, zero digits up to the precision, the digits or text,
// and padding up to the width on the chosen side.
void PutField(Writer& w, const Field& field, const char* body, int length, bool negative,
              bool number) {
    int zeros = number && field.precision > length ? field.precision - length : 0;
    int used = length + zeros + (negative ? 1 : 0);
    int pad = field.width > used ? field.width - used : 0;
    if (!field.left && !(field.zero && number)) w.Repeat(' ', pad);
    if (negative) w.Put('-');
    if (!field.left && field.zero && number) w.Repeat('0', pad);
    w.Repeat('0', zeros);
    for (int i = 0; i < length; ++i) w.Put(body[i]);
    if (field.left) w.Repeat(' ', pad);
}

int Digits(std::uint32_t value, unsigned base, bool upper, char* digits) {
    const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    char reversed[16];
    int n = 0;
    do {
        reversed[n++] = set[value % base];
        value /= base;
    } while (value != 0);
    for (int i = 0; i < n; ++i) digits[i] = reversed[n - 1 - i];
    return n;
}

}  // namespace

int FormatText(char* out, std::size_t size, const char* format, const WsArg* args,
               std::size_t count) {
    Writer w(out, size);
    std::size_t next = 0;
    auto take = [&]() { return next < count ? args[next++] : WsArg{}; };
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%') {
            w.Put(*p);
            continue;
        }
        Field field;
        p = ReadField(p + 1, field);
        char digits[16];
        switch (*p) {
            case 'd':
            case 'i': {
                auto value = static_cast<std::int32_t>(take().number);
                std::uint32_t magnitude = value < 0 ? 0u - static_cast<std::uint32_t>(value)
                                                    : static_cast<std::uint32_t>(value);
                int n = Digits(magnitude, 10, false, digits);
                PutField(w, field, digits, n, value < 0, true);
                break;
            }
            case 'u':
            case 'x':
            case 'X': {
                unsigned base = *p == 'u' ? 10 : 16;
                int n = Digits(take().number, base, *p == 'X', digits);
                PutField(w, field, digits, n, false, true);
                break;
            }
            case 'c': {
                char c = static_cast<char>(take().number);
                PutField(w, field, &c, 1, false, false);
                break;
            }
            case 's': {
                const char* text = take().text;
                if (text == nullptr) text = "";
                int n = 0;
                while (text[n] != '\0' && (field.precision < 0 || n < field.precision)) ++n;
                PutField(w, field, text, n, false, false);
                break;
            }
            case '\0':
                return w.Finish();
            default:  // "%%" and unknown conversions print the character itself
                w.Put(*p);
                break;
        }
    }
    return w.Finish();
}

namespace {

std::uint8_t LowerOf(std::uint8_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 0x10;
    if (c == 0x9F) return 0xFF;
    return c;
}

std::uint8_t UpperOf(std::uint8_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
    if (c == 0x9A || c == 0x9C || c == 0x9E) return c - 0x10;
    if (c == 0xFF) return 0x9F;
    return c;
}

template <class F>
char* MapInPlace(char* text, F map) {
    for (char* p = text; *p != '\0'; ++p) {
        *p = static_cast<char>(map(static_cast<std::uint8_t>(*p)));
    }
    return text;
}

}  // namespace

char* CharLowerA(char* text) {
    return MapInPlace(text, LowerOf);
}
char* CharUpperA(char* text) {
    return MapInPlace(text, UpperOf);
}

char32_t Cp1252ToUnicode(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

std::uint8_t UnicodeToCp1252(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<std::uint8_t>(code);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code) return static_cast<std::uint8_t>(0x80 + i);
    }
    return '?';
}

std::u32string DecodeCp1252(const std::string& bytes) {
    std::u32string text;
    text.reserve(bytes.size());
    for (char c : bytes) text.push_back(Cp1252ToUnicode(static_cast<std::uint8_t>(c)));
    return text;
}

std::string EncodeCp1252(const std::u32string& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (char32_t c : text) bytes.push_back(static_cast<char>(UnicodeToCp1252(c)));
    return bytes;
}

std::string WideToUtf8(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t wide : text) {
        auto c = static_cast<char32_t>(wide);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
        auto put = [&bytes](char32_t v) { bytes.push_back(static_cast<char>(v)); };
        if (c < 0x80) {
            put(c);
        } else if (c < 0x800) {
            put(0xC0 | (c >> 6));
            put(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            put(0xE0 | (c >> 12));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
        } else {
            put(0xF0 | (c >> 18));
            put(0x80 | ((c >> 12) & 0x3F));
            put(0x80 | ((c >> 6) & 0x3F));
            put(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

std::wstring Utf8ToWide(std::string_view bytes, bool* valid) {
    std::wstring text;
    bool clean = true;
    for (std::size_t i = 0; i < bytes.size();) {
        auto lead = static_cast<std::uint8_t>(bytes[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool good = (lead < 0x80 || lead >= 0xC2) && lead <= 0xF4 && i + length <= bytes.size();
        for (std::size_t k = 1; good && k < length; ++k) {
            auto next = static_cast<std::uint8_t>(bytes[i + k]);
            good = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are no UTF-8 either.
        constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        good = good && c >= kLeast[length] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        if (!good) {
            clean = false;
            text.push_back(static_cast<wchar_t>(0xFFFD));
            ++i;
            continue;
        }
        text.push_back(static_cast<wchar_t>(c));
        i += length;
    }
    if (valid != nullptr) *valid = clean;
    return text;
}

}  // namespace pv
