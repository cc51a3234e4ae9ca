// The settings file's reader: what it refuses whole, the values it takes, how many records it
// reads, and a saved window place that no screen shows.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "settings_file_run.h"

namespace pv::testing {
namespace {

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
