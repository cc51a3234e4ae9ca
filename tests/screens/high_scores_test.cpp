// The high-score screen: entering the score under a name, the list highest first, the 25 kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "support/game_fixture.h"

namespace pv::testing {
namespace {

class Scores : public GameTest {
  protected:
    void SetUp() override {
        Start(555);
        game.soundOn = 0xFF;
    }

    void Type(const std::string& name) { platform.TextTyped(game.nameEdit, name); }
    void Open(std::uint32_t score) {
        game.score = score;
        Command(2009);
    }
    void OpenAndClose(std::uint32_t score) {
        Open(score);
        Command(2097);
    }
    std::vector<std::string> Shown() { return W(game.scoreList).list.Lines(); }
    std::vector<std::string> Kept() { return W(game.scoreStore).list.Lines(); }
    static std::string Line(const char* digits, const std::string& name) {
        return std::string(" ") + digits + "   " + name;
    }
    void Store(const std::string& line) {
        platform.SendMessageA(game.scoreStore, LB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(line.c_str()));
    }
    std::vector<HWND> ScreenControls() {
        return {game.scoreList,     game.scoresOkButton, game.scoreHeader,   game.nameHeader,
                game.yourNameLabel, game.nameEdit,       game.yourScoreLabel};
    }
};

TEST_F(Scores, OpeningEntersTheScoreAndShowsTheScreen) {
    Type("Mia");
    std::size_t sounds = platform.sounds.size();
    Open(187);
    EXPECT_EQ(game.scoresOpen, 1);
    EXPECT_EQ(Kept(), std::vector<std::string>{Line("00000187", "Mia")});
    EXPECT_EQ(Shown(), Kept());
    EXPECT_EQ(Text(game.yourScoreLabel), "187 IS YOUR SCORE");
    for (HWND c : ScreenControls()) EXPECT_TRUE(Visible(c));
    EXPECT_FALSE(Visible(game.scoreStore));
    EXPECT_TRUE(Visible(game.leftFace) && Visible(game.rightFace));
    EXPECT_FALSE(Visible(game.questionDisplay));
    EXPECT_EQ(platform.GetFocus(), game.nameEdit);
    EXPECT_TRUE(BarItem(2).disabled);
    ASSERT_EQ(platform.sounds.size(), sounds + 1);

    Command(2097);
    EXPECT_EQ(game.scoresOpen, 0);
    for (HWND c : ScreenControls()) EXPECT_FALSE(Visible(c));
    EXPECT_TRUE(Visible(game.questionDisplay));
    EXPECT_FALSE(BarItem(2).disabled);
    EXPECT_EQ(platform.sounds.size(), sounds + 2);
    EXPECT_EQ(Text(game.nameEdit), "Mia") << "the name stays for the next opening";
    EXPECT_EQ(Kept().size(), 1u) << "closing enters nothing";
}

TEST_F(Scores, OneLinePerScoreAndNameWithCaseIgnored) {
    Type("Anna");
    OpenAndClose(500);
    OpenAndClose(500);
    Type("ANNA");
    OpenAndClose(500);
    EXPECT_EQ(Kept().size(), 1u);
    Type("Bob");
    OpenAndClose(500);
    Type("anna");
    OpenAndClose(99999999);
    Type("Cy");
    Open(7);
    // Highest first; among equal scores the later name first.
    EXPECT_EQ(Shown(),
              (std::vector<std::string>{Line("99999999", "anna"), Line("00000500", "Bob"),
                                        Line("00000500", "Anna"), Line("00000007", "Cy")}));
}

TEST_F(Scores, LongNamesAreCutToThirteen) {
    Type("Bartholomew the Great");
    Open(42);
    EXPECT_EQ(Kept(), std::vector<std::string>{Line("00000042", "Bartholomew t")});
}

TEST_F(Scores, ALineBelowTwentyFiveIsShownOnceAndNotKept) {
    for (int i = 0; i < 25; ++i) {
        Store(Line(("000010" + std::to_string(10 + i)).c_str(), "kid"));
    }
    Type("Low");
    Open(3);
    ASSERT_EQ(Shown().size(), 26u);
    EXPECT_EQ(Shown().front(), Line("00001034", "kid"));
    EXPECT_EQ(Shown().back(), Line("00000003", "Low"));
    EXPECT_EQ(Kept().size(), 25u);
    EXPECT_EQ(Kept().front(), Line("00001010", "kid"));
    Command(2097);

    Open(5000);
    EXPECT_EQ(Shown().size(), 26u);
    EXPECT_EQ(Shown().front(), Line("00005000", "Low"));
    EXPECT_EQ(Shown().back(), Line("00001010", "kid"));
    for (const std::string& line : Shown()) EXPECT_NE(line, Line("00000003", "Low"));
    EXPECT_EQ(Kept().size(), 25u);
    EXPECT_EQ(Kept().front(), Line("00001011", "kid"));
}

TEST_F(Scores, OverlongStoredLineEndsTheCopyingSafely) {
    Store(Line("00000001", std::string(400, 'z')));
    Store(Line("00000900", "Top"));
    Type("Me");
    Open(500);
    EXPECT_EQ(Shown(), (std::vector<std::string>{Line("00000900", "Top"), Line("00000500", "Me")}));
}

// With an empty box each opening draws 0..1: 1 names the line "tivant", 0 the face hint's last
// word in the case the hint animation left it.
TEST_F(Scores, EmptyBoxGivesTivantOrTheFaceHintsLastWordAsItStands) {
    auto expectByDraw = [&](const std::string& word, std::uint32_t& score) {
        std::set<std::uint32_t> seen;
        for (int i = 0; i < 40 && seen.size() < 2; ++i) {
            const GameState before = game;
            WatchDraws();
            Open(++score);
            ASSERT_FALSE(ranges.empty());
            ASSERT_EQ(ranges.back(), 2u) << "the name is the opening's last draw";
            const std::uint32_t drawn = ReplayDraws(before, ranges).back();
            seen.insert(drawn);
            char digits[9];
            std::snprintf(digits, sizeof digits, "%08u", score);
            const std::string line = Line(digits, drawn == 1 ? "tivant" : word);
            const std::vector<std::string> kept = Kept();
            EXPECT_NE(std::find(kept.begin(), kept.end(), line), kept.end()) << line;
            Command(2097);
        }
        EXPECT_EQ(seen.size(), 2u) << word;
    };
    std::uint32_t score = 100;
    expectByDraw("Pondivar", score);

    // The face hint changes the case of its own text, which the default name then shows.
    Send(WM_MOUSEMOVE, 0, MAKELPARAM(90, 15));
    Tick();
    ASSERT_STREQ(game.hintTexts[kHintAbout].data(), "about pondivar");
    expectByDraw("pondivar", score);
    Send(WM_MOUSEMOVE, 0, MAKELPARAM(90, 15));
    Tick();
    ASSERT_STREQ(game.hintTexts[kHintAbout].data(), "ABOUT PONDIVAR");
    expectByDraw("PONDIVAR", score);
}

}  // namespace
}  // namespace pv::testing
