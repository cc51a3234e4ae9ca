// Players: their names, who plays at start (an old settings file taken over), and the switch from
// one player to another inside the game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sstream>

#include "app/command_line.h"
#include "app/console.h"
#include "app/main_window.h"
#include "assets/commands.h"
#include "drill/record.h"
#include "players/player_name.h"
#include "players/players.h"
#include "progress/answer_log.h"
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
        std::string complaint;
        std::vector<pv::Answer> answers =
            ReadAnswers(PlayerFolder(Root(), game.playerName), complaint);
        EXPECT_EQ(complaint, "");
        OpenRecord(game);
        return answers;
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

// The time to the first click counts only while the question can be seen and answered: not under
// the memory game that a clean level deals over it, the about panel or a dialog.
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
    Answer(1, 300);
    std::vector<pv::Answer> answers = Recorded();
    ASSERT_EQ(answers.size(), 5u);
    EXPECT_EQ(answers[3].firstClickMs, 500u);
    EXPECT_EQ(answers[4].firstClickMs, 1000u);
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
}

}  // namespace
}  // namespace pv::testing
