// The settings and score file as the game writes it: every byte of the header, the records, the
// save counter, and what one run leaves for the next.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "colour/colour.h"

#include "settings_file_run.h"

namespace pv::testing {
namespace {

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

}  // namespace
}  // namespace pv::testing
