// A game started as a player of a data folder, as start-up does, and one that answers questions
// and reads back what was recorded.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "assets/commands.h"
#include "drill/answer_keeper.h"
#include "players/players.h"
#include "progress/answer_log.h"
#include "support/game_fixture.h"

namespace pv::testing {

namespace fs = std::filesystem;

class Players : public GameTest {
  protected:
    fs::path Root() const { return directory.Path(); }
    fs::path FileOf(const std::string& name) const {
        return PlayerFolder(Root(), name) / "pv2.pv2";
    }
    // Starts the game as the data folder's start-up does.
    void StartAs(const std::string& wanted) {
        SettledPlayer player = SettlePlayer(RealFileSystem(), Root(), wanted);
        ASSERT_TRUE(player.problem.empty()) << Say(player.problem);
        game.playersRoot = Root();
        game.playerName = player.name;
        Create();
        game.dataFolder = player.folder;
        Drain();
    }
    std::string Title() const { return W(game.mainWindow).text; }
};

// The answer buttons' places of the right answer and of a wrong one.
struct Buttons {
    std::size_t right = 0;
    std::size_t wrong = 0;
};

inline Buttons Find(const Game& game) {
    Buttons b;
    for (std::size_t i = 0; i < 4; ++i) {
        if (game.choices[i] == game.correctAnswer) {
            b.right = i;
        } else {
            b.wrong = i;
        }
    }
    return b;
}

class PlayersRecord : public Players {
  protected:
    // Answers the question on view, after `wrong` wrong clicks, `ms` from now; then lets the next
    // question come.
    void Answer(int wrong, DWORD ms) {
        Buttons b = Find(game);
        platform.ticks += ms;
        for (int i = 0; i < wrong; ++i) Command(Command::FirstAnswer + b.wrong);
        Command(Command::FirstAnswer + b.right);
        Tick(5);
    }
    std::vector<pv::Answer> Recorded() {
        game.answerKeeper.reset();  // the record reaches the disk before it is read
        AnswerReading reading =
            ReadAnswers(RealFileSystem(), PlayerFolder(Root(), game.playerName), ReadFor::Viewing);
        EXPECT_EQ(reading.complaint, "");
        OpenAnswerKeeper(game);
        return reading.answers;
    }
};

}  // namespace pv::testing
