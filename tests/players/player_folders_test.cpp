// The players' folders: which folder a name finds, what is no player's folder, and the settings
// file of a game from before players taken over whatever happens on the way.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/console.h"
#include "app/who_plays.h"
#include "players/player_name.h"
#include "players/players.h"
#include "support/faulty_file_system.h"
#include "support/file_bytes.h"
#include "support/scratch_dir.h"
#include "support/table_translation.h"

namespace pv::testing {
namespace {

namespace fs = std::filesystem;

class PlayerFolders : public ::testing::Test {
  protected:
    ScratchDirectory data;
    fs::path Root() const { return data.Path(); }
    fs::path Folder(const std::string& name) const { return Root() / "players" / name; }
    static long Lines(const std::ostringstream& said) {
        std::string text = said.str();
        return std::count(text.begin(), text.end(), '\n');
    }
};

TEST_F(PlayerFolders, NamesAreKeptInOneNormalForm) {
    SettledPlayer typed = SettlePlayer(RealFileSystem(), Root(), "Jose\u0301");
    EXPECT_EQ(typed.name, "Jos\u00e9");
    EXPECT_TRUE(fs::is_directory(Folder("Jos\u00e9")));
    EXPECT_EQ(SettlePlayer(RealFileSystem(), Root(), "JOS\u00c9").name, "Jos\u00e9");
    EXPECT_EQ(ListPlayers(RealFileSystem(), Root()), std::vector<std::string>{"Jos\u00e9"});
}

TEST_F(PlayerFolders, TheExactNameWinsOverAnotherCase) {
    // Two folders in different case or accents of another form, from a backup say: each name
    // finds its own.
    for (const char* name : {"Anna", "ANNA", "Jos\u00e9", "Jose\u0301"}) {
        fs::create_directories(Folder(name));
    }
    for (const char* name : {"Anna", "ANNA", "Anna", "Jos\u00e9", "Jose\u0301", "Jos\u00e9"}) {
        EXPECT_EQ(FindPlayer(RealFileSystem(), Root(), name), name);
        EXPECT_EQ(SettlePlayer(RealFileSystem(), Root(), name).name, name);
        EXPECT_EQ(SettlePlayer(RealFileSystem(), Root(), "").name, name) << "the last run's player";
    }
    EXPECT_TRUE(SamePlayerName(SettlePlayer(RealFileSystem(), Root(), "anna").name, "anna"));
    EXPECT_EQ(ListPlayers(RealFileSystem(), Root()).size(), 4u) << "another case makes no fifth";
}

TEST_F(PlayerFolders, ALinkIsNoPlayerAndIsNeverWrittenThrough) {
    fs::create_directories(Root() / "elsewhere");
    fs::create_directories(Root() / "players");
    fs::create_directory_symlink(Root() / "elsewhere", Folder("Eve"));
    EXPECT_TRUE(ListPlayers(RealFileSystem(), Root()).empty());
    std::ostringstream err;
    PlayStart asked = SettleStart(RealFileSystem(), Root(), "Eve", err);
    EXPECT_EQ(asked.exitCode, 1);
    EXPECT_EQ(Lines(err), 1);
    EXPECT_NE(err.str().find("Eve"), std::string::npos) << err.str();
    // The last run's player, gone for a link: as for any unknown player.
    std::ofstream(Root() / "pondivar.conf") << "player=Eve\n";
    EXPECT_EQ(SettlePlayer(RealFileSystem(), Root(), "").name, "Player 1");
    EXPECT_TRUE(fs::is_empty(Root() / "elsewhere"));
}

// What the console says goes by the desktop's catalogue, which also names a first player; what
// it prints for programs does not.
TEST_F(PlayerFolders, TheConsoleSpeaksTheDesktopsLanguage) {
    std::map<std::string, std::string> table{
        {"Player 1", "Spieler 1"},
        {"unknown argument: %1", "unbekannte Angabe: %1"},
        {"there is no player called %1", "niemand hei\xC3\x9Ft %1"},
        {"%1 is a link, not a player's folder", "%1 ist ein Verweis, kein Spielerordner"}};
    Translation german = TableTranslation(table);
    std::ostringstream err;
    EXPECT_EQ(SettleStart(RealFileSystem(), Root(), "", err, german).player, "Spieler 1");
    EXPECT_EQ(SettleStart(RealFileSystem(), Root(), "", err, german).player, "Spieler 1");
    fs::create_directories(Root() / "elsewhere");
    fs::create_directory_symlink(Root() / "elsewhere", Folder("Eve"));
    EXPECT_EQ(SettleStart(RealFileSystem(), Root(), "Eve", err, german).exitCode, 1);
    EXPECT_EQ(err.str(),
              "pondivar: " + Folder("Eve").string() + " ist ein Verweis, kein Spielerordner\n");

    auto answer = [&](std::vector<const char*> args) {
        args.insert(args.begin(), "pondivar");
        CommandLine line =
            ParseCommandLine(static_cast<int>(args.size()), const_cast<char**>(args.data()));
        std::ostringstream out, said;
        AnswerOnConsole(RealFileSystem(), line, Root(), out, said, german);
        return out.str() + said.str();
    };
    EXPECT_EQ(answer({"--x%1"}), "pondivar: unbekannte Angabe: --x%1\n");
    EXPECT_EQ(answer({"--report", "--player", "Nobody"}),
              "pondivar: niemand hei\xC3\x9Ft Nobody\n");
    EXPECT_EQ(answer({"--report"}).substr(0, 16), "player,operation") << "the CSV's keys";
    // The launcher's lines, asked by name, with the folder as it is.
    table["cannot make the data folder %1"] = "Datenordner %1 geht nicht";
    EXPECT_EQ(answer({"--launcher-text", "cannot-make", "/d%1"}), "Datenordner /d%1 geht nicht\n");
    EXPECT_EQ(answer({"--launcher-text", "usage"}).substr(0, 7), "usage: ");
    EXPECT_EQ(answer({"--launcher-text", "no-such-line"}), "");

    // A catalogue whose name for the first player could not be a player's.
    ScratchDirectory other;
    table["Player 1"] = "../Spieler";
    EXPECT_EQ(SettleStart(RealFileSystem(), other.Path(), "", err, german).player, "Player 1");
}

// A settings file from before players, and the first player with no settings of their own.
class OldSettings : public PlayerFolders {
  protected:
    void SetUp() override { std::ofstream(Root() / "pv2.pv2", std::ios::binary) << kOld; }
    fs::path OldFile() const { return Root() / "pv2.pv2"; }
    std::string FirstPlayersFile() const { return Slurp(Folder("Player 1") / "pv2.pv2"); }
    static constexpr const char* kOld = "PV21 old settings";
    // With the data folder's own settings, without players and their record; said once why.
    void ExpectAPlainStartWithoutPlayers(FileSystem& files) const {
        std::ostringstream err;
        PlayStart start = SettleStart(files, Root(), "", err);
        EXPECT_EQ(start.exitCode, std::nullopt);
        EXPECT_EQ(start.playersRoot, fs::path{});
        EXPECT_EQ(start.folder, Root());
        EXPECT_EQ(Lines(err), 1) << err.str();
    }
};

TEST_F(OldSettings, ALinkGivesTheFileItPointsTo) {
    fs::rename(OldFile(), Root() / "kept.pv2");
    fs::create_symlink(Root() / "kept.pv2", OldFile());
    SettlePlayer(RealFileSystem(), Root(), "");
    EXPECT_EQ(FirstPlayersFile(), kOld);
    EXPECT_FALSE(fs::is_symlink(Folder("Player 1") / "pv2.pv2"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(OldFile()))) << "the link goes";
    EXPECT_EQ(Slurp(Root() / "kept.pv2"), kOld) << "what it points to stays";
}

TEST_F(OldSettings, ALinkToAFileThatCannotBeReadStaysForTheNextStart) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser reads any file";
    fs::rename(OldFile(), Root() / "kept.pv2");
    fs::create_symlink(Root() / "kept.pv2", OldFile());
    fs::permissions(Root() / "kept.pv2", fs::perms::none);
    SettlePlayer(RealFileSystem(), Root(), "");
    EXPECT_TRUE(fs::is_symlink(OldFile()));
    EXPECT_FALSE(fs::exists(Folder("Player 1") / "pv2.pv2"));
    fs::permissions(Root() / "kept.pv2", fs::perms::owner_read | fs::perms::owner_write);
    SettlePlayer(RealFileSystem(), Root(), "");
    EXPECT_EQ(FirstPlayersFile(), kOld);
}

TEST_F(OldSettings, PlayersOnAnotherFileSystemGetACopy) {
    fs::path shared = "/dev/shm";
    auto device = [](const fs::path& path) {
        struct stat info {};
        return stat(path.c_str(), &info) == 0 ? info.st_dev : 0;
    };
    if (device(shared) == 0 || device(shared) == device(Root())) {
        GTEST_SKIP() << "no second file system to put the players on";
    }
    fs::path players = shared / ("pondivar-players-" + std::to_string(getpid()));
    fs::create_directories(players);
    fs::create_directory_symlink(players, Root() / "players");
    SettlePlayer(RealFileSystem(), Root(), "");
    EXPECT_EQ(FirstPlayersFile(), kOld);
    EXPECT_FALSE(fs::exists(OldFile()));
    fs::remove_all(players);
}

TEST_F(OldSettings, AStartKilledOnTheWayTriesAgainAndNeverReplacesAPlayersFile) {
    // Killed after making the first player's folder: the next start takes the file over.
    fs::create_directories(Folder("Player 1"));
    SettlePlayer(RealFileSystem(), Root(), "Ben");
    EXPECT_EQ(Slurp(Folder("Ben") / "pv2.pv2"), kOld) << "the first to play gets it";
    EXPECT_FALSE(fs::exists(OldFile()));
    // Killed after a copy, before the old file went: a player has settings, which win.
    std::ofstream(OldFile(), std::ios::binary) << "older";
    SettlePlayer(RealFileSystem(), Root(), "Player 1");
    SettlePlayer(RealFileSystem(), Root(), "Ben");
    EXPECT_EQ(Slurp(Folder("Ben") / "pv2.pv2"), kOld);
    EXPECT_FALSE(fs::exists(Folder("Player 1") / "pv2.pv2"));
    EXPECT_EQ(Slurp(OldFile()), "older");
}

TEST_F(OldSettings, WithoutAPlayersFolderTheGamePlaysAsBeforePlayers) {
    std::ofstream(Root() / "players") << "a file where the players' folders belong";
    ExpectAPlainStartWithoutPlayers(RealFileSystem());
    std::ostringstream err;
    EXPECT_EQ(SettleStart(RealFileSystem(), Root(), "Anna", err).exitCode, 1)
        << "asked for by name: no play";
    EXPECT_EQ(Lines(err), 1);
    EXPECT_EQ(Slurp(OldFile()), kOld);
}

TEST_F(OldSettings, AReadOnlyDataFolderPlaysWithItsOwnSettings) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser writes in a read-only folder";
    fs::permissions(Root(), fs::perms::owner_read | fs::perms::owner_exec);
    ExpectAPlainStartWithoutPlayers(RealFileSystem());
    fs::permissions(Root(), fs::perms::owner_all);
}

// The same refusal, which a superuser never meets for real.
TEST_F(OldSettings, AFolderRefusingNewFoldersPlaysWithItsOwnSettings) {
    FaultyFileSystem files;
    files.Fail({"mkdir", EACCES});
    ExpectAPlainStartWithoutPlayers(files);
    EXPECT_EQ(Slurp(OldFile()), kOld);
}

// Where a move cannot be made (EXDEV: the players' folders on another file system), a copy is.
TEST_F(OldSettings, AFailedMoveFallsBackToACopy) {
    FaultyFileSystem files;
    files.Fail({"rename", EXDEV, "", 1});  // the move; the copy's own rename goes through
    SettlePlayer(files, Root(), "");
    EXPECT_EQ(FirstPlayersFile(), kOld);
    EXPECT_FALSE(fs::exists(OldFile()));
}

}  // namespace
}  // namespace pv::testing
