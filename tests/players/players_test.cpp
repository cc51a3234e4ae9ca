// Players: their names, who plays at start (an old settings file taken over), and the switch from
// one player to another inside the game.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>

#include <sstream>

#include "app/command_line.h"
#include "app/console.h"
#include "app/main_window.h"
#include "assets/commands.h"
#include "drill/record.h"
#include "players/key_value_file.h"
#include "players/player_name.h"
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

// Every path under root with its bytes ("/" for a directory).
std::map<std::string, std::string> Tree(const fs::path& root) {
    std::map<std::string, std::string> tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        tree[entry.path().string()] = entry.is_directory() ? "/" : Slurp(entry.path());
    }
    return tree;
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

// The small key=value files keep every line whatever its length and find again every key
// written; one too large to read is left as it is, and stderr says so once.
TEST_F(Players, SettingsFilesKeepEveryLineAndEveryKeyWritten) {
    const fs::path file = Root() / "pondivar.conf";
    const std::string before = "colour=blue\n" + std::string(70000, 'x') + "\n\nnote=a\r\n";
    const std::string after = "zoom=2\nlast=" + std::string(100000, 'z') + "\n";
    std::ofstream(file, std::ios::binary) << before << "player=Anna\n" << after;
    ASSERT_TRUE(KeyValueFile::Update(file, "player", "Ben"));
    EXPECT_TRUE(Slurp(file) == before + "player=Ben\n" + after) << "set in place, all else kept";
    ASSERT_TRUE(KeyValueFile::Update(file, "practice", "on"));
    KeyValueFile read = KeyValueFile::Read(file);
    for (auto [key, value] :
         {std::pair{"player", "Ben"}, {"zoom", "2"}, {"practice", "on"}, {"note", "a"}}) {
        EXPECT_EQ(read.Get(key), value) << key;
    }

    const std::string huge = std::string(kLargestKeyValueFile, 'x') + "\nplayer=Anna\n";
    std::ofstream(file, std::ios::binary) << huge;
    std::ostringstream told;
    std::streambuf* stderrBuffer = std::cerr.rdbuf(told.rdbuf());
    bool written = KeyValueFile::Update(file, "player", "Ben");
    written = KeyValueFile::Update(file, "zoom", "2") || written;
    std::cerr.rdbuf(stderrBuffer);
    EXPECT_FALSE(written);
    EXPECT_TRUE(Slurp(file) == huge) << "never a cut copy";
    EXPECT_EQ(std::ranges::count(told.str(), '\n'), 1) << told.str();
    std::ofstream(file, std::ios::binary) << huge.substr(huge.size() - kLargestKeyValueFile);
    EXPECT_EQ(KeyValueFile::Read(file).Get("player"), "Anna") << "the largest that is read";
}

// A save killed before its rename leaves its temporary file: the next start sweeps those of
// every file the game replaces, once the process that made them is gone, and nothing else.
TEST_F(Players, StartSweepsWhatKilledSavesLeft) {
    SettlePlayer(Root(), "Anna");
    SettlePlayer(Root(), "Ben");
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
    EXPECT_EQ(SettlePlayer(Root(), "").name, "Ben");
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

// The menu of a fresh start as `name`, in a game of its own.
std::string MarksAtStart(const fs::path& root, const std::string& name) {
    RecordingPlatform platform;
    Game game{platform};
    game.instance = platform.GetModuleHandleA(nullptr);
    game.playersRoot = root;
    game.playerName = SettlePlayer(root, name).name;
    game.dataFolder = PlayerFolder(root, name);
    CreateMainWindow(game);
    for (MSG m; platform.PeekMessageA(&m);) platform.DispatchMessageA(&m);
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
    Command(Command::FirstPlayer + 1);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(game.playerName, "Anna");
}

// The answer buttons' places of the right answer and of a wrong one.
struct Buttons {
    std::size_t right = 0;
    std::size_t wrong = 0;
};

Buttons Find(const Game& game) {
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
        game.record.reset();  // the record reaches the disk before it is read
        AnswerReading reading =
            ReadAnswers(PlayerFolder(Root(), game.playerName), ReadFor::Viewing);
        EXPECT_EQ(reading.complaint, "");
        OpenRecord(game);
        return reading.answers;
    }
};

