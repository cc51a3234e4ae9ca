// The players' folders: which folder a name finds, what is no player's folder, and the settings
// file of a game from before players taken over whatever happens on the way.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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
};

TEST_F(PlayerFolders, NamesAreKeptInOneNormalForm) {
    SettledPlayer typed = SettlePlayer(Root(), "Jose\u0301");
    EXPECT_EQ(typed.name, "Jos\u00e9");
    EXPECT_TRUE(fs::is_directory(Folder("Jos\u00e9")));
    EXPECT_EQ(SettlePlayer(Root(), "JOS\u00c9").name, "Jos\u00e9");
    EXPECT_EQ(ListPlayers(Root()), std::vector<std::string>{"Jos\u00e9"});
}

}  // namespace
}  // namespace pv::testing
