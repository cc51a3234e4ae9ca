// The window's zoom: the factor picked for a screen, the Options menu's items, and the choice
// kept for each player beside, never in, the settings file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/zoom.h"
#include "assets/commands.h"
#include "players/key_value_file.h"
#include "players/players.h"
#include "support/game_fixture.h"

namespace pv::testing {
namespace {

namespace fs = std::filesystem;

TEST(AutomaticZoom, LargestFactorThatKeepsToAFairShareOfTheScreen) {
    EXPECT_EQ(AutomaticZoom(1080), 2);
    EXPECT_EQ(AutomaticZoom(1072), 1) << "2x would take just over 55 %";
    EXPECT_EQ(AutomaticZoom(768), 1);
    EXPECT_EQ(AutomaticZoom(2160 - 48), 3) << "4K under a desktop panel";
    EXPECT_EQ(AutomaticZoom(2160), 4) << "the whole 4K height holds 1180 of 1188 pixels";
    for (int tiny : {480, 100, 0, -1}) EXPECT_EQ(AutomaticZoom(tiny), 1) << tiny;
}

class Zoom : public GameTest {
  protected:
    void SetUp() override { OnScreen(platform, 1080); }
    static void OnScreen(RecordingPlatform& p, int height) {
        p.screenWidth = height * 16 / 9;
        p.screenHeight = height;
    }
    // Starts `g` as the player `name`, as the installed game starts in its data folder.
    void StartAs(Game& g, RecordingPlatform& p, const std::string& name) {
        SettledPlayer player = SettlePlayer(directory.Path(), name);
        g.instance = p.GetModuleHandleA(nullptr);
        g.playersRoot = directory.Path();
        g.playerName = player.name;
        g.dataFolder = player.folder;
        CreateMainWindow(g);
        MSG message;
        while (p.PeekMessageA(&message)) p.DispatchMessageA(&message);
    }
    std::string Kept(const std::string& name) {
        return KeyValueFile::Read(PlayerFolder(directory.Path(), name) / kPlayerSettingsName)
            .Get("zoom");
    }
    // Each control: shown or not, where and how large in the model.
    std::vector<std::string> Screen() {
        std::vector<std::string> controls;
        for (HWND child : platform.Children(game.mainWindow)) {
            const Window& w = W(child);
            controls.push_back(std::to_string(w.visible) + " " + std::to_string(w.x) + "," +
                               std::to_string(w.y) + " " + std::to_string(w.width) + "x" +
                               std::to_string(w.height));
        }
        return controls;
    }
    std::vector<bool> Checks() {
        std::vector<bool> checks;
        for (UINT id = Command::FirstZoom; id <= Command::LastZoom; ++id) {
            checks.push_back(Item(id).checked);
        }
        return checks;
    }
};

TEST_F(Zoom, ItemsStandWithTheWindowOptionsTheScreensFactorChecked) {
    Start();
    EXPECT_EQ(platform.zooms, std::vector<int>{2});
    EXPECT_EQ(Checks(), (std::vector<bool>{false, true, false, false}));
    std::vector<std::string> texts;
    for (const MenuItem& item : BarItem(1).items) texts.push_back(item.text);
    const std::vector<std::string> window = {"Zoom &1x", "Zoom &2x", "Zoom &3x",
                                             "Zoom &4x", "",         "Save &Window Position"};
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 3, texts.begin() + 9), window);
}

TEST_F(Zoom, APickShowsAtOnceAndTheGameGoesOnWhereItWas) {
    OnScreen(platform, 768);
    Start();
    Command(Command::MemoryGame);
    const std::uint32_t score = game.score;
    const std::string question = Text(game.questionDisplay);
    const std::vector<std::string> screen = Screen();

    Command(Command::FirstZoom + 3);
    EXPECT_EQ(platform.zooms, (std::vector<int>{1, 4}));
    EXPECT_EQ(Checks(), (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(game.memoryOpen, 1);
    EXPECT_EQ(game.score, score);
    EXPECT_EQ(Text(game.questionDisplay), question);
    EXPECT_EQ(Screen(), screen) << "the same controls, in the game's own units";
    EXPECT_TRUE(fs::is_empty(directory.Path())) << "without players the choice is not kept";
}

TEST_F(Zoom, EachPlayerKeepsTheirOwnChoiceForTheNextStart) {
    StartAs(game, platform, "Anna");
    Command(Command::FirstZoom + 2);
    EXPECT_EQ(Kept("Anna"), "3");

    platform.typedAnswers = {L"Ben"};
    Command(Command::NewPlayer);
    EXPECT_EQ(platform.zooms.back(), 2) << "Ben has not picked: the screen's factor";
    EXPECT_EQ(Checks(), (std::vector<bool>{false, true, false, false}));
    Command(Command::FirstZoom);
    Command(Command::FirstPlayer);
    EXPECT_EQ(platform.zooms.back(), 3);
    EXPECT_EQ(Kept("Ben"), "1");

    RecordingPlatform next;
    Game again{next};
    StartAs(again, next, "Anna");
    EXPECT_EQ(next.zooms, std::vector<int>{3}) << "on a screen that would pick 1x";
}

TEST_F(Zoom, ValueThatIsNoFactorGivesTheScreensAndOtherSettingsStay) {
    fs::path conf = PlayerFolder(directory.Path(), "Anna") / kPlayerSettingsName;
    for (const char* bad : {"0", "5", "2x", "", "-1", " 3", "three"}) {
        fs::create_directories(conf.parent_path());
        std::ofstream(conf) << "practice=on\nzoom=" << bad << "\n";
        RecordingPlatform p;
        OnScreen(p, 768);
        Game g{p};
        StartAs(g, p, "Anna");
        EXPECT_EQ(p.zooms, std::vector<int>{1}) << bad;
        EXPECT_EQ(g.practiceOn, 0xFF);
    }
    StartAs(game, platform, "Anna");
    Command(Command::FirstZoom + 3);
    EXPECT_EQ(Kept("Anna"), "4");
    EXPECT_TRUE(KeyValueFile::Read(conf).GetFlag("practice", false));
}

}  // namespace
}  // namespace pv::testing
