// The players' folders: which folder a name finds, what is no player's folder, and the settings
// file of a game from before players taken over whatever happens on the way.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/who_plays.h"
#include "players/player_name.h"
#include "players/players.h"
#include "support/scratch_dir.h"

namespace pv::testing {
namespace {

namespace fs = std::filesystem;

class PlayerFolders : public ::testing::Test {
  protected:
    ScratchDirectory data;
    fs::path Root() const { return data.Path(); }
    fs::path Folder(const std::string& name) const { return Root() / "players" / name; }
    static std::string Slurp(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static long Lines(const std::ostringstream& said) {
        std::string text = said.str();
        return std::count(text.begin(), text.end(), '\n');
    }
};

TEST_F(PlayerFolders, NamesAreKeptInOneNormalForm) {
    SettledPlayer typed = SettlePlayer(Root(), "Jose\u0301");
    EXPECT_EQ(typed.name, "Jos\u00e9");
    EXPECT_TRUE(fs::is_directory(Folder("Jos\u00e9")));
    EXPECT_EQ(SettlePlayer(Root(), "JOS\u00c9").name, "Jos\u00e9");
    EXPECT_EQ(ListPlayers(Root()), std::vector<std::string>{"Jos\u00e9"});
}

TEST_F(PlayerFolders, TheExactNameWinsOverAnotherCase) {
    // Two folders in different case, from a backup say: each name finds its own.
    fs::create_directories(Folder("Anna"));
    fs::create_directories(Folder("ANNA"));
    for (const char* name : {"Anna", "ANNA", "Anna"}) {
        EXPECT_EQ(FindPlayer(Root(), name), name);
        EXPECT_EQ(SettlePlayer(Root(), name).name, name);
        EXPECT_EQ(SettlePlayer(Root(), "").name, name) << "the last run's player";
    }
    EXPECT_TRUE(SamePlayerName(SettlePlayer(Root(), "anna").name, "anna"));
    EXPECT_EQ(ListPlayers(Root()).size(), 2u) << "another case makes no third";
}

TEST_F(PlayerFolders, ALinkIsNoPlayerAndIsNeverWrittenThrough) {
    fs::create_directories(Root() / "elsewhere");
    fs::create_directories(Root() / "players");
    fs::create_directory_symlink(Root() / "elsewhere", Folder("Eve"));
    EXPECT_TRUE(ListPlayers(Root()).empty());
    std::ostringstream err;
    PlayStart asked = SettleStart(Root(), "Eve", err);
    EXPECT_EQ(asked.exitCode, 1);
    EXPECT_EQ(Lines(err), 1);
    EXPECT_NE(err.str().find("Eve"), std::string::npos) << err.str();
    // The last run's player, gone for a link: as for any unknown player.
    std::ofstream(Root() / "pondivar.conf") << "player=Eve\n";
    EXPECT_EQ(SettlePlayer(Root(), "").name, "Player 1");
    EXPECT_TRUE(fs::is_empty(Root() / "elsewhere"));
}

}  // namespace
}  // namespace pv::testing
