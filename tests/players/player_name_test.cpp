// Player names: letters and marks of every script, one player however a name's accents were
// typed.
#include <gtest/gtest.h>

#include <string>

#include "players/player_name.h"

namespace pv::testing {
namespace {

TEST(PlayerNames, LettersAndMarksOfEveryScript) {
    // Devanagari, Tamil and Thai write vowels and some consonants as marks on a letter.
    for (const char* good : {"प्रिया", "கார்த்திக்", "สมศักดิ์", "Jose\u0301", "A\u0308\u0301x"}) {
        EXPECT_EQ(PlayerNameProblem(good), "") << good;
    }
    // A mark belongs to a letter: not first, nor after a digit, a space or a sign.
    for (const char* bad : {"\u0301Jose", "ि", "7\u0301", "a \u0301", "a-\u093f"}) {
        EXPECT_NE(PlayerNameProblem(bad), "") << bad;
    }
    // Twenty-four characters once composed: "é" typed as two code points counts once.
    std::string accented;
    for (int i = 0; i < 24; ++i) accented += "e\u0301";
    EXPECT_EQ(PlayerNameProblem(accented), "");
    EXPECT_NE(PlayerNameProblem(accented + "e\u0301"), "");
}

TEST(PlayerNames, OnePlayerHoweverTheAccentsWereTyped) {
    EXPECT_TRUE(SamePlayerName("Jos\u00e9", "JOSE\u0301"));
    EXPECT_TRUE(SamePlayerName("\ud55c", "\u1112\u1161\u11ab")) << "a Hangul syllable by its parts";
    // Marks of different classes in either order; a composition the normal form excludes.
    EXPECT_TRUE(SamePlayerName("a\u0302\u0323", "\u1ead"));
    EXPECT_TRUE(SamePlayerName("a\u0323\u0302", "\u1ead"));
    EXPECT_TRUE(SamePlayerName("\u0958", "\u0915\u093c"));
    EXPECT_TRUE(SamePlayerName("\u212b", "\u00c5")) << "the Angstrom sign is the letter";
    // Two marks of one class keep their order: these are two names.
    EXPECT_FALSE(SamePlayerName("a\u0300\u0301", "a\u0301\u0300"));
}

}  // namespace
}  // namespace pv::testing
