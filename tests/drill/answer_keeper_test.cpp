// The record of answers as the game keeps it: every answered question as shown, the time to the
// first click, what becomes of files it cannot use, practice, and the report on the console.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/console.h"
#include "app/main_window.h"
#include "store/settings_file.h"
#include "support/file_bytes.h"
#include "support/no_free_descriptors.h"
#include "support/players_fixture.h"

namespace pv::testing {
namespace {

// Every path under root with its bytes ("/" for a directory).
std::map<std::string, std::string> Tree(const fs::path& root) {
    std::map<std::string, std::string> tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        tree[entry.path().string()] = entry.is_directory() ? "/" : Slurp(entry.path());
    }
    return tree;
}

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

// An answer is the platform clock's day: one a millisecond before the year's turn is the old
// year's, the next the new year's.
TEST_F(PlayersRecord, AnswersAreKeptUnderTheDayOfThePlatformsClock) {
    StartAs("Anna");
    platform.today = {2026, 12, 4, 31, 23, 59, 59, 999};
    Answer(0, 900);
    platform.today = {2027, 1, 5, 1, 0, 0, 0, 0};
    Answer(0, 900);
    std::vector<pv::Answer> answers = Recorded();
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].day, DayNumber(2026, 12, 31));
    EXPECT_EQ(answers[1].day, DayNumber(2027, 1, 1));
}

// A disk that refuses the record's writes loses those answers, says so once, and leaves the
// answers already kept as they were.
TEST_F(PlayersRecord, AnswersTheDiskRefusesAreSaidOnce) {
    StartAs("Anna");
    Answer(0, 900);
    platform.files.Fail({"write", EIO, kAnswerLogName});
    ::testing::internal::CaptureStderr();
    Answer(0, 900);
    Answer(0, 900);
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("answers.pvr: it cannot be written: " + std::string(std::strerror(EIO))),
              std::string::npos)
        << said;
    EXPECT_EQ(Recorded().size(), 1u);
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
    game.answerKeeper.reset();
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
    game.answerKeeper.reset();
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

// The current player's folder removed during play: the next answer, setting and save make it
// again, as a start would; with a file in its place the game plays on and says why once.
TEST_F(PlayersRecord, CurrentFolderRemovedDuringPlayIsMadeAgainOrSaidOnce) {
    StartAs("Anna");
    const fs::path folder = PlayerFolder(Root(), "Anna");
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[&] { Answer(0, 900); }, "answers.pvr"},
        {[&] { Command(Command::PracticeToggle); }, "player.conf"},
        {[&] { Command(Command::FirstZoom); }, "player.conf"},
        {[&] { SaveSettingsFile(game, game.mainWindow); },
         "pv2.pv2"},  // as closing the window does
    };
    for (const auto& [step, file] : steps) {
        fs::remove_all(folder);
        step();
        game.answerKeeper.reset();
        OpenAnswerKeeper(game);
        EXPECT_TRUE(fs::is_regular_file(folder / file)) << file;
    }

    fs::remove_all(folder);
    std::ofstream(folder) << "not a folder";
    ::testing::internal::CaptureStderr();
    for (const auto& step : steps) step.first();
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(Slurp(folder), "not a folder");
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
    game.answerKeeper.reset();
    SettlePlayer(RealFileSystem(), Root(), "Ben");
    auto report = [this](std::vector<const char*> args, std::string& out, std::string& err) {
        args.insert(args.begin(), "pondivar");
        CommandLine line =
            ParseCommandLine(static_cast<int>(args.size()), const_cast<char**>(args.data()));
        std::ostringstream o, e;
        std::optional<int> code = AnswerOnConsole(RealFileSystem(), line, Root(), o, e);
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
    SettlePlayer(RealFileSystem(), Root(), "Cleo");
    std::ofstream(PlayerFolder(Root(), "Ben") / kAnswerLogName) << "a note";
    fs::create_directory(PlayerFolder(Root(), "Cleo") / kAnswerLogName);
    const std::map<std::string, std::string> before = Tree(Root());
    EXPECT_EQ(report({"--report"}, out, err), 0);
    EXPECT_EQ(Tree(Root()), before);
    EXPECT_NE(out.find("\r\nAnna,multiplication,"), std::string::npos);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;

    // Output that takes nothing (a full disk): said, and a failure.
    std::ostringstream full, said;
    full.setstate(std::ios::badbit);
    const char* args[] = {"pondivar", "--report", "--player", "Anna"};
    EXPECT_EQ(AnswerOnConsole(RealFileSystem(), ParseCommandLine(4, const_cast<char**>(args)),
                              Root(), full, said),
              1);
    EXPECT_EQ(std::ranges::count(said.str(), '\n'), 1) << said.str();
}

}  // namespace
}  // namespace pv::testing
