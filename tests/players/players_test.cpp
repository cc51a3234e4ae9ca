// Players: their names, who plays at start (an old settings file taken over), and the switch from
// one player to another inside the game.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "assets/commands.h"
#include "platform/text.h"
#include "players/key_value_file.h"
#include "players/player_name.h"
#include "players/players.h"
#include "support/file_bytes.h"
#include "support/no_free_descriptors.h"
#include "support/players_fixture.h"

namespace pv::testing {
namespace {

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

TEST_F(Players, FirstStartTakesOverTheSettingsFileOfBeforePlayers) {
    std::ofstream(Root() / "pv2.pv2", std::ios::binary) << "PV21 old bytes";
    SettledPlayer first = SettlePlayer(RealFileSystem(), Root(), "");
    EXPECT_EQ(first.name, "Player 1");
    EXPECT_EQ(Slurp(FileOf("Player 1")), "PV21 old bytes");
    EXPECT_FALSE(fs::exists(Root() / "pv2.pv2"));

    EXPECT_EQ(SettlePlayer(RealFileSystem(), Root(), "anna").name, "anna") << "made when new";
    EXPECT_EQ(SettlePlayer(RealFileSystem(), Root(), "").name, "anna") << "the last run's player";
    EXPECT_EQ(SettlePlayer(RealFileSystem(), Root(), "ANNA").name, "anna")
        << "any case finds the player";
    EXPECT_EQ(ListPlayers(RealFileSystem(), Root()),
              (std::vector<std::string>{"anna", "Player 1"}));
    EXPECT_FALSE(fs::exists(Root() / "players" / "anna" / "pv2.pv2")) << "made on closing";

    SettledPlayer refused = SettlePlayer(RealFileSystem(), Root(), "../out");
    EXPECT_EQ(refused.name, "");
    EXPECT_FALSE(refused.problem.empty());
    EXPECT_FALSE(fs::exists(Root() / "out"));
    EXPECT_EQ(ListPlayers(RealFileSystem(), Root()).size(), 2u) << "a refused name makes nothing";
}

// The small key=value files keep every line whatever its length and find again every key
// written; one too large to read is left as it is, and stderr says so once.
TEST_F(Players, SettingsFilesKeepEveryLineAndEveryKeyWritten) {
    const fs::path file = Root() / "pondivar.conf";
    const std::string before = "colour=blue\n" + std::string(70000, 'x') + "\n\nnote=a\r\n";
    const std::string after = "zoom=2\nlast=" + std::string(100000, 'z') + "\n";
    std::ofstream(file, std::ios::binary) << before << "player=Anna\n" << after;
    ASSERT_TRUE(KeyValueFile::Update(RealFileSystem(), file, "player", "Ben"));
    EXPECT_TRUE(Slurp(file) == before + "player=Ben\n" + after) << "set in place, all else kept";
    ASSERT_TRUE(KeyValueFile::Update(RealFileSystem(), file, "practice", "on"));
    KeyValueFile read = KeyValueFile::Read(RealFileSystem(), file);
    for (auto [key, value] :
         {std::pair{"player", "Ben"}, {"zoom", "2"}, {"practice", "on"}, {"note", "a"}}) {
        EXPECT_EQ(read.Get(key), value) << key;
    }
    // Not read whole (no descriptor left here, a passing error): never written over.
    const std::string kept = Slurp(file);
    KeyValueFile unread = [&] {
        NoFreeDescriptors none;
        return KeyValueFile::Read(RealFileSystem(), file);
    }();
    unread.Set("zoom", "3");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(unread.Write(RealFileSystem(), file));
    ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(Slurp(file) == kept);

    const std::string huge = std::string(kLargestKeyValueFile, 'x') + "\nplayer=Anna\n";
    std::ofstream(file, std::ios::binary) << huge;
    std::ostringstream told;
    std::streambuf* stderrBuffer = std::cerr.rdbuf(told.rdbuf());
    bool written = KeyValueFile::Update(RealFileSystem(), file, "player", "Ben");
    written = KeyValueFile::Update(RealFileSystem(), file, "zoom", "2") || written;
    std::cerr.rdbuf(stderrBuffer);
    EXPECT_FALSE(written);
    EXPECT_TRUE(Slurp(file) == huge) << "never a cut copy";
    EXPECT_EQ(std::ranges::count(told.str(), '\n'), 1) << told.str();
    std::ofstream(file, std::ios::binary) << huge.substr(huge.size() - kLargestKeyValueFile);
    EXPECT_EQ(KeyValueFile::Read(RealFileSystem(), file).Get("player"), "Anna")
        << "the largest that is read";
}

// A save killed before its rename leaves its temporary file: the next start sweeps those of
// every file the game replaces, once the process that made them is gone, and nothing else.
TEST_F(Players, StartSweepsWhatKilledSavesLeft) {
    SettlePlayer(RealFileSystem(), Root(), "Anna");
    SettlePlayer(RealFileSystem(), Root(), "Ben");
    pid_t gone = fork();
    if (gone == 0) _exit(0);
    waitpid(gone, nullptr, 0);
    auto left = [](const fs::path& folder, const char* name, pid_t by) {
        return folder / (std::string(name) + "." + std::to_string(by) + "-0.tmp");
    };
    const fs::path anna = PlayerFolder(Root(), "Anna");
    const fs::path ben = PlayerFolder(Root(), "Ben");
    const fs::path swept[] = {left(Root(), "pondivar.conf", gone), left(anna, "player.conf", gone),
                              left(ben, "pv2.pv2", gone), left(ben, "player.conf", gone)};
    const fs::path kept[] = {left(Root(), "pondivar.conf", getppid()),
                             left(anna, "answers.pvr", gone), left(anna, "notes", gone),
                             left(Root() / "players", "pondivar.conf", gone)};
    for (const fs::path& file : swept) std::ofstream(file) << "half a save";
    for (const fs::path& file : kept) std::ofstream(file) << "half a save";
    EXPECT_EQ(SettlePlayer(RealFileSystem(), Root(), "").name, "Ben");
    for (const fs::path& file : swept) EXPECT_FALSE(fs::exists(file)) << file;
    for (const fs::path& file : kept) EXPECT_TRUE(fs::exists(file)) << file;
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

// Every item's check mark and grey as the menu shows them, in order.
std::string Marks(const std::vector<MenuItem>& items) {
    std::string marks;
    for (const MenuItem& item : items) {
        if (item.separator) continue;
        marks += item.text + (item.checked ? " checked" : "") + (item.grayed ? " grayed" : "") +
                 (item.disabled ? " disabled" : "") + "\n" + Marks(item.items);
    }
    return marks;
}

// A fresh start as `name` of a game of its own; beforeStart runs once the window is made.
void StartAfresh(
    Game& game, RecordingPlatform& platform, const fs::path& root, const std::string& name,
    const std::function<void()>& beforeStart = [] {}) {
    game.instance = platform.GetModuleHandleA(nullptr);
    game.playersRoot = root;
    game.playerName = SettlePlayer(RealFileSystem(), root, name).name;
    game.dataFolder = PlayerFolder(root, name);
    CreateMainWindow(game);
    beforeStart();
    for (MSG m; platform.PeekMessageA(&m);) platform.DispatchMessageA(&m);
}

// The menu of a fresh start as `name`, in a game of its own.
std::string MarksAtStart(const fs::path& root, const std::string& name) {
    RecordingPlatform platform;
    Game game{platform};
    StartAfresh(game, platform, root, name);
    return Marks(platform.FindMenu(game.menu)->bar);
}

// A switch shows the other player's settings in the menu exactly as a start as them would: from
// every option on to every option off, and back.
TEST_F(Players, SwitchMarksTheMenuAsAStartWould) {
    StartAs("Anna");
    const std::vector<UINT> toggles = {
        Command::SoundToggle,         Command::MusicToggle,
        Command::RandomColoursToggle, Command::RememberPositionToggle,
        Command::HighColourToggle,    Command::BigTablesToggle,
        Command::PracticeToggle};
    for (UINT toggle : toggles) Command(toggle);
    Command(Command::Add);
    Command(Command::FirstZoom + 1);
    platform.typedAnswers = {L"Ben"};
    Command(Command::NewPlayer);
    EXPECT_EQ(Marks(platform.FindMenu(game.menu)->bar), MarksAtStart(Root(), "Ben"));
    Command(Command::FirstPlayer);
    EXPECT_EQ(Marks(platform.FindMenu(game.menu)->bar), MarksAtStart(Root(), "Anna"));
    for (UINT toggle : toggles) EXPECT_TRUE(Item(toggle).checked) << toggle;
}

// Nothing of one player's game reaches the next: after a switch, the player's part is what a
// start as them makes of it from the same draws at the same time, whatever was played before.
TEST_F(PlayersRecord, SwitchKeepsNothingOfTheLastPlayersGame) {
    StartAs("Anna");
    Command(Command::Add);
    Answer(1, 2500);
    Send(WM_MOUSEMOVE, 0, MAKELPARAM(20, 170));
    Tick(3);
    Command(Command::MemoryGame);
    Send(WM_KEYDOWN, VK_RIGHT);
    Send(WM_KEYDOWN, VK_RIGHT);
    Command(Command::FirstCard + 4);
    Command(Command::LeaveMemoryGame);
    const GameState drawsFrom = game;
    platform.typedAnswers = {L"Ben"};
    Command(Command::NewPlayer);

    RecordingPlatform elsewhere;
    Game fresh{elsewhere};
    StartAfresh(fresh, elsewhere, Root(), "Ben", [&] {
        fresh.rngA = drawsFrom.rngA;
        fresh.rngB = drawsFrom.rngB;
        fresh.rngToggle = drawsFrom.rngToggle;
        elsewhere.ticks = platform.ticks;
    });
    EXPECT_TRUE(static_cast<const PlayersGame&>(game) == static_cast<const PlayersGame&>(fresh));
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
    EXPECT_EQ(ListPlayers(RealFileSystem(), Root()), std::vector<std::string>{"Anna"});
    platform.typedAnswers = {};
    Command(Command::NewPlayer);  // cancelled
    EXPECT_EQ(game.playerName, "Anna");
}

TEST_F(Players, TheCurrentPlayerInAnotherCaseIsTheCurrentPlayer) {
    StartAs("Anna");
    Command(Command::Add);
    const std::uint32_t score = game.score, left = game.operandA, right = game.operandB;
    for (const wchar_t* typed : {L"ANNA", L"Anna"}) {
        platform.typedAnswers = {typed};
        Command(Command::NewPlayer);
        EXPECT_EQ(game.score, score) << "the game goes on";
        EXPECT_EQ(game.operandA, left);
        EXPECT_EQ(game.operandB, right);
    }
    // Another folder in another case, from a backup: the menu tells them apart by spelling.
    fs::create_directories(PlayerFolder(Root(), "ANNA"));
    platform.typedAnswers = {L"ANNA"};
    Command(Command::NewPlayer);
    EXPECT_EQ(game.playerName, "ANNA");
    ASSERT_EQ(game.playerNames, (std::vector<std::string>{"ANNA", "Anna"}));
    EXPECT_TRUE(Item(Command::FirstPlayer).checked);
    EXPECT_FALSE(Item(Command::FirstPlayer + 1).checked);
    Command(Command::FirstPlayer + 1);
    EXPECT_EQ(game.playerName, "Anna");
}

TEST_F(Players, AFolderRemovedWhileTheGameRunsIsMadeAgainOrRefused) {
    StartAs("Anna");
    platform.typedAnswers = {L"Ben"};
    Command(Command::NewPlayer);
    fs::remove_all(PlayerFolder(Root(), "Anna"));
    Command(Command::FirstPlayer);
    EXPECT_EQ(game.playerName, "Anna");
    EXPECT_TRUE(fs::is_directory(PlayerFolder(Root(), "Anna"))) << "made again, as a start would";
    // A file in the folder's place: the switch is refused, and why is said.
    fs::remove_all(PlayerFolder(Root(), "Ben"));
    std::ofstream(PlayerFolder(Root(), "Ben")) << "not a folder";
    platform.messages.clear();
    platform.marked = true;  // in the player's language, the path as it is
    Command(Command::FirstPlayer + 1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(WideToUtf8(platform.messages[0]), "<cannot make the player's folder " +
                                                    PlayerFolder(Root(), "Ben").string() +
                                                    ": a file has its name>");
    EXPECT_EQ(game.playerName, "Anna");
}

// Progress shows the record of whoever plays now, from their own folder; a game given nowhere to
// show it lets the item pass.
TEST_F(Players, ProgressShowsTheRecordOfWhoeverPlaysNow) {
    StartAs("Anna");
    platform.typedAnswers = {L"Ben"};
    Command(Command::NewPlayer);
    Command(Command::Progress);
    Command(Command::FirstPlayer);
    Command(Command::Progress);
    using Shown = std::pair<std::string, fs::path>;
    EXPECT_EQ(progress.shown, (std::vector<Shown>{{"Ben", PlayerFolder(Root(), "Ben")},
                                                  {"Anna", PlayerFolder(Root(), "Anna")}}));
    game.progressView = nullptr;
    Command(Command::Progress);
    EXPECT_EQ(progress.shown.size(), 2u);
}

}  // namespace
}  // namespace pv::testing
