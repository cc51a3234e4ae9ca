// The song order and the player: files written, replaced and deleted, and the command texts.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "audio/music.h"
#include "audio/private_dir.h"
#include "support/game_fixture.h"

namespace pv::testing {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class Music : public GameTest {
  protected:
    void SetUp() override {
        runtime = fs::temp_directory_path() / ("pv-music-" + std::to_string(getpid()));
        fs::remove_all(runtime);
        fs::create_directories(runtime);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        Start(777);
        song = runtime / "pondivar" / "pv2pv2pv.mid";
    }
    void TearDown() override {
        unsetenv("XDG_RUNTIME_DIR");
        fs::remove_all(runtime);
    }

    std::string Open() const { return "open " + song.string() + " alias PVVMIDI"; }
    std::string SongBytes(UINT id) { return platform.songs.at(id); }

    fs::path runtime;
    fs::path song;
};

TEST_F(Music, PlaylistIsAPermutationDrawnCountSwapsThenStart) {
    WatchDraws();
    BuildPlaylist(game);
    ASSERT_GE(ranges.size(), 1u + 800u + 1u);
    EXPECT_EQ(ranges.front(), 300u);
    std::size_t swaps = (ranges.size() - 2) / 2;
    EXPECT_GE(swaps, 400u);
    EXPECT_LE(swaps, 699u);
    EXPECT_TRUE(std::all_of(ranges.begin() + 1, ranges.end(), [](auto n) { return n == 47; }));
    EXPECT_EQ(ranges.size(), 2 + 2 * swaps);

    std::vector<std::uint32_t> order(game.playlist.begin(), game.playlist.begin() + 47);
    EXPECT_EQ(game.playlist[47], 0u);
    std::sort(order.begin(), order.end());
    for (std::uint32_t i = 0; i < 47; ++i) EXPECT_EQ(order[i], 300 + i);
    EXPECT_LT(game.songPos, 47u);
    EXPECT_EQ(game.currentSong, game.playlist[game.songPos]);
}

TEST_F(Music, SwitchingOnWritesTheSongOpensAndPlays) {
    UINT first = game.currentSong;
    std::uint32_t position = game.songPos;
    Command(1402);
    EXPECT_TRUE(Item(1402).checked);
    EXPECT_EQ(platform.mciCommands, (std::vector<std::string>{Open(), "play PVVMIDI notify"}));
    EXPECT_EQ(Slurp(song), SongBytes(first));
    EXPECT_EQ(game.songPos, (position + 1) % 47);
    EXPECT_EQ(game.currentSong, game.playlist[game.songPos]);
    EXPECT_EQ(game.musicPlaying, 1);
    EXPECT_EQ(game.tempMidiWritten, 1);
    struct stat info {};
    ASSERT_EQ(stat(song.parent_path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u) << "a directory only this user can enter";
}

TEST_F(Music, OnlyASuccessfulEndBringsTheNextSong) {
    Command(1402);
    platform.mciCommands.clear();
    for (WPARAM code : {MCI_NOTIFY_ABORTED, MCI_NOTIFY_SUPERSEDED, MCI_NOTIFY_FAILURE, 0u, 3u}) {
        Send(MM_MCINOTIFY, code, 1);
    }
    EXPECT_TRUE(platform.mciCommands.empty());

    UINT next = game.currentSong;
    Send(MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 1);
    EXPECT_EQ(platform.mciCommands, (std::vector<std::string>{"stop PVVMIDI", "close PVVMIDI",
                                                              Open(), "play PVVMIDI notify"}));
    EXPECT_EQ(Slurp(song), SongBytes(next)) << "the file was replaced by the next song";
}

TEST_F(Music, SwitchingOffStopsAndDeletesThenOnGoesOnWithTheNextSong) {
    Command(1402);
    UINT next = game.currentSong;
    platform.mciCommands.clear();
    Command(1402);
    EXPECT_FALSE(Item(1402).checked);
    EXPECT_EQ(platform.mciCommands, (std::vector<std::string>{"stop PVVMIDI", "close PVVMIDI"}));
    EXPECT_FALSE(fs::exists(song));
    EXPECT_EQ(game.musicPlaying, 0);

    Command(1402);
    EXPECT_EQ(Slurp(song), SongBytes(next)) << "not the same song again";
}

TEST_F(Music, OrderWrapsAfterTheLastSong) {
    game.songPos = 46;
    game.currentSong = game.playlist[46];
    Command(1402);
    EXPECT_EQ(game.songPos, 0u);
    EXPECT_EQ(game.currentSong, game.playlist[0]);
}

TEST_F(Music, ClosingTheGameStopsTheMusicAndRemovesTheFile) {
    Command(1402);
    platform.mciCommands.clear();
    Send(WM_COMMAND, 1000);
    EXPECT_EQ(platform.mciCommands, (std::vector<std::string>{"stop PVVMIDI", "close PVVMIDI"}));
    EXPECT_FALSE(fs::exists(song));
    EXPECT_FALSE(fs::exists(song.parent_path())) << "the emptied private folder goes too";
}

TEST_F(Music, PrivateFolderWithOtherFilesStaysAtExit) {
    Command(1402);
    std::ofstream(song.parent_path() / "notes.txt") << "kept";
    Send(WM_COMMAND, 1000);
    EXPECT_FALSE(fs::exists(song));
    EXPECT_TRUE(fs::exists(song.parent_path() / "notes.txt"));
}

// A song that cannot be written is not played: the player would end it at once, report a natural
// end and be asked for the next song, over and over. Music stays quiet until switched on again.
TEST_F(Music, SongThatCannotBeWrittenIsNotPlayed) {
    Command(1402);
    UINT failing = game.currentSong;
    platform.songsMissing = true;
    platform.mciCommands.clear();
    Send(MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 1);
    EXPECT_EQ(platform.mciCommands, (std::vector<std::string>{"stop PVVMIDI", "close PVVMIDI"}))
        << "the old song is stopped, the unwritten one never opened";
    EXPECT_EQ(game.musicPlaying, 0);
    EXPECT_EQ(game.tempMidiWritten, 0);
    EXPECT_FALSE(fs::exists(song)) << "the cut-short file is removed";
    EXPECT_TRUE(Item(1402).checked);

    platform.songsMissing = false;
    UINT next = game.currentSong;
    EXPECT_NE(next, failing);
    platform.mciCommands.clear();
    Command(1402);
    Command(1402);
    EXPECT_EQ(platform.mciCommands, (std::vector<std::string>{Open(), "play PVVMIDI notify"}));
    EXPECT_EQ(Slurp(song), SongBytes(next));

    // A link in place of the file is neither written through nor played.
    Command(1402);
    fs::create_symlink(runtime / "elsewhere.mid", song);
    platform.mciCommands.clear();
    Command(1402);
    EXPECT_TRUE(platform.mciCommands.empty());
    EXPECT_TRUE(fs::is_symlink(song));
    EXPECT_FALSE(fs::exists(runtime / "elsewhere.mid"));
}

TEST(PrivateDirectory, RefusesLinksAndOtherUsersDirectories) {
    fs::path base = fs::temp_directory_path() / ("pv-private-" + std::to_string(getpid()));
    fs::remove_all(base);
    fs::create_directories(base / "elsewhere");
    fs::create_directories(base / "runtime");

    EXPECT_EQ(PrivateDirectory(RealFileSystem(), (base / "runtime").string(), "/unused"),
              (base / "runtime" / "pondivar").string());

    fs::create_directories(base / "tmp");
    fs::create_directory_symlink(base / "elsewhere",
                                 base / "tmp" / ("pondivar-" + std::to_string(getuid())));
    EXPECT_EQ(PrivateDirectory(RealFileSystem(), "", (base / "tmp").string()), "")
        << "a link is refused";
    EXPECT_EQ(PrivateDirectory(RealFileSystem(), "relative/path", (base / "tmp").string()), "")
        << "a relative runtime directory is ignored, and the temporary one is a link";

    fs::create_directories(base / "open" / "pondivar");
    fs::permissions(base / "open" / "pondivar", fs::perms::all);
    EXPECT_EQ(PrivateDirectory(RealFileSystem(), (base / "open").string(), ""),
              (base / "open" / "pondivar").string());
    EXPECT_EQ(fs::status(base / "open" / "pondivar").permissions(), fs::perms::owner_all)
        << "our own directory is closed again";

    if (getuid() == 0) {
        fs::create_directories(base / "theirs" / "pondivar");
        ASSERT_EQ(chown((base / "theirs" / "pondivar").c_str(), 65534, 65534), 0);
        EXPECT_EQ(PrivateDirectory(RealFileSystem(), (base / "theirs").string(), ""), "")
            << "another user's directory is refused";
    }
    fs::remove_all(base);
}

TEST_F(Music, NoSafePlaceMeansSilence) {
    fs::remove_all(runtime / "pondivar");
    fs::create_directories(runtime / "decoy");
    fs::create_directory_symlink(runtime / "decoy", runtime / "pondivar");
    Game other(platform);
    other.musicOn = 0xFF;
    UpdateMusic(other, game.mainWindow);
    EXPECT_EQ(platform.mciCommands.size(), 0u);
    EXPECT_FALSE(fs::exists(runtime / "decoy" / "pv2pv2pv.mid"))
        << "nothing written through the link";
}

}  // namespace
}  // namespace pv::testing