TEST_F(PlayersRecord, EveryAnsweredQuestionIsRecordedAsShown) {
    StartAs("Anna");
    const std::uint32_t left = game.operandA, right = game.operandB, answer = game.correctAnswer;
    Answer(1, 1500);
    Answer(0, 700);
    std::vector<pv::Answer> answers = Recorded();
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].day, DayNumber(2026, 12, 8));
    EXPECT_EQ(answers[0].operation, Operation::Multiplication);
    EXPECT_EQ(answers[0].left, left);
    EXPECT_EQ(answers[0].right, right);
    EXPECT_EQ(answers[0].answer, answer);
    EXPECT_FALSE(answers[0].rightFirstTime);
    EXPECT_EQ(answers[0].wrongClicks, 1u);
    EXPECT_EQ(answers[0].firstClickMs, 1500u) << "to the first click, the wrong one";
    EXPECT_TRUE(answers[1].rightFirstTime);
    EXPECT_EQ(answers[1].firstClickMs, 700u);
    EXPECT_FALSE(fs::exists(Root() / "answers.pvr")) << "kept in the player's folder";
}

// A record that could not be read at the first answer is neither set aside nor added to, even
// once it could be: the game plays on without recording, and says why once.
TEST_F(PlayersRecord, RecordThatCouldNotBeReadIsKeptAndNotAddedTo) {
    StartAs("Anna");
    Answer(0, 900);
    Recorded();
    const fs::path file = PlayerFolder(Root(), "Anna") / kAnswerLogName;
    const std::string kept = Slurp(file);
    ::testing::internal::CaptureStderr();
    {
        NoFreeDescriptors none;
        Answer(0, 900);
    }
    Answer(0, 900);
    game.record.reset();
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Slurp(file), kept);
    EXPECT_FALSE(fs::exists(file.string() + ".damaged-1"));
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

