// Judging answers: faces, sounds, points and the marking of mastered facts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "drill/judge.h"
#include "support/game_fixture.h"

namespace pv::testing {
namespace {

class Answers : public GameTest {
  protected:
    void SetUp() override {
        Start(777);
        game.soundOn = 0xFF;
    }

    std::size_t Right() {
        return static_cast<std::size_t>(
            std::find(game.choices.begin(), game.choices.end(), game.correctAnswer) -
            game.choices.begin());
    }
    std::size_t Wrong() { return (Right() + 1) % 4; }
    HANDLE Picture(HWND control) { return W(control).image; }
    UINT LastSound() { return platform.sounds.empty() ? 0 : platform.sounds.back().resource; }
};

TEST_F(Answers, RightAtFirstTryPaysMarksAndShowsTheAnswerOnEveryButton) {
    std::uint32_t a = game.operandA, b = game.operandB;
    WatchDraws();
    Command(2001 + Right());
    EXPECT_EQ(game.score, 187u);
    EXPECT_EQ(game.factGrid[a][b], 1u);
    for (HWND button : game.answerButtons) {
        EXPECT_EQ(Text(button), std::to_string(game.correctAnswer));
        EXPECT_FALSE(Enabled(button));
    }
    EXPECT_EQ(Picture(game.leftFace), 913u);
    EXPECT_GE(LastSound(), 400u);
    EXPECT_LE(LastSound(), 404u);
    EXPECT_EQ(game.actionDelay, 4);
    EXPECT_EQ(game.pendingQuestion, 1u);
    // The face draws before the sound.
    ASSERT_GE(ranges.size(), 2u);
    EXPECT_EQ(ranges[0], 2u);
    EXPECT_TRUE(std::all_of(ranges.begin() + 1, ranges.end(), [](auto n) { return n == 5; }));
}

TEST_F(Answers, WrongClicksCostFortyTwoOnlyAboveFortyFive) {
    for (auto [before, after] :
         {std::pair{46u, 4u}, std::pair{45u, 45u}, std::pair{0u, 0u}, std::pair{1000u, 958u}}) {
        Command(2007);
        game.score = before;
        Command(2001 + Wrong());
        EXPECT_EQ(game.score, after) << before;
    }
}

TEST_F(Answers, RightAfterAWrongClickPaysLessAndMastersNothing) {
    game.score = 100;
    std::uint32_t a = game.operandA, b = game.operandB;
    Command(2001 + Wrong());
    Command(2001 + Right());
    EXPECT_EQ(game.score, 100u - 42u + 113u);
    EXPECT_EQ(game.factGrid[a][b], 0u);
    EXPECT_EQ(game.missedThisRound, 1);
    Command(2007);
    EXPECT_EQ(game.missedThisRound, 1) << "the miss lasts until the level ends";
}

TEST_F(Answers, SameWrongButtonTwiceBlanksItThenOnlyRepeatsThePenalty) {
    game.score = 1000;
    const std::size_t wrong = Wrong();
    HWND button = game.answerButtons[wrong];
    WatchDraws();
    Command(2001 + wrong);
    EXPECT_EQ(Text(button), "");
    EXPECT_TRUE(Enabled(button));
    EXPECT_GE(LastSound(), 420u);
    EXPECT_LE(LastSound(), 429u);
    EXPECT_EQ(Picture(game.leftFace), 914u);
    EXPECT_EQ(game.score, 958u);
    // The sound draws before the face.
    ASSERT_GE(ranges.size(), 2u);
    EXPECT_EQ(ranges.back(), 2u);
    EXPECT_TRUE(std::all_of(ranges.begin(), ranges.end() - 1, [](auto n) { return n == 10; }));

    Command(2001 + wrong);
    EXPECT_GE(LastSound(), 440u);
    EXPECT_LE(LastSound(), 444u);
    EXPECT_EQ(Picture(game.leftFace), 911u);
    EXPECT_EQ(game.score, 916u);
    for (std::size_t i = 0; i < 4; ++i) {
        if (i != wrong) {
            EXPECT_NE(Text(game.answerButtons[i]), "") << i;
        }
    }
}

// The left face's text is its name to a screen reader: the verdict, heard at every answer.
TEST_F(Answers, TheLeftFaceSaysEachVerdictAndFallsSilentForTheNextQuestion) {
    const std::size_t wrong = Wrong();
    Command(2001 + wrong);
    EXPECT_EQ(Text(game.leftFace), "Not quite, try again");
    Command(2001 + wrong);
    EXPECT_EQ(Text(game.leftFace), "Still not that one");
    Command(2001 + Right());
    EXPECT_EQ(Text(game.leftFace), "Right!");
    EXPECT_EQ(Text(game.rightFace), "");
    Command(2007);
    EXPECT_EQ(Text(game.leftFace), "") << "a new question has no verdict yet";
}

TEST_F(Answers, ShowFaceChangesPicturesOnlyForANewFace) {
    bool sameSeen = false, neutralSeen = false;
    for (int round = 0; round < 40; ++round) {
        game.highColour = round % 2 == 0 ? 0 : 0xFF;
        const std::uint32_t add = game.highColour != 0 ? 0 : 10;
        const std::uint32_t face = 901 + round % 4;
        WatchDraws();
        ShowFace(game, face);
        EXPECT_EQ(ranges, std::vector<std::uint32_t>{2});
        EXPECT_EQ(Picture(game.leftFace), face + add);
        HANDLE right = Picture(game.rightFace);
        EXPECT_TRUE(right == face + add || right == 900 + add) << right;
        sameSeen |= right == face + add;
        neutralSeen |= right == 900 + add;

        std::size_t changes = platform.reflected.size();
        ShowFace(game, face);
        EXPECT_EQ(ranges.size(), 1u) << "no draw for the face already shown";
        // Only a verdict is told again, as the left face's text; no picture changes.
        ASSERT_EQ(platform.reflected.size(), changes + (face == 902 ? 0 : 1)) << face;
        if (face != 902) {
            EXPECT_EQ(platform.reflected.back().what, Change::Text);
        }
    }
    EXPECT_TRUE(sameSeen && neutralSeen);
}

}  // namespace
}  // namespace pv::testing
