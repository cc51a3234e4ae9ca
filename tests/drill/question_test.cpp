// The fact grid, levels and the making of questions, driven as a player would.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "drill/question.h"
#include "support/game_fixture.h"

namespace pv::testing {
namespace {

class Drill : public GameTest {
  protected:
    void SetUp() override { Start(1234); }

    std::size_t IndexOf(std::uint32_t value) {
        auto it = std::find(game.choices.begin(), game.choices.end(), value);
        if (it == game.choices.end()) throw std::runtime_error("answer not offered");
        return static_cast<std::size_t>(it - game.choices.begin());
    }
    void ClickRight() { Command(2001 + IndexOf(game.correctAnswer)); }
    void ClickWrong() { Command(2001 + (IndexOf(game.correctAnswer) + 1) % 4); }
    int OpenCount() { return std::stoi(Text(game.questionsLeftLabel)); }

    // Leaves only the listed facts of a square of the given size open.
    void OpenOnly(std::uint32_t size, std::vector<std::pair<int, int>> open) {
        game.tableSize = size;
        game.factGrid = {};
        for (std::uint32_t a = 1; a <= size; ++a) {
            for (std::uint32_t b = 1; b <= size; ++b) game.factGrid[a][b] = 1;
        }
        for (auto [a, b] : open) game.factGrid[a][b] = 0;
    }
};

TEST_F(Drill, FirstQuestionOffersOneToFourWhateverTheOperation) {
    const struct {
        UINT command;
        const char* sign;
    } operations[] = {{1303, "x"}, {1301, "+"}, {1302, "-"}, {1304, "\xF7"}, {1303, "x"}};
    for (auto [command, sign] : operations) {
        Command(command);
        std::uint32_t a = game.operandA, b = game.operandB, answer = game.correctAnswer;
        EXPECT_EQ(Text(game.questionsLeftLabel), "4 questions") << sign;
        EXPECT_EQ(Text(game.questionDisplay),
                  std::to_string(a) + " " + sign + " " + std::to_string(b));
        EXPECT_TRUE(b == 1 || b == 2);
        std::uint32_t fact = sign[0] == '-' ? a - b : sign[0] == '\xF7' ? a / b : a;
        EXPECT_TRUE(fact == 1 || fact == 2) << sign;
        EXPECT_EQ(answer, sign[0] == 'x' ? a * b : sign[0] == '+' ? a + b : fact);
        std::vector<std::uint32_t> offered(game.choices.begin(), game.choices.end());
        std::sort(offered.begin(), offered.end());
        EXPECT_EQ(offered, (std::vector<std::uint32_t>{1, 2, 3, 4})) << sign;
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(Text(game.answerButtons[i]), std::to_string(game.choices[i]));
            EXPECT_TRUE(Enabled(game.answerButtons[i]));
        }
    }
}

TEST_F(Drill, SubtractionAndDivisionAskTheDrawnFactBackwards) {
    for (auto [command, shown] : {std::pair<UINT, const char*>{1302, "15 - 8"},
                                  std::pair<UINT, const char*>{1304, "56 \xF7 8"}}) {
        Command(command);
        OpenOnly(8, {{7, 8}});
        Command(2007);
        EXPECT_EQ(Text(game.questionDisplay), shown);
        EXPECT_EQ(Text(game.questionsLeftLabel), "1 question");
        EXPECT_EQ(game.correctAnswer, 7u);
        ClickRight();
        EXPECT_EQ(game.factGrid[7][8], 1u) << shown;
    }
}

TEST_F(Drill, CountLabelDropsItsPluralOnlyForOne) {
    OpenOnly(5, {{3, 4}, {4, 3}});
    Command(2007);
    EXPECT_EQ(Text(game.questionsLeftLabel), "2 questions");
    OpenOnly(5, {{4, 3}});
    Command(2007);
    EXPECT_EQ(Text(game.questionsLeftLabel), "1 question");
    EXPECT_EQ(Text(game.questionDisplay), "4 x 3");
    OpenOnly(5, {{3, 4}, {4, 3}});
    Command(2007);
    EXPECT_EQ(Text(game.questionsLeftLabel), "2 questions");
}

TEST_F(Drill, ChoicesAtTableThreeAreDistinctAndInRange) {
    for (UINT command : {1301u, 1302u, 1303u, 1304u}) {
        Command(command);
        std::uint32_t largest = command == 1303 ? 9 : 6;
        for (int i = 0; i < 40; ++i) {
            game.tableSize = 3;
            Command(2007);
            std::vector<std::uint32_t> offered(game.choices.begin(), game.choices.end());
            std::sort(offered.begin(), offered.end());
            EXPECT_EQ(std::adjacent_find(offered.begin(), offered.end()), offered.end());
            EXPECT_GE(offered.front(), 1u);
            EXPECT_LE(offered.back(), largest) << command;
            EXPECT_TRUE(std::count(offered.begin(), offered.end(), game.correctAnswer));
        }
    }
}

// Draws come as: operand pairs until an open fact, then (slot, value) pairs, then one slot.
TEST_F(Drill, QuestionDrawsOperandsThenCandidatesThenOneSlot) {
    auto expectShape = [&](std::uint32_t size, std::uint32_t range, std::size_t start) {
        ASSERT_GT(ranges.size(), start + 2 + 8);
        std::size_t i = start;
        while (ranges[i] == size && ranges[i + 1] == size) i += 2;
        EXPECT_GT(i, start) << "at least one operand pair";
        std::size_t pairs = 0;
        for (; i + 1 < ranges.size(); i += 2, ++pairs) {
            EXPECT_EQ(ranges[i], 4u);
            EXPECT_EQ(ranges[i + 1], range);
        }
        EXPECT_GE(pairs, 4u);
        ASSERT_EQ(i + 1, ranges.size()) << "one final slot";
        EXPECT_EQ(ranges.back(), 4u);
    };

    game.tableSize = 3;  // a fresh square: the first pair is always open
    WatchDraws();
    NextQuestion(game);
    EXPECT_EQ(ranges[0], 3u);
    EXPECT_EQ(ranges[1], 3u);
    EXPECT_EQ(ranges[2], 4u) << "a single operand pair";
    expectShape(3, 9, 0);

    OpenOnly(3, {{2, 3}});
    WatchDraws();
    NextQuestion(game);
    expectShape(3, 9, 0);

    // A clean level's end draws its sound, then the memory game it deals, before the grown
    // square's operands.
    Command(1301);
    OpenOnly(4, {});
    WatchDraws();
    NextQuestion(game);
    std::size_t next = 0;
    auto skip = [&](std::uint32_t n) {
        while (next < ranges.size() && ranges[next] == n) ++next;
    };
    skip(4);
    EXPECT_GE(next, 1u);
    EXPECT_EQ(ranges.at(next++), 3u) << "the card back";
    skip(301);
    EXPECT_EQ(ranges.at(next++), 111u);
    skip(15);
    EXPECT_EQ(ranges.at(next++), 133u);
    skip(30);
    expectShape(5, 10, next);
}

TEST_F(Drill, ChoosingAnOperationStartsOverButKeepsTheScore) {
    game.score = 5000;
    game.missedThisRound = 1;
    game.tableSize = 6;
    game.factGrid[3][4] = 1;
    game.factGridBackup[2][2] = 1;
    Command(1304);
    EXPECT_TRUE(Item(1304).grayed);
    for (UINT id : {1301, 1302, 1303}) EXPECT_FALSE(Item(id).grayed) << id;
    EXPECT_EQ(game.operation, 0xF7);
    EXPECT_EQ(game.tableSize, 2u);
    EXPECT_EQ(game.missedThisRound, 0);
    EXPECT_EQ(game.score, 5000u);
    EXPECT_EQ(game.factGrid, FactGrid{});
    EXPECT_EQ(game.factGridBackup, FactGrid{});
    EXPECT_EQ(Text(game.questionsLeftLabel), "4 questions");

    Command(2007);
    Command(2000);
    EXPECT_EQ(game.factGrid, FactGrid{}) << "a refresh masters nothing";
    EXPECT_EQ(game.missedThisRound, 0);
    EXPECT_EQ(game.score, 5000u);
}

// A whole game to the largest table and round to table 2 again, with one level missed once.
class WholeGame : public Drill, public ::testing::WithParamInterface<bool> {};

TEST_P(WholeGame, LevelsGrowRepeatAndStartOverWithTheirBonuses) {
    const bool big = GetParam();
    if (big) Command(2109);
    const std::uint32_t limit = big ? 17 : 10;
    std::uint32_t expected = game.score;
    bool missedOnce = false;
    for (std::uint32_t size = 2; size <= limit; ++size) {
        ASSERT_EQ(game.tableSize, size);
        const int open = size == 2 ? 4 : static_cast<int>(2 * size - 1);
        ASSERT_EQ(OpenCount(), open) << "size " << size;
        const bool miss = size == 4 && !missedOnce;
        bool first = true;
        for (;;) {
            int left = OpenCount();
            if (miss && first) {
                ASSERT_GT(game.score, 45u);
                ClickWrong();
                expected -= 42;
            }
            ClickRight();
            expected += miss && first ? 113 : 186;
            first = false;
            Tick(5);
            if (left == 1) break;
        }
        if (miss) {
            missedOnce = true;
            expected += 441;
            EXPECT_EQ(game.score, expected);
            --size;  // the same level again, from where it began
            continue;
        }
        expected += 123 + (size == limit ? 9131 : 0);
        EXPECT_EQ(game.score, expected) << "size " << size;
    }
    EXPECT_TRUE(missedOnce);
    EXPECT_EQ(game.tableSize, 2u);
    EXPECT_EQ(Text(game.questionsLeftLabel), "4 questions");
    EXPECT_EQ(game.factGrid, FactGrid{});
    EXPECT_EQ(game.factGridBackup, FactGrid{});
}

INSTANTIATE_TEST_SUITE_P(Tables, WholeGame, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "UpTo17" : "UpTo10"; });

}  // namespace
}  // namespace pv::testing
