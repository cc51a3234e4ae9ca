// The settings and score file: its bytes, the reader's rules, runs that follow each other, and
// saves that fail.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "colour/colour.h"
#include "store/settings_file.h"
#include "support/recording_platform.h"
#include "support/scratch_dir.h"

namespace pv::testing {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A file as another writer of this layout would make it: the header of `state`, then records.
Bytes FileOf(const GameState& state, const std::vector<std::string>& lines = {}) {
    SettingsHeader header = EncodeHeader(state);
    Bytes bytes(header.begin(), header.end());
    for (const std::string& line : lines) {
        ScoreRecord record = EncodeRecord(line);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

std::string ScoreLine(int score, const std::string& name) {
    char line[64];
    std::snprintf(line, sizeof line, " %08d   %s", score, name.c_str());
    return line;
}

std::vector<std::string> TheseFiles(const fs::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// One run of the game, from its start-up command to its exit, on a platform of its own, with the
// settings file of the current directory.
struct GameRun {
    RecordingPlatform platform;
    Game game{platform};

    void Start() {
        game.instance = platform.GetModuleHandleA(nullptr);
        game.dataFolder = fs::current_path();
        CreateMainWindow(game);
        Drain();
    }
    void Drain() {
        MSG message;
        while (platform.PeekMessageA(&message) && message.message != WM_QUIT) {
            platform.DispatchMessageA(&message);
        }
    }
    void Command(WPARAM id) {
        platform.SendMessageA(game.mainWindow, WM_COMMAND, id, 0);
        Drain();
    }
    void Close() { Command(1000); }
    void AddScore(const std::string& line) {
        platform.SendMessageA(game.scoreStore, LB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(line.c_str()));
    }
    std::vector<std::string> Scores() const { return platform.Find(game.scoreStore)->list.Lines(); }
    const MenuItem& Item(UINT id) const { return *platform.FindMenuItem(game.menu, id); }
    const Window& Main() const { return *platform.Find(game.mainWindow); }
};

class SettingsFile : public ::testing::Test {
  protected:
    ScratchDirectory directory;
    fs::path File() const { return directory.Path() / "pv2.pv2"; }
};

TEST_F(SettingsFile, HeaderHoldsEveryFieldAtItsOffset) {
    GameRun run;
    run.Start();
    GameState& g = run.game;
    g.missedThisRound = 1;
    g.hoverActive = 0x01020304;
    g.aboutOpen = 1;
    g.memoryOpen = 0;
    g.colourOpen = 1;
    g.scoresOpen = 0;
    g.operation = 0xF7;
    g.soundOn = 0xFF;
    g.musicOn = 0;
    g.randomColours = 0xFF;
    g.bgGreen = 0x11223344;  // no range check on the way out either
    g.bgRed = 7;
    g.bgBlue = 255;
    g.rememberPosition = 0xFF;
    g.highColour = 0;
    g.saveCount = 0x41;
    g.bigTables = 0xFF;
    g.tableSize = 9;
    g.score = 12345678;
    g.actionDelay = -3;
    g.labelDelay = 7;
    g.pendingQuestion = 1;
    g.pendingBoardRedraw = 0x80000000;
    g.hintCasePhase = 0xFFFFFFFF;
    g.labelPhase = 0;
    std::strcpy(g.hintTexts[kHintSoundOff].data(), "SOUND OFF");  // as the hint tick left it
    std::strcpy(g.hintTexts[kHintMusicOff].data(), "MUSIC OFF");
    run.platform.MoveWindow(g.mainWindow, -40, 1000, 248, 295, FALSE);
    for (int i = 1; i <= 3; ++i) run.AddScore(ScoreLine(i, "n"));
    run.Close();

    struct Field {
        std::size_t offset;
        std::size_t width;
        std::uint32_t value;
    };
    const Field numbers[] = {
        {4, 1, 1},
        {5, 4, g.timerId},
        {9, 4, g.largeFont},
        {13, 4, g.mediumFont},
        {17, 4, g.smallFont},
        {21, 4, g.aboutBitmap},
        {25, 4, 0x01020304},
        {29, 1, 1},
        {30, 1, 0},
        {31, 1, 1},
        {32, 1, 0},
        {33, 1, 0xF7},
        {34, 1, 0xFF},
        {35, 1, 0},
        {36, 2, 0xFF},
        {38, 4, 0x11223344},
        {42, 4, 7},
        {46, 4, 255},
        {50, 4, 3},
        {54, 1, 0xFF},
        {55, 4, static_cast<std::uint32_t>(-40)},
        {59, 4, 1000},
        {63, 1, 0},
        {64, 1, 0x42},
        {65, 1, 0xFF},
        {66, 4, 9},
        {70, 4, 12345678},
        {74, 4, static_cast<std::uint32_t>(-3)},
        {78, 4, 7},
        {82, 4, 1},
        {86, 4, 0x80000000},
        {90, 4, 0xFFFFFFFF},
        {94, 4, 0},
    };
    const struct {
        std::size_t offset;
        std::string bytes;
    } texts[] = {
        {0, "PV21"},
        {98, std::string("sound on", 9)},
        {107, std::string("SOUND OFF", 10)},
        {117, std::string("music on", 9)},
        {126, "MUSIC O"},
    };
    ASSERT_NE(g.timerId, 0u);
    ASSERT_NE(g.largeFont, 0u);

    Bytes file = ReadBytes(File());
    ASSERT_EQ(file.size(), 133u + 3 * 45);
    std::vector<int> covered(133, 0);
    for (const Field& f : numbers) {
        for (std::size_t i = 0; i < f.width; ++i) {
            EXPECT_EQ(file[f.offset + i], (f.value >> (8 * i)) & 0xFF) << "offset " << f.offset + i;
            ++covered[f.offset + i];
        }
    }
    for (const auto& t : texts) {
        for (std::size_t i = 0; i < t.bytes.size(); ++i) {
            EXPECT_EQ(file[t.offset + i], static_cast<std::uint8_t>(t.bytes[i]))
                << "offset " << t.offset + i;
            ++covered[t.offset + i];
        }
    }
    EXPECT_EQ(covered, std::vector<int>(133, 1)) << "the table above names every byte once";
    EXPECT_EQ(g.scoreCount, 0u) << "counted down by the records written";
}

TEST_F(SettingsFile, RecordsAreShiftedAndWrittenHighestFirst) {
    const std::string line40 = " 00000007   " + std::string(28, 'a');
    const std::string line41 = " 88888888   " + std::string(29, 'd');
    const std::string line42 = " 99999999   " + std::string(29, 'b') + "c";
    GameRun first;
    first.Start();
    first.AddScore(" 00000005   Bo");
    first.AddScore(line40);
    first.AddScore(line42);
    first.AddScore(line41);
    first.Close();

    Bytes file = ReadBytes(File());
    ASSERT_EQ(file.size(), 133u + 4 * 45);
    auto record = [&](std::size_t i) {
        return Bytes(file.begin() + 133 + 45 * i, file.begin() + 178 + 45 * i);
    };
    // " 00000005   Bo": the text shifted by 0x5B after its first byte, two zeros, then spaces;
    // the first and last bytes stay plain.
    Bytes bo(45, 0x20 + 0x5B);
    const std::string text = " 00000005   Bo";
    for (std::size_t i = 0; i < text.size(); ++i)
        bo[i] = static_cast<std::uint8_t>(text[i] + (i ? 0x5B : 0));
    bo[14] = bo[15] = 0x5B;
    bo[44] = 0x20;
    EXPECT_EQ(record(3), bo) << "the lowest line goes last";
    // Forty characters keep both zeros; forty-one and more end in one zero and three spaces.
    EXPECT_EQ(record(2)[40], 0x5B);
    EXPECT_EQ(record(2)[41], 0x5B);
    EXPECT_EQ(record(2)[42], 0x7B);
    EXPECT_EQ(record(0)[40], 'b' + 0x5B);
    EXPECT_EQ(record(1)[40], 'd' + 0x5B);
    for (std::size_t i : {0, 1}) {
        EXPECT_EQ(record(i)[41], 0x5B);
        EXPECT_EQ(record(i)[42], 0x7B);
        EXPECT_EQ(record(i)[43], 0x7B);
        EXPECT_EQ(record(i)[44], 0x20);
    }

    GameRun second;
    second.Start();
    std::vector<std::string> scores = second.Scores();
    ASSERT_EQ(scores.size(), 4u);
    EXPECT_EQ(scores[0], " 00000005   Bo");
    EXPECT_EQ(scores[1], line40);
    EXPECT_EQ(scores[2], line41) << "41 characters are kept whole";
    EXPECT_EQ(scores[3], line42.substr(0, 41)) << "42 are cut to 41";
}

TEST_F(SettingsFile, SettingsAndScoresSurviveFromRunToRun) {
    std::vector<std::string> lines;
    GameRun first;
    first.platform.screens = {RECT{0, 0, 1024, 768}, RECT{1024, 0, 2944, 1080}};
    first.Start();
    for (WPARAM id : {1401, 1402, 1404, 1405, 1406, 2109, 1302}) first.Command(id);
    first.game.bgRed = 10;
    first.game.bgGreen = 20;
    first.game.bgBlue = 30;
    first.game.score = 555;  // progress of the drill is not kept
    first.game.tableSize = 6;
    for (int i = 0; i < 25; ++i) {
        lines.push_back(ScoreLine(1000 * (i + 1), "player" + std::to_string(i)));
        first.AddScore(lines.back());
    }
    first.platform.MoveWindow(first.game.mainWindow, 1500, 200, 248, 295, FALSE);  // dragged
    ASSERT_EQ(first.game.colourOpen, 0) << "random colours on: no panel";
    first.Close();

    GameRun second;
    second.platform.screens = first.platform.screens;
    second.Start();
    const GameState& g = second.game;
    EXPECT_EQ(g.soundOn, 0xFF);
    EXPECT_EQ(g.musicOn, 0xFF);
    EXPECT_EQ(g.randomColours, 0xFF);
    EXPECT_EQ(g.rememberPosition, 0xFF);
    EXPECT_EQ(g.highColour, 0xFF);
    EXPECT_EQ(g.bigTables, 0xFF);
    EXPECT_EQ(g.operation, '-');
    EXPECT_EQ(g.saveCount, 1);
    EXPECT_EQ(g.score, 1u);
    EXPECT_EQ(g.tableSize, 2u);
    EXPECT_EQ(second.Scores(), lines);

    // Applied as the window comes up: check marks, the greyed operation, the music, the colour.
    for (UINT id : {1401, 1402, 1404, 1405, 1406, 2109}) EXPECT_TRUE(second.Item(id).checked) << id;
    EXPECT_TRUE(second.Item(1302).grayed);
    for (UINT id : {1301, 1303, 1304}) EXPECT_FALSE(second.Item(id).grayed) << id;
    bool playing = false;
    for (const std::string& c : second.platform.mciCommands)
        playing = playing || c.rfind("play", 0) == 0;
    EXPECT_TRUE(playing);
    EXPECT_EQ(second.platform.GetScrollPos(g.colourBars[0], SB_CTL), 10);
    EXPECT_EQ(second.platform.GetScrollPos(g.colourBars[1], SB_CTL), 20);
    EXPECT_EQ(second.platform.GetScrollPos(g.colourBars[2], SB_CTL), 30);
    const GdiObject* brush =
        second.platform.FindObject(second.platform.ClassBackground(g.mainWindow));
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(brush->colour, PackColour(10, 20, 30));
    EXPECT_EQ(second.Main().x, 1500) << "on the second screen";
    EXPECT_EQ(second.Main().y, 200);
    EXPECT_TRUE(second.Main().visible);
}

TEST_F(SettingsFile, UnusableFilesAreIgnoredWhole) {
    GameState valid;
    valid.soundOn = 0xFF;
    valid.scoreCount = 1;
    Bytes good = FileOf(valid, {" 00000001   x"});
    Bytes wrongMagic = good;
    wrongMagic[3] = '0';
    const struct {
        const char* what;
        Bytes bytes;
    } files[] = {
        {"empty", {}},
        {"32 bytes", Bytes(good.begin(), good.begin() + 32)},
        {"132 bytes", Bytes(good.begin(), good.begin() + 132)},
        {"wrong magic", wrongMagic},
    };
    auto expectInitial = [](GameRun& run, const std::string& what) {
        SCOPED_TRACE(what);
        const GameState& g = run.game;
        EXPECT_EQ(g.soundOn, 0);
        EXPECT_EQ(g.musicOn, 0);
        EXPECT_EQ(g.operation, 'x');
        EXPECT_EQ(g.bgRed, 188u);
        EXPECT_EQ(g.bgGreen, 195u);
        EXPECT_EQ(g.bgBlue, 187u);
        EXPECT_EQ(run.Main().x, 388);
        EXPECT_EQ(run.Main().y, 237);
        EXPECT_TRUE(run.Scores().empty());
        EXPECT_TRUE(run.Main().visible);
    };
    {
        GameRun none;
        none.Start();
        expectInitial(none, "no file");
    }
    for (const auto& f : files) {
        WriteBytes(File(), f.bytes);
        GameRun run;
        run.Start();
        expectInitial(run, f.what);
    }

    // Whatever stands in the file's place is no file of ours, and nothing waits on it.
    fs::remove(File());
    ASSERT_EQ(mkfifo(File().c_str(), 0600), 0);
    {
        GameRun fifo;
        fifo.Start();
        expectInitial(fifo, "a pipe");
    }
    fs::remove(File());
    fs::create_symlink("/dev/zero", File());
    {
        GameRun device;
        device.Start();
        expectInitial(device, "a link to a device");
    }
    fs::remove(File());
    fs::create_directory(File());
    GameRun folder;
    folder.Start();
    expectInitial(folder, "a directory");
    folder.Close();
    EXPECT_TRUE(fs::is_directory(File())) << "a save cannot replace a directory";
    EXPECT_EQ(TheseFiles(directory.Path()), std::vector<std::string>{"pv2.pv2"})
        << "nothing left over";
}

TEST_F(SettingsFile, ReaderTakesOnlyValidFlagsAndOperations) {
    GameState state;
    Bytes file = FileOf(state);
    file[34] = 1;     // soundOn
    file[35] = 0x7F;  // musicOn
    file[36] = 0xFE;  // randomColours
    file[63] = 0x80;  // highColour
    file[65] = 2;     // bigTables
    file[54] = 1;     // rememberPosition, and with it the position, is not taken
    file[55] = 5;
    file[59] = 6;
    file[33] = '/';
    WriteBytes(File(), file);
    {
        GameRun run;
        run.Start();
        const GameState& g = run.game;
        EXPECT_EQ(g.soundOn, 0);
        EXPECT_EQ(g.musicOn, 0);
        EXPECT_EQ(g.randomColours, 0);
        EXPECT_EQ(g.highColour, 0);
        EXPECT_EQ(g.bigTables, 0);
        EXPECT_EQ(g.rememberPosition, 0);
        EXPECT_EQ(g.windowX, 123);
        EXPECT_EQ(g.windowY, 123);
        EXPECT_EQ(g.operation, 'x');
        EXPECT_TRUE(run.Item(1303).grayed);
    }

    // Valid values are taken as they are: colours without a range check, the position with an
    // off flag too (but the window stays put), the second byte of randomColours never read.
    const std::uint8_t operations[] = {'+', '-', 'x', 0xF7};
    for (std::uint8_t operation : operations) {
        state.operation = operation;
        state.randomColours = 0xFF;
        state.bgRed = 0x12345678;
        state.rememberPosition = 0;
        state.windowX = -7;
        state.windowY = 8;
        file = FileOf(state);
        file[37] = 0x55;
        WriteBytes(File(), file);
        GameRun run;
        run.Start();
        const GameState& g = run.game;
        EXPECT_EQ(g.operation, operation);
        EXPECT_EQ(g.randomColours, 0xFF);
        EXPECT_EQ(g.bgRed, 0x12345678u);
        EXPECT_EQ(g.windowX, -7);
        EXPECT_EQ(g.windowY, 8);
        EXPECT_EQ(run.Main().x, 388);
    }
}

TEST_F(SettingsFile, RecordsAreReadUpToTheCountAndTheFirstShortOne) {
    std::vector<std::string> lines;
    for (int i = 0; i < 30; ++i) lines.push_back(ScoreLine(i, "p"));
    GameState state;
    state.scoreCount = 255;
    WriteBytes(File(), FileOf(state, lines));
    {
        GameRun run;
        run.Start();
        EXPECT_EQ(run.Scores().size(), 25u);
        EXPECT_EQ(run.Scores().front(), ScoreLine(0, "p")) << "the first 25 of the file";
        EXPECT_EQ(run.Scores().back(), ScoreLine(24, "p"));
        EXPECT_EQ(run.game.scoreCount, 25u);
    }

    // A file that ends inside its third record keeps the two before it.
    state.scoreCount = 3;
    Bytes cut = FileOf(state, {ScoreLine(9, "high"), ScoreLine(2, "low"), ScoreLine(5, "cut")});
    cut.resize(cut.size() - 1);
    WriteBytes(File(), cut);
    {
        GameRun run;
        run.Start();
        EXPECT_EQ(run.Scores(),
                  (std::vector<std::string>{ScoreLine(2, "low"), ScoreLine(9, "high")}));
    }

    // A record without a zero byte is a line of all 45 bytes; names may hold any bytes.
    Bytes odd(45);
    for (std::size_t i = 0; i < 45; ++i) odd[i] = static_cast<std::uint8_t>(0x80 + i);
    for (std::size_t i = 1; i < 44; ++i) odd[i] = static_cast<std::uint8_t>(odd[i] + 0x5B);
    state.scoreCount = 2;
    Bytes file = FileOf(state, {" 00000001   \x01\n\x7F\xFF\xF7"});
    file.insert(file.end(), odd.begin(), odd.end());
    WriteBytes(File(), file);
    {
        GameRun run;
        run.Start();
        std::vector<std::string> scores = run.Scores();
        ASSERT_EQ(scores.size(), 2u);
        std::string plain(45, '\0');
        for (std::size_t i = 0; i < 45; ++i) plain[i] = static_cast<char>(0x80 + i);
        EXPECT_NE(std::find(scores.begin(), scores.end(), plain), scores.end());
        EXPECT_NE(std::find(scores.begin(), scores.end(), " 00000001   \x01\n\x7F\xFF\xF7"),
                  scores.end());
    }
}

TEST_F(SettingsFile, EverySaveCountsOnFrom255BackTo0) {
    GameState state;
    state.saveCount = 254;
    WriteBytes(File(), FileOf(state));
    for (int expected : {255, 0, 1}) {
        GameRun run;
        run.Start();
        run.Close();
        EXPECT_EQ(ReadBytes(File()).at(64), expected);
    }
}

TEST_F(SettingsFile, LinkInPlaceOfTheFileIsFollowed) {
    fs::create_directory("elsewhere");
    GameState state;
    state.soundOn = 0xFF;
    WriteBytes("elsewhere/kept.pv2", FileOf(state));
    fs::create_symlink("elsewhere/kept.pv2", File());
    GameRun run;
    run.Start();
    EXPECT_EQ(run.game.soundOn, 0xFF);
    run.Command(2109);
    run.Close();
    EXPECT_TRUE(fs::is_symlink(File())) << "the player's link stays";
    EXPECT_EQ(ReadBytes("elsewhere/kept.pv2").at(65), 0xFF);
}

// Saves that cannot finish leave the last good file as it was.
class FailedSave : public SettingsFile {
  protected:
    void SetUp() override {
        GameRun first;
        first.Start();
        first.Command(1401);
        for (int i = 0; i < 25; ++i) first.AddScore(ScoreLine(i, "kept"));
        first.Close();
        previous = ReadBytes(File());
        ASSERT_EQ(previous.size(), 133u + 25 * 45);
        // The run whose save fails has changed everything.
        next.Start();
        next.Command(1401);
        next.Command(1301);
        next.AddScore(ScoreLine(99, "new"));
    }

    // Saves in a child process prepared by `prepare`; returns its wait status.
    int SaveInChild(const std::function<void()>& prepare) {
        pid_t child = fork();
        if (child == 0) {
            prepare();
            SaveSettingsFile(next.game, next.game.mainWindow);
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    }

    Bytes previous;
    GameRun next;
};

TEST_F(FailedSave, KilledMidWrite) {
    int status = SaveInChild([] {
        rlimit none{0, 0};
        setrlimit(RLIMIT_CORE, &none);
        rlimit small{500, 500};  // the process is killed when it writes past 500 bytes
        setrlimit(RLIMIT_FSIZE, &small);
        signal(SIGXFSZ, SIG_DFL);
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(ReadBytes(File()), previous);
    GameRun after;
    after.Start();
    EXPECT_EQ(after.game.soundOn, 0xFF);
    EXPECT_EQ(after.Scores().size(), 25u);
}

TEST_F(FailedSave, WriteFails) {
    ::testing::internal::CaptureStderr();
    int status = SaveInChild([] {
        rlimit small{500, 500};  // writes past 500 bytes fail, as on a full disk
        setrlimit(RLIMIT_FSIZE, &small);
        signal(SIGXFSZ, SIG_IGN);
    });
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(std::strerror(EFBIG)), std::string::npos) << "not lost without a word";
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(ReadBytes(File()), previous);
    EXPECT_EQ(TheseFiles(directory.Path()), std::vector<std::string>{"pv2.pv2"})
        << "the unfinished file is removed";
}

// The player's own permissions decide: a writable file in a closed directory is written in
// place, a write-protected file is kept whoever runs the game.
TEST_F(FailedSave, PermissionsThePlayerSet) {
    auto mode = [](const fs::path& path) { return fs::status(path).permissions(); };
    const fs::perms readOnly =
        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const fs::perms closed =
        readOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;

    fs::permissions(File(), readOnly);
    int status = SaveInChild([] {});
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(ReadBytes(File()), previous) << "a write-protected file is not replaced";
    EXPECT_EQ(mode(File()), readOnly);

    fs::permissions(File(), fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec &
                                ~fs::perms::others_exec);
    const fs::perms writable = mode(File());
    fs::permissions(directory.Path(), closed);
    status = SaveInChild([] {
        // The superuser writes anywhere; a plain user meets the directory's permissions.
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
    });
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    fs::permissions(directory.Path(), fs::perms::owner_all);
    EXPECT_EQ(TheseFiles(directory.Path()), std::vector<std::string>{"pv2.pv2"});
    EXPECT_EQ(mode(File()), writable);
    GameRun after;
    after.Start();
    EXPECT_EQ(after.game.operation, '+') << "the run's settings were saved in place";
    std::vector<std::string> scores = after.Scores();
    EXPECT_NE(std::find(scores.begin(), scores.end(), ScoreLine(99, "new")), scores.end());
}

// The file itself is written only where the directory refuses new files; then a write that fails
// part way leaves a file of the old length. Any other failure leaves the file as it was.
TEST_F(FailedSave, InPlaceOnlyWhereTheDirectoryRefusesNewFiles) {
    auto diskFullAt500 = [] {
        rlimit small{500, 500};
        setrlimit(RLIMIT_FSIZE, &small);
        signal(SIGXFSZ, SIG_IGN);
    };
    // The link's target has a name so long that no temporary name fits beside it.
    const std::string longName(248, 'k');
    fs::rename(File(), longName);
    fs::create_symlink(longName, File());
    int status = SaveInChild(diskFullAt500);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(ReadBytes(longName), previous) << "a name too long is no reason to write in place";
    fs::remove(File());
    fs::rename(longName, File());

    fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::group_write | fs::perms::others_read |
                                fs::perms::others_write);
    fs::permissions(directory.Path(), fs::perms::owner_read | fs::perms::owner_exec |
                                          fs::perms::group_read | fs::perms::group_exec |
                                          fs::perms::others_read | fs::perms::others_exec);
    status = SaveInChild([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        diskFullAt500();
    });
    fs::permissions(directory.Path(), fs::perms::owner_all);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes(File()).size(), previous.size()) << "never cut short";
}

// A save keeps the permissions the player gave the file.
TEST_F(FailedSave, ModeThePlayerGaveSurvivesASave) {
    fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write);
    SaveSettingsFile(next.game, next.game.mainWindow);
    EXPECT_NE(ReadBytes(File()), previous) << "saved";
    EXPECT_EQ(fs::status(File()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(FailedSave, LeftoversOfKilledSavesAreRemovedByTheNext) {
    pid_t gone = fork();
    if (gone == 0) _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string dead = "pv2.pv2." + std::to_string(gone) + "-0.tmp";
    const std::string running = "pv2.pv2." + std::to_string(getppid()) + "-3.tmp";
    for (const std::string& name : {dead, running, std::string("pv2.pv2.notes.tmp")}) {
        WriteBytes(name, previous);
    }
    SaveSettingsFile(next.game, next.game.mainWindow);
    std::vector<std::string> kept = {"pv2.pv2", "pv2.pv2.notes.tmp", running};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(TheseFiles(directory.Path()), kept)
        << "only the leftover of a process that is gone goes";
}

TEST_F(SettingsFile, PathHasNoLengthLimit) {
    fs::path deep = directory.Path();
    for (int i = 0; i < 6; ++i) deep /= std::string(150, static_cast<char>('a' + i));
    fs::create_directories(deep);
    fs::current_path(deep);
    GameRun first;
    first.Start();
    EXPECT_GT(first.game.settingsFilePath.string().size(), 900u);
    first.Command(1401);
    // The place is fixed at start-up: leaving the directory later does not move the file.
    fs::current_path(directory.Path());
    first.Close();
    EXPECT_TRUE(fs::exists(deep / "pv2.pv2"));
    EXPECT_FALSE(fs::exists(directory.Path() / "pv2.pv2"));
    fs::current_path(deep);
    GameRun second;
    second.Start();
    EXPECT_EQ(second.game.soundOn, 0xFF);
}

TEST_F(SettingsFile, PositionOnNoScreenIsNotApplied) {
    // Screens: 1024 x 768, and beside it a second of 2560 x 1440 when there are two.
    const struct {
        std::int32_t x, y;
        bool shownOnOne, shownOnTwo;
    } places[] = {
        {300, 200, true, true},
        {-100, 10, true, true},  // partly off the left edge: still in reach
        {1030, 10, false, true},
        {-248, 10, false, false},  // just off the left edge
        {10, -295, false, false},  // just above
        {3584, 100, false, false},
        {INT32_MAX, INT32_MIN, false, false},
    };
    for (bool twoScreens : {false, true}) {
        for (const auto& place : places) {
            SCOPED_TRACE(std::to_string(place.x) + ", " + std::to_string(place.y));
            GameState state;
            state.rememberPosition = 0xFF;
            state.windowX = place.x;
            state.windowY = place.y;
            WriteBytes(File(), FileOf(state));
            GameRun run;
            if (twoScreens)
                run.platform.screens = {RECT{0, 0, 1024, 768}, RECT{1024, 0, 3584, 1440}};
            run.Start();
            bool shown = twoScreens ? place.shownOnTwo : place.shownOnOne;
            EXPECT_EQ(run.Main().x, shown ? place.x : 388);
            EXPECT_EQ(run.Main().y, shown ? place.y : 237);
            EXPECT_EQ(run.game.windowX, place.x) << "the saved place is kept";
            EXPECT_EQ(run.game.windowY, place.y);
        }
    }
}

}  // namespace
}  // namespace pv::testing
