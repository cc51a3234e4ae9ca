// Players: their names, who plays at start (an old settings file taken over), and the switch from
// one player to another inside the game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "assets/commands.h"
#include "players/player_name.h"
#include "players/players.h"
#include "support/game_fixture.h"

namespace pv::testing {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(PlayerNames, LettersOfAnyScriptDigitsAndAFewSigns) {
    for (const char* good : {"Anna", "\xc3\x81nna \xc3\x96", "\xd0\x81\xd0\xb6\xd0\xb8\xd0\xba",
                             "\xe6\x9d\x8e\xe9\x9b\xb7", "A.b-c_d 9", "abcdefghijklmnopqrstuvwx"}) {
        EXPECT_EQ(PlayerNameProblem(good), "") << good;
    }
    for (const char* bad : {"", ".hidden", " lead", "..", "a/b", "tab\there", "new\nline",
                            "abcdefghijklmnopqrstuvwxy", "\xff", "a\xc3", "x\x7f", "\xc0\xaf"}) {
        EXPECT_NE(PlayerNameProblem(bad), "") << bad;
    }
    // Twenty-four characters, not bytes.
    std::string cyrillic;
    for (int i = 0; i < 24; ++i) cyrillic += "\xd0\x96";
    EXPECT_EQ(PlayerNameProblem(cyrillic), "");
    EXPECT_TRUE(SamePlayerName("ANNA", "anna"));
    EXPECT_TRUE(SamePlayerName("\xc3\x81NNA", "\xc3\xa1nna"));
    EXPECT_TRUE(SamePlayerName("\xd0\x81\xd0\x96", "\xd1\x91\xd0\xb6"));
    EXPECT_FALSE(SamePlayerName("Anna", "Anne"));
}

class Players : public GameTest {
  protected:
    fs::path Root() const { return directory.Path(); }
    fs::path FileOf(const std::string& name) const {
        return PlayerFolder(Root(), name) / "pv2.pv2";
    }
    // Starts the game as the data folder's start-up does.
    void StartAs(const std::string& wanted) {
        SettledPlayer player = SettlePlayer(Root(), wanted);
        ASSERT_EQ(player.problem, "");
        game.playersRoot = Root();
        game.playerName = player.name;
        Create();
        game.dataFolder = player.folder;
        Drain();
    }
    std::string Title() const { return W(game.mainWindow).text; }
};

TEST_F(Players, FirstStartTakesOverTheSettingsFileOfBeforePlayers) {
    std::ofstream(Root() / "pv2.pv2", std::ios::binary) << "PV21 old bytes";
    SettledPlayer first = SettlePlayer(Root(), "");
    EXPECT_EQ(first.name, "Player 1");
    EXPECT_EQ(Slurp(FileOf("Player 1")), "PV21 old bytes");
    EXPECT_FALSE(fs::exists(Root() / "pv2.pv2"));

    EXPECT_EQ(SettlePlayer(Root(), "anna").name, "anna") << "made when new";
    EXPECT_EQ(SettlePlayer(Root(), "").name, "anna") << "the last run's player";
    EXPECT_EQ(SettlePlayer(Root(), "ANNA").name, "anna") << "any case finds the player";
    EXPECT_EQ(ListPlayers(Root()), (std::vector<std::string>{"anna", "Player 1"}));
    EXPECT_FALSE(fs::exists(Root() / "players" / "anna" / "pv2.pv2")) << "made on closing";

    SettledPlayer refused = SettlePlayer(Root(), "../out");
    EXPECT_EQ(refused.name, "");
    EXPECT_NE(refused.problem, "");
    EXPECT_FALSE(fs::exists(Root() / "out"));
    EXPECT_EQ(ListPlayers(Root()).size(), 2u) << "a refused name makes nothing";
}

TEST_F(Players, SwitchSavesOneAndStartsTheOtherAfresh) {
    StartAs("Anna");
    EXPECT_NE(Title().find("Anna"), std::string::npos);
    Command(Command::SoundToggle);
    Command(Command::Add);
    const std::uint32_t annasScore = game.score;

    platform.typedAnswers = {L"Ben"};
    Command(Command::NewPlayer);
    EXPECT_EQ(game.playerName, "Ben");
    EXPECT_NE(Title().find("Ben"), std::string::npos);
    ASSERT_TRUE(fs::exists(FileOf("Anna"))) << "saved as closing would";
    EXPECT_EQ(static_cast<unsigned char>(Slurp(FileOf("Anna")).at(34)), 0xFF) << "sound was on";
    EXPECT_EQ(game.soundOn, 0) << "Ben starts with the defaults";
    EXPECT_EQ(game.operation, 'x');
    EXPECT_EQ(game.score, 1u);
    EXPECT_EQ(game.tableSize, 2u);
    ASSERT_EQ(game.playerNames, (std::vector<std::string>{"Anna", "Ben"}));
    EXPECT_FALSE(Item(Command::FirstPlayer).checked);
    EXPECT_TRUE(Item(Command::FirstPlayer + 1).checked);
    EXPECT_NE(annasScore, 0u);

    Command(Command::FirstPlayer);
    EXPECT_EQ(game.playerName, "Anna");
    EXPECT_EQ(game.soundOn, 0xFF);
    EXPECT_EQ(game.operation, '+');
    EXPECT_TRUE(fs::exists(FileOf("Ben")));
    EXPECT_EQ(Slurp(Root() / "pondivar.conf"), "player=Anna\n");
}

TEST_F(Players, RefusedNameSaysWhyAndChangesNothing) {
    StartAs("Anna");
    for (const wchar_t* typed : {L"a/b", L"", L".x", L"abcdefghijklmnopqrstuvwxyz"}) {
        platform.typedAnswers = {typed};
        platform.messages.clear();
        Command(Command::NewPlayer);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(game.playerName, "Anna");
    }
    EXPECT_EQ(ListPlayers(Root()), std::vector<std::string>{"Anna"});
    platform.typedAnswers = {};
    Command(Command::NewPlayer);  // cancelled
    EXPECT_EQ(game.playerName, "Anna");
}

}  // namespace
}  // namespace pv::testing
