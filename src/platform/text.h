// Text in the game is Windows-1252 bytes. These are the text services the game uses: the
// formatter, in-place case conversion, and the conversion to and from Unicode that the
// windowing side needs at its edge.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace pv {

// One argument of the formatter: a 32-bit number or a text.
struct WsArg {
    std::uint32_t number = 0;
    const char* text = nullptr;
};

template <class T>
WsArg ToWsArg(T value) {
    if constexpr (std::is_convertible_v<T, const char*>) {
        return WsArg{0, value};
    } else {
        static_assert(std::is_integral_v<T>, "numbers and texts only");
        return WsArg{static_cast<std::uint32_t>(value), nullptr};
    }
}

// Formats like wsprintfA: %[-][0][width][.precision][l|h](d|i|u|x|X|c|s) and %%. A precision on
// a number is its minimum count of digits. Writes at most size - 1 bytes and a terminator, and
// returns the count of bytes written. Missing arguments read as 0 and as "".
int FormatText(char* out, std::size_t size, const char* format, const WsArg* args,
               std::size_t count);

template <std::size_t N, class... A>
int wsprintfA(char (&out)[N], const char* format, A... args) {
    const WsArg list[] = {ToWsArg(args)..., WsArg{}};
    return FormatText(out, N, format, list, sizeof...(A));
}

// In-place case conversion of a NUL-terminated Windows-1252 text. Returns text.
char* CharLowerA(char* text);
char* CharUpperA(char* text);

// Windows-1252 to Unicode and back. A character that Windows-1252 cannot hold becomes '?'.
char32_t Cp1252ToUnicode(std::uint8_t byte);
std::uint8_t UnicodeToCp1252(char32_t code);
std::u32string DecodeCp1252(const std::string& bytes);
std::string EncodeCp1252(const std::u32string& text);

// UTF-8 and the wide text of the W calls (UTF-32 here). Bytes that are no UTF-8 read as U+FFFD;
// Utf8ToWide reports them through `valid` when given.
std::string WideToUtf8(std::wstring_view text);
std::wstring Utf8ToWide(std::string_view bytes, bool* valid = nullptr);

}  // namespace pv
