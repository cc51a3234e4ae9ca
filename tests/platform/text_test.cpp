#include "platform/text.h"

#include <gtest/gtest.h>

#include <string>

namespace pv {
namespace {

std::string Format(const char* format, std::uint32_t a = 0, std::uint32_t b = 0,
                   std::uint32_t c = 0) {
    char out[200];
    wsprintfA(out, format, a, b, c);
    return out;
}

TEST(FormatText, NumbersAsTheGameWritesThem) {
    EXPECT_EQ(Format("%d x %d", 7, 8), "7 x 8");
    EXPECT_EQ(Format("%d questions", 25), "25 questions");
    EXPECT_EQ(Format("level %d", 1), "level 1");
    EXPECT_EQ(Format("%d", 0xFFFFFFFF), "-1") << "%d is signed";
    EXPECT_EQ(Format("%u", 0xFFFFFFFF), "4294967295");
    EXPECT_EQ(Format("%x|%X", 255, 255), "ff|FF");
    EXPECT_EQ(Format("%5d|%-5d|%05d", 42, 42, 42), "   42|42   |00042");
    EXPECT_EQ(Format("100%%"), "100%");
}

TEST(FormatText, ScoreLinePadsToEightDigits) {
    char out[64];
    wsprintfA(out, " %-2.8lu   %s", 187u, "tivant");
    EXPECT_STREQ(out, " 00000187   tivant");
    wsprintfA(out, " %-2.8lu   %s", 99999999u, "Pondivar");
    EXPECT_STREQ(out, " 99999999   Pondivar");
    wsprintfA(out, "%d %s", 4321u, "IS YOUR SCORE");
    EXPECT_STREQ(out, "4321 IS YOUR SCORE");
}

TEST(FormatText, NeverWritesPastTheBuffer) {
    char small[6];
    EXPECT_EQ(wsprintfA(small, "%d%s", 12345u, "abcdef"), 5);
    EXPECT_STREQ(small, "12345");
    char one[1];
    EXPECT_EQ(wsprintfA(one, "%d", 7u), 0);
    EXPECT_EQ(one[0], '\0');
}

TEST(FormatText, MissingArgumentsReadAsZeroAndEmpty) {
    char out[32];
    wsprintfA(out, "%d/%s/%d", 3u);
    EXPECT_STREQ(out, "3//0");
}

TEST(CaseConversion, InPlaceOverWindows1252Letters) {
    char text[] = "Music Off \xC9t\xE9 \x8A\x9A \x9F\xFF \xDF\xF7 123";
    CharUpperA(text);
    EXPECT_STREQ(text, "MUSIC OFF \xC9T\xC9 \x8A\x8A \x9F\x9F \xDF\xF7 123");
    CharLowerA(text);
    EXPECT_STREQ(text, "music off \xE9t\xE9 \x9A\x9A \xFF\xFF \xDF\xF7 123");
}

TEST(Windows1252, RoundTripsAndReplacesWhatItCannotHold) {
    EXPECT_EQ(Cp1252ToUnicode(0xF7), U'\u00F7');
    EXPECT_EQ(Cp1252ToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(UnicodeToCp1252(U'\u20AC'), 0x80);
    EXPECT_EQ(UnicodeToCp1252(U'\u00E9'), 0xE9);
    EXPECT_EQ(UnicodeToCp1252(U'\u4E2D'), '?');
    EXPECT_EQ(UnicodeToCp1252(U'\U0001F600'), '?');
    for (int b = 0; b < 256; ++b) {
        auto byte = static_cast<std::uint8_t>(b);
        EXPECT_EQ(UnicodeToCp1252(Cp1252ToUnicode(byte)), byte) << b;
    }
    EXPECT_EQ(EncodeCp1252(U"Zo\u00EB \u263A"), "Zo\xEB ?");
}

}  // namespace
}  // namespace pv
