// The drill's record of answers as the game keeps it while it plays.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "assets/commands.h"
#include "drill/record.h"
#include "players/players.h"
#include "progress/answer_log.h"
#include "support/game_fixture.h"
#include "support/no_free_descriptors.h"

namespace pv::testing {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class PlayerRecord : public GameTest {
  protected:
    void SetUp() override {
        SettledPlayer player = SettlePlayer(directory.Path(), "Anna");
        ASSERT_EQ(player.problem, "");
        game.playersRoot = directory.Path();
        game.playerName = player.name;
        Create();
        game.dataFolder = player.folder;
        Drain();
    }
    fs::path Folder() const { return PlayerFolder(directory.Path(), "Anna"); }
    fs::path File() const { return Folder() / kAnswerLogName; }
    // A right click on the question on view, then the next question.
    void AnswerRight() {
        auto right = std::find(game.choices.begin(), game.choices.end(), game.correctAnswer);
        platform.ticks = game.questionShownAt + 900;
        Command(Command::FirstAnswer + static_cast<WPARAM>(right - game.choices.begin()));
        Tick(5);
    }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(Folder()), {}));
    }
};

// A record that could not be read at the first answer is neither set aside nor added to, even
// once it could be: the game plays on without recording, and says why once.
TEST_F(PlayerRecord, RecordThatCouldNotBeReadIsKeptAndNotAddedTo) {
    AnswerRight();
    game.record.reset();  // on the disk
    OpenRecord(game);
    const std::string kept = Slurp(File());
    const std::size_t files = FilesInFolder();
    ::testing::internal::CaptureStderr();
    {
        NoFreeDescriptors none;
        AnswerRight();
    }
    AnswerRight();
    game.record.reset();
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Slurp(File()), kept);
    EXPECT_EQ(FilesInFolder(), files) << "nothing set aside";
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find(kAnswerLogName), std::string::npos) << said;
}

// A link to a missing file in the record's place: no answer makes its target, and the game says
// why once.
TEST_F(PlayerRecord, NoAnswerMakesAFileThroughALink) {
    const fs::path target = directory.Path() / "elsewhere.pvr";
    fs::create_symlink(target, File());
    ::testing::internal::CaptureStderr();
    AnswerRight();
    AnswerRight();
    game.record.reset();
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(fs::is_symlink(File()));
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("link"), std::string::npos) << said;
}

}  // namespace
}  // namespace pv::testing