// A link to a missing file in the record's place: no answer makes its target; said once.
TEST_F(PlayersRecord, NoAnswerMakesAFileThroughALink) {
    StartAs("Anna");
    const fs::path file = PlayerFolder(Root(), "Anna") / kAnswerLogName;
    fs::create_symlink(Root() / "elsewhere.pvr", file);
    ::testing::internal::CaptureStderr();
    Answer(0, 900);
    Answer(0, 900);
    game.record.reset();
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(fs::exists(Root() / "elsewhere.pvr"));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

// The time to the first click counts only while the question can be seen and answered: not under
// the memory game that a clean level deals over it, the about panel or a dialog, nor while the
// window is minimised.
TEST_F(PlayersRecord, FirstClickTimeCountsOnlyTheQuestionOnView) {
    StartAs("Anna");
    for (int i = 0; i < 4; ++i) Answer(0, 500);
    ASSERT_NE(game.memoryOpen, 0) << "a clean level deals the memory game";
    platform.ticks += 13700;
    Command(Command::LeaveMemoryGame);
    platform.ticks += 400;
    Command(Command::Help);
    platform.ticks += 2000;
    Command(Command::CloseAbout);
    platform.ticks += 300;
    platform.whileDialogOpen = [this]() { platform.ticks += 5000; };
    Command(Command::NewPlayer);  // cancelled
    platform.typedAnswers = {L"a/b"};
    Command(Command::NewPlayer);  // refused, with a message
    for (bool minimized : {true, false}) {
        platform.Minimized(game.mainWindow, minimized);
        Drain();
        platform.ticks += 4000;
    }
    Answer(1, 300);
    std::vector<pv::Answer> answers = Recorded();
    ASSERT_EQ(answers.size(), 5u);
    EXPECT_EQ(answers[3].firstClickMs, 500u);
    EXPECT_EQ(answers[4].firstClickMs, 5000u);
}

// The same play on any game: answers (every other one after a wrong click), new questions asked
// for, then the window closed, which saves.
void PlayTheSame(RecordingPlatform& platform, Game& game) {
    auto drain = [&]() {
        MSG m;
        while (platform.PeekMessageA(&m) && m.message != WM_QUIT) platform.DispatchMessageA(&m);
    };
    auto command = [&](WPARAM id) {
        platform.SendMessageA(game.mainWindow, WM_COMMAND, id, 0);
        drain();
    };
    for (int i = 0; i < 12; ++i) {
        Buttons b = Find(game);
        if (i % 2 != 0) command(Command::FirstAnswer + b.wrong);
        command(Command::FirstAnswer + b.right);
        for (int t = 0; t < 5; ++t) {
            platform.TimerFired(game.mainWindow, game.timerId);
            drain();
        }
        if (i % 3 == 0) command(Command::Refresh);
    }
    command(Command::Exit);
}

// Practice off: the same draws, questions and settings bytes as a game without players.
TEST_F(PlayersRecord, PracticeOffChangesNoDrawAndNoByte) {
    std::vector<std::uint32_t> plain;
    ScratchDirectory elsewhere;
    {
        RecordingPlatform other;
        Game without(other);
        without.dataFolder = elsewhere.Path();
        testing::WatchDraws(without, plain);
        CreateMainWindow(without);
        MSG message;
        while (other.PeekMessageA(&message)) other.DispatchMessageA(&message);
        PlayTheSame(other, without);
    }
    WatchDraws();
    StartAs("Anna");
    PlayTheSame(platform, game);
    EXPECT_EQ(ranges, plain);
    EXPECT_GT(ranges.size(), 300u);
    EXPECT_EQ(Slurp(FileOf("Anna")), Slurp(elsewhere.Path() / "pv2.pv2"));
    EXPECT_FALSE(Slurp(FileOf("Anna")).empty());
}

TEST_F(PlayersRecord, PracticeOnAsksAboutOneQuestionInThreeFromTheWeakFacts) {
    StartAs("Anna");
    Command(Command::PracticeToggle);
    EXPECT_TRUE(Item(Command::PracticeToggle).checked);
    EXPECT_NE(Slurp(PlayerFolder(Root(), "Anna") / "player.conf").find("practice=on"),
              std::string::npos);
    // Every fact of the first table missed once: all of them are weak.
    for (int i = 0; i < 6; ++i) Answer(1, 300);
    int practised = 0;
    const int questions = 90;
    for (int i = 0; i < questions; ++i) {
        ranges.clear();
        WatchDraws();
        Command(Command::Refresh);
        // A practised question draws Random(3), then no operands: straight on to the choices.
        auto three = std::find(ranges.begin(), ranges.end(), 3u);
        ASSERT_NE(three, ranges.end()) << "practice draws for every question";
        if (three + 1 != ranges.end() && three[1] == 4) ++practised;
    }
    EXPECT_GT(practised, questions / 6);
    EXPECT_LT(practised, questions / 2);

    Command(Command::FirstPlayer);  // the same player: nothing happens
    platform.typedAnswers = {L"Ben"};
    Command(Command::NewPlayer);
    EXPECT_FALSE(Item(Command::PracticeToggle).checked) << "off by default, per player";
    Command(Command::FirstPlayer);
    EXPECT_TRUE(Item(Command::PracticeToggle).checked);
}

TEST_F(PlayersRecord, ReportOnTheConsole) {
    StartAs("Anna");
    Answer(2, 900);
    game.record.reset();
    SettlePlayer(Root(), "Ben");
    auto report = [this](std::vector<const char*> args, std::string& out, std::string& err) {
        args.insert(args.begin(), "pondivar");
        CommandLine line =
            ParseCommandLine(static_cast<int>(args.size()), const_cast<char**>(args.data()));
        std::ostringstream o, e;
        std::optional<int> code = AnswerOnConsole(line, Root(), o, e);
        out = o.str();
        err = e.str();
        return code.value_or(-1);
    };
    const std::string header =
        "player,operation,question,answer,asked,right_first_time,wrong_clicks,"
        "median_first_click_ms,last_asked\r\n";
    std::string out, err;
    EXPECT_EQ(report({"--report"}, out, err), 0);
    EXPECT_EQ(out.substr(0, header.size()), header);
    EXPECT_NE(out.find("\r\nAnna,multiplication,"), std::string::npos);
    EXPECT_NE(out.find(",1,0,2,900,2026-12-08\r\n"), std::string::npos) << out;
    EXPECT_EQ(report({"--report", "--player", "ben"}, out, err), 0);
    EXPECT_EQ(out, header) << "no answers yet: the header alone";
    EXPECT_EQ(report({"--report", "--player", "Nobody"}, out, err), 1);
    EXPECT_EQ(out, "");
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_EQ(report({"--report", "--player", "a/b"}, out, err), 2);

    // What cannot be read is told, and left as it is: a report changes no file.
    SettlePlayer(Root(), "Cleo");
    std::ofstream(PlayerFolder(Root(), "Ben") / kAnswerLogName) << "a note";
    fs::create_directory(PlayerFolder(Root(), "Cleo") / kAnswerLogName);
    const std::map<std::string, std::string> before = Tree(Root());
    EXPECT_EQ(report({"--report"}, out, err), 0);
    EXPECT_EQ(Tree(Root()), before);
    EXPECT_NE(out.find("\r\nAnna,multiplication,"), std::string::npos);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;
}

}  // namespace
}  // namespace pv::testing
