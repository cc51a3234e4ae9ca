// Player names: letters and marks of every script, one player however a name's accents were
// typed, and a name that cannot pass for an option.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/console.h"
#include "players/player_name.h"
#include "support/scratch_dir.h"

namespace pv::testing {
namespace {

TEST(PlayerNames, LettersAndMarksOfEveryScript) {
    // Devanagari, Tamil and Thai write vowels and some consonants as marks on a letter.
    for (const char* good : {"प्रिया", "கார்த்திக்", "สมศักดิ์", "Jose\u0301", "A\u0308\u0301x"}) {
        EXPECT_EQ(PlayerNameProblem(good), "") << good;
    }
    // A mark belongs to a letter: not first, nor after a digit, a space or a sign.
    for (const char* bad :
         {"\u0301Jose", "ि", "7\u0301", "a \u0301", "a-\u093f", "-x", "--report",
          // Nothing to see: Hangul fillers, a variation selector, the grapheme joiner.
          "\u3164", "\u115f\u1160", "Anna\ufe0f", "An\u034fna", "Anna "}) {
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
    EXPECT_TRUE(SamePlayerName("\u039d\u03af\u03ba\u03bf\u03c2", "\u039d\u038a\u039a\u039f\u03a3"))
        << "a final sigma is a sigma";
    // Two marks of one class keep their order: these are two names.
    EXPECT_FALSE(SamePlayerName("a\u0300\u0301", "a\u0301\u0300"));
}

// `--player` with its name forgotten: the option after it is no name, and nothing is made.
TEST(PlayerNames, AForgottenNameTakesNoOption) {
    ScratchDirectory data;
    struct Case {
        std::vector<const char*> args;
        const char* why;
    };
    for (const Case& c : {Case{{"--player", "--report"}, "--player needs a name"},
                          Case{{"--player"}, "--player needs a name"},
                          Case{{"--player", "-platform", "offscreen"}, "--player needs a name"},
                          Case{{"--player=-x"}, "'-'"}}) {
        std::vector<const char*> args = c.args;
        args.insert(args.begin(), "pondivar");
        CommandLine line =
            ParseCommandLine(static_cast<int>(args.size()), const_cast<char**>(args.data()));
        std::ostringstream out, err;
        EXPECT_EQ(AnswerOnConsole(RealFileSystem(), line, data.Path(), out, err), 2) << args[1];
        EXPECT_EQ(out.str(), "");
        std::string said = err.str();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find(c.why), std::string::npos) << said;
    }
    EXPECT_TRUE(std::filesystem::is_empty(data.Path()));
}

}  // namespace
}  // namespace pv::testing
