// Play by keyboard: digits answer as clicks do, Escape closes panels, arrows and Enter play the
// memory game; a key for a control the player could not click does nothing.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "assets/commands.h"
#include "support/game_fixture.h"

namespace pv::testing {
namespace {

class Keyboard : public GameTest {
  protected:
    void SetUp() override {
        Start(4242);
        game.soundOn = 0xFF;
    }
    // The key message's lParam: a first press, or an auto-repeat of a key held down.
    static constexpr LPARAM kPressed = 1;
    static constexpr LPARAM kRepeated = MAKELPARAM(1, KF_REPEAT);
    void Key(WPARAM key, LPARAM how = kPressed) {
        Send(WM_KEYDOWN, key, how);
        Drain();
    }
    void Type(char c, LPARAM how = kPressed) {
        Send(WM_CHAR, static_cast<WPARAM>(c), how);
        Drain();
    }
    char Digit(std::size_t button) const { return static_cast<char>('1' + button); }
    std::size_t RightButton() const {
        for (std::size_t i = 0; i < 4; ++i) {
            if (game.choices[i] == game.correctAnswer) return i;
        }
        return 0;
    }
};

TEST_F(Keyboard, DigitsAnswerAsTheButtonsDo) {
    // The same game twice from the same seed: one clicked, one typed.
    RecordingPlatform clickedPlatform;
    Game clicked(clickedPlatform);
    ScratchDirectory elsewhere;
    clickedPlatform.ticks = 4242;
    clicked.dataFolder = elsewhere.Path();
    CreateMainWindow(clicked);
    MSG m;
    while (clickedPlatform.PeekMessageA(&m)) clickedPlatform.DispatchMessageA(&m);
    clicked.soundOn = 0xFF;

    std::size_t wrong = (RightButton() + 1) % 4;
    Type(static_cast<char>('1' + wrong));
    Type(static_cast<char>('1' + RightButton()));
    clickedPlatform.SendMessageA(clicked.mainWindow, WM_COMMAND, Command::FirstAnswer + wrong, 0);
    clickedPlatform.SendMessageA(clicked.mainWindow, WM_COMMAND,
                                 Command::FirstAnswer + RightButton(), 0);
    EXPECT_EQ(game.score, clicked.score);
    EXPECT_EQ(game.currentFace, clicked.currentFace);
    EXPECT_EQ(game.rngA.low, clicked.rngA.low) << "the same draws";
    EXPECT_EQ(platform.sounds.size(), clickedPlatform.sounds.size());
    EXPECT_EQ(Text(game.answerButtons[wrong]), Text(clicked.answerButtons[wrong]));

    // Greyed after the right answer: the game itself ignores their keys.
    const std::uint32_t score = game.score;
    const std::size_t sounds = platform.sounds.size();
    for (char c : {'1', '2', '3', '4', '5', '0', 'a'}) Type(c);
    EXPECT_EQ(game.score, score);
    EXPECT_EQ(platform.sounds.size(), sounds);
}

TEST_F(Keyboard, HiddenButtonsTakeNoDigitAndEscapeClosesTheTopPanel) {
    Command(Command::ViewScores);
    ASSERT_NE(game.scoresOpen, 0);
    const std::uint32_t score = game.score;
    Type('1');
    Type('2');
    EXPECT_EQ(game.score, score) << "the answers are hidden behind the high scores";
    Key(VK_ESCAPE);
    EXPECT_EQ(game.scoresOpen, 0);

    Command(Command::Colour);
    ASSERT_NE(game.colourOpen, 0);
    Key(VK_ESCAPE);
    EXPECT_EQ(game.colourOpen, 0);

    Command(Command::MemoryGame);
    Command(Command::Help);
    Key(VK_ESCAPE);
    EXPECT_EQ(game.aboutOpen, 0);
    EXPECT_NE(game.memoryOpen, 0) << "only the about panel on top closes";
    Key(VK_ESCAPE);
    EXPECT_NE(game.memoryOpen, 0);
}

TEST_F(Keyboard, ArrowsMoveAFocusOverTheCardsAndEnterTurnsOne) {
    Key(VK_RIGHT);
    EXPECT_EQ(game.cardFocus, -1) << "no board, no focus";
    Command(Command::MemoryGame);
    Key(VK_RETURN);
    EXPECT_EQ(game.memoryMoves, 0u) << "nothing to turn before the focus shows";
    Key(VK_RIGHT);
    EXPECT_EQ(platform.GetFocus(), game.cardButtons[0]) << "the first arrow shows the focus";
    Key(VK_RIGHT);
    Key(VK_DOWN);
    EXPECT_EQ(game.cardFocus, 7);
    EXPECT_EQ(platform.GetFocus(), game.cardButtons[7]);
    for (int i = 0; i < 5; ++i) Key(VK_LEFT);
    EXPECT_EQ(game.cardFocus, 6) << "the edge of the board stops it";
    for (int i = 0; i < 9; ++i) Key(VK_DOWN);
    EXPECT_EQ(game.cardFocus, 24);
    Key(VK_SPACE);
    EXPECT_EQ(game.cardRevealed[24], 1u);
    EXPECT_EQ(game.firstCardSlot, 24u);

    Command(Command::Help);  // the about panel hides the board
    Key(VK_RIGHT);
    Key(VK_RETURN);
    EXPECT_EQ(game.cardFocus, 24);
    EXPECT_EQ(game.cardRevealed[25], 0u);
    Key(VK_ESCAPE);
    EXPECT_EQ(platform.GetFocus(), game.cardButtons[24]) << "framed again as the board comes back";
    Command(Command::LeaveMemoryGame);
    Command(Command::MemoryGame);
    Key(VK_RETURN);
    EXPECT_EQ(game.memoryMoves, 0u) << "a new board frames no card before an arrow";
}

// One press, one answer: what a held key repeats is never judged, on this question or the next.
TEST_F(Keyboard, AHeldKeyCountsOnce) {
    const char wrong = Digit((RightButton() + 1) % 4), right = Digit(RightButton());
    for (LPARAM how : {kPressed, kRepeated, kRepeated}) Type(wrong, how);
    EXPECT_EQ(game.wrongClicks, 1u);
    Type(right);
    Tick(6);
    ASSERT_EQ(game.answerClicks, 0u) << "the next question is up";
    Type(right, kRepeated);
    EXPECT_EQ(game.answerClicks, 0u) << "the key still down answers nothing";

    Command(Command::Colour);
    Command(Command::Help);
    Key(VK_ESCAPE);
    Key(VK_ESCAPE, kRepeated);
    EXPECT_NE(game.colourOpen, 0) << "a held Escape closes one panel";
    Key(VK_ESCAPE);
    Command(Command::MemoryGame);
    Key(VK_RIGHT);
    Key(VK_RETURN, kRepeated);
    EXPECT_EQ(game.memoryMoves, 0u) << "a held Enter turns no card";
}

}  // namespace
}  // namespace pv::testing
