// The window's zoom: the factor picked for a screen, the Options menu's items, and the choice
// kept for each player beside, never in, the settings file.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/main_window.h"
#include "app/zoom.h"
#include "assets/commands.h"
#include "players/key_value_file.h"
#include "players/players.h"
#include "support/game_fixture.h"

namespace pv::testing {
namespace {

TEST(AutomaticZoom, LargestFactorWithinAFairShareOfTheScreen) {
    EXPECT_EQ(AutomaticZoom(1080), 2);
    EXPECT_EQ(AutomaticZoom(1072), 1) << "2x would take just over 55 %";
    EXPECT_EQ(AutomaticZoom(2160 - 48), 3) << "4K under a desktop panel";
    EXPECT_EQ(AutomaticZoom(2160), 4) << "the whole 4K height holds 1180 of 1188 pixels";
    for (int small : {768, 100, 0, -1}) EXPECT_EQ(AutomaticZoom(small), 1) << small;
}

// Starts a game as the installed one starts a player, on a screen `height` pixels high.
void StartAs(Game& g, RecordingPlatform& p, const std::filesystem::path& root,
             const std::string& name, int height = 1080) {
    p.screenHeight = height;
    g.instance = p.GetModuleHandleA(nullptr);
    g.playersRoot = root;
    g.playerName = SettlePlayer(RealFileSystem(), root, name).name;
    g.dataFolder = PlayerFolder(root, name);
    CreateMainWindow(g);
    for (MSG m; p.PeekMessageA(&m);) p.DispatchMessageA(&m);
}

class Zoom : public GameTest {
  protected:
    bool OnlyChecked(int factor) const {
        for (int f = 1; f <= kLargestZoom; ++f) {
            if (Item(Command::FirstZoom + f - 1).checked != (f == factor)) return false;
        }
        return true;
    }
};

TEST_F(Zoom, ScreensFactorThenAPickThatLeavesTheGameAsItWas) {
    platform.screenHeight = 1440;
    Start();
    Command(Command::MemoryGame);
    const std::uint32_t score = game.score;
    const std::size_t changes = platform.reflected.size();
    Command(Command::FirstZoom + 3);
    EXPECT_EQ(platform.zooms, (std::vector<int>{2, 4}));
    EXPECT_TRUE(OnlyChecked(4));
    EXPECT_EQ(BarItem(1).items.at(8).id, Command::RememberPositionToggle) << "below the four";
    EXPECT_EQ(platform.reflected.size(), changes) << "no control moved, showed or hid";
    EXPECT_EQ(game.memoryOpen, 1);
    EXPECT_EQ(game.score, score);
    EXPECT_TRUE(std::filesystem::is_empty(directory.Path())) << "without players, not kept";
}

// Where the desktop already draws the window twice as large, 3x and 4x would enlarge the
// pictures beyond their largest sources: they are greyed, and a factor asked for is held to 2x.
TEST_F(Zoom, ScaledDesktopOffersOnlyFactorsThePicturesHave) {
    platform.screenHeight = 2160;
    platform.dpi = 192;
    Start();
    EXPECT_TRUE(OnlyChecked(2));
    EXPECT_FALSE(Item(Command::FirstZoom + 1).grayed);
    EXPECT_TRUE(Item(Command::FirstZoom + 2).grayed);
    EXPECT_TRUE(Item(Command::FirstZoom + 3).grayed);
    Command(Command::FirstZoom + 3);
    EXPECT_EQ(platform.zooms.back(), 2);
}

TEST_F(Zoom, EachPlayerKeepsTheirPickAndAValueThatIsNoFactorIsLeftAside) {
    StartAs(game, platform, directory.Path(), "Anna");
    Command(Command::FirstZoom + 2);
    platform.typedAnswers = {L"Ben"};
    Command(Command::NewPlayer);
    EXPECT_TRUE(OnlyChecked(2)) << "Ben has not picked: the screen's factor";
    Command(Command::FirstZoom);
    Command(Command::FirstPlayer);
    EXPECT_EQ(platform.zooms, (std::vector<int>{2, 3, 2, 1, 3}));
    EXPECT_EQ(KeyValueFile::Read(RealFileSystem(),
                                 PlayerFolder(directory.Path(), "Ben") / kPlayerSettingsName)
                  .Get("zoom"),
              "1");

    RecordingPlatform next;
    Game again{next};
    StartAs(again, next, directory.Path(), "Anna", 1080);
    EXPECT_EQ(next.zooms, std::vector<int>{3}) << "kept for the next start";

    for (const char* bad : {"0", "5", "2x", "", " 3", "three"}) {
        std::ofstream(PlayerFolder(directory.Path(), "Anna") / kPlayerSettingsName)
            << "practice=on\nzoom=" << bad << "\n";
        RecordingPlatform p;
        Game g{p};
        StartAs(g, p, directory.Path(), "Anna", 768);
        EXPECT_EQ(p.zooms, std::vector<int>{1}) << bad;
        EXPECT_EQ(g.practiceOn, 0xFF) << "the other settings are read as ever";
    }
}

// A factor kept from a larger screen that would put the window past the work area, at its foot
// or its side, is lowered to the largest that fits, for this run only; those that do not fit are
// greyed.
TEST_F(Zoom, KeptFactorThatDoesNotFitTheScreenIsLoweredForThisRun) {
    StartAs(game, platform, directory.Path(), "Anna", 2160);
    Command(Command::LastZoom);
    const struct {
        int width, height, shown;
    } screens[] = {{1366, 768, 2}, {1280, 1024, 3}, {900, 1200, 3}, {1920, 1180, 4}, {240, 280, 1}};
    for (const auto& screen : screens) {
        SCOPED_TRACE(std::to_string(screen.width) + " x " + std::to_string(screen.height));
        RecordingPlatform small;
        small.screenWidth = screen.width;
        Game again{small};
        StartAs(again, small, directory.Path(), "Anna", screen.height);
        EXPECT_EQ(small.zooms, std::vector<int>{screen.shown});
        for (int f = 1; f <= kLargestZoom; ++f) {
            const MenuItem* item = small.FindMenuItem(again.menu, Command::FirstZoom + f - 1);
            EXPECT_EQ(item->checked, f == screen.shown) << f;
            EXPECT_EQ(item->grayed, f > screen.shown) << f;
        }
    }
    EXPECT_EQ(KeyValueFile::Read(RealFileSystem(),
                                 PlayerFolder(directory.Path(), "Anna") / kPlayerSettingsName)
                  .Get("zoom"),
              "4")
        << "the player's choice stays for a larger screen";
}

}  // namespace
}  // namespace pv::testing
